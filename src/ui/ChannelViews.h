#pragma once
// What the main window asks of the two channel windows when it passes on a
// change (RefreshViews). The windows implement these; the main window does
// not need to know their classes.

class ChannelGridView {
public:
    virtual ~ChannelGridView() = default;
    virtual void RefreshChannelRow() = 0;  // the row of CurrentChannel
    virtual void RefreshAllRows() = 0;
    virtual void HideEditors() = 0;        // close in-place lists and end cell editing
};

class ChannelEditView {
public:
    virtual ~ChannelEditView() = default;
    virtual void LoadChannel() = 0;
};

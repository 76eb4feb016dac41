#pragma once
// What the main window asks of the two channel windows when it passes on a
// change (RefreshViews). The windows implement these; the main window does
// not need to know their classes.

// The main window's notification path between the channel windows:
// 0 redraw the grid row of the current channel, 1 reopen the grid,
// 2 reload the channel edit window, 3 redraw everything (after a batch).
class ViewNotifier {
public:
    virtual ~ViewNotifier() = default;
    virtual void RefreshViews(int kind) = 0;
};

// An editor widget with this property set opens in a child window without frame.
constexpr const char* FramelessEditorProperty = "framelessEditor";
// An editor widget with this property set opens in a fixed-size child window
// with the system menu and a minimise button only.
constexpr const char* FixedSizeEditorProperty = "fixedSizeEditor";

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

#pragma once
// The memory channel grid: one row per memory channel, one column per field,
// every cell edited in place and written to the image at once.

#include <QPointer>
#include <QTableWidget>
#include <QWidget>
#include <map>
#include <vector>

#include "ui/ChannelViews.h"

class QComboBox;
class QLabel;
#include <QLineEdit>

// The grid control: a table whose open text editor can be committed from outside.
class TChannelTable : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;
    void CommitAndCloseEditor();
    QLineEdit* OpenEditor() const { return editor_; }
    void SetOpenEditor(QLineEdit* editor) { editor_ = editor; }

private:
    QPointer<QLineEdit> editor_;
};

class TfChsInfo : public QWidget, public ChannelGridView {
    Q_OBJECT

public:
    explicit TfChsInfo(ViewNotifier& main, QWidget* parent = nullptr);

    void RefreshChannelRow() override;
    void RefreshChannelRow(int channel);
    void RefreshAllRows() override;
    void HideEditors() override;

    // The grid column that shows a field (column number 1 to 20), or -1.
    int GridColumn(int columnNumber) const;
    int ColumnNumber(int gridColumn) const { return columnNumbers_.at(gridColumn); }
    TChannelTable* Grid() const { return gvChs; }
    QComboBox* ListOf(int columnNumber) const;  // the choice list of a list column
    bool InUse(int channel) const;

    // The commit of a cell's text (the grid's text editor calls it).
    void gvChsSetForeText(int gridColumn, int row, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void BuildColumns();
    void FitHeight();
    void gvChsMouseDown(int row, int gridColumn);
    void gvChsSelectCell(int row, int gridColumn);
    void ShowCellList();
    void ComBoxSetData(QComboBox* list);
    void HideList(QComboBox* list);
    void MakeCurrent(int channel);
    bool eventFilter(QObject* watched, QEvent* event) override;
    QComboBox* NewList(const char* name, const QStringList& items);
    QString NoneText() const;

    ViewNotifier& main_;
    TChannelTable* gvChs = nullptr;
    QTableWidget* ColShow = nullptr;
    QLabel* lNone = nullptr;
    std::map<int, QComboBox*> lists_;  // by column number
    std::vector<int> columnNumbers_;   // by grid column
    QComboBox* openList_ = nullptr;
    int listRow_ = -1, listColumn_ = -1;
    QString listLoadedText_;
    int listLoadedIndex_ = -1;
    bool loading_ = false;
    bool shown_ = false;
    bool watchingArea_ = false;
};

#include "ChsInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ChannelLists.h"
#include "KeyFilters.h"
#include "core/ChannelCodec.h"
#include "core/ChannelEditing.h"
#include "core/ChannelVocabulary.h"
#include "core/FrequencyCodec.h"
#include "core/Globals.h"
#include "ui/ApplyLanguage.h"
#include "ui/MsgBox.h"
#include "ui/QtText.h"

namespace {

constexpr int HeaderHeight = 35;
constexpr int RowHeight = 20;
constexpr int InUseRole = Qt::UserRole;   // on the No. cell: "1" in use, "0" empty
constexpr int ValueRole = Qt::UserRole;   // on list cells: the item index
constexpr int HighlightEvery = 16;

struct TextRule {
    int maxLength;
    KeyRule rule;
};

bool IsTextColumn(int c) { return c == ColRxFreq || c == ColTxFreq || c == ColName || c == ColIdCode; }
bool IsToneColumn(int c) { return c == ColRxTone || c == ColTxTone; }

TextRule RuleFor(int columnNumber) {
    switch (columnNumber) {
        case ColName: return {7, KeyRule::Name};
        case ColIdCode: return {6, KeyRule::Digits};
        default: return {9, KeyRule::Frequency};
    }
}

// The record value of a list column in a decoded channel.
int RecordValue(const TChannel& ch, int columnNumber) {
    switch (columnNumber) {
        case ColPower: return ch.Power;
        case ColWide: return ch.Wide;
        case ColScan: return ch.ScanFlag;
        case ColBusyLock: return ch.BusyLock;
        case ColVox: return ch.Vox;
        case ColEpilogue: return ch.Epilogue;
        case ColPttId: return ch.PttId;
        case ColDtmf: return ch.Dtmf;
        default: return 0;
    }
}

// The grid's text editor: length limit, key rule, whole text selected, and a
// commit that goes through the window's encoding instead of the model.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(TfChsInfo& window, TChannelTable& table) : QStyledItemDelegate(&table), window_(window), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* edit = new QLineEdit(parent);
        const TextRule rule = RuleFor(window_.ColumnNumber(index.column()));
        edit->setMaxLength(rule.maxLength);
        InstallKeyRule(edit, rule.rule);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        table_.SetOpenEditor(edit);
        return edit;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* edit = static_cast<QLineEdit*>(editor);
        edit->setText(index.data().toString());
        edit->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        window_.gvChsSetForeText(index.column(), index.row(), static_cast<QLineEdit*>(editor)->text());
    }

private:
    TfChsInfo& window_;
    TChannelTable& table_;
};

}  // namespace

void TChannelTable::CommitAndCloseEditor() {
    if (!editor_) return;
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

TfChsInfo::TfChsInfo(ViewNotifier& main, QWidget* parent) : QWidget(parent), main_(main) {
    setObjectName("fChsInfo");
    setWindowTitle("Channel Information");
    setProperty(FramelessEditorProperty, true);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont small = font();
    small.setPointSize(8);  // the widths of the column table are made for a compact font
    setFont(small);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    gvChs = new TChannelTable(this);
    gvChs->setObjectName("gvChs");
    gvChs->setItemDelegate(new CellDelegate(*this, *gvChs));
    gvChs->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    gvChs->setSelectionMode(QAbstractItemView::SingleSelection);
    gvChs->setSelectionBehavior(QAbstractItemView::SelectItems);
    gvChs->setContextMenuPolicy(Qt::PreventContextMenu);
    gvChs->setDragEnabled(false);
    gvChs->verticalHeader()->hide();
    gvChs->verticalHeader()->setDefaultSectionSize(RowHeight);
    gvChs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvChs->horizontalHeader()->setFixedHeight(HeaderHeight);
    gvChs->horizontalHeader()->setSectionsMovable(false);
    gvChs->horizontalHeader()->setHighlightSections(false);
    layout->addWidget(gvChs);
    connect(gvChs, &QTableWidget::cellPressed, this, &TfChsInfo::gvChsMouseDown);
    connect(gvChs, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { gvChsSelectCell(row, column); });

    // The column table, a value list the language file may retitle.
    ColShow = new QTableWidget(20, 2, this);
    ColShow->setObjectName("ColShow");
    ColShow->setProperty(ValueListProperty, true);
    ColShow->hide();
    for (int i = 0; i < 20; ++i) {
        const QString entry = ColumnTable[i];
        ColShow->setItem(i, 0, new QTableWidgetItem(entry.section('=', 0, 0)));
        ColShow->setItem(i, 1, new QTableWidgetItem(entry.section('=', 1)));
    }

    lNone = new QLabel(this);
    lNone->setObjectName("lNone");
    lNone->hide();

    auto* tones = NewList("cxDcts", {});
    FillToneList(tones);
    InstallKeyRule(tones, KeyRule::Tone);
    tones->lineEdit()->installEventFilter(this);
    lists_[ColRxTone] = lists_[ColTxTone] = tones;
    for (int column : {ColPower, ColWide, ColScan, ColBusyLock, ColVox, ColEpilogue, ColPttId, ColDtmf})
        lists_[column] = NewList(ListName(column), Items(column));
}

QComboBox* TfChsInfo::NewList(const char* name, const QStringList& items) {
    auto* list = new QComboBox(gvChs->viewport());
    list->setObjectName(name);
    list->addItems(items);
    list->hide();
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this, list] { ComBoxSetData(list); });
    return list;
}

QComboBox* TfChsInfo::ListOf(int columnNumber) const {
    const auto it = lists_.find(columnNumber);
    return it == lists_.end() ? nullptr : it->second;
}

QString TfChsInfo::NoneText() const { return lNone->text(); }

void TfChsInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfChsInfo::FormShow() {
    loading_ = true;
    ApplyLanguage(this, false);
    lNone->setText(lists_[ColRxTone]->itemText(0));
    BuildColumns();
    RefreshAllRows();
    if (gvChs->rowCount() > 0 && gvChs->columnCount() > 1) gvChs->setCurrentCell(0, 1);
    loading_ = false;
}

void TfChsInfo::BuildColumns() {
    const int count = All().ChannelCount;
    gvChs->setUpdatesEnabled(false);
    columnNumbers_.clear();
    std::vector<QString> keys, titles;
    std::vector<int> widths;
    for (int i = 0; i < 20; ++i) {
        const QString key = ColShow->item(i, 0)->text();
        if (!key.startsWith('S')) continue;
        const QString value = ColShow->item(i, 1)->text();
        bool ok = false;
        int width = value.section('@', 0, 0).toInt(&ok);
        if (!ok || width <= 0) width = QString(ColumnTable[i]).section('=', 1).section('@', 0, 0).toInt();
        columnNumbers_.push_back(i + 1);
        keys.push_back(key);
        widths.push_back(width);
        titles.push_back(value.section('@', 1).replace('|', '\n'));
    }
    const int columns = static_cast<int>(columnNumbers_.size());
    gvChs->clear();
    gvChs->setColumnCount(columns);
    gvChs->setRowCount(count);

    const QColor buttonFace = palette().color(QPalette::Button);
    const QColor infoBack = palette().color(QPalette::ToolTipBase);
    int total = 0;
    const QFontMetrics metrics(gvChs->horizontalHeader()->font());
    for (int c = 0; c < columns; ++c) {
        // A title too wide for its column breaks at its last blank, as a "|" would.
        QString title = titles[c];
        if (!title.contains('\n') && metrics.horizontalAdvance(title) > widths[c] - 6 && title.contains(' '))
            title[title.lastIndexOf(' ')] = '\n';
        auto* header = new QTableWidgetItem(title);
        header->setTextAlignment(Qt::AlignCenter);
        gvChs->setHorizontalHeaderItem(c, header);
        gvChs->setColumnWidth(c, widths[c]);
        total += widths[c];
        const QChar align = keys[c].size() > 2 ? keys[c][2] : QChar('M');
        const QChar type = keys[c].size() > 4 ? keys[c][4] : QChar('E');
        const Qt::Alignment alignment =
            (align == 'L' ? Qt::AlignLeft : align == 'R' ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter;
        for (int r = 0; r < count; ++r) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(alignment);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (type == 'R') flags |= Qt::ItemIsEditable;
            cell->setFlags(flags);
            if (type == 'M' || type == 'N') cell->setBackground(buttonFace);
            else if ((r + 1) % HighlightEvery == 0) cell->setBackground(infoBack);
            if (columnNumbers_[c] == ColNumber) {
                cell->setText(QString::number(r + 1));
                cell->setData(InUseRole, "0");
            }
            gvChs->setItem(r, c, cell);
        }
    }
    setFixedWidth(total + 50);
    FitHeight();
    gvChs->setUpdatesEnabled(true);
}

// As tall as the client area allows (following it when it is resized), and
// no taller than the rows need.
void TfChsInfo::FitHeight() {
    QWidget* frame = parentWidget();
    QWidget* area = frame ? frame->parentWidget() : nullptr;
    if (area && !watchingArea_) {
        area->installEventFilter(this);
        watchingArea_ = true;
    }
    int height = area ? area->height() - 40 : 600;
    const int needed = 15 + 25 * All().ChannelCount;
    if (needed < height) height = needed;
    height = std::max(height, 120);
    if (frame)
        frame->resize(width(), height);  // the grid's child window has no frame of its own
    else
        resize(width(), height);
}

int TfChsInfo::GridColumn(int columnNumber) const {
    for (std::size_t c = 0; c < columnNumbers_.size(); ++c)
        if (columnNumbers_[c] == columnNumber) return static_cast<int>(c);
    return -1;
}

bool TfChsInfo::InUse(int channel) const {
    const int c = GridColumn(ColNumber);
    QTableWidgetItem* cell = c >= 0 ? gvChs->item(channel - 1, c) : nullptr;
    return cell && cell->data(InUseRole).toString() == "1";
}

void TfChsInfo::RefreshChannelRow() { RefreshChannelRow(All().CurrentChannel); }

void TfChsInfo::RefreshChannelRow(int channel) {
    const int row = channel - 1;
    if (row < 0 || row >= gvChs->rowCount()) return;
    TChannel& ch = Channel();
    const bool inUse = DecodeChannel(channel, ch);
    for (int c = 0; c < static_cast<int>(columnNumbers_.size()); ++c) {
        QTableWidgetItem* cell = gvChs->item(row, c);
        const int number = columnNumbers_[c];
        if (number == ColNumber) {
            cell->setData(InUseRole, inUse ? "1" : "0");
            continue;
        }
        if (number == ColTxFreq || number == ColName || number == ColIdCode) {
            cell->setFlags(inUse ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
        }
        if (!inUse) {
            cell->setText("");
            cell->setData(ValueRole, QVariant());
            continue;
        }
        switch (number) {
            case ColRxFreq: cell->setText(Q(FormatFrequency(ch.RxFreq))); break;
            case ColTxFreq: cell->setText(ch.TxFreq == -1 ? QString() : Q(FormatFrequency(ch.TxFreq))); break;
            case ColRxTone: cell->setText(ch.RxTone.empty() ? NoneText() : Q(ch.RxTone)); break;
            case ColTxTone: cell->setText(ch.TxTone.empty() ? NoneText() : Q(ch.TxTone)); break;
            case ColName: cell->setText(Q(ch.Name)); break;
            case ColIdCode: cell->setText(Q(ch.IdCode)); break;
            default:
                if (QComboBox* list = ListOf(number)) {
                    const int value = RecordValue(ch, number);
                    cell->setText(list->itemText(value));
                    cell->setData(ValueRole, QString::number(value));
                }
                break;
        }
    }
}

void TfChsInfo::RefreshAllRows() {
    gvChs->setUpdatesEnabled(false);
    for (int channel = 1; channel <= All().ChannelCount; ++channel) RefreshChannelRow(channel);
    gvChs->setUpdatesEnabled(true);
}

void TfChsInfo::HideEditors() {
    if (openList_) HideList(openList_);
    gvChs->CommitAndCloseEditor();
}

void TfChsInfo::gvChsSetForeText(int gridColumn, int row, const QString& typed) {
    All().Modified = 1;
    const int channel = row + 1;
    const int number = columnNumbers_[gridColumn];
    QTableWidgetItem* cell = gvChs->item(row, gridColumn);
    bool replaced = false;
    switch (number) {
        case ColRxFreq: {
            const bool existed = InUse(channel);
            const std::string shown = CommitReceive(channel, S(typed), replaced);
            if (replaced) ShowMsgBox(Lang().Caution, Lang().ErrRange, MsgInfo);
            cell->setText(Q(shown));
            if (shown.empty() || !existed) RefreshChannelRow(channel);
            break;
        }
        case ColTxFreq: {
            const std::string shown = CommitTransmit(channel, S(typed), replaced);
            if (replaced) ShowMsgBox(Lang().Caution, Lang().ErrRange, MsgInfo);
            cell->setText(Q(shown));
            break;
        }
        case ColName:
        case ColIdCode: cell->setText(Q(CommitText(channel, number, S(typed)))); break;
        default: return;
    }
    main_.RefreshViews(2);
}

void TfChsInfo::MakeCurrent(int channel) {
    if (channel == All().CurrentChannel) return;
    All().CurrentChannel = channel;
    main_.RefreshViews(2);
}

void TfChsInfo::gvChsMouseDown(int row, int gridColumn) {
    if (loading_ || row < 0 || gridColumn < 0) return;
    if (auto* frame = parentWidget()) frame->raise();
    const int number = columnNumbers_[gridColumn];
    if (number == ColRxFreq || (IsTextColumn(number) && InUse(row + 1)))
        gvChs->editItem(gvChs->item(row, gridColumn));
    else
        ShowCellList();
    MakeCurrent(row + 1);
}

void TfChsInfo::gvChsSelectCell(int row, int gridColumn) {
    if (loading_ || row < 0 || gridColumn <= 0) return;
    if (openList_) HideList(openList_);
    ShowCellList();
    MakeCurrent(row + 1);
}

void TfChsInfo::ShowCellList() {
    const int row = gvChs->currentRow(), column = gvChs->currentColumn();
    if (row < 0 || column < 0 || !InUse(row + 1)) return;
    QComboBox* list = ListOf(columnNumbers_[column]);
    if (!list) return;
    if (openList_ && openList_ != list) HideList(openList_);
    QTableWidgetItem* cell = gvChs->item(row, column);
    const QRect rect = gvChs->visualItemRect(cell);
    list->setGeometry(rect.left() + 2, rect.top() + 2, gvChs->columnWidth(column), list->sizeHint().height());
    if (IsToneColumn(columnNumbers_[column])) {
        list->setEditText(cell->text());
    } else {
        bool ok = false;
        const int index = cell->data(ValueRole).toString().toInt(&ok);
        list->setCurrentIndex(ok ? index : 0);
    }
    listRow_ = row;
    listColumn_ = column;
    listLoadedText_ = list->currentText();
    listLoadedIndex_ = list->currentIndex();
    openList_ = list;
    list->show();
    list->raise();
    list->setFocus();
}

void TfChsInfo::ComBoxSetData(QComboBox* list) {
    if (loading_ || list != openList_ || listRow_ < 0) return;
    const bool tone = list->isEditable();
    if (tone ? list->currentText() == listLoadedText_ : list->currentIndex() == listLoadedIndex_) return;
    const int channel = listRow_ + 1;
    const int number = columnNumbers_[listColumn_];
    QTableWidgetItem* cell = gvChs->item(listRow_, listColumn_);
    if (tone) {
        const QString shown = Q(CommitTone(channel, number, S(list->currentText()), S(NoneText())));
        cell->setText(shown);
        list->setEditText(shown);
    } else {
        const int index = list->currentIndex();
        cell->setText(list->itemText(index));
        cell->setData(ValueRole, QString::number(index));
        CommitListValue(channel, number, index);
    }
    listLoadedText_ = list->currentText();
    listLoadedIndex_ = list->currentIndex();
    main_.RefreshViews(2);
    All().Modified = 1;
}

void TfChsInfo::HideList(QComboBox* list) {
    if (list == openList_) {
        if (list->isEditable()) ComBoxSetData(list);  // a typed tone counts when the list is left
        openList_ = nullptr;
    }
    list->hide();
}

bool TfChsInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && parentWidget() && watched == parentWidget()->parentWidget()) {
        FitHeight();
        return false;
    }
    QComboBox* list = qobject_cast<QComboBox*>(watched);
    if (!list && watched->parent()) list = qobject_cast<QComboBox*>(watched->parent());
    if (!list || list != openList_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            HideList(list);
            gvChs->setFocus();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool intoList = list->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == list;
        if (reason != Qt::PopupFocusReason && !intoList) HideList(list);
    }
    return QWidget::eventFilter(watched, event);
}

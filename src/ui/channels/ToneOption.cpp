#include "ToneOption.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/ApplyLanguage.h"

namespace {

// The picker's own table: position-value-code texts, each block ending with
// three empty texts. It differs from the tone choice list on purpose (42
// CTCSS tones; 85 DCS codes, 525 among them).
const char* const ToneTable[] = {
    "01-67.0-XZ",  "02-69.3-WZ",  "03-71.9-XA",  "04-74.4-WA",  "05-77.0-XB",  "06-79.7-WB",  "07-82.5-YZ",
    "08-85.4-YA",  "09-88.5-YB",  "0A-91.5-ZZ",  "0B-94.8-ZA",  "0C-97.4-ZB",  "0D-100.0-1Z", "0E-103.5-1A",
    "0F-107.2-1B", "10-110.9-2Z", "11-114.8-2A", "12-118.8-2B", "13-123.0-3Z", "14-127.3-3A", "15-131.8-3B",
    "16-136.5-4Z", "17-141.3-4A", "18-146.2-4B", "19-151.4-5Z", "1A-156.7-5A", "1B-162.2-5B", "1C-167.9-6Z",
    "1D-173.8-6A", "1E-179.9-6B", "1F-186.2-7Z", "20-192.8-7A", "21-203.5-M1", "22-206.5-8Z", "23-210.7-M2",
    "24-218.1-M3", "25-225.7-M4", "26-229.1-9Z", "27-233.6-M5", "28-241.8-M6", "29-250.3-M7", "2A-254.1-0Z",
    "",            "",            ""};

const char* const DcsTableCodes[] = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072", "073", "074", "114",
    "115", "116", "125", "131", "132", "134", "143", "152", "155", "156", "162", "165", "172", "174", "205",
    "223", "226", "243", "244", "245", "251", "261", "263", "265", "271", "306", "311", "315", "331", "343",
    "346", "351", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "525", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

constexpr int CtcssTexts = 45;  // texts 0..44; the DCS texts follow
constexpr int SelectableRole = Qt::UserRole;

struct Parts {
    QString number, value, code;
};

// "01-67.0-XZ" -> 01, 67.0, XZ; "1-D023" -> 1, D023, D023; "" -> three empty parts
Parts Split(const QString& text) {
    if (text.isEmpty()) return {};
    const int first = text.indexOf('-');
    const QString number = text.left(first);
    const QString rest = text.mid(first + 1);
    const int second = rest.indexOf('-');
    if (second < 0) return {number, rest, rest};
    return {number, rest.left(second), rest.mid(second + 1)};
}

struct GridShape {
    int groups, rows, rowHeight;
    std::vector<int> widths;
};

QTableWidget* NewGrid(QWidget* parent, const char* name, const GridShape& shape) {
    auto* grid = new QTableWidget(shape.rows, shape.groups * static_cast<int>(shape.widths.size()), parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setDefaultSectionSize(shape.rowHeight);
    int width = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        grid->setColumnWidth(c, shape.widths[c % shape.widths.size()]);
        width += shape.widths[c % shape.widths.size()];
    }
    grid->setFixedSize(width + 2 * grid->frameWidth(), shape.rows * shape.rowHeight + 2 * grid->frameWidth());
    return grid;
}

QTableWidgetItem* Cell(const QString& text, const QColor& colour, bool bold) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(colour);
    item->setForeground(Qt::black);
    if (bold) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
    }
    return item;
}

}  // namespace

TfToneOption::TfToneOption(QWidget* parent) : QDialog(parent) {
    setObjectName("fToneOption");
    setWindowTitle("Channel Tone Option");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);

    auto* kinds = new QGroupBox("Channel Voice Selection", this);
    kinds->setObjectName("gbSel");
    auto* row = new QHBoxLayout(kinds);
    const char* names[3] = {"rCTCSS", "rDCSN", "rDCSI"};
    const char* captions[3] = {"CTCSS", "DCS-N", "DCS-I"};
    QRadioButton** buttons[3] = {&rCTCSS, &rDCSN, &rDCSI};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = new QRadioButton(captions[i], kinds);
        (*buttons[i])->setObjectName(names[i]);
        (*buttons[i])->setProperty("tag", i);
        row->addWidget(*buttons[i]);
        connect(*buttons[i], &QRadioButton::clicked, this, [this, i] { rCTCSSClick(i); });
    }
    rCTCSS->setChecked(true);
    column->addWidget(kinds);

    lbSel = new QListWidget(this);
    lbSel->setObjectName("lbSel");
    lbSel->addItems({"CTCSS", "DCS-N", "DCS-I"});
    lbSel->hide();
    lbValue = new QListWidget(this);
    lbValue->setObjectName("lbValue");
    lbValue->setProperty(ListTagProperty, TagNeverTranslated);
    for (const char* text : ToneTable) lbValue->addItem(text);
    for (int i = 0; i < 85; ++i) lbValue->addItem(QString("%1-D%2").arg(i + 1).arg(DcsTableCodes[i]));
    for (int i = 0; i < 3; ++i) lbValue->addItem("");
    lbValue->hide();

    gbList = new QGroupBox(" Code List", this);
    gbList->setObjectName("gbList");
    auto* grids = new QVBoxLayout(gbList);
    const GridShape ctcss{5, 9, 24, {32, 47, 32}};
    const GridShape dcs{8, 11, 20, {23, 46}};
    gvCtcss = NewGrid(gbList, "gvCtcss", ctcss);
    gvDcsN = NewGrid(gbList, "gvDcsN", dcs);
    gvDcsI = NewGrid(gbList, "gvDcsI", dcs);
    for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI}) {
        grids->addWidget(grid, 0, Qt::AlignHCenter);
        connect(grid, &QTableWidget::cellDoubleClicked, this,
                [this, grid](int r, int c) { GridDblClick(grid, r, c); });
    }
    column->addWidget(gbList);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QTableWidget* TfToneOption::Table(int kind) const { return kind == 0 ? gvCtcss : kind == 1 ? gvDcsN : gvDcsI; }
QRadioButton* TfToneOption::Kind(int kind) const { return kind == 0 ? rCTCSS : kind == 1 ? rDCSN : rDCSI; }

void TfToneOption::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
}

void TfToneOption::FormShow() {
    BuildGrids();
    SelectedTone.clear();
    ApplyLanguage(this, false);
    rCTCSSClick(0);
}

void TfToneOption::BuildGrids() {
    const QColor ctcssColours[3] = {QColor(249, 141, 227), Qt::white, QColor(225, 249, 112)};
    const QColor dcsColours[2] = {QColor(47, 231, 220), Qt::white};
    for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI}) grid->setUpdatesEnabled(false);
    for (int g = 0; g < 5; ++g)
        for (int r = 0; r < 9; ++r) {
            const Parts p = Split(lbValue->item(g * 9 + r)->text());
            gvCtcss->setItem(r, 3 * g, Cell(p.number, ctcssColours[0], false));
            gvCtcss->setItem(r, 3 * g + 1, Cell(p.value, ctcssColours[1], true));
            gvCtcss->setItem(r, 3 * g + 2, Cell(p.code, ctcssColours[2], false));
        }
    for (int g = 0; g < 5; ++g) gvCtcss->item(0, 3 * g + 1)->setData(SelectableRole, "1");
    for (QTableWidget* grid : {gvDcsN, gvDcsI}) {
        const QString polarity = grid == gvDcsN ? "N" : "I";
        for (int g = 0; g < 8; ++g) {
            for (int r = 0; r < 11; ++r) {
                const Parts p = Split(lbValue->item(CtcssTexts + g * 11 + r)->text());
                grid->setItem(r, 2 * g, Cell(p.number, dcsColours[0], false));
                grid->setItem(r, 2 * g + 1, Cell(p.value.isEmpty() ? QString() : p.value + polarity, dcsColours[1], true));
            }
            grid->item(0, 2 * g + 1)->setData(SelectableRole, "1");
        }
    }
    for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI}) grid->setUpdatesEnabled(true);
}

void TfToneOption::rCTCSSClick(int tag) {
    gbList->setEnabled(false);
    gvCtcss->setVisible(rCTCSS->isChecked());
    gvDcsN->setVisible(rDCSN->isChecked());
    gvDcsI->setVisible(rDCSI->isChecked());
    if (tag >= 0 && tag < lbSel->count()) gbList->setTitle(lbSel->item(tag)->text());
    gbList->setEnabled(true);
}

void TfToneOption::GridDblClick(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* mark = grid->item(0, column);
    if (!mark || mark->data(SelectableRole).toString() != "1") return;
    SelectedTone = grid->item(row, column) ? grid->item(row, column)->text() : QString();
    accept();
}

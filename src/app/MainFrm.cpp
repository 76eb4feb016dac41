#include "MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Artwork.h"
#include "FrmAbout.h"
#include "SetLanguageForm.h"
#include "core/Derivation.h"
#include "core/Globals.h"
#include "files/SetLanguage.h"
#include "files/SettingsFile.h"
#include "link/PortNames.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/WriteRadio.h"
#include "ui/ApplyLanguage.h"
#include "ui/ChannelViews.h"
#include "ui/CommandTags.h"
#include "ui/ModalRunner.h"
#include "ui/MsgBox.h"
#include "ui/QtText.h"

namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    int tag;
    const char* shortcut;
    const char* hint;
    bool hidden;
};

struct Menu {
    const char* name;
    const char* caption;
    bool hidden;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& MenuTable() {
    static const std::vector<Menu> menus = {
        {"mFile", "&File", false,
         {{"N1", "&New", CmdNew, "Ctrl+N", "", false},
          {"O1", "&Open", CmdOpen, "Ctrl+O", "", false},
          {"S2", "&Save", CmdSave, "Ctrl+S", "", false},
          {"A1", "Save &As", CmdSaveAs, "Ctrl+A", "", false},
          {"P2", "&Print", CmdPrint, "Ctrl+P", "", false},
          {"V2", "Print Pre&view", CmdPrintPreview, "Ctrl+T", "", false},
          {"nExit", "&Exit", CmdExit, "Ctrl+X", "", false}}},
        {"mEdit", "&Edit", false,
         {{"nInfo", "Radio &Information", CmdRadioInfo, "", "Radio Information", false},
          {"nFreq", "F&req. Channel", CmdFreqChannel, "", "Freq. Information", false},
          {"nChInfo", "Memory C&hannel", CmdMemoryChannels, "", "Channel Information", false},
          {"nChEdit", "&Channel Edit", CmdChannelEdit, "", "", false},
          {"nBatch", "&Batch Channel Edit", CmdBatchEdit, "", "", false},
          {"nFm", "&Fm Information", CmdFm, "", "Fm Information", false},
          {"nVox", "&Vox Function", CmdVox, "", "Vox Function", false},
          {"nScan", "&Scan Information", CmdScan, "", "Scan Information", false},
          {"nOpt", "&Optional Function", CmdOptional, "", "Optional Function", false},
          {"nKey", "&Key Function", CmdKeyFunction, "", "", true},
          {"nDTMF", "&DTMF Function", CmdDtmf, "", "DTMF Function", false},
          {"E10", "&Test Frequency", CmdTestFrequency, "", "", true}}},
        {"mProgram", "&Program", false,
         {{"R1", "&Read From Radio", CmdReadRadio, "Ctrl+R", "", false},
          {"W2", "&Write To Radio", CmdWriteRadio, "Ctrl+W", "", false},
          {"T1", "&Test Online", CmdTestOnline, "", "", true}}},
        {"mSetup", "&Setup", false,
         {{"N4", "&Model Information", CmdModel, "", "", false},
          {"C2", "&Communication Port", CmdPort, "", "", false},
          {"nLanguage", "Language File Setup", CmdLanguage, "", "", true}}},
        {"mView", "&View", false,
         {{"T4", "Tree &View", CmdTreeView, "", "", false},
          {"nCool", "&Toolbar", CmdToolbar, "", "", false},
          {"nBar", "&Status bar", CmdStatusBar, "", "", false}}},
        {"mWindow", "&Window", true,
         {{"nC", "&Cascade", CmdCascade, "", "", false},
          {"nH", "Tile Windows &Horizontally", CmdTileHorizontally, "", "", false},
          {"nV", "Tile Windows &Vertically", CmdTileVertically, "", "", false},
          {"npl", "&Arrange Icons", CmdArrangeIcons, "", "", false},
          {"nCloseAll", "Close All &Windows", CmdCloseAll, "", "", false}}},
        {"mHelp", "&Help", false,
         {{"nHelpTopics", "&Help Topics", CmdHelpTopics, "", "", false},
          {"nAbout", "About...", CmdAbout, "", "", false}}},
    };
    return menus;
}

struct ToolItem {
    const char* name;
    const char* hint;
    int tag;
    Art art;
    bool dividerBefore;
};

const ToolItem ToolTable[] = {
    {"tbNew", "New", CmdNew, Art::New, false},
    {"tbOpen", "Open", CmdOpen, Art::Open, false},
    {"tbSave", "Save", CmdSave, Art::Save, false},
    {"ToolButton3", "Channel Edit", CmdChannelEdit, Art::ChannelEdit, true},
    {"tbPrint", "Print", CmdPrint, Art::Print, true},
    {"tbCom", "Com", CmdPort, Art::Port, true},
    {"tbRead", "Read", CmdReadRadio, Art::Read, false},
    {"tbWrite", "Write", CmdWriteRadio, Art::Write, false},
    {"tbHelp", "Help", CmdHelpTopics, Art::Help, true},
};

struct TreeNode {
    const char* menuItem;  // its hint names the node
    int tag;
    Art art;
};

const TreeNode TreeTable[] = {
    {"nInfo", CmdRadioInfo, Art::RadioInfo}, {"nFreq", CmdFreqChannel, Art::FreqChannel},
    {"nChInfo", CmdMemoryChannels, Art::Channels}, {"nFm", CmdFm, Art::Fm},
    {"nVox", CmdVox, Art::Vox},                {"nScan", CmdScan, Art::Scan},
    {"nOpt", CmdOptional, Art::Optional},      {"nDTMF", CmdDtmf, Art::Dtmf},
};

// The root node's command is the index of the application icon in the image
// list (16 images with the icon appended), which opens Radio Information.
constexpr int RootNodeTag = 16;
constexpr int TagRole = Qt::UserRole;
constexpr int TreePanelWidth = 185;
const int PanelWidths[] = {50, 80, 120, 120, 120, 800, 100};

}  // namespace

TfMainFrm::TfMainFrm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("fMainFrm");
    setWindowTitle(Q(All().ProductName));
    setWindowIcon(ArtIcon(Art::Application));

    BuildMenu();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolBar();
    column->addWidget(pBar_);

    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName("Splitter1");
    BuildTree();
    splitter_->addWidget(pTree_);
    mdi_ = new QMdiArea(splitter_);
    mdi_->setObjectName("ClientArea");
    splitter_->addWidget(mdi_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({TreePanelWidth, 1000});
    column->addWidget(splitter_, 1);
    setCentralWidget(central);

    BuildStatusBar();

    // Hidden helpers: the localisable "Port: " prefix and the port list.
    lCom_ = new QLabel("Port: ", this);
    lCom_->setObjectName("lCom");
    lCom_->hide();
    cbCom_ = new QComboBox(this);
    cbCom_->setObjectName("cbCom");
    cbCom_->setProperty(ListTagProperty, TagNeverTranslated);
    cbCom_->hide();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] { panels_[2]->setText(QTime::currentTime().toString("HH:mm:ss")); });
    timer_->start();

    InstallCommands();
}

TfMainFrm::~TfMainFrm() = default;

void TfMainFrm::BuildMenu() {
    menuBar()->setObjectName("MainMenu");
    for (const Menu& m : MenuTable()) {
        QMenu* menu = menuBar()->addMenu(m.caption);
        menu->setObjectName(QString(m.name) + "Menu");
        menu->menuAction()->setObjectName(m.name);
        menu->menuAction()->setVisible(!m.hidden);
        for (const MenuItem& item : m.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setProperty("tag", item.tag);
            action->setStatusTip(item.hint);
            action->setToolTip(item.hint);
            if (*item.shortcut) action->setShortcut(QKeySequence(item.shortcut));
            action->setVisible(!item.hidden);
            const QString name = item.name;
            if (name == "nExit") {
                connect(action, &QAction::triggered, this, &QWidget::close);
            } else if (name == "T4") {
                connect(action, &QAction::triggered, this, [this] { pTree_->setVisible(!pTree_->isVisible()); });
            } else if (name == "nCool" || name == "nBar") {
                action->setCheckable(true);
                action->setChecked(true);
                connect(action, &QAction::toggled, this, [this, name](bool on) {
                    (name == "nCool" ? pBar_ : static_cast<QWidget*>(statusBar()))->setVisible(on);
                });
            } else {
                const int tag = item.tag;
                connect(action, &QAction::triggered, this, [this, tag] { ExecuteCommand(tag); });
            }
        }
    }
}

void TfMainFrm::BuildToolBar() {
    pBar_ = new QWidget(this);
    pBar_->setObjectName("pBar");
    auto* row = new QHBoxLayout(pBar_);
    row->setContentsMargins(2, 2, 2, 2);
    tbar_ = new QToolBar(pBar_);
    tbar_->setObjectName("tbar");
    tbar_->setIconSize(QSize(24, 24));
    for (const ToolItem& t : ToolTable) {
        if (t.dividerBefore) tbar_->addSeparator();
        auto* button = new QToolButton(tbar_);
        button->setObjectName(t.name);
        button->setToolTip(t.hint);
        button->setIcon(ArtIcon(t.art));
        button->setAutoRaise(true);
        button->setProperty("tag", t.tag);
        const int tag = t.tag;
        connect(button, &QToolButton::clicked, this, [this, tag] { ExecuteCommand(tag); });
        tbar_->addWidget(button);
    }
    row->addWidget(tbar_);
    row->addStretch(1);
}

void TfMainFrm::BuildTree() {
    pTree_ = new QWidget(splitter_);
    pTree_->setObjectName("pTree");
    pTree_->setMinimumWidth(80);
    auto* column = new QVBoxLayout(pTree_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* header = new QHBoxLayout;
    header->addStretch(1);
    auto* hide = new QToolButton(pTree_);
    hide->setObjectName("TreeHide");
    hide->setText("X");
    hide->setAutoRaise(true);
    connect(hide, &QToolButton::clicked, pTree_, &QWidget::hide);
    header->addWidget(hide);
    column->addLayout(header);

    cxTree_ = new QTreeWidget(pTree_);
    cxTree_->setObjectName("cxTree");
    cxTree_->setHeaderHidden(true);
    cxTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cxTree_->setExpandsOnDoubleClick(false);
    auto* root = new QTreeWidgetItem(cxTree_);
    root->setIcon(0, ArtIcon(Art::Application));
    root->setData(0, TagRole, RootNodeTag);
    for (const TreeNode& node : TreeTable) {
        auto* child = new QTreeWidgetItem(root);
        child->setIcon(0, ArtIcon(node.art));
        child->setData(0, TagRole, node.tag);
    }
    connect(cxTree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { TreeDoubleClicked(item); });
    column->addWidget(cxTree_, 1);
}

void TfMainFrm::BuildStatusBar() {
    statusBar()->setObjectName("MainBar");
    statusBar()->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QString("MainBarPanel%1").arg(i));
        panel->setFixedWidth(PanelWidths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel);
        panels_.push_back(panel);
    }
}

void TfMainFrm::InstallCommands() {
    RegisterDialog(CmdLanguage, [](TfMainFrm& w) { w.LanguageCommand(); });
    RegisterDialog(CmdAbout, [](TfMainFrm& w) { w.AboutCommand(); });
    RegisterDialog(CmdReadRadio, [](TfMainFrm& w) {
        TfReadRadio dialog(&w);
        RunModal(dialog);
        if (dialog.Completed()) w.AfterRead();
    });
    RegisterDialog(CmdWriteRadio, [](TfMainFrm& w) {
        TfWriteRadio dialog(&w);
        RunModal(dialog);
    });
    RegisterDialog(CmdPort, [](TfMainFrm& w) {
        TfSetPort dialog(&w);
        RunModal(dialog);
        w.UpdateStatus();
    });
}

void TfMainFrm::RegisterEditor(int tag, EditorFactory factory) { editorFactories_[tag] = std::move(factory); }
void TfMainFrm::RegisterDialog(int tag, DialogCommand command) { dialogs_[tag] = std::move(command); }

QWidget* TfMainFrm::Editor(int tag) const {
    const auto it = editors_.find(tag);
    return it != editors_.end() && it->second ? it->second->widget() : nullptr;
}

QString TfMainFrm::PanelText(int panel) const { return panels_.at(panel)->text(); }

std::vector<std::string> TfMainFrm::ListedPorts() const {
    std::vector<std::string> ports;
    for (int i = 0; i < cbCom_->count(); ++i) ports.push_back(S(cbCom_->itemText(i)));
    return ports;
}

QAction* TfMainFrm::MenuAction(const char* name) const { return findChild<QAction*>(name); }

void TfMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfMainFrm::FormShow() {
    TALL& all = All();
    mdi_->setBackground(QBrush(BackgroundTile()));
    MenuAction("nLanguage")->setVisible(all.LanguageMenu != 0);
    MenuAction("T1")->setVisible(all.TestMenu != 0);
    all.ModelCode = MacList().GetItem(0)->Code;
    DeriveOnFirstShow();
    CheckConfiguredPort();
    FileName.clear();
    ApplyLanguage(this, false);
    NameTreeNodes();
    setWindowTitle(Q(all.ProductName));
    ShowEditor(CmdMemoryChannels);
    all.Modified = 0;
    cxTree_->expandAll();
    cxTree_->setCurrentItem(cxTree_->topLevelItem(0));
    NewData();
}

void TfMainFrm::CheckConfiguredPort() {
    TALL& all = All();
    std::vector<std::string> ports;
    ListSerialPorts(&ports);
    cbCom_->clear();
    for (const std::string& p : ports) cbCom_->addItem(Q(p));
    all.PortName = S(Q(all.PortName).toUpper());
    cbCom_->setCurrentText(Q(all.PortName));
    if (!ports.empty() && std::find(ports.begin(), ports.end(), all.PortName) == ports.end()) {
        all.PortName = ports.front();
        cbCom_->setCurrentIndex(0);
    }
}

void TfMainFrm::ExecuteCommand(int tag) {
    emit commandExecuted(tag);
    if (auto* grid = dynamic_cast<ChannelGridView*>(Editor(CmdMemoryChannels))) grid->HideEditors();
    try {
        Dispatch(tag);
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    }
}

void TfMainFrm::Dispatch(int tag) {
    switch (tag) {
        case CmdNew: NewData(); return;
        case CmdOpen: OpenCommand(); return;
        case CmdSave: SaveCommand(); return;
        case CmdSaveAs:
            FileName.clear();
            SaveCommand();
            return;
        case CmdExit: close(); return;
        case CmdCascade: mdi_->cascadeSubWindows(); return;
        case CmdTileHorizontally: TileEditors(Qt::Vertical); return;
        case CmdTileVertically: TileEditors(Qt::Horizontal); return;
        case CmdArrangeIcons: ArrangeIcons(); return;
        case CmdCloseAll: CloseAllEditors(); return;
        default: break;
    }
    if (editorFactories_.count(tag)) {
        ShowEditor(tag);
    } else if (const auto it = dialogs_.find(tag); it != dialogs_.end()) {
        it->second(*this);
    }
    // Print, Print Preview, Help Topics and the hidden items have no action.
}

void TfMainFrm::ShowEditor(int tag) {
    const auto factory = editorFactories_.find(tag);
    if (factory == editorFactories_.end()) return;
    QPointer<QMdiSubWindow>& sub = editors_[tag];
    if (!sub) {
        QWidget* editor = factory->second(*this);
        // Editor windows open at (20, 20) of the client area; the grid has no frame.
        Qt::WindowFlags flags;
        if (editor->property(FramelessEditorProperty).toBool()) flags = Qt::FramelessWindowHint;
        if (editor->property(FixedSizeEditorProperty).toBool())
            flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        sub = mdi_->addSubWindow(editor, flags);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(editor->windowTitle());
        sub->setWindowIcon(editor->windowIcon());
        sub->move(20, 20);
    }
    sub->show();
    if (sub->isMinimized()) sub->showNormal();
    mdi_->setActiveSubWindow(sub);
    sub->widget()->setFocus();
}

// Horizontal tiling stacks the windows one above the other, each as wide as
// the client area; vertical tiling puts them side by side.
void TfMainFrm::TileEditors(Qt::Orientation stacking) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (!w->isMinimized()) windows.append(w);
    if (windows.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (stacking == Qt::Vertical)
            windows[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
            windows[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

void TfMainFrm::ArrangeIcons() {
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

void TfMainFrm::CloseAllEditors() {
    // The last one first; each is destroyed at once.
    QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    while (!windows.isEmpty()) delete windows.takeLast();
}

void TfMainFrm::RefreshViews(int kind) {
    auto* grid = dynamic_cast<ChannelGridView*>(Editor(CmdMemoryChannels));
    auto* edit = dynamic_cast<ChannelEditView*>(Editor(CmdChannelEdit));
    switch (kind) {
        case 0:
            if (grid) grid->RefreshChannelRow();
            break;
        case 1:
            CloseAllEditors();
            ShowEditor(CmdMemoryChannels);
            break;
        case 2:
            if (edit) edit->LoadChannel();
            break;
        case 3:
            if (grid) {
                All().Modified = 1;
                grid->RefreshAllRows();
                if (edit) edit->LoadChannel();
            }
            break;
        default: break;
    }
}

void TfMainFrm::UpdateStatus() {
    const TALL& all = All();
    panels_[0]->clear();
    panels_[1]->setText(QDate::currentDate().toString("yyyy/MM/dd"));
    panels_[2]->setText(QTime::currentTime().toString("HH:mm:ss"));
    panels_[3]->setText(lCom_->text() + Q(all.PortName));
    panels_[4]->setText(Q(all.ModelName));
    panels_[5]->setText(Q(all.BandText));
    setWindowTitle(FileName.empty() ? Q(all.ProductName) : Q(all.ProductName + " [" + FileName + "]"));
}

void TfMainFrm::NameTreeNodes() {
    QTreeWidgetItem* root = cxTree_->topLevelItem(0);
    root->setText(0, Q(All().ProductName));
    for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setText(0, MenuAction(TreeTable[i].menuItem)->statusTip());
}

void TfMainFrm::TreeDoubleClicked(QTreeWidgetItem* item) {
    if (item && item == cxTree_->currentItem()) ExecuteCommand(item->data(0, TagRole).toInt());
}

void TfMainFrm::AfterRead() {
    FileName.clear();
    UpdateStatus();
    RefreshViews(1);
}

void TfMainFrm::LanguageCommand() {
    TfSetLanguage dialog(this);
    RunModal(dialog);
    if (!dialog.Changed()) return;
    LoadMessageTable(All().LanguageName);
    ApplyLanguage(this, true);
    UpdateStatus();
    CloseAllEditors();
    NameTreeNodes();
    ShowEditor(CmdMemoryChannels);
    // Unsaved edits stay marked as unsaved: a language change does not save them.
}

void TfMainFrm::AboutCommand() {
    TfFrmAbout about(this);
    RunModal(about);
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    const TLanguage& lang = Lang();
    if (ShowMsgBox(lang.Confirmation, lang.ExitProgram, MsgYesNo) != MsgYes) {
        event->ignore();
        return;
    }
    if (All().Modified && ShowMsgBox(lang.Confirmation, lang.SaveProgram, MsgYesNo) == MsgYes) {
        try {
            SaveCommand();
        } catch (const std::exception& e) {
            // The save failed (disk full, folder gone): stay open so the data is not lost.
            ShowErrorBox(e.what());
            event->ignore();
            return;
        }
    }
    closing_ = true;
    try {
        SaveSettings();
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    }
    event->accept();
}

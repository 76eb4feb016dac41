#pragma once
// The main window: a multiple-document frame with menu, tool bar, the tree of
// editor windows, the status bar, and the one command dispatcher.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/ChannelViews.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class TfMainFrm : public QMainWindow, public ViewNotifier {
    Q_OBJECT

public:
    explicit TfMainFrm(QWidget* parent = nullptr);
    ~TfMainFrm() override;

    void ExecuteCommand(int tag);
    void RefreshViews(int kind) override;
    void UpdateStatus();
    void NameTreeNodes();
    void CloseAllEditors();
    void AfterRead();

    // File commands. SaveCommand reports whether the image was written.
    void NewData();
    void OpenCommand();
    void OpenFile(const std::string& path);  // Open without the dialog (a file given at start)
    bool SaveCommand();

    std::string FileName;  // the current data file, empty when none

    // Editor windows (tags 9 to 16, 18, 19) and modal dialogs register how
    // they are made; a tag without one does nothing.
    using EditorFactory = std::function<QWidget*(TfMainFrm&)>;
    using DialogCommand = std::function<void(TfMainFrm&)>;
    void RegisterEditor(int tag, EditorFactory factory);
    void RegisterDialog(int tag, DialogCommand command);
    QWidget* Editor(int tag) const;  // the open instance, or null
    QMdiArea* ClientArea() const { return mdi_; }
    QString PanelText(int panel) const;
    std::vector<std::string> ListedPorts() const;

signals:
    void commandExecuted(int tag);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildToolBar();
    void BuildTree();
    void BuildStatusBar();
    void InstallCommands();
    void FormShow();
    void Dispatch(int tag);
    void ShowEditor(int tag);
    void TileEditors(Qt::Orientation stacking);
    void ArrangeIcons();
    bool OfferToSave();
    void LanguageCommand();
    void AboutCommand();
    void TreeDoubleClicked(QTreeWidgetItem* item);
    void CheckConfiguredPort();
    QAction* MenuAction(const char* name) const;

    QMdiArea* mdi_ = nullptr;
    QWidget* pBar_ = nullptr;
    QToolBar* tbar_ = nullptr;
    QWidget* pTree_ = nullptr;
    QTreeWidget* cxTree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* lCom_ = nullptr;
    QComboBox* cbCom_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<QLabel*> panels_;
    bool shown_ = false;
    bool closing_ = false;

    std::map<int, EditorFactory> editorFactories_;
    std::map<int, QPointer<QMdiSubWindow>> editors_;
    std::map<int, DialogCommand> dialogs_;
};

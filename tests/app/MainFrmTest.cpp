#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "FrmAbout.h"
#include "MainFrm.h"
#include "Maindb.h"
#include "SetLanguageForm.h"
#include "Windows.h"
#include "core/Globals.h"
#include "support/GuiTestSupport.h"
#include "support/PseudoTerminal.h"
#include "ui/CommandTags.h"

class MainFrmTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PseudoTerminal> cable;
    std::unique_ptr<TfMainFrm> main;

    QString Path(const QString& name) const { return dir->filePath(name); }

    // A program folder whose COM1 is a pseudo-terminal, so that port checks
    // do not depend on the machine's serial hardware.
    void Start(const std::string& settings = "Com=com1\n") {
        cable = std::make_unique<PseudoTerminal>();
        WriteText(Path("SysInfo.Ini"), "[SysInfo]\n" + settings + "[Ports]\nCOM1=" + cable->Path() + "\n");
        StartDataModule(dir->path().toStdString() + "/");
        main = std::make_unique<TfMainFrm>();
        InstallWindows(*main);
        main->show();
    }

    QAction* Action(const char* name) { return main->findChild<QAction*>(name); }
    QByteArray FileBytes(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() {
        main.reset();
        cable.reset();
        dir.reset();
    }

    void startUpState() {
        ScriptedMessages messages;
        Start();
        QCOMPARE(main->windowTitle(), QString("RK-40"));
        QCOMPARE(main->PanelText(3), QString("Port: COM1"));
        QCOMPARE(main->PanelText(4), QString("RK-40"));
        QCOMPARE(main->PanelText(5), QString("430.00000 - 440.00000/144.00000 - 146.00000MHz"));
        QCOMPARE(main->PanelText(1), QDate::currentDate().toString("yyyy/MM/dd"));
        QVERIFY(main->FileName.empty());
        QCOMPARE(int(All().Modified), 0);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(Action("nLanguage")->isVisible());
        QVERIFY(Action("T1")->isVisible());
        QVERIFY(!Action("nKey")->isVisible());
        QVERIFY(!main->findChild<QAction*>("mWindow")->isVisible());
        QVERIFY(Action("nCool")->isChecked());
        QVERIFY(Action("nBar")->isChecked());
        auto* tree = main->findChild<QTreeWidget*>("cxTree");
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("RK-40"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 8);
        QCOMPARE(tree->topLevelItem(0)->child(1)->text(0), QString("Freq. Information"));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    }

    void configuredPortIsCheckedAgainstTheListedPorts() {
        ScriptedMessages messages;
        Start("Com=com99\n");
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM1"));
        QVERIFY(!main->ListedPorts().empty());
        QCOMPARE(QString::fromStdString(main->ListedPorts().front()), QString("COM1"));
    }

    void everyMenuItemAndToolButtonReachesExecuteCommand() {
        ScriptedMessages messages;
        ScriptedFiles files;
        ScriptedDialogs dialogs;
        Start();
        QSignalSpy spy(main.get(), &TfMainFrm::commandExecuted);
        int checked = 0;
        for (QAction* a : main->menuBar()->findChildren<QAction*>()) {
            const QVariant tag = a->property("tag");
            const QString name = a->objectName();
            if (!tag.isValid() || name == "nExit" || name == "T4" || name == "nCool" || name == "nBar") continue;
            spy.clear();
            a->trigger();
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toInt(), tag.toInt());
            ++checked;
        }
        QCOMPARE(checked, 31);
        const char* buttons[] = {"tbNew", "tbOpen", "tbSave", "ToolButton3", "tbPrint",
                                 "tbCom", "tbRead", "tbWrite", "tbHelp"};
        const int tags[] = {1, 2, 3, 12, 5, 31, 20, 21, 60};
        for (int i = 0; i < 9; ++i) {
            spy.clear();
            main->findChild<QToolButton*>(buttons[i])->click();
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toInt(), tags[i]);
        }
        QVERIFY(messages.unexpected.isEmpty());
    }

    void viewItemsToggleThePanels() {
        ScriptedMessages messages;
        Start();
        auto* tree = main->findChild<QWidget*>("pTree");
        QVERIFY(tree->isVisible());
        Action("T4")->trigger();
        QVERIFY(!tree->isVisible());
        Action("T4")->trigger();
        QVERIFY(tree->isVisible());
        main->findChild<QToolButton*>("TreeHide")->click();
        QVERIFY(!tree->isVisible());
        Action("nCool")->trigger();
        QVERIFY(!main->findChild<QWidget*>("pBar")->isVisible());
        QVERIFY(!Action("nCool")->isChecked());
        Action("nBar")->trigger();
        QVERIFY(!main->statusBar()->isVisible());
    }

    void saveAndSaveAs() {
        ScriptedMessages messages;
        ScriptedFiles files;
        Start();
        All().Modified = 1;
        files.paths = {Path("first.dat")};
        main->ExecuteCommand(CmdSave);
        QCOMPARE(FileBytes(Path("first.dat")).size(), 4768);
        QCOMPARE(FileBytes(Path("first.dat")).left(5), QByteArray("PRK40"));
        QCOMPARE(main->windowTitle(), "RK-40 [" + Path("first.dat") + "]");
        QCOMPARE(int(All().Modified), 0);

        // Save again: no dialog, same file.
        main->ExecuteCommand(CmdSave);
        QCOMPARE(files.asked.size(), 1);

        // Save As onto an existing file: No keeps the file and clears the name.
        WriteText(Path("other.dat"), "keep me");
        files.paths = {Path("other.dat")};
        messages.answers = {MsgNo};
        main->ExecuteCommand(CmdSaveAs);
        QCOMPARE(FileBytes(Path("other.dat")), QByteArray("keep me"));
        QVERIFY(main->FileName.empty());
        QCOMPARE(main->windowTitle(), QString("RK-40"));
        QVERIFY(!messages.shown.isEmpty());
        QCOMPARE(messages.shown.last().text, QString("The File is exists,replace it?"));

        files.paths = {Path("other.dat")};
        messages.answers = {MsgYes};
        main->ExecuteCommand(CmdSaveAs);
        QCOMPARE(FileBytes(Path("other.dat")).size(), 4768);
        QCOMPARE(QString::fromStdString(main->FileName), Path("other.dat"));

        files.paths = {""};  // cancelled
        main->ExecuteCommand(CmdSaveAs);
        QVERIFY(main->FileName.empty());
        QVERIFY(messages.unexpected.isEmpty());
    }

    void openRefusesAForeignModelAndLoadsAGoodFile() {
        ScriptedMessages messages;
        ScriptedFiles files;
        Start();
        files.paths = {Path("good.dat")};
        main->ExecuteCommand(CmdSave);
        QByteArray foreign = FileBytes(Path("good.dat"));
        foreign.replace(1, 4, "ZZ99");
        QFile f(Path("foreign.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(foreign);
        f.close();

        All().Image[100] = 0x42;
        const auto before = All().Image;
        files.paths = {Path("foreign.dat")};
        main->ExecuteCommand(CmdOpen);
        QVERIFY(!messages.shown.isEmpty());
        QCOMPARE(messages.shown.last().text, QString("Model Type Wrong."));
        QCOMPARE(messages.shown.last().title, QString("Confirmation"));
        QCOMPARE(messages.shown.last().kind, int(MsgInfo));
        QVERIFY(main->FileName.empty());
        QVERIFY(All().Image == before);

        All().Modified = 0;
        files.paths = {Path("good.dat")};
        main->ExecuteCommand(CmdOpen);
        QCOMPARE(int(All().Image[100]), 0xFF);
        QCOMPARE(QString::fromStdString(main->FileName), Path("good.dat"));
        QCOMPARE(main->windowTitle(), "RK-40 [" + Path("good.dat") + "]");
        QCOMPARE(int(All().Modified), 0);
    }

    void newAndOpenOfferToSaveFirst() {
        ScriptedMessages messages;
        ScriptedFiles files;
        Start();
        All().Image[100] = 0x42;
        All().Modified = 1;
        messages.answers = {MsgNo};
        main->ExecuteCommand(CmdNew);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QString("Do you wish to save the changes?"));
        QCOMPARE(int(All().Image[100]), 0xFF);  // No discards the changes
        QCOMPARE(int(All().Modified), 0);

        // Yes, then cancelling the save dialog: nothing is thrown away.
        All().Image[100] = 0x42;
        All().Modified = 1;
        messages.answers = {MsgYes};
        files.paths = {""};
        main->ExecuteCommand(CmdNew);
        QCOMPARE(int(All().Image[100]), 0x42);
        QCOMPARE(int(All().Modified), 1);

        messages.answers = {MsgYes};
        files.paths = {Path("saved-first.dat"), ""};
        main->ExecuteCommand(CmdOpen);
        QCOMPARE(FileBytes(Path("saved-first.dat")).size(), 4768);
        QCOMPARE(files.asked, QStringList({"save", "save", "open"}));
    }

    void anErrorInsideACommandIsShownAndTheProgramGoesOn() {
        ScriptedMessages messages;
        ScriptedFiles files;
        Start();
        All().Modified = 1;
        main->FileName = Path("no-such-folder/x.dat").toStdString();
        main->ExecuteCommand(CmdSave);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, int(MsgError));
        QVERIFY(messages.shown[0].text.contains(Path("no-such-folder/x.dat")));
        QCOMPARE(int(All().Modified), 1);
        QVERIFY(main->isVisible());

        // A file that cannot be opened keeps the name of the data in the image.
        main->FileName = Path("current.dat").toStdString();
        files.paths = {Path("missing.dat")};
        All().Modified = 0;
        main->ExecuteCommand(CmdOpen);
        QVERIFY(!messages.shown.isEmpty());
        QCOMPARE(messages.shown.last().kind, int(MsgError));
        QCOMPARE(QString::fromStdString(main->FileName), Path("current.dat"));
    }

    void exitAsksTwoQuestionsAndWritesTheSettings() {
        ScriptedMessages messages;
        ScriptedFiles files;
        Start();
        All().Modified = 1;
        messages.answers = {MsgNo};
        main->close();
        QVERIFY(main->isVisible());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QString("Do you wish to exit program?"));
        QVERIFY(!FileBytes(Path("SysInfo.Ini")).contains("Language_ID"));

        messages.Clear();
        messages.answers = {MsgYes, MsgNo};
        main->close();
        QVERIFY(!main->isVisible());
        QCOMPARE(messages.Texts(),
                 QStringList({"Do you wish to exit program?", "Do you wish to save the changes?"}));
        const QByteArray settings = FileBytes(Path("SysInfo.Ini"));
        QVERIFY(settings.contains("Com=COM1"));
        QVERIFY(settings.contains("Language_ID=0"));
        QVERIFY(settings.contains("COM1=" + QByteArray::fromStdString(cable->Path())));
    }

    void languageChangeRenamesMenusTreeAndMessages() {
        ScriptedMessages messages;
        WriteText(Path("Deutsch.Ini"),
                  "[Language]\nExitProgram=Programm beenden?\n"
                  "[fMainFrm]\nN1.Caption=&Neu\nO1.Caption=&Öffnen\nnInfo.Hint=Funkgerät\n"
                  "[fSetLanguage]\ncxSels.Caption=Sprache\n");
        WriteText(Path("English.Ini"), "[fMainFrm]\nN1.Caption=&New file\n");
        Start("Language=English|Deutsch\nLanguage_SW=English|Deutsch\nEnglish=English|German\n"
              "Deutsch=Englisch|Deutsch\n");
        All().Modified = 1;

        QString groupTitle;
        ScriptedDialogs dialogs([&](QDialog& d) {
            auto& dialog = dynamic_cast<TfSetLanguage&>(d);
            d.show();
            groupTitle = d.findChild<QWidget*>("cxSels")->property("title").toString();
            dialog.Choice(All().LanguageId == 0 ? 1 : 0)->setChecked(true);
            dialog.OkButton()->click();
            return d.result();
        });
        main->ExecuteCommand(CmdLanguage);
        QCOMPARE(groupTitle, QString("Language"));
        QCOMPARE(QString::fromStdString(All().LanguageName), QString("Deutsch"));
        QCOMPARE(All().LanguageId, 1);
        QCOMPARE(Action("N1")->text(), QString("&Neu"));
        auto* tree = main->findChild<QTreeWidget*>("cxTree");
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Funkgerät"));
        QCOMPARE(QString::fromStdString(Lang().ExitProgram), QString("Programm beenden?"));
        QCOMPARE(int(All().Modified), 1);  // unsaved edits stay unsaved

        // Back to language 0: its file is read with force; what it does not
        // define keeps the text of language 1.
        main->ExecuteCommand(CmdLanguage);
        QCOMPARE(groupTitle, QString("Sprache"));
        QCOMPARE(All().LanguageId, 0);
        QCOMPARE(Action("N1")->text(), QString("&New file"));
        QCOMPARE(Action("O1")->text(), QString("&Öffnen"));
        QCOMPARE(QString::fromStdString(Lang().ExitProgram), QString("Do you wish to exit program?"));

        // Choosing the current language changes nothing.
        Action("N1")->setText("marker");
        dialogs.driver = [](QDialog& d) {
            d.show();
            dynamic_cast<TfSetLanguage&>(d).OkButton()->click();
            return d.result();
        };
        main->ExecuteCommand(CmdLanguage);
        QCOMPARE(Action("N1")->text(), QString("marker"));
    }

    void aboutBoxHeightFollowsItsLines() {
        ScriptedMessages messages;
        Start();
        struct Case {
            const char* file;
            int height;
        } cases[] = {
            {"", 221 + 13 + 55},
            {"[fFrmAbout]\nlStr7.Caption=\nlStr8.Caption=\nlStr9.Caption= \n", 143 + 13 + 55},
            {"[fFrmAbout]\nlStr6.Caption=\nlStr8.Caption=eight\nlStr9.Caption=\n", 195 + 13 + 55},
            {"[fFrmAbout]\nlStr6.Caption=\nlStr7.Caption=\nlStr8.Caption=\nlStr9.Caption=\n", 118 + 13 + 55},
        };
        for (const Case& c : cases) {
            QFile::remove(Path("English.Ini"));
            if (*c.file) WriteText(Path("English.Ini"), c.file);
            int height = 0;
            QString caption, line8;
            ScriptedDialogs dialogs([&](QDialog& d) {
                d.show();
                height = d.height();
                caption = d.windowTitle();
                line8 = dynamic_cast<TfFrmAbout&>(d).Line(8)->text();
                QTest::mouseClick(dynamic_cast<TfFrmAbout&>(d).Line(2), Qt::LeftButton);
                return d.result();
            });
            main->ExecuteCommand(CmdAbout);
            QCOMPARE(height, c.height);
            QCOMPARE(caption, QString("RK-40"));
            QCOMPARE(dialogs.seen, QStringList({"fFrmAbout"}));
            if (!*c.file) QCOMPARE(line8, QString("8"));
        }
    }

    void anOpenEditorIsRaisedNotDuplicated() {
        ScriptedMessages messages;
        Start();
        QMdiArea* area = main->ClientArea();
        QCOMPARE(area->subWindowList().size(), 1);  // the grid, alone after start-up
        main->ExecuteCommand(CmdChannelEdit);
        QWidget* edit = main->Editor(CmdChannelEdit);
        QVERIFY(edit);
        QCOMPARE(area->subWindowList().size(), 2);
        auto* frame = qobject_cast<QMdiSubWindow*>(edit->parentWidget());
        frame->showMinimized();
        main->ExecuteCommand(CmdChannelEdit);
        QCOMPARE(area->subWindowList().size(), 2);
        QCOMPARE(main->Editor(CmdChannelEdit), edit);
        QVERIFY(!frame->isMinimized());
        QCOMPARE(area->activeSubWindow(), frame);
        QCOMPARE(frame->pos(), QPoint(20, 20));

        main->ExecuteCommand(CmdCloseAll);
        QVERIFY(area->subWindowList().isEmpty());
        QVERIFY(!main->Editor(CmdChannelEdit));
        main->ExecuteCommand(CmdNew);  // New reopens the grid alone
        QCOMPARE(area->subWindowList().size(), 1);
        QVERIFY(main->Editor(CmdMemoryChannels));
    }

    void treeDoubleClickRunsOnlyTheSelectedNode() {
        ScriptedMessages messages;
        Start();
        QSignalSpy spy(main.get(), &TfMainFrm::commandExecuted);
        auto* tree = main->findChild<QTreeWidget*>("cxTree");
        QTreeWidgetItem* fm = tree->topLevelItem(0)->child(3);
        emit tree->itemDoubleClicked(fm, 0);
        QCOMPARE(spy.count(), 0);
        tree->setCurrentItem(fm);
        emit tree->itemDoubleClicked(fm, 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(CmdFm));
        tree->setCurrentItem(tree->topLevelItem(0));
        emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), int(CmdRadioInfo));
    }
};

QTEST_MAIN(MainFrmTest)
#include "MainFrmTest.moc"

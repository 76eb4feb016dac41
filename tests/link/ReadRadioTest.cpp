#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include <QMdiArea>
#include <QRegularExpression>

#include "core/BitCodec.h"
#include "core/DataModule.h"
#include "core/ChannelCodec.h"
#include "core/Derivation.h"
#include "core/Globals.h"
#include "link/ReadRadio.h"
#include "support/MainWindowFixture.h"
#include "support/SimulatedRadio.h"
#include "ui/CommandTags.h"

// Reading through a real pseudo-terminal from the radio simulator.
class ReadRadioTest : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString memoryFile;

    // A radio memory with two channels and a serial number, as a radio holds it.
    void MakeRadioMemory() {
        std::vector<std::uint8_t> memory(4752, 0xFF);
        InitDataModule(work.path().toStdString() + "/");
        All().ModelCode = "RK40";
        DeriveOnFirstShow();
        InitChannel(1, "145.5");
        InitChannel(2, "435.025");
        std::string name = "RADIO";
        SetChannelColumn(2, ColName, name);
        std::copy_n(All().Image.begin(), 4752, memory.begin());
        std::copy_n("SN000123", 8, memory.begin() + 4736);
        memory[4605] = 0xAA;  // manual frequency on: this model does not allow it
        std::ofstream(memoryFile.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(memory.data()), memory.size());
    }

    std::unique_ptr<MainWindowFixture> StartProgram(const SimulatedRadio& radio, const QString& port = "COM3") {
        return std::make_unique<MainWindowFixture>(
            ("Com=" + port + "\n[Ports]\n" + port + "=" + radio.Path() + "\n").toStdString());
    }

    // Runs the read dialog: OK once the port is open, then waits for the
    // dialog to close or for `stop` to say the test has seen enough.
    static ScriptedDialogs Driver(std::function<bool(TfReadRadio&)> stop = {}) {
        return ScriptedDialogs([stop](QDialog& d) {
            auto& dialog = dynamic_cast<TfReadRadio&>(d);
            d.show();
            QTest::qWait(120);
            dialog.OkButton()->click();
            QTest::qWaitFor([&] { return !d.isVisible() || (stop && stop(dialog)); }, 40000);
            if (d.isVisible()) d.reject();
            return d.result();
        });
    }

private slots:
    void init() { memoryFile = work.filePath("radio.bin"); }

    void aReadFillsTheImageAndReopensTheGrid() {
        MakeRadioMemory();
        SimulatedRadio radio({"--memory", memoryFile, "--band", "0x0F"});
        QVERIFY(!radio.Path().isEmpty());
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        app->main->FileName = "/some/old.dat";
        All().Image[3000] = 0x11;
        ScriptedDialogs dialogs = Driver();
        app->main->ExecuteCommand(CmdReadRadio);

        QCOMPARE(messages.Texts(), QStringList({"Reading Completed."}));
        QCOMPARE(int(All().Image[4736]), int('S'));
        QCOMPARE(int(All().Image[3000]), 0xFF);
        QCOMPARE(int(All().Image[4605]), 0xFF);  // forced off for this model
        QCOMPARE(int(All().Image[4606]), 0x05);  // band byte 0x0F & 0x55
        QCOMPARE(int(All().BandMask), 0x05);
        QCOMPARE(int(All().Modified), 1);
        QVERIFY(app->main->FileName.empty());
        QCOMPARE(app->main->windowTitle(), QString("RK-40"));
        TChannel ch;
        QVERIFY(DecodeChannel(2, ch));
        QCOMPARE(QString::fromStdString(ch.Name), QString("RADIO"));

        const QStringList frames = radio.Received();
        QVERIFY(frames.size() > 3);
        QCOMPARE(frames.first(), QString("50 52 4F 47 52 41 4D 61"));  // wake-up
        QCOMPARE(frames.at(1), QString("50 52 4F 47 52 41 4D 63"));    // handshake, 'c' for COM3
        QCOMPARE(frames.at(2), QString("02"));
        const QStringList reads = frames.filter(QRegularExpression("^52 "));
        QCOMPARE(reads.size(), 297);
        QCOMPARE(reads.first(), QString("52 00 00 10"));
        QCOMPARE(reads.last(), QString("52 12 80 10"));
        QCOMPARE(frames.last(), QString("45"));
        QCOMPARE(app->main->ClientArea()->subWindowList().size(), 1);
    }

    void anUnknownModelIsRefusedAndTheDialogStays() {
        MakeRadioMemory();
        SimulatedRadio radio({"--memory", memoryFile, "--model", "ZZ99"});
        ScriptedMessages messages;
        auto app = StartProgram(radio, "COM12");
        const auto before = All().Image;
        bool okEnabled = true, visible = false;
        ScriptedDialogs dialogs = Driver([&](TfReadRadio& d) {
            if (messages.shown.isEmpty()) return false;
            QTest::qWait(400);  // the dialog must not close by itself
            okEnabled = d.OkButton()->isEnabled();
            visible = d.isVisible();
            return true;
        });
        app->main->ExecuteCommand(CmdReadRadio);
        QCOMPARE(messages.Texts(), QStringList({"Model Type Wrong."}));
        QVERIFY(visible);
        QVERIFY(!okEnabled);
        QVERIFY(All().Image == before);
        const QStringList frames = radio.Received();
        QVERIFY(frames.size() > 2);
        QVERIFY(QRegularExpression("^50 52 4F 47 52 41 4D 6[5-9]$").match(frames.at(1)).hasMatch());  // COM12: 'e'..'i'
        QCOMPARE(frames.last(), QString("45"));
    }

    void faultsGiveTheConnectionMessageOnce_data() {
        QTest::addColumn<QStringList>("fault");
        QTest::newRow("no handshake") << QStringList{"--no-handshake"};
        QTest::newRow("silent block") << QStringList{"--silent-at-block", "3"};
        QTest::newRow("wrong acknowledgement") << QStringList{"--wrong-ack-at-block", "3"};
        QTest::newRow("stray byte") << QStringList{"--garbage-at-block", "3"};
        QTest::newRow("slow radio") << QStringList{"--slow", "1700"};
    }
    void faultsGiveTheConnectionMessageOnce() {
        QFETCH(QStringList, fault);
        MakeRadioMemory();
        SimulatedRadio radio(QStringList{"--memory", memoryFile} + fault);
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        const auto before = All().Image;
        ScriptedDialogs dialogs = Driver();
        app->main->ExecuteCommand(CmdReadRadio);
        QCOMPARE(messages.Texts(), QStringList({"Please check all connections and communication port settings."}));
        QVERIFY(All().Image == before);
        QCOMPARE(int(All().Modified), 0);
    }

    void cancelMidTransferLeavesTheImageAndSendsNoEnd() {
        MakeRadioMemory();
        SimulatedRadio radio({"--memory", memoryFile});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        const auto before = All().Image;
        ScriptedDialogs dialogs = Driver([](TfReadRadio& d) { return d.ProgressBar()->value() >= 5; });
        app->main->ExecuteCommand(CmdReadRadio);
        QTest::qWait(300);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(All().Image == before);
        QVERIFY(!radio.Received().contains("45"));
    }

    void aRadioThatHangsUpLeavesTheImageWithAMessage() {
        MakeRadioMemory();
        SimulatedRadio radio({"--memory", memoryFile, "--hang-up-at-block", "4"});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        const auto before = All().Image;
        ScriptedDialogs dialogs = Driver([&](TfReadRadio&) { return !messages.shown.isEmpty(); });
        app->main->ExecuteCommand(CmdReadRadio);
        // The one silent restart finds the line gone.
        QCOMPARE(messages.Texts(), QStringList({"Cannot Open Commcmication Port."}));
        QVERIFY(All().Image == before);
        QVERIFY(app->main->isVisible());
    }

    void aPortThatCannotBeOpenedClosesTheDialog() {
        ScriptedMessages messages;
        MainWindowFixture app("Com=COM3\n[Ports]\nCOM3=/dev/nonexistent-rk40\n");
        All().PortName = "COM3";  // the start-up check may have picked a port of this machine
        ScriptedDialogs dialogs([](QDialog& d) {
            d.show();
            QTest::qWaitFor([&] { return !d.isVisible(); }, 5000);
            return d.result();
        });
        app.main->ExecuteCommand(CmdReadRadio);
        QCOMPARE(messages.Texts(), QStringList({"Cannot Open Commcmication Port."}));
    }
};

QTEST_MAIN(ReadRadioTest)
#include "ReadRadioTest.moc"

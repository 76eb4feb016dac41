#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <fstream>
#include <iterator>

#include "core/ChannelCodec.h"
#include "core/Globals.h"
#include "core/TextCodecs.h"
#include "link/WriteRadio.h"
#include "support/MainWindowFixture.h"
#include "support/SimulatedRadio.h"
#include "ui/CommandTags.h"

// Writing through a real pseudo-terminal into the radio simulator.
class WriteRadioTest : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString memoryFile;

    std::vector<std::uint8_t> RadioMemory() {
        std::ifstream in(memoryFile.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::unique_ptr<MainWindowFixture> StartProgram(const SimulatedRadio& radio) {
        return std::make_unique<MainWindowFixture>(("Com=COM3\n[Ports]\nCOM3=" + radio.Path() + "\n").toStdString());
    }

    // OK once the port is open; then waits until the dialog closes, the
    // last message of the attempt is shown, or `stop` says enough.
    static ScriptedDialogs Driver(const ScriptedMessages& messages, std::function<bool(TfWriteRadio&)> stop = {}) {
        return ScriptedDialogs([&messages, stop](QDialog& d) {
            auto& dialog = dynamic_cast<TfWriteRadio&>(d);
            d.show();
            QTest::qWait(120);
            dialog.OkButton()->click();
            auto finished = [&] {
                return !messages.shown.isEmpty() && messages.shown.last().kind != MsgYesNo;
            };
            QTest::qWaitFor([&] { return !d.isVisible() || finished() || (stop && stop(dialog)); }, 40000);
            QTest::qWait(50);
            if (d.isVisible()) d.reject();
            return d.result();
        });
    }

    // A second catalogue model with the same channel count, as another radio of the family.
    static void AddSisterModel(int channels) {
        auto model = std::make_unique<TMacType>("RK41", "RK-41", channels);
        model->SetMasks(0x0F, 0x05, 1);
        MacList().Add(std::move(model));
    }

private slots:
    void init() {
        memoryFile = work.filePath("radio.bin");
        QFile::remove(memoryFile);
    }

    void aWriteSendsBlocks0To294WithTheNewStamp() {
        SimulatedRadio radio({"--memory", memoryFile});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        InitChannel(1, "145.5");
        All().Image[4730] = 0x42;  // above the written range
        All().Modified = 0;
        const std::string before = NowText();
        int progressAfter = -1;
        ScriptedDialogs dialogs = Driver(messages);
        dialogs.driver = [&, inner = dialogs.driver](QDialog& d) {
            const int r = inner(d);
            progressAfter = dynamic_cast<TfWriteRadio&>(d).ProgressBar()->value();
            return r;
        };
        app->main->ExecuteCommand(CmdWriteRadio);

        QCOMPARE(messages.Texts(), QStringList({"Writing Completed."}));
        QCOMPARE(progressAfter, 0);
        QCOMPARE(int(All().Modified), 0);  // the stamp is not a change
        const std::vector<std::uint8_t> memory = RadioMemory();
        QCOMPARE(memory.size(), size_t(4752));
        QVERIFY(std::equal(All().Image.begin(), All().Image.begin() + 4720, memory.begin()));
        QCOMPARE(int(memory[4730]), 0xFF);  // blocks 295 and 296 are never written
        const std::string stamp = FormatWriteTime(&All().Image[4704]);
        QVERIFY(stamp >= before);
        QCOMPARE(FormatWriteTime(&memory[4704]), stamp);

        const QStringList frames = radio.Received();
        const QStringList writes = frames.filter(QRegularExpression("^57 "));
        QCOMPARE(writes.size(), 295);
        QVERIFY(!writes.isEmpty());
        QVERIFY(writes.first().startsWith("57 00 00 10 "));
        QVERIFY(writes.last().startsWith("57 12 60 10 "));
        QCOMPARE(frames.filter(QRegularExpression("^57 12 [78]0")).size(), 0);
        QCOMPARE(frames.last(), QString("45"));
    }

    void aForeignModelIsRefused() {
        SimulatedRadio radio({"--memory", memoryFile, "--model", "ZZ99"});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        ScriptedDialogs dialogs = Driver(messages);
        app->main->ExecuteCommand(CmdWriteRadio);
        QCOMPARE(messages.Texts(), QStringList({"Model Type Wrong."}));
        QVERIFY(!radio.Received().isEmpty());
        QCOMPARE(radio.Received().last(), QString("45"));
        QVERIFY(RadioMemory().empty());
    }

    void aSisterModelWithADifferentChannelCountIsRefused() {
        SimulatedRadio radio({"--memory", memoryFile, "--model", "RK41"});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        AddSisterModel(64);
        ScriptedDialogs dialogs = Driver(messages);
        app->main->ExecuteCommand(CmdWriteRadio);
        QCOMPARE(messages.Texts(), QStringList({"Model Type Wrong."}));
    }

    void aSisterModelAsksToForce_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes writes") << true;
        QTest::newRow("no closes") << false;
    }
    void aSisterModelAsksToForce() {
        QFETCH(bool, yes);
        SimulatedRadio radio({"--memory", memoryFile, "--model", "RK41"});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        AddSisterModel(128);
        messages.answers = {yes ? MsgYes : MsgNo};
        ScriptedDialogs dialogs = Driver(messages);
        app->main->ExecuteCommand(CmdWriteRadio);
        QVERIFY(!messages.shown.isEmpty());
        QCOMPARE(messages.shown.first().text, QString("Model Type Wrong.Do you wish to Force write data?"));
        QCOMPARE(messages.shown.first().kind, int(MsgYesNo));
        const QStringList frames = radio.Received();
        if (yes) {
            QCOMPARE(messages.shown.last().text, QString("Writing Completed."));
            QCOMPARE(frames.filter(QRegularExpression("^57 ")).size(), 295);
        } else {
            QCOMPARE(messages.shown.size(), 1);
            QVERIFY(!frames.isEmpty());
            QCOMPARE(frames.last(), QString("02"));  // nothing after the identification, no End
        }
    }

    void faultsGiveTheConnectionMessageOnce_data() {
        QTest::addColumn<QStringList>("fault");
        QTest::newRow("no handshake") << QStringList{"--no-handshake"};
        QTest::newRow("silent block") << QStringList{"--silent-at-block", "4"};
        QTest::newRow("wrong acknowledgement") << QStringList{"--wrong-ack-at-block", "4"};
        QTest::newRow("stray byte") << QStringList{"--garbage-at-block", "4"};
        QTest::newRow("hang-up") << QStringList{"--hang-up-at-block", "4"};
    }
    void faultsGiveTheConnectionMessageOnce() {
        QFETCH(QStringList, fault);
        SimulatedRadio radio(QStringList{"--memory", memoryFile} + fault);
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        ScriptedDialogs dialogs = Driver(messages);
        app->main->ExecuteCommand(CmdWriteRadio);
        QTest::qWait(200);
        QCOMPARE(messages.Texts(), QStringList({"Please check all connections and communication port settings."}));
    }

    // Cancel in every phase: the start pause, the handshake, the transfer.
    void cancelAtAnyMomentIsSafe_data() {
        QTest::addColumn<int>("afterMs");
        for (int ms : {0, 100, 470, 700, 1200}) QTest::newRow(qPrintable(QString::number(ms))) << ms;
    }
    void cancelAtAnyMomentIsSafe() {
        QFETCH(int, afterMs);
        SimulatedRadio radio({"--memory", memoryFile, "--model", "RK41"});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        AddSisterModel(128);
        messages.answers = {MsgYes};
        ScriptedDialogs dialogs([afterMs](QDialog& d) {
            d.show();
            QTest::qWait(120);
            dynamic_cast<TfWriteRadio&>(d).OkButton()->click();
            QTest::qWait(afterMs);
            d.reject();
            return d.result();
        });
        app->main->ExecuteCommand(CmdWriteRadio);
        QTest::qWait(600);  // anything still scheduled by the closed dialog would run now
        QVERIFY(app->main->isVisible());
        QVERIFY(!radio.Received().contains("45"));
    }

    void cancelStopsSending() {
        SimulatedRadio radio({"--memory", memoryFile});
        ScriptedMessages messages;
        auto app = StartProgram(radio);
        ScriptedDialogs dialogs = Driver(messages, [](TfWriteRadio& d) { return d.ProgressBar()->value() >= 5; });
        app->main->ExecuteCommand(CmdWriteRadio);
        const int sent = radio.Received().size();
        QTest::qWait(300);
        QCOMPARE(radio.Received().size(), sent);
        QVERIFY(!radio.Received().contains("45"));
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(WriteRadioTest)
#include "WriteRadioTest.moc"

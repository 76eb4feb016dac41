#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "support/SimulatedRadio.h"

// Drives the built rk40cli as a user's script would.
class RK40CliTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    struct Result {
        int status;
        QString out, err;
    };

    Result Run(const QStringList& args, int timeoutMs = 60000) {
        QProcess p;
        p.start(QCoreApplication::applicationDirPath() + "/rk40cli", args);
        p.waitForFinished(timeoutMs);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString Path(const QString& name) { return dir.filePath(name); }
    QJsonObject Dump(const QString& file) {
        const Result r = Run({"dump", "--json", file});
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }
    QJsonObject Channel(const QJsonObject& dump, int n) {
        for (const QJsonValue& c : dump["channels"].toArray())
            if (c["No."].toInt() == n) return c.toObject();
        return {};
    }
    QByteArray Bytes(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void newGivesAFreshImage() {
        QCOMPARE(Run({"new", "-o", Path("new.dat")}).status, 0);
        QCOMPARE(Bytes(Path("new.dat")).size(), 4768);
        QCOMPARE(Bytes(Path("new.dat")).left(13), QByteArray("PRK40PZ35    "));
        const QJsonObject d = Dump(Path("new.dat"));
        QCOMPARE(d["model"]["code"].toString(), QString("RK40"));
        QCOMPARE(d["bandText"].toString(), QString("430.00000 - 440.00000/144.00000 - 146.00000MHz"));
        QCOMPARE(d["channels"].toArray().size(), 0);
        QCOMPARE(d["fm"]["presets"].toArray().size(), 25);
        QVERIFY(d["fm"]["presets"].toArray().at(0).isNull());
        QCOMPARE(d["frequencyModes"]["records"].toArray().size(), 2);
        QStringList keys = d.keys();
        QVERIFY(keys.contains("writeTime"));
        const Result info = Run({"info", Path("new.dat")});
        QCOMPARE(info.status, 0);
        QVERIFY(info.out.contains("RK-40 (RK40)"));
        QVERIFY(info.out.contains("0 of 128 in use"));
    }

    void setFollowsTheGrid() {
        Run({"new", "-o", Path("s.dat")});
        Result r = Run({"set", Path("s.dat"), "5", "rx=145.025", "rxtone=d23", "id=5", "name=HOME", "7", "rx=50",
                        "1-3", "rx=435", "TX Power=Low", "8", "rx=146", "tx="});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains("channel 7: Caution: The frequecy number come amiss!"));
        const QJsonObject d = Dump(Path("s.dat"));
        const QJsonObject c5 = Channel(d, 5);
        QCOMPARE(c5["RX Frequency"].toString(), QString("145.02500"));
        QCOMPARE(c5["TX Frequency"].toString(), QString("145.02500"));
        QCOMPARE(c5["QT/DQT Dec"].toString(), QString("D230N"));
        QCOMPARE(c5["QT/DQT Enc"].toString(), QString("None"));
        QCOMPARE(c5["ID Code"].toString(), QString("500"));
        QCOMPARE(c5["NAME"].toString(), QString("HOME"));
        QCOMPARE(c5["TX Power"].toString(), QString("High"));  // the new-channel defaults
        QCOMPARE(c5["W/N"].toString(), QString("Wide"));
        QCOMPARE(c5["Scan Add"].toString(), QString("Del"));
        QCOMPARE(c5["Epilogue"].toString(), QString("On"));
        QCOMPARE(Channel(d, 7)["RX Frequency"].toString(), QString("430.00000"));
        QCOMPARE(Channel(d, 2)["TX Power"].toString(), QString("Low"));
        QCOMPARE(Channel(d, 8)["TX Frequency"].toString(), QString());

        QCOMPARE(Run({"set", Path("s.dat"), "-o", Path("t.dat"), "5", "rx=", "6", "rx=145"}).status, 0);
        QVERIFY(Channel(Dump(Path("t.dat")), 5).isEmpty());
        QVERIFY(!Channel(Dump(Path("s.dat")), 5).isEmpty());  // -o leaves FILE alone
        QCOMPARE(Run({"set", Path("s.dat"), "5", "txtone=8"}).status, 0);
        QCOMPARE(Channel(Dump(Path("s.dat")), 5)["QT/DQT Enc"].toString(), QString("30.0"));
        QCOMPARE(Run({"set", Path("s.dat"), "5", "rxtone=none"}).status, 0);
        QCOMPARE(Channel(Dump(Path("s.dat")), 5)["QT/DQT Dec"].toString(), QString("None"));
    }

    void diffNamesTheChangedChannelAndField() {
        Run({"new", "-o", Path("a.dat")});
        Run({"set", Path("a.dat"), "1", "rx=145.5", "2", "rx=435"});
        QFile::copy(Path("a.dat"), Path("b.dat"));
        Result same = Run({"diff", Path("a.dat"), Path("a.dat")});
        QCOMPARE(same.status, 0);
        QCOMPARE(same.out, QString());
        Run({"set", Path("b.dat"), "2", "name=X", "3", "rx=145"});
        Result d = Run({"diff", Path("a.dat"), Path("b.dat")});
        QCOMPARE(d.status, 1);
        QVERIFY(d.out.contains("channel 2: NAME \"\" -> \"X\""));
        QVERIFY(d.out.contains("channel 3: only in " + Path("b.dat")));
    }

    void usageAndFileErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << 2 << "";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
        QTest::newRow("set without edits") << QStringList{"set", "x.dat"} << 2 << "";
        QTest::newRow("missing file") << QStringList{"info", "nowhere.dat"} << 1 << "nowhere.dat";
        QTest::newRow("foreign file") << QStringList{"dump", "foreign.dat"} << 1 << "Model Type Wrong.";
        QTest::newRow("unknown field") << QStringList{"set", "e.dat", "1", "rx=145", "colour=red"} << 2 << "unknown field";
        QTest::newRow("bad list value") << QStringList{"set", "e.dat", "1", "rx=145", "power=Max"} << 2 << "Low, High";
        QTest::newRow("empty channel") << QStringList{"set", "e.dat", "9", "power=Low"} << 2 << "give its rx first";
        QTest::newRow("channel out of range") << QStringList{"set", "e.dat", "129", "rx=145"} << 2 << "1 to 128";
        QTest::newRow("long name") << QStringList{"set", "e.dat", "1", "rx=145", "name=ABCDEFGH"} << 2 << "7 characters";
        QTest::newRow("unreachable port") << QStringList{"read", "--port", "/dev/nonexistent-rk40", "-o", "r.dat"} << 1
                                          << "Cannot Open Commcmication Port.";
    }
    void usageAndFileErrors() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        Run({"new", "-o", Path("e.dat")});
        QByteArray foreign = Bytes(Path("e.dat"));
        foreign.replace(1, 4, "ZZ99");
        QFile f(Path("foreign.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(foreign);
        f.close();
        const QByteArray before = Bytes(Path("e.dat"));
        for (QString& a : args)
            if (a.endsWith(".dat")) a = Path(a);
        const Result r = Run(args);
        QCOMPARE(r.status, status);
        if (!message.isEmpty()) QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(Bytes(Path("e.dat")), before);  // a failed command writes nothing
        QVERIFY(!QFile::exists(Path("r.dat")));
    }

    void readAndWriteThroughTheSimulator() {
        Run({"new", "-o", Path("w.dat")});
        Run({"set", Path("w.dat"), "1", "rx=145.5", "name=CLI"});
        SimulatedRadio radio({"--memory", Path("radio.bin")});
        Result w = Run({"write", Path("w.dat"), "--port", radio.Path()});
        QCOMPARE(w.status, 0);
        QVERIFY(w.err.contains("Writing Completed."));
        Result r = Run({"read", "--port", radio.Path(), "-o", Path("r.dat")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains("Reading Completed."));
        QCOMPARE(Channel(Dump(Path("r.dat")), 1)["NAME"].toString(), QString("CLI"));
    }

    void aRefusedModelAndATimeOut() {
        Run({"new", "-o", Path("w.dat")});
        {
            SimulatedRadio radio({"--model", "ZZ99"});
            Result w = Run({"write", Path("w.dat"), "--port", radio.Path()});
            QCOMPARE(w.status, 1);
            QVERIFY(w.err.contains("Model Type Wrong."));
            Result r = Run({"read", "--port", radio.Path(), "-o", Path("refused.dat")});
            QCOMPARE(r.status, 1);
            QVERIFY(!QFile::exists(Path("refused.dat")));
        }
        {
            SimulatedRadio radio({"--silent-at-block", "2"});
            Result r = Run({"read", "--port", radio.Path(), "-o", Path("refused.dat")});
            QCOMPARE(r.status, 1);
            QVERIFY(r.err.contains("Please check all connections and communication port settings."));
            QVERIFY(!QFile::exists(Path("refused.dat")));
        }
    }
};

QTEST_GUILESS_MAIN(RK40CliTest)
#include "RK40CliTest.moc"

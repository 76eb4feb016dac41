#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

#include "core/BitCodec.h"
#include "core/ChannelCodec.h"
#include "core/Globals.h"
#include "support/MainWindowFixture.h"
#include "ui/CommandTags.h"
#include "ui/channels/ChsInfo.h"

class ChsInfoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<MainWindowFixture> app;
    TfChsInfo* grid = nullptr;

    void Start(const std::string& settings = "Com=COM1\n", const std::string& language = "") {
        messages = std::make_unique<ScriptedMessages>();
        app = std::make_unique<MainWindowFixture>(settings, language);
        grid = dynamic_cast<TfChsInfo*>(app->main->Editor(CmdMemoryChannels));
        QVERIFY(grid);
    }

    QTableWidgetItem* Cell(int channel, int column) {
        return grid->Grid()->item(channel - 1, grid->GridColumn(column));
    }
    QString Text(int channel, int column) { return Cell(channel, column)->text(); }
    std::vector<std::uint8_t> Record(int channel) {
        const auto at = All().Image.begin() + 32 * channel - 16;
        return {at, at + 32};
    }

    void Press(int channel, int column) {
        TChannelTable* table = grid->Grid();
        const QRect r = table->visualItemRect(Cell(channel, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Clicks the cell and types into its text editor; Enter commits.
    QLineEdit* Type(int channel, int column, const QString& text, bool enter = true) {
        Press(channel, column);
        QLineEdit* editor = grid->Grid()->OpenEditor();
        if (!editor) return nullptr;
        if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        if (enter) Enter(editor);
        return editor;
    }
    // The view commits an edit ended by Enter through its event queue.
    static void Enter(QWidget* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QComboBox* OpenList(int channel, int column) {
        Press(channel, column);
        QComboBox* list = grid->ListOf(column);
        return list && list->isVisible() ? list : nullptr;
    }

private slots:
    void cleanup() {
        app.reset();
        messages.reset();
    }

    void layoutOfTheGrid() {
        Start();
        TChannelTable* table = grid->Grid();
        QCOMPARE(table->columnCount(), 15);
        QCOMPARE(table->rowCount(), 128);
        QCOMPARE(grid->width(), 1035);
        QStringList titles;
        for (int c = 0; c < 15; ++c) titles << table->horizontalHeaderItem(c)->text().replace('\n', ' ');
        QCOMPARE(titles, QStringList({"No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power",
                                      "W/N", "Scan Add", "Busy Lock", "Vox", "Epilogue", "PTT ID", "DTMF", "NAME",
                                      "ID Code"}));
        QCOMPARE(grid->GridColumn(ColPower), 5);
        QCOMPARE(grid->GridColumn(ColVoiceMode), -1);
        QCOMPARE(table->item(15, 0)->text(), QString("16"));
        QVERIFY(Cell(16, ColRxFreq)->background() != Cell(15, ColRxFreq)->background());
        QCOMPARE(Cell(32, ColName)->background(), Cell(16, ColName)->background());
        QCOMPARE(app->main->ClientArea()->subWindowList().size(), 1);
        QCOMPARE(grid->ListOf(ColRxTone)->count(), 263);
    }

    void typingAReceiveFrequencyCreatesTheChannel() {
        Start();
        All().Modified = 0;
        Type(3, ColRxFreq, "145.025");
        QCOMPARE(Text(3, ColRxFreq), QString("145.02500"));
        QCOMPARE(Text(3, ColTxFreq), QString("145.02500"));
        QStringList shown;
        for (int c : {ColRxTone, ColTxTone, ColPower, ColWide, ColScan, ColBusyLock, ColVox, ColEpilogue, ColPttId,
                      ColDtmf, ColName, ColIdCode})
            shown << Text(3, c);
        QCOMPARE(shown, QStringList({"None", "None", "High", "Wide", "Del", "Off", "No", "On", "Off", "OFF", "", "000"}));
        const std::vector<std::uint8_t> expected = {0x64, 0x4A, 0xDD, 0x00, 0x64, 0x4A, 0xDD, 0x00, 0xFF, 0xFF, 0xFF,
                                                    0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x0F, 0xFF, 0,    0,    0,    0,
                                                    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        QCOMPARE(Record(3), expected);
        QVERIFY(IsFlagClear(0, 3));
        QVERIFY(!IsFlagClear(16, 3));
        QCOMPARE(int(All().Modified), 1);
        QCOMPARE(All().CurrentChannel, 3);
        QVERIFY(Cell(3, ColName)->flags() & Qt::ItemIsEditable);
    }

    void clearingTheReceiveFrequencyDeletesTheChannel() {
        Start();
        Type(5, ColRxFreq, "435");
        Type(5, ColName, "HOME");
        Type(5, ColRxFreq, "");
        QCOMPARE(Record(5), std::vector<std::uint8_t>(32, 0xFF));
        QVERIFY(!IsFlagClear(0, 5));
        QVERIFY(!IsFlagClear(16, 5));
        for (int c : {ColRxFreq, ColTxFreq, ColPower, ColName, ColIdCode}) QCOMPARE(Text(5, c), QString());
        QVERIFY(!(Cell(5, ColName)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(Cell(5, ColTxFreq)->flags() & Qt::ItemIsEditable));
        QVERIFY(!OpenList(5, ColPower));
    }

    void outOfBandFrequenciesAreReplacedAfterAWarning() {
        Start();
        Type(1, ColRxFreq, "50");
        QCOMPARE(messages->shown.size(), 1);
        QCOMPARE(messages->shown[0].title, QString("Caution"));
        QCOMPARE(messages->shown[0].text, QString("The frequecy number come amiss!"));
        QCOMPARE(messages->shown[0].kind, int(MsgInfo));
        QCOMPARE(Text(1, ColRxFreq), QString("430.00000"));
        Type(1, ColTxFreq, "999");
        QCOMPARE(Text(1, ColTxFreq), QString("430.00000"));
        QCOMPARE(messages->shown.size(), 2);
        Type(1, ColRxFreq, "145.0063");  // snapped to the 1.25 kHz grid
        QCOMPARE(Text(1, ColRxFreq), QString("145.00625"));
    }

    void clearingTheTransmitFrequencyMakesAReceiveOnlyChannel() {
        Start();
        Type(2, ColRxFreq, "145.5");
        Type(2, ColTxFreq, "");
        QCOMPARE(Text(2, ColTxFreq), QString());
        const auto r = Record(2);
        QCOMPARE(std::vector<std::uint8_t>(r.begin() + 4, r.begin() + 8), std::vector<std::uint8_t>(4, 0xFF));
        grid->RefreshAllRows();
        QCOMPARE(Text(2, ColTxFreq), QString());
    }

    void keyFiltersAndLengthLimits() {
        Start();
        QLineEdit* editor = Type(4, ColRxFreq, "14x5,5", false);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("145.5"));
        Enter(editor);
        editor = Type(4, ColName, "ABCDEFGHI", false);
        QCOMPARE(editor->text(), QString("ABCDEFG"));
        Enter(editor);
        QCOMPARE(Text(4, ColName), QString("ABCDEFG"));
        editor = Type(4, ColIdCode, "5a", false);
        QCOMPARE(editor->text(), QString("5"));
        Enter(editor);
        QCOMPARE(Text(4, ColIdCode), QString("500"));
        QCOMPARE(int(Record(4)[15]), 0x50);
        QCOMPARE(int(Record(4)[16]), 0x0F);
    }

    void choiceListsWriteTheRecordValue() {
        Start();
        Type(6, ColRxFreq, "145.0");
        QComboBox* power = OpenList(6, ColPower);
        QVERIFY(power);
        QCOMPARE(power->currentIndex(), 1);
        QCOMPARE(power->geometry().left(), grid->Grid()->visualItemRect(Cell(6, ColPower)).left() + 2);
        power->setCurrentIndex(0);
        emit power->activated(0);
        QCOMPARE(Text(6, ColPower), QString("Low"));
        QCOMPARE(Record(6)[12] & 0x04, 0);

        QComboBox* scan = OpenList(6, ColScan);
        scan->setCurrentIndex(0);
        emit scan->activated(0);
        QVERIFY(IsFlagClear(16, 6));
        QCOMPARE(Text(6, ColScan), QString("Add"));

        // Leaving the list without a change writes nothing.
        All().Modified = 0;
        OpenList(6, ColPttId);
        Press(6, ColRxTone);
        QCOMPARE(int(All().Modified), 0);
    }

    void tonesArePickedTypedAndNormalised() {
        Start();
        Type(7, ColRxFreq, "145.0");
        QComboBox* tones = OpenList(7, ColRxTone);
        QVERIFY(tones);
        QCOMPARE(tones->currentText(), QString("None"));
        tones->setCurrentIndex(9);  // 88.5
        emit tones->activated(9);
        QCOMPARE(Text(7, ColRxTone), QString("88.5"));
        QCOMPARE(int(Record(7)[8]), 0x85);
        QCOMPARE(int(Record(7)[9]), 0x08);

        struct Case {
            const char* typed;
            const char* shown;
            std::uint8_t lo, hi;
        } cases[] = {{"d23", "D230N", 0x30, 0x82}, {"8", "30.0", 0x00, 0x03}, {"d754i", "D754I", 0x54, 0xC7}};
        for (const Case& c : cases) {
            tones = OpenList(7, ColTxTone);
            QVERIFY(tones);
            tones->lineEdit()->selectAll();
            QTest::keyClicks(tones->lineEdit(), c.typed);
            QTest::keyClick(tones->lineEdit(), Qt::Key_Return);
            QVERIFY(!tones->isVisible());
            QCOMPARE(Text(7, ColTxTone), QString(c.shown));
            QCOMPARE(int(Record(7)[10]), int(c.lo));
            QCOMPARE(int(Record(7)[11]), int(c.hi));
        }
        tones = OpenList(7, ColTxTone);
        tones->lineEdit()->selectAll();
        QTest::keyClicks(tones->lineEdit(), "x#8");  // filtered to "8"
        QCOMPARE(tones->currentText(), QString("8"));
        tones->setCurrentIndex(0);
        emit tones->activated(0);
        QCOMPARE(Text(7, ColTxTone), QString("None"));
        QCOMPARE(int(Record(7)[11]), 0xFF);
    }

    void hideEditorsCommitsWhatIsBeingTyped() {
        Start();
        Type(8, ColRxFreq, "146", false);
        app->main->ExecuteCommand(CmdPrint);  // any command first closes the editors
        QCOMPARE(Text(8, ColRxFreq), QString("146.00000"));
        QVERIFY(IsFlagClear(0, 8));
        QVERIFY(!grid->Grid()->OpenEditor());
    }

    void languageFileRetitlesColumnsAndTranslatesLists() {
        Start(GermanSettings,
              "[fChsInfo]\nColShow.18=080@Name|Text\nColShow.4=080@Ablage\ncxPwrv.0=Niedrig\ncxPwrv.1=Hoch\n"
              "cxDcts.0=Kein\ncxDcts.1=sixty-seven\n");
        const int name = grid->GridColumn(ColName);
        QCOMPARE(grid->Grid()->columnWidth(name), 80);
        QCOMPARE(grid->Grid()->horizontalHeaderItem(name)->text(), QString("Name\nText"));
        QCOMPARE(grid->GridColumn(ColOffset), -1);
        QCOMPARE(grid->width(), 1035 + 15);
        Type(9, ColRxFreq, "145.0");
        QCOMPARE(Text(9, ColPower), QString("Hoch"));
        QCOMPARE(Text(9, ColRxTone), QString("Kein"));
        QCOMPARE(grid->ListOf(ColRxTone)->itemText(1), QString("67.0"));
        QComboBox* tones = OpenList(9, ColRxTone);
        tones->setCurrentIndex(1);
        emit tones->activated(1);
        tones = OpenList(9, ColRxTone);
        tones->setCurrentIndex(0);
        emit tones->activated(0);
        QCOMPARE(int(Record(9)[9]), 0xFF);  // the localised "None" means no tone
    }
};

QTEST_MAIN(ChsInfoTest)
#include "ChsInfoTest.moc"

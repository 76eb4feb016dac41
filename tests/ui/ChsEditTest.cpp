#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "core/BitCodec.h"
#include "core/ChannelCodec.h"
#include "core/Globals.h"
#include "support/MainWindowFixture.h"
#include "ui/CommandTags.h"
#include "ui/channels/ChsEdit.h"
#include "ui/channels/ChsInfo.h"
#include "ui/channels/ToneOption.h"

class ChsEditTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<MainWindowFixture> app;
    TfChsEdit* edit = nullptr;
    TfChsInfo* grid = nullptr;

    void Start() {
        messages = std::make_unique<ScriptedMessages>();
        app = std::make_unique<MainWindowFixture>();
        app->main->ExecuteCommand(CmdChannelEdit);
        edit = dynamic_cast<TfChsEdit*>(app->main->Editor(CmdChannelEdit));
        grid = dynamic_cast<TfChsInfo*>(app->main->Editor(CmdMemoryChannels));
        QVERIFY(edit && grid);
    }
    template <typename T>
    T* Control(const char* name) {
        T* w = edit->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    // Types into a field and leaves it with Enter, as a user would.
    void Type(const char* name, const QString& text) {
        auto* field = Control<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void SelectChannel(int n) { Control<QComboBox>("cxChs")->setCurrentIndex(n - 1); }
    std::vector<std::uint8_t> Record(int channel) {
        const auto at = All().Image.begin() + 32 * channel - 16;
        return {at, at + 32};
    }
    QString GridText(int channel, int column) {
        return grid->Grid()->item(channel - 1, grid->GridColumn(column))->text();
    }

private slots:
    void cleanup() {
        app.reset();
        messages.reset();
    }

    void anEmptyChannelShowsDefaultsAndTypingCreatesIt() {
        Start();
        SelectChannel(10);
        QCOMPARE(All().CurrentChannel, 10);
        QCOMPARE(Control<QLineEdit>("cxRxSv")->text(), QString());
        QVERIFY(!Control<QLineEdit>("cxTxSv")->isEnabled());
        QVERIFY(!Control<QCheckBox>("cxTail")->isEnabled());
        QVERIFY(Control<QCheckBox>("cxTail")->isChecked());
        QCOMPARE(Control<QLineEdit>("cxIdSv")->text(), QString("000"));
        QCOMPARE(Control<QComboBox>("cxPwrv")->currentText(), QString("High"));

        Type("cxRxSv", "435.5");
        QCOMPARE(Control<QLineEdit>("cxRxSv")->text(), QString("435.50000"));
        QCOMPARE(Control<QLineEdit>("cxTxSv")->text(), QString("435.50000"));
        QVERIFY(Control<QLineEdit>("cxTxSv")->isEnabled());
        // Exactly what InitChannel makes on an erased record.
        const std::vector<std::uint8_t> made = Record(10);
        std::fill_n(All().Image.begin() + 32 * 11 - 16, 32, 0xFF);
        InitChannel(11, "435.5");
        QCOMPARE(made, Record(11));
        QCOMPARE(GridText(10, ColRxFreq), QString("435.50000"));
        QCOMPARE(GridText(10, ColPower), QString("High"));
    }

    void clearingTheReceiveFrequencyDeletesTheChannel() {
        Start();
        SelectChannel(2);
        Type("cxRxSv", "145.5");
        Type("cxNameSv", "abcdefgh");
        QCOMPARE(Control<QLineEdit>("cxNameSv")->text(), QString("abcdefg"));
        QCOMPARE(int(Record(2)[18]), 'a' - 32);  // lower case stored as typed
        Type("cxRxSv", "");
        QCOMPARE(Record(2), std::vector<std::uint8_t>(32, 0xFF));
        QVERIFY(!Control<QLineEdit>("cxNameSv")->isEnabled());
        QCOMPARE(Control<QLineEdit>("cxNameSv")->text(), QString());
        QCOMPARE(GridText(2, ColRxFreq), QString());
    }

    void checkBoxPolarities() {
        Start();
        SelectChannel(3);
        Type("cxRxSv", "145.0");
        Control<QCheckBox>("cxBclo")->setChecked(true);
        QCOMPARE(Record(3)[12] & 0x10, 0);  // Busy Lock on: record value 0
        Control<QCheckBox>("cxTail")->setChecked(false);
        QCOMPARE(Record(3)[12] & 0x08, 0);  // Epilogue off: record value 0
        Control<QCheckBox>("cxTail")->setChecked(true);
        QCOMPARE(Record(3)[12] & 0x08, 0x08);
        Control<QCheckBox>("cxScan")->setChecked(true);
        QVERIFY(IsFlagClear(16, 3));
        QCOMPARE(GridText(3, ColBusyLock), QString("On"));
        QCOMPARE(GridText(3, ColScan), QString("Add"));
        Control<QComboBox>("cxPtts")->setCurrentIndex(2);
        QCOMPARE(GridText(3, ColPttId), QString("EOT"));
    }

    void voiceModeSurvivesEdits() {
        Start();
        InitChannel(4, "145.0");
        std::string mode = "2";
        SetChannelColumn(4, ColVoiceMode, mode);
        SelectChannel(4);
        Type("cxNameSv", "VOICE");
        TChannel ch;
        QVERIFY(DecodeChannel(4, ch));
        QCOMPARE(int(ch.VoiceMode), 2);
    }

    void receiveOnlyChannelGetsTheReceiveFrequencyAsTransmit() {
        Start();
        InitChannel(5, "145.0");
        std::string none;
        SetChannelColumn(5, ColTxFreq, none);
        SelectChannel(5);
        QCOMPARE(Control<QLineEdit>("cxTxSv")->text(), QString());
        Type("cxRxSv", "145.5");
        QCOMPARE(Control<QLineEdit>("cxTxSv")->text(), QString("145.50000"));
        TChannel ch;
        QVERIFY(DecodeChannel(5, ch));
        QCOMPARE(ch.TxFreq, 145.5);

        Type("cxTxSv", "999");
        QCOMPARE(messages->shown.last().title, QString("Caution"));
        QCOMPARE(Control<QLineEdit>("cxTxSv")->text(), QString("430.00000"));
    }

    void tonesAreNormalisedAndPickedFromThePicker() {
        Start();
        SelectChannel(6);
        Type("cxRxSv", "145.0");
        auto* rx = Control<QComboBox>("cxRxDcts");
        rx->lineEdit()->selectAll();
        QTest::keyClicks(rx->lineEdit(), "d23");
        QTest::keyClick(rx->lineEdit(), Qt::Key_Return);
        QCOMPARE(rx->currentText(), QString("D230N"));
        QCOMPARE(GridText(6, ColRxTone), QString("D230N"));

        // Closing the picker without a choice changes nothing.
        ScriptedDialogs dialogs;
        QTest::mouseDClick(rx->lineEdit(), Qt::LeftButton);
        QCOMPARE(dialogs.seen, QStringList({"fToneOption"}));
        QCOMPARE(rx->currentText(), QString("D230N"));

        dialogs.driver = [](QDialog& d) {
            d.show();
            auto& picker = dynamic_cast<TfToneOption&>(d);
            picker.Kind(2)->click();
            QTableWidget* table = picker.Table(2);
            emit table->cellDoubleClicked(0, 1);
            return d.result();
        };
        QTest::mouseDClick(Control<QComboBox>("cxTxDcts")->lineEdit(), Qt::LeftButton);
        QCOMPARE(Control<QComboBox>("cxTxDcts")->currentText(), QString("D023I"));
        QCOMPARE(int(Record(6)[10]), 0x23);
        QCOMPARE(int(Record(6)[11]), 0xC0);
    }

    void gridAndEditWindowStayInStep() {
        Start();
        SelectChannel(7);
        Type("cxRxSv", "145.25");
        QCOMPARE(GridText(7, ColRxFreq), QString("145.25000"));

        // A commit in the grid reloads the edit window.
        grid->gvChsSetForeText(grid->GridColumn(ColName), 6, "GRID");
        QCOMPARE(Control<QLineEdit>("cxNameSv")->text(), QString("GRID"));

        // Making another channel current in the grid reloads the window.
        InitChannel(9, "146.0");
        grid->RefreshChannelRow(9);
        grid->Grid()->setCurrentCell(8, grid->GridColumn(ColPower));
        QCOMPARE(All().CurrentChannel, 9);
        QCOMPARE(Control<QComboBox>("cxChs")->currentText(), QString("9"));
        QCOMPARE(Control<QLineEdit>("cxRxSv")->text(), QString("146.00000"));

        // Choosing a channel in the window keeps the grid's selected cell.
        SelectChannel(7);
        QCOMPARE(grid->Grid()->currentRow(), 8);
        QCOMPARE(Control<QLineEdit>("cxNameSv")->text(), QString("GRID"));
    }
};

QTEST_MAIN(ChsEditTest)
#include "ChsEditTest.moc"

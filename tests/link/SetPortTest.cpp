#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/Globals.h"
#include "link/SetPort.h"
#include "support/MainWindowFixture.h"
#include "support/PseudoTerminal.h"
#include "ui/CommandTags.h"

class SetPortTest : public QObject {
    Q_OBJECT

    // Opens the port dialog from the main window and lets `inspect` look at it
    // before OK is pressed.
    static void RunDialog(TfMainFrm& main, std::function<void(TfSetPort&)> inspect) {
        ScriptedDialogs dialogs([&](QDialog& d) {
            auto& dialog = dynamic_cast<TfSetPort&>(d);
            d.show();
            inspect(dialog);
            dialog.OkButton()->click();
            return d.result();
        });
        main.ExecuteCommand(CmdPort);
    }

private slots:
    void presentPortsAreEnabled() {
        PseudoTerminal cable;
        ScriptedMessages messages;
        MainWindowFixture app("Com=COM4\n[Ports]\nCOM4=" + cable.Path() + "\nCOM7=/dev/nonexistent-rk40\n");
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM4"));
        RunDialog(*app.main, [&](TfSetPort& d) {
            QVERIFY(d.PortButton(4)->isEnabled());
            QVERIFY(d.PortButton(4)->isChecked());
            QVERIFY(!d.PortButton(7)->isEnabled());
            QCOMPARE(d.PortButton(4)->toolTip(), QString::fromStdString(cable.Path()));
            QCOMPARE(d.PortButton(1)->toolTip(), QString("/dev/ttyUSB0"));
            QCOMPARE(d.PortButton(11)->toolTip(), QString("/dev/ttyACM0"));
            QCOMPARE(d.PortButton(20)->text(), QString("COM20"));
            QCOMPARE(d.findChild<QGroupBox*>("cxPort")->title(), QString("Communication Port"));
        });
        QCOMPARE(app.main->PanelText(3), QString("Port: COM4"));
    }

    void anAbsentConfiguredPortStaysSelected() {
        ScriptedMessages messages;
        MainWindowFixture app("Com=COM4\n[Ports]\nCOM4=/dev/nonexistent-rk40\n");
        All().PortName = "COM4";  // the start-up check may have picked a port of this machine
        RunDialog(*app.main, [](TfSetPort& d) {
            QVERIFY(d.PortButton(4)->isChecked());
            QVERIFY(!d.PortButton(4)->isEnabled());
        });
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM4"));
    }

    void aPortAbove20SelectsNothingAndIsKept() {
        PseudoTerminal cable;
        ScriptedMessages messages;
        MainWindowFixture app("Com=COM25\n[Ports]\nCOM25=" + cable.Path() + "\n");
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM25"));
        RunDialog(*app.main, [](TfSetPort& d) {
            for (int n = 1; n <= 20; ++n) QVERIFY(!d.PortButton(n)->isChecked());
        });
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM25"));
    }

    void choosingAPortAndTheTranslatedCaptions() {
        PseudoTerminal cable;
        ScriptedMessages messages;
        MainWindowFixture app(std::string(GermanSettings) + "[Ports]\nCOM2=" + cable.Path() + "\n",
                              "[fSetPort]\nlbName.Caption=Anschluss \n");
        RunDialog(*app.main, [](TfSetPort& d) {
            QCOMPARE(d.PortButton(2)->text(), QString("Anschluss2"));
            d.PortButton(2)->setChecked(true);
        });
        QCOMPARE(QString::fromStdString(All().PortName), QString("COM2"));
    }
};

QTEST_MAIN(SetPortTest)
#include "SetPortTest.moc"

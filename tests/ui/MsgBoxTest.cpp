#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/MsgBox.h"

// The real message boxes, answered by pressing their buttons.
class MsgBoxTest : public QObject {
    Q_OBJECT

    // Presses `button` of the next box that opens.
    static void PressWhenShown(QMessageBox::StandardButton button, QString* text = nullptr,
                               QMessageBox::Icon* icon = nullptr) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (text) *text = box->windowTitle() + "|" + box->text();
            if (icon) *icon = box->icon();
            box->button(button)->click();
        });
    }

private slots:
    void kindsAndTheirReturnCodes() {
        struct Case {
            int kind;
            QMessageBox::StandardButton press;
            int result;
            QMessageBox::Icon icon;
        } cases[] = {
            {MsgInfo, QMessageBox::Ok, 1, QMessageBox::Information},
            {MsgYesNo, QMessageBox::Yes, 6, QMessageBox::Question},
            {MsgYesNo, QMessageBox::No, 7, QMessageBox::Question},
            {MsgRetryCancel, QMessageBox::Retry, 4, QMessageBox::Question},
            {MsgRetryCancel, QMessageBox::Cancel, 2, QMessageBox::Question},
        };
        for (const Case& c : cases) {
            QString shown;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            PressWhenShown(c.press, &shown, &icon);
            QCOMPARE(ShowMsgBox("Confirmation", "Do it?", c.kind), c.result);
            QCOMPARE(shown, QString("Confirmation|Do it?"));
            QCOMPARE(icon, c.icon);
        }
    }

    void anyOtherKindShowsNothing() {
        int asked = 0;
        SetMsgBoxAnswerer([&](const ShownMessage&) {
            ++asked;
            return 7;
        });
        QCOMPARE(ShowMsgBox("t", "x", 3), 1);
        QCOMPARE(ShowMsgBox("t", "x", 0), 1);
        QCOMPARE(asked, 0);
        QCOMPARE(ShowMsgBox("t", "x", MsgYesNo), 7);
        QCOMPARE(asked, 1);
        SetMsgBoxAnswerer({});
    }
};

QTEST_MAIN(MsgBoxTest)
#include "MsgBoxTest.moc"

#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "core/DataModule.h"
#include "core/Globals.h"
#include "support/GuiTestSupport.h"
#include "ui/channels/ToneOption.h"

class ToneOptionTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Double-clicks a cell the way the window system reports it: a click,
    // then a press that comes as a double-click.
    static void DoubleClick(QTableWidget* table, int row, int column) {
        const QPoint at = table->visualItemRect(table->item(row, column)).center();
        QWidget* viewport = table->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }

private slots:
    void initTestCase() { InitDataModule(dir.path().toStdString() + "/"); }

    void tablesHoldThePickersOwnCodes() {
        TfToneOption picker;
        picker.show();
        QTableWidget* ctcss = picker.Table(0);
        QCOMPARE(ctcss->rowCount(), 9);
        QCOMPARE(ctcss->columnCount(), 15);
        QCOMPARE(ctcss->item(0, 0)->text(), QString("01"));
        QCOMPARE(ctcss->item(8, 1)->text(), QString("88.5"));
        QCOMPARE(ctcss->item(8, 2)->text(), QString("YB"));
        QCOMPARE(ctcss->item(5, 13)->text(), QString("254.1"));  // text 41: group 5, row 6
        QCOMPARE(ctcss->item(6, 13)->text(), QString());
        QCOMPARE(ctcss->columnWidth(1), 47);
        QCOMPARE(ctcss->item(0, 0)->background().color(), QColor(249, 141, 227));
        QTableWidget* dcsN = picker.Table(1);
        QCOMPARE(dcsN->rowCount(), 11);
        QCOMPARE(dcsN->columnCount(), 16);
        QCOMPARE(dcsN->item(0, 1)->text(), QString("D023N"));
        QCOMPARE(dcsN->item(7, 15)->text(), QString("D754N"));  // text 84 + 45: group 8, row 8
        QStringList codes;
        for (int c = 1; c < 16; c += 2)
            for (int r = 0; r < 11; ++r) codes << dcsN->item(r, c)->text();
        QVERIFY(codes.contains("D525N"));
        QCOMPARE(picker.Table(2)->item(0, 1)->text(), QString("D023I"));
        QVERIFY(ctcss->isVisible());
        QVERIFY(!dcsN->isVisible());
        QCOMPARE(picker.CodeGroup()->title(), QString("CTCSS"));
    }

    void pickingReturnsTheToneOrNothing() {
        {
            TfToneOption picker;
            picker.show();
            DoubleClick(picker.Table(0), 8, 0);  // the number "09"
            DoubleClick(picker.Table(0), 8, 2);  // the code "YB"
            QVERIFY(picker.isVisible());
            DoubleClick(picker.Table(0), 8, 1);
            QCOMPARE(picker.SelectedTone, QString("88.5"));
            QCOMPARE(picker.result(), int(QDialog::Accepted));
        }
        {
            TfToneOption picker;
            picker.show();
            picker.Kind(2)->click();
            QVERIFY(picker.Table(2)->isVisible());
            QVERIFY(!picker.Table(0)->isVisible());
            QCOMPARE(picker.CodeGroup()->title(), QString("DCS-I"));
            DoubleClick(picker.Table(2), 0, 1);
            QCOMPARE(picker.SelectedTone, QString("D023I"));
        }
        {
            TfToneOption picker;
            picker.show();
            DoubleClick(picker.Table(0), 8, 13);  // one of the empty cells at the end
            QCOMPARE(picker.SelectedTone, QString());
            QVERIFY(!picker.isVisible());
        }
    }

    void captionOfTheCodeGroupIsLocalised() {
        WriteText(dir.filePath("Deutsch.Ini"), "[fToneOption]\nlbSel.1=DCS normal\nrDCSN.Caption=DCS-N (normal)\n");
        All().LanguageId = 1;
        All().LanguageName = "Deutsch";
        TfToneOption picker;
        picker.show();
        picker.Kind(1)->click();
        QCOMPARE(picker.CodeGroup()->title(), QString("DCS normal"));
        QCOMPARE(picker.Kind(1)->text(), QString("DCS-N (normal)"));
        All().LanguageId = 0;
    }
};

QTEST_MAIN(ToneOptionTest)
#include "ToneOptionTest.moc"

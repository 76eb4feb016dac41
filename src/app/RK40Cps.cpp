#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "core/DataModule.h"
#include "core/Derivation.h"
#include "core/Globals.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("RK-40");
    InitDataModule(QCoreApplication::applicationDirPath().toStdString());
    All().ModelCode = MacList().GetItem(0)->Code;
    DeriveOnFirstShow();

    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(All().ProductName));
    window.setCentralWidget(new QLabel(QString::fromStdString(All().ModelName + "  " + All().BandText)));
    window.showMaximized();
    return app.exec();
}

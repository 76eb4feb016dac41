#include <QApplication>
#include <QScreen>

#include "MainFrm.h"
#include "Maindb.h"
#include "Windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("RK-40");
    StartDataModule(QCoreApplication::applicationDirPath().toStdString() + "/");
    TfMainFrm window;
    InstallWindows(window);
    // Without a window manager (a bare X server) maximising does nothing: size it ourselves.
    window.setGeometry(QApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "MainFrm.h"
#include "Maindb.h"
#include "Windows.h"
#include "ui/MsgBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("RK-40");
    StartDataModule(QCoreApplication::applicationDirPath().toStdString() + "/");
    TfMainFrm window;
    InstallWindows(window);
    // Without a window manager (a bare X server) maximising does nothing: size it ourselves.
    window.setGeometry(QApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    // A data file named on the command line (or by the desktop's file association) opens at once.
    if (argc > 1) {
        const std::string path = QString::fromLocal8Bit(argv[1]).toStdString();
        QTimer::singleShot(0, &window, [&window, path] {
            try {
                window.OpenFile(path);
            } catch (const std::exception& e) {
                ShowErrorBox(e.what());
            }
        });
    }
    return app.exec();
}

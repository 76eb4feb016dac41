#include "ModalRunner.h"

namespace {
ModalDriver& Driver() {
    static ModalDriver driver;
    return driver;
}
}  // namespace

int RunModal(QDialog& dialog) { return Driver() ? Driver()(dialog) : dialog.exec(); }

void SetModalDriver(ModalDriver driver) { Driver() = std::move(driver); }

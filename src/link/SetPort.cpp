#include "SetPort.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "PortNames.h"
#include "core/Globals.h"
#include "ui/ApplyLanguage.h"
#include "ui/QtText.h"

TfSetPort::TfSetPort(QWidget* parent) : QDialog(parent) {
    setObjectName("fSetPort");
    setWindowTitle("Communication Port");
    auto* column = new QVBoxLayout(this);
    cxPort = new QGroupBox("Port", this);
    cxPort->setObjectName("cxPort");
    auto* grid = new QGridLayout(cxPort);
    // Buttons exclusive by hand, so that none is checked for a port above 20.
    for (int n = 1; n <= 20; ++n) {
        auto* button = new QRadioButton(QString("COM%1").arg(n), cxPort);
        button->setObjectName(QString("cxPort%1").arg(n));
        button->setEnabled(false);
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::toggled, this, [this, button](bool on) {
            if (!on) return;
            for (QRadioButton* other : buttons_)
                if (other != button) other->setChecked(false);
        });
        grid->addWidget(button, (n - 1) % 5, (n - 1) / 5);  // four columns of five
        buttons_[n - 1] = button;
    }
    column->addWidget(cxPort);

    lbName = new QLabel("Port:", this);
    lbName->setObjectName("lbName");
    lbName->hide();
    cxCom = new QComboBox(this);
    cxCom->setObjectName("cxCom");
    cxCom->setProperty(ListTagProperty, TagNeverTranslated);
    cxCom->hide();

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    row->addWidget(btnOk);
    row->addWidget(btnCancel);
    column->addLayout(row);
    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetPort::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfSetPort::FormShow() {
    if (All().LanguageId > 0) {
        ApplyLanguage(this, false);
        for (int n = 1; n <= 20; ++n) buttons_[n - 1]->setText(lbName->text() + QString::number(n));
    }
    cxPort->setTitle(windowTitle());
    std::vector<std::string> ports;
    ListSerialPorts(&ports);
    cxCom->clear();
    for (const std::string& port : ports) {
        cxCom->addItem(Q(port));
        const int n = PortNumber(port);
        if (n >= 1 && n <= 20) buttons_[n - 1]->setEnabled(true);
    }
    // The device behind each button, for the user who wonders which cable it is.
    for (int n = 1; n <= 20; ++n) buttons_[n - 1]->setToolTip(Q(PortDevicePath("COM" + std::to_string(n))));
    const int configured = PortNumber(All().PortName);
    if (configured >= 1 && configured <= 20) buttons_[configured - 1]->setChecked(true);
}

void TfSetPort::btnOKClick() {
    for (int n = 1; n <= 20; ++n)
        if (buttons_[n - 1]->isChecked()) All().PortName = "COM" + std::to_string(n);
    accept();
}

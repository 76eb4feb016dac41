#include "SetLanguageForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "files/SetLanguage.h"
#include "ui/ApplyLanguage.h"
#include "ui/QtText.h"

TfSetLanguage::TfSetLanguage(QWidget* parent) : QDialog(parent) {
    setObjectName("fSetLanguage");
    setWindowTitle("Language File Setup");
    auto* column = new QVBoxLayout(this);

    cxLang = new QComboBox(this);
    cxLang->setObjectName("cxLang");
    cxLang->setProperty(ListTagProperty, TagNeverTranslated);
    cxLang->hide();
    cxName = new QListWidget(this);
    cxName->setObjectName("cxName");
    cxName->setProperty(ListTagProperty, TagNeverTranslated);
    cxName->hide();

    cxSels = new QGroupBox("Language", this);
    cxSels->setObjectName("cxSels");
    auto* choices = new QVBoxLayout(cxSels);
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(cxSels);
        choices_[i]->setObjectName(QString("cxLang%1").arg(i));
        choices_[i]->hide();
        choices->addWidget(choices_[i]);
    }
    choices_[0]->setChecked(true);
    column->addWidget(cxSels);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    column->addLayout(buttons);
    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetLanguage::btnCancelClick);
    setMinimumWidth(260);
}

void TfSetLanguage::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfSetLanguage::FormShow() {
    cxLang->clear();
    cxName->clear();
    std::vector<std::string> displayNames;
    fileNames_.clear();
    LoadLanguageList(displayNames, fileNames_);
    for (const std::string& name : displayNames) cxLang->addItem(Q(name));
    for (const std::string& name : fileNames_) cxName->addItem(Q(name));
    ApplyLanguage(this, false);
    for (int i = 0; i < 3; ++i) {
        const bool offered = i < static_cast<int>(displayNames.size());
        choices_[i]->setVisible(offered);
        if (offered) choices_[i]->setText(Q(displayNames[i]));
    }
    const int current = All().LanguageId;
    if (current >= 0 && current < 3) choices_[current]->setChecked(true);
    changed_ = false;
}

void TfSetLanguage::btnOkClick() {
    const int chosen = choices_[2]->isChecked() ? 2 : choices_[1]->isChecked() ? 1 : 0;
    // A display name without a file name cannot be chosen.
    if (chosen != All().LanguageId && chosen < static_cast<int>(fileNames_.size())) {
        All().LanguageId = chosen;
        All().LanguageName = fileNames_[chosen];
        changed_ = true;
    }
    accept();
}

void TfSetLanguage::btnCancelClick() { reject(); }

#include "ChsEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChannelLists.h"
#include "KeyFilters.h"
#include "ToneOption.h"
#include "core/ChannelCodec.h"
#include "core/ChannelEditing.h"
#include "core/FrequencyCodec.h"
#include "core/Globals.h"
#include "core/ToneCodec.h"
#include "ui/ApplyLanguage.h"
#include "ui/ModalRunner.h"
#include "ui/MsgBox.h"
#include "ui/QtText.h"

namespace {

QLabel* NewLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// Check boxes and the record values they stand for: busy lock, VOX, ANI and
// scan are "yes" at 0; epilogue is "on" at 1.
std::string Flag(const QCheckBox* box, bool checkedIsZero) {
    return box->isChecked() == checkedIsZero ? "0" : "1";
}

}  // namespace

TfChsEdit::TfChsEdit(ViewNotifier& main, QWidget* parent) : QWidget(parent), main_(main) {
    setObjectName("fChsEdit");
    setWindowTitle("Channel Edit");
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty(FixedSizeEditorProperty, true);

    auto* form = new QFormLayout;
    cxChs = Named(new QComboBox(this), "cxChs");
    cxChs->setProperty(ListTagProperty, TagNeverTranslated);
    cxRxSv = Named(new QLineEdit(this), "cxRxSv");
    cxTxSv = Named(new QLineEdit(this), "cxTxSv");
    cxRxDcts = Named(new QComboBox(this), "cxRxDcts");
    cxTxDcts = Named(new QComboBox(this), "cxTxDcts");
    cxPwrv = Named(new QComboBox(this), "cxPwrv");
    cxBand = Named(new QComboBox(this), "cxBand");
    cxPtts = Named(new QComboBox(this), "cxPtts");
    cxIdSv = Named(new QLineEdit(this), "cxIdSv");
    cxNameSv = Named(new QLineEdit(this), "cxNameSv");
    cxApro = Named(new QComboBox(this), "cxApro");
    cxApro->addItems(Items(ColVoiceMode));
    cxApro->hide();

    FillToneList(cxRxDcts);
    FillToneList(cxTxDcts);
    cxPwrv->addItems(Items(ColPower));
    cxBand->addItems(Items(ColWide));
    cxPtts->addItems(Items(ColPttId));
    for (QLineEdit* f : {cxRxSv, cxTxSv}) InstallKeyRule(f, KeyRule::Frequency);
    for (QComboBox* t : {cxRxDcts, cxTxDcts}) {
        InstallKeyRule(t, KeyRule::Tone);
        t->lineEdit()->installEventFilter(this);  // double-click opens the picker
    }
    InstallKeyRule(cxNameSv, KeyRule::Name);
    InstallKeyRule(cxIdSv, KeyRule::Digits);
    cxNameSv->setContextMenuPolicy(Qt::NoContextMenu);
    cxIdSv->setContextMenuPolicy(Qt::NoContextMenu);

    form->addRow(NewLabel("lChs", "Channel", this), cxChs);
    form->addRow(NewLabel("lRxSv", "RX Frequency[MHz]", this), cxRxSv);
    form->addRow(NewLabel("lTxSv", "TX Frequency[MHz]", this), cxTxSv);
    form->addRow(NewLabel("lRxDcts", "QT/DQT Deconde", this), cxRxDcts);
    form->addRow(NewLabel("lTxDcts", "QT/DQT Encode", this), cxTxDcts);
    form->addRow(NewLabel("lPwrv", "TX Power", this), cxPwrv);
    form->addRow(NewLabel("lBand", "Wide/Narrow", this), cxBand);
    form->addRow(NewLabel("lPtts", "PTT ID", this), cxPtts);
    form->addRow(NewLabel("lIdSv", "ID Code", this), cxIdSv);
    form->addRow(NewLabel("lNameSv", "CH Name", this), cxNameSv);

    auto* checks = new QGridLayout;
    cxBclo = Named(new QCheckBox("Busy Lock", this), "cxBclo");
    cxTail = Named(new QCheckBox("Epilogue", this), "cxTail");
    cxVoxs = Named(new QCheckBox("Vox", this), "cxVoxs");
    cxAnis = Named(new QCheckBox("Ani", this), "cxAnis");
    cxScan = Named(new QCheckBox("Scan Add", this), "cxScan");
    int i = 0;
    for (QCheckBox* box : {cxBclo, cxTail, cxVoxs, cxAnis, cxScan}) {
        checks->addWidget(box, i / 2, i % 2);
        ++i;
        connect(box, &QCheckBox::toggled, this, &TfChsEdit::cxPwrvPropertiesEditValueChanged);
    }
    btnClose = Named(new QPushButton("&Close", this), "btnClose");
    connect(btnClose, &QPushButton::clicked, this, [this] {
        if (parentWidget()) parentWidget()->close(); else close();
    });

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(checks);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxChs, &QComboBox::currentIndexChanged, this, &TfChsEdit::cxChsPropertiesEditValueChanged);
    connect(cxRxSv, &QLineEdit::editingFinished, this, [this] {
        if (cxRxSv->isModified()) cxRxSvPropertiesEditValueChanged();
    });
    connect(cxTxSv, &QLineEdit::editingFinished, this, [this] {
        if (cxTxSv->isModified()) cxTxSvPropertiesEditValueChanged();
    });
    for (QComboBox* t : {cxRxDcts, cxTxDcts}) {
        connect(t, &QComboBox::activated, this, [this, t] { ToneCommitted(t); });
        connect(t->lineEdit(), &QLineEdit::editingFinished, this, [this, t] {
            if (t->lineEdit()->isModified()) ToneCommitted(t);
        });
    }
    for (QComboBox* list : {cxPwrv, cxBand, cxPtts, cxApro})
        connect(list, &QComboBox::currentIndexChanged, this, &TfChsEdit::cxPwrvPropertiesEditValueChanged);
    for (QLineEdit* text : {cxIdSv, cxNameSv})
        connect(text, &QLineEdit::editingFinished, this, [this, text] {
            if (text->isModified()) cxPwrvPropertiesEditValueChanged();
        });
}

void TfChsEdit::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfChsEdit::FormShow() {
    loading_ = true;
    ApplyLanguage(this, false);
    chsGuard_ = true;
    for (int n = 1; n <= All().ChannelCount; ++n) cxChs->addItem(QString::number(n));
    chsGuard_ = false;
    cxNameSv->setMaxLength(7);
    cxIdSv->setMaxLength(6);
    LoadChannel();
    loading_ = false;
}

void TfChsEdit::SetEditable(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{cxTxSv, cxRxDcts, cxTxDcts, cxBand, cxPwrv, cxPtts, cxIdSv,
                                                      cxNameSv, cxBclo, cxTail, cxVoxs, cxAnis, cxScan})
        w->setEnabled(on);
}

void TfChsEdit::ResetToNewChannel() {
    cxTxSv->clear();
    cxRxDcts->setCurrentIndex(0);
    cxRxDcts->setEditText(cxRxDcts->itemText(0));
    cxTxDcts->setCurrentIndex(0);
    cxTxDcts->setEditText(cxTxDcts->itemText(0));
    cxBand->setCurrentIndex(1);
    cxPwrv->setCurrentIndex(1);
    cxPtts->setCurrentIndex(0);
    cxApro->setCurrentIndex(0);
    cxBclo->setChecked(false);
    cxTail->setChecked(true);
    cxVoxs->setChecked(false);
    cxAnis->setChecked(false);
    cxScan->setChecked(false);
    cxNameSv->clear();
    cxIdSv->setText("000");
}

void TfChsEdit::LoadChannel() {
    const bool wasLoading = loading_;
    loading_ = true;
    chsGuard_ = true;
    cxChs->setCurrentIndex(All().CurrentChannel - 1);
    chsGuard_ = false;
    TChannel& ch = Channel();
    if (DecodeChannel(All().CurrentChannel, ch)) {
        SetEditable(true);
        cxRxSv->setText(Q(FormatFrequency(ch.RxFreq)));
        cxTxSv->setText(ch.TxFreq == -1 ? QString() : Q(FormatFrequency(ch.TxFreq)));
        cxRxDcts->setEditText(ch.RxTone.empty() ? cxRxDcts->itemText(0) : Q(ch.RxTone));
        cxTxDcts->setEditText(ch.TxTone.empty() ? cxTxDcts->itemText(0) : Q(ch.TxTone));
        cxPwrv->setCurrentIndex(ch.Power);
        cxBand->setCurrentIndex(ch.Wide);
        cxPtts->setCurrentIndex(ch.PttId);
        cxApro->setCurrentIndex(ch.VoiceMode);
        cxBclo->setChecked(ch.BusyLock == 0);
        cxTail->setChecked(ch.Epilogue == 1);
        cxVoxs->setChecked(ch.Vox == 0);
        cxAnis->setChecked(ch.Dtmf == 0);
        cxScan->setChecked(ch.ScanFlag == 0);
        cxNameSv->setText(Q(ch.Name));
        cxIdSv->setText(Q(ch.IdCode));
    } else {
        cxRxSv->clear();
        SetEditable(false);
        ResetToNewChannel();
    }
    loading_ = wasLoading;
}

void TfChsEdit::StoreChannel() {
    if (loading_) return;
    loading_ = true;
    const int channel = All().CurrentChannel;
    auto encode = [channel](int column, std::string text) {
        SetChannelColumn(channel, column, text);
        return Q(text);
    };
    auto tone = [](const QComboBox* list) {
        return list->currentText() == list->itemText(0) ? std::string() : S(list->currentText().trimmed());
    };
    cxRxSv->setText(encode(ColRxFreq, S(cxRxSv->text().trimmed())));
    if (!cxRxSv->text().isEmpty()) {
        cxTxSv->setText(encode(ColTxFreq, S(cxTxSv->text().trimmed())));
        encode(ColRxTone, tone(cxRxDcts));
        encode(ColTxTone, tone(cxTxDcts));
        encode(ColWide, std::to_string(cxBand->currentIndex()));
        encode(ColPower, std::to_string(cxPwrv->currentIndex()));
        encode(ColPttId, std::to_string(cxPtts->currentIndex()));
        encode(ColVoiceMode, std::to_string(std::max(0, cxApro->currentIndex())));
        encode(ColBusyLock, Flag(cxBclo, true));
        encode(ColEpilogue, Flag(cxTail, false));
        encode(ColVox, Flag(cxVoxs, true));
        encode(ColDtmf, Flag(cxAnis, true));
        encode(ColScan, Flag(cxScan, true));
        cxNameSv->setText(encode(ColName, S(cxNameSv->text())));
        cxIdSv->setText(encode(ColIdCode, S(cxIdSv->text())));
    }
    loading_ = false;
    All().Modified = 1;
    main_.RefreshViews(0);
}

// A frequency the radio cannot take is replaced by the first band's lower edge, after a warning.
std::string TfChsEdit::CheckedFrequency(const QString& typed) {
    bool replaced = false;
    const std::string text = CheckedFrequencyText(S(typed), replaced);
    if (replaced) ShowMsgBox(Lang().Caution, Lang().ErrRange, MsgInfo);
    return text;
}

void TfChsEdit::cxRxSvPropertiesEditValueChanged() {
    if (loading_ || rxGuard_) return;
    rxGuard_ = true;
    cxRxSv->setModified(false);
    const QString text = cxRxSv->text().trimmed();
    if (!text.isEmpty()) {
        cxRxSv->setText(Q(CheckedFrequency(text)));
        SetEditable(true);
        if (cxTxSv->text().trimmed().isEmpty()) {
            txGuard_ = true;
            cxTxSv->setText(cxRxSv->text());
            txGuard_ = false;
        }
    } else {
        cxRxSv->clear();
        loading_ = true;
        ResetToNewChannel();
        loading_ = false;
        SetEditable(false);
    }
    StoreChannel();
    rxGuard_ = false;
}

void TfChsEdit::cxTxSvPropertiesEditValueChanged() {
    if (loading_ || txGuard_) return;
    cxTxSv->setModified(false);
    QString text = cxTxSv->text().trimmed();
    std::string value = text.isEmpty() ? std::string() : CheckedFrequency(text);
    txGuard_ = true;
    SetChannelColumn(All().CurrentChannel, ColTxFreq, value);
    cxTxSv->setText(Q(value));
    cxRxDcts->setFocus();
    txGuard_ = false;
    All().Modified = 1;
    main_.RefreshViews(0);
}

void TfChsEdit::ToneCommitted(QComboBox* list) {
    if (loading_) return;
    list->lineEdit()->setModified(false);
    const QString text = list->currentText().trimmed();
    if (text.isEmpty()) {
        list->setCurrentIndex(0);
        list->setEditText(list->itemText(0));
    } else if (text != list->itemText(0)) {
        list->setEditText(Q(NormalizeTone(S(text))));
    }
    StoreChannel();
}

void TfChsEdit::ToneDblClick(QComboBox* list) {
    if (!list->isEnabled()) return;
    TfToneOption picker(this);
    RunModal(picker);
    if (picker.SelectedTone.isEmpty()) return;
    list->setEditText(picker.SelectedTone);
    ToneCommitted(list);
}

void TfChsEdit::cxChsPropertiesEditValueChanged() {
    if (chsGuard_ || cxChs->currentIndex() < 0) return;
    All().CurrentChannel = cxChs->currentIndex() + 1;
    main_.RefreshViews(0);
    LoadChannel();
}

void TfChsEdit::cxPwrvPropertiesEditValueChanged() { StoreChannel(); }

bool TfChsEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == cxRxDcts->lineEdit()) ToneDblClick(cxRxDcts);
        if (watched == cxTxDcts->lineEdit()) ToneDblClick(cxTxDcts);
    }
    return QWidget::eventFilter(watched, event);
}

#pragma once
// The channel edit window: the current channel as a form. Every committed
// change is encoded into the image at once.

#include <QWidget>

#include "ui/ChannelViews.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TfChsEdit : public QWidget, public ChannelEditView {
    Q_OBJECT

public:
    explicit TfChsEdit(ViewNotifier& main, QWidget* parent = nullptr);

    void LoadChannel() override;
    void StoreChannel();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void cxChsPropertiesEditValueChanged();
    void cxRxSvPropertiesEditValueChanged();
    void cxTxSvPropertiesEditValueChanged();
    void ToneCommitted(QComboBox* list);
    void ToneDblClick(QComboBox* list);
    void cxPwrvPropertiesEditValueChanged();
    void SetEditable(bool on);
    void ResetToNewChannel();
    std::string CheckedFrequency(const QString& typed);

    ViewNotifier& main_;
    QComboBox* cxChs = nullptr;
    QLineEdit* cxRxSv = nullptr;
    QLineEdit* cxTxSv = nullptr;
    QComboBox* cxRxDcts = nullptr;
    QComboBox* cxTxDcts = nullptr;
    QComboBox* cxPwrv = nullptr;
    QComboBox* cxBand = nullptr;
    QComboBox* cxPtts = nullptr;
    QComboBox* cxApro = nullptr;  // voice mode: not shown, kept so that it survives every edit
    QLineEdit* cxIdSv = nullptr;
    QLineEdit* cxNameSv = nullptr;
    QCheckBox* cxBclo = nullptr;
    QCheckBox* cxTail = nullptr;
    QCheckBox* cxVoxs = nullptr;
    QCheckBox* cxAnis = nullptr;
    QCheckBox* cxScan = nullptr;
    QPushButton* btnClose = nullptr;

    bool loading_ = false;
    bool chsGuard_ = false;
    bool rxGuard_ = false;
    bool txGuard_ = false;
    bool shown_ = false;
};

#pragma once
#include "TransferDialog.h"
#include "WriteSession.h"

// Writes the image into the radio.
class TfWriteRadio : public TransferDialog {
    Q_OBJECT

public:
    explicit TfWriteRadio(QWidget* parent = nullptr);

protected:
    void OpenPort() override;
};

#pragma once
#include "ReadSession.h"
#include "TransferDialog.h"

// Reads the radio's memory into the image.
class TfReadRadio : public TransferDialog {
    Q_OBJECT

public:
    explicit TfReadRadio(QWidget* parent = nullptr);
    bool Completed() const;

protected:
    void OpenPort() override;
};

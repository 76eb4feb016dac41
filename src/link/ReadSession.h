#pragma once
// Reading the radio: identification, then blocks 0 to 296 into a staging
// buffer. The image changes only when every block has arrived.

#include <array>

#include "TransferSession.h"
#include "core/ImageLayout.h"

class ReadSession : public TransferSession {
public:
    using TransferSession::TransferSession;

    LinkActions Start() override;
    LinkActions OnTimer(LinkTimer timer) override;
    LinkActions OnLineError() override;
    void Commit() override;  // staging buffer into the image, then the after-read derivation

    bool Completed() const { return completed_; }
    static constexpr int Blocks = static_cast<int>(Layout::ReadBlocks);
    static constexpr int RetryDelayMs = 500;

protected:
    void HandleIdentification(LinkActions& out) override;
    void HandleTransfer(LinkActions& out) override;
    int DrainPollMs() const override { return 20; }
    int DrainPolls() const override { return 51; }

private:
    static constexpr std::uint8_t ReadCommand = 0x52;  // 'R'

    bool firstAttempt_ = true;
    bool completed_ = false;
    std::string modelCode_;
    std::uint8_t identificationByte_ = 0xFF;
    std::array<std::uint8_t, Blocks * Layout::BlockSize> staging_{};
};

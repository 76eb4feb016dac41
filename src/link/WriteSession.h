#pragma once
// Writing the radio: identification and model comparison, the write time
// stamp, then image blocks 0 to 294. Blocks 295 and 296 are never written.

#include "TransferSession.h"
#include "core/ImageLayout.h"

class WriteSession : public TransferSession {
public:
    using TransferSession::TransferSession;

    LinkActions Start() override;
    LinkActions OnTimer(LinkTimer timer) override;
    LinkActions OnLineError() override;
    LinkActions OnAnswer(bool yes) override;

    static constexpr int Blocks = static_cast<int>(Layout::WriteBlocks);

protected:
    void HandleIdentification(LinkActions& out) override;
    void HandleTransfer(LinkActions& out) override;
    int DrainPollMs() const override { return 50; }
    int DrainPolls() const override { return 101; }

private:
    static constexpr std::uint8_t WriteCommand = 0x57;  // 'W'
    void BeginTransfer(LinkActions& out);
};

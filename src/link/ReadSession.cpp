#include "ReadSession.h"

#include <algorithm>

#include "core/Derivation.h"
#include "core/Globals.h"

LinkActions ReadSession::Start() {
    LinkActions out;
    completed_ = false;
    state_ = State::Idle;
    errorShown_ = false;
    Add(out, Simple(LinkAction::Progress, 0));
    Add(out, Simple(LinkAction::EnableOk, 0));
    Add(out, Pause(StartPauseMs));
    received_ = 0;
    Add(out, Simple(LinkAction::Flush));
    Add(out, Pause(FlushPauseMs));
    SendWakeUp(out);  // its reply is ignored: the state stays idle
    Add(out, StartTimer(LinkTimer::X, HandshakePauseMs));
    return out;
}

void ReadSession::HandleIdentification(LinkActions& out) {
    const std::string code = ReplyModelCode();
    if (!MacList().FindByCode(code)) {
        SendEnd(out);
        Add(out, Show(LinkMessage::ModError));
        return;
    }
    modelCode_ = code;
    identificationByte_ = buffer_[6];
    state_ = State::Transfer;
    block_ = -1;
    SendAck(out);
    Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
}

void ReadSession::HandleTransfer(LinkActions& out) {
    if (ackMode_) {
        const AckResult ack = TakeAcknowledgement(out, Blocks);
        if (ack == AckResult::AllDone) {
            FinishTransfer(out, Blocks, LinkMessage::ReadOk);
            Add(out, Simple(LinkAction::Commit));
            Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
            return;
        }
        if (ack == AckResult::NotAcknowledged) return;  // the time-out decides
        const int address = block_ * static_cast<int>(Layout::BlockSize);
        SendFrame(out, {ReadCommand, std::uint8_t(address >> 8), std::uint8_t(address & 0xFF), 0x10}, 20, false);
        Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
        return;
    }
    Add(out, StopTimer(LinkTimer::Try));
    std::copy_n(buffer_.begin() + 4, Layout::BlockSize, staging_.begin() + block_ * Layout::BlockSize);
    Add(out, Simple(LinkAction::Progress, block_ + 1));
    SendAck(out);
    Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
}

LinkActions ReadSession::OnTimer(LinkTimer timer) {
    switch (timer) {
        case LinkTimer::Try: {
            LinkActions out;
            state_ = State::Idle;
            if (!errorShown_) {
                errorShown_ = true;
                Add(out, Show(LinkMessage::ComError));
                Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
            }
            return out;
        }
        case LinkTimer::Re: {
            LinkActions out;
            Add(out, Simple(LinkAction::EnableOk, 1));
            LinkActions again = Start();
            out.insert(out.end(), again.begin(), again.end());
            return out;
        }
        default: return TransferSession::OnTimer(timer);
    }
}

LinkActions ReadSession::OnLineError() {
    LinkActions out;
    Add(out, Simple(LinkAction::Flush));
    state_ = State::Idle;
    // A time-out of the broken attempt must not end the restarted one.
    Add(out, StopTimer(LinkTimer::Head));
    Add(out, StopTimer(LinkTimer::Try));
    if (firstAttempt_) {
        errorShown_ = true;
        firstAttempt_ = false;
        Add(out, StartTimer(LinkTimer::Re, RetryDelayMs));
    } else {
        Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
    }
    return out;
}

void ReadSession::Commit() {
    std::copy(staging_.begin(), staging_.end(), All().Image.begin());
    DeriveOnRead(modelCode_, identificationByte_);
    All().Modified = 1;
    completed_ = true;
}

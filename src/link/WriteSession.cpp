#include "WriteSession.h"

#include "core/Globals.h"
#include "core/TextCodecs.h"

LinkActions WriteSession::Start() {
    LinkActions out;
    Add(out, Pause(StartPauseMs));
    state_ = State::Idle;
    errorShown_ = false;
    Add(out, Simple(LinkAction::Progress, 0));
    Add(out, Simple(LinkAction::Flush));
    Add(out, Simple(LinkAction::EnableOk, 0));
    Add(out, Pause(FlushPauseMs));
    SendWakeUp(out);
    Add(out, StartTimer(LinkTimer::X, HandshakePauseMs));
    return out;
}

void WriteSession::HandleIdentification(LinkActions& out) {
    const TMacType* radio = MacList().FindByCode(ReplyModelCode());
    if (radio && radio->Code == All().ModelCode) {
        BeginTransfer(out);
    } else if (radio && radio->ChannelCount == All().ChannelCount) {
        LinkAction ask{LinkAction::Question};
        ask.message = LinkMessage::Force;
        Add(out, ask);
    } else {
        SendEnd(out);
        Add(out, Show(LinkMessage::ModError));
        Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
    }
}

LinkActions WriteSession::OnAnswer(bool yes) {
    LinkActions out;
    if (yes)
        BeginTransfer(out);
    else
        Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
    return out;
}

void WriteSession::BeginTransfer(LinkActions& out) {
    // The stamp goes into the image; it does not count as a change of the data.
    StoreWriteTime(&All().Image[Layout::WriteTime], NowText());
    state_ = State::Transfer;
    block_ = -1;
    SendAck(out);
    Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
}

void WriteSession::HandleTransfer(LinkActions& out) {
    const AckResult ack = TakeAcknowledgement(out, Blocks);
    if (ack == AckResult::AllDone) {
        FinishTransfer(out, Blocks, LinkMessage::WriteOk);
        Add(out, Simple(LinkAction::Progress, 0));
        Add(out, Simple(LinkAction::EnableOk, 1));
        return;
    }
    if (ack == AckResult::NotAcknowledged) return;  // the time-out decides
    const int address = block_ * static_cast<int>(Layout::BlockSize);
    std::vector<std::uint8_t> frame = {WriteCommand, std::uint8_t(address >> 8), std::uint8_t(address & 0xFF), 0x10};
    const auto& image = All().Image;
    frame.insert(frame.end(), image.begin() + address, image.begin() + address + Layout::BlockSize);
    SendFrame(out, std::move(frame), 1, false);
    Add(out, StartTimer(LinkTimer::Try, ReplyTimeoutMs));
    Add(out, Simple(LinkAction::Progress, block_ + 1));
}

LinkActions WriteSession::OnTimer(LinkTimer timer) {
    if (timer != LinkTimer::Try) return TransferSession::OnTimer(timer);
    LinkActions out;
    state_ = State::Idle;
    if (!errorShown_) {
        Add(out, Simple(LinkAction::EnableOk, 1));
        errorShown_ = true;
        Add(out, Show(LinkMessage::ComError));
        Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
    }
    return out;
}

LinkActions WriteSession::OnLineError() {
    LinkActions out;
    state_ = State::Idle;
    if (!errorShown_) {
        errorShown_ = true;
        Add(out, Show(LinkMessage::ComError));
    }
    return out;
}

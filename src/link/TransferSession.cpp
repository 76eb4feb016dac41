#include "TransferSession.h"

#include "Handshake.h"
#include "core/Globals.h"

std::string MessageText(LinkMessage message) {
    const TLanguage& l = Lang();
    switch (message) {
        case LinkMessage::PortError: return l.PortError;
        case LinkMessage::ComError: return l.ComError;
        case LinkMessage::ModError: return l.ModError;
        case LinkMessage::ReadOk: return l.ReadOk;
        case LinkMessage::WriteOk: return l.WriteOk;
        case LinkMessage::Force: return l.ModError + l.Modforce;
    }
    return {};
}

LinkAction TransferSession::StartTimer(LinkTimer t, int ms) {
    LinkAction a{LinkAction::StartTimer};
    a.timer = t;
    a.ms = ms;
    return a;
}

LinkAction TransferSession::StopTimer(LinkTimer t) {
    LinkAction a{LinkAction::StopTimer};
    a.timer = t;
    return a;
}

LinkAction TransferSession::Show(LinkMessage m) {
    LinkAction a{LinkAction::Message};
    a.message = m;
    return a;
}

LinkAction TransferSession::Pause(int ms) {
    LinkAction a{LinkAction::Pause};
    a.ms = ms;
    return a;
}

LinkAction TransferSession::Simple(LinkAction::Kind kind, int value) {
    LinkAction a{kind};
    a.value = value;
    return a;
}

void TransferSession::SendFrame(LinkActions& out, std::vector<std::uint8_t> frame, int expected, bool ackMode) {
    if (ackMode) frame[0] = Ack;
    ackMode_ = ackMode;
    expected_ = expected;
    received_ = 0;
    Add(out, Pause(20));
    LinkAction send{LinkAction::Send};
    send.bytes = std::move(frame);
    Add(out, std::move(send));
    LinkAction drain{LinkAction::Drain};
    drain.ms = DrainPollMs();
    drain.count = DrainPolls();
    Add(out, drain);
}

void TransferSession::SendWakeUp(LinkActions& out) {
    const HandshakeFrame wake = BuildHandshake(1);
    SendFrame(out, {wake.begin(), wake.end()}, 1, false);
}

LinkActions TransferSession::OnBytes(const std::uint8_t* data, std::size_t n) {
    LinkActions out;
    for (std::size_t i = 0; i < n; ++i)
        if (received_ <= BufferSize - 1) buffer_[received_++] = data[i];  // bytes past the 49th are dropped
    if (received_ >= expected_ && received_ <= BufferSize - 1) HandleReply(out);
    return out;
}

void TransferSession::HandleReply(LinkActions& out) {
    switch (state_) {
        case State::Idle: return;
        case State::HandshakeSent:
            if (buffer_[0] == Ack || buffer_[1] == Ack) {
                ackMode_ = false;
                Add(out, StopTimer(LinkTimer::Head));
                state_ = State::IdentificationRequested;
                SendFrame(out, {IdentifyRequest}, 8, false);
                Add(out, StartTimer(LinkTimer::Head, ReplyTimeoutMs));
            }
            return;
        case State::IdentificationRequested:
            Add(out, StopTimer(LinkTimer::Head));
            HandleIdentification(out);
            return;
        case State::Transfer: HandleTransfer(out); return;
    }
}

std::string TransferSession::ReplyModelCode() const {
    return std::string(buffer_.begin() + 1, buffer_.begin() + 5);
}

TransferSession::AckResult TransferSession::TakeAcknowledgement(LinkActions& out, int blocks) {
    if (buffer_[0] != Ack) return AckResult::NotAcknowledged;
    Add(out, StopTimer(LinkTimer::Try));
    return ++block_ == blocks ? AckResult::AllDone : AckResult::NextBlock;
}

void TransferSession::FinishTransfer(LinkActions& out, int blocks, LinkMessage message) {
    state_ = State::Idle;
    SendEnd(out);
    Add(out, Simple(LinkAction::Progress, blocks - 1));
    Add(out, Show(message));
}

LinkActions TransferSession::OnTimer(LinkTimer timer) {
    LinkActions out;
    switch (timer) {
        case LinkTimer::X: {
            state_ = State::HandshakeSent;
            const HandshakeFrame hs = BuildHandshake(portNumber_);
            SendFrame(out, {hs.begin(), hs.end()}, 1, false);
            Add(out, StartTimer(LinkTimer::Head, ReplyTimeoutMs));
            break;
        }
        case LinkTimer::Head:
            state_ = State::Idle;
            if (!errorShown_) {
                Add(out, Pause(SilencePauseMs));
                errorShown_ = true;
                Add(out, Show(LinkMessage::ComError));
                Add(out, StartTimer(LinkTimer::Close, CloseDelayMs));
            }
            break;
        default: break;
    }
    return out;
}

LinkActions TransferSession::OnAnswer(bool) { return {}; }

LinkActions TransferSession::OnPortError() {
    LinkActions out;
    if (!errorShown_) {
        errorShown_ = true;
        Add(out, Show(LinkMessage::PortError));
    }
    return out;
}

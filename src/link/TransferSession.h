#pragma once
// The frame layer and the handshake shared by the read and write transfers:
// frames are raw bytes, replies are recognised by their length alone.

#include <array>
#include <cstdint>
#include <string>

#include "LinkAction.h"

class TransferSession {
public:
    enum class State { Idle, HandshakeSent, IdentificationRequested, Transfer };

    explicit TransferSession(int portNumber) : portNumber_(portNumber) {}
    virtual ~TransferSession() = default;

    virtual LinkActions Start() = 0;  // the OK button
    LinkActions OnBytes(const std::uint8_t* data, std::size_t n);
    virtual LinkActions OnTimer(LinkTimer timer);
    virtual LinkActions OnLineError() = 0;
    virtual LinkActions OnAnswer(bool yes);
    virtual void Commit() {}
    // A port operation failed while starting: one PortError per attempt.
    LinkActions OnPortError();

    State state() const { return state_; }
    int BlockIndex() const { return block_; }
    bool ErrorShown() const { return errorShown_; }

    static constexpr int ReplyTimeoutMs = 1500;
    static constexpr int HandshakePauseMs = 200;
    static constexpr int CloseDelayMs = 300;
    static constexpr int StartPauseMs = 450;
    static constexpr int FlushPauseMs = 50;
    static constexpr int SilencePauseMs = 2500;

protected:
    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::uint8_t IdentifyRequest = 0x02;
    static constexpr std::uint8_t EndFrame = 0x45;  // 'E'
    static constexpr int BufferSize = 49;

    // Sends a frame and arms the receive side for a reply of `expected` bytes.
    void SendFrame(LinkActions& out, std::vector<std::uint8_t> frame, int expected, bool ackMode);
    void SendWakeUp(LinkActions& out);
    void SendAck(LinkActions& out) { SendFrame(out, {Ack}, 1, true); }
    void SendEnd(LinkActions& out) { SendFrame(out, {EndFrame}, 0, false); }
    std::string ReplyModelCode() const;
    // An acknowledgement during the transfer moves on to the next block, or
    // past the last one; anything else waits for the time-out.
    enum class AckResult { NotAcknowledged, NextBlock, AllDone };
    AckResult TakeAcknowledgement(LinkActions& out, int blocks);
    // The end of a transfer: End frame, progress at its maximum, the message.
    void FinishTransfer(LinkActions& out, int blocks, LinkMessage message);

    virtual void HandleReply(LinkActions& out);
    virtual void HandleIdentification(LinkActions& out) = 0;
    virtual void HandleTransfer(LinkActions& out) = 0;
    virtual int DrainPollMs() const = 0;
    virtual int DrainPolls() const = 0;

    static void Add(LinkActions& out, LinkAction a) { out.push_back(std::move(a)); }
    static LinkAction StartTimer(LinkTimer t, int ms);
    static LinkAction StopTimer(LinkTimer t);
    static LinkAction Show(LinkMessage m);
    static LinkAction Pause(int ms);
    static LinkAction Simple(LinkAction::Kind kind, int value = 0);

    State state_ = State::Idle;
    int expected_ = 0;
    std::array<std::uint8_t, BufferSize> buffer_{};  // kept between replies, as the radio software always has
    int received_ = 0;
    bool ackMode_ = false;
    int block_ = -1;
    bool errorShown_ = false;
    int portNumber_;
};

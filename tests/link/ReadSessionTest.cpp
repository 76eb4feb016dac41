#include <set>

#include "../core/ModelFixture.h"
#include "SessionHarness.h"
#include "link/Handshake.h"
#include "link/ReadSession.h"

namespace {
using Frame = std::vector<std::uint8_t>;

std::vector<LinkAction::Kind> Kinds(const LinkActions& actions) {
    std::vector<LinkAction::Kind> k;
    for (const LinkAction& a : actions) k.push_back(a.kind);
    return k;
}

const LinkAction* Find(const LinkActions& actions, LinkAction::Kind kind) {
    for (const LinkAction& a : actions)
        if (a.kind == kind) return &a;
    return nullptr;
}
}  // namespace

TEST(Handshake, LetterFollowsThePortNumber) {
    EXPECT_EQ(BuildHandshake(1), (HandshakeFrame{'P', 'R', 'O', 'G', 'R', 'A', 'M', 'a'}));
    EXPECT_EQ(BuildHandshake(3)[7], 'c');
    EXPECT_EQ(BuildHandshake(9)[7], 'i');
    std::set<std::uint8_t> seen;
    for (int i = 0; i < 200; ++i) {
        const std::uint8_t letter = BuildHandshake(12)[7];
        EXPECT_GE(letter, 'e');
        EXPECT_LE(letter, 'i');
        seen.insert(letter);
    }
    EXPECT_EQ(seen.size(), 5u) << "drawn anew on each call";
    EXPECT_GE(BuildHandshake(-1)[7], 'e');
}

class ReadSessionTest : public ModelTest {
protected:
    SimulatorOptions radioOptions;
};

TEST_F(ReadSessionTest, StartWakesTheRadioWithThePausesOfTheProtocol) {
    ReadSession s(3);
    const LinkActions a = s.Start();
    using K = LinkAction;
    EXPECT_EQ(Kinds(a), (std::vector<LinkAction::Kind>{K::Progress, K::EnableOk, K::Pause, K::Flush, K::Pause, K::Pause,
                                                        K::Send, K::Drain, K::StartTimer}));
    EXPECT_EQ(a[2].ms, 450);
    EXPECT_EQ(a[4].ms, 50);
    EXPECT_EQ(a[5].ms, 20);
    EXPECT_EQ(a[6].bytes, (Frame{'P', 'R', 'O', 'G', 'R', 'A', 'M', 'a'}));
    EXPECT_EQ(a[7].ms, 20);
    EXPECT_EQ(a[7].count, 51);
    EXPECT_EQ(a[8].timer, LinkTimer::X);
    EXPECT_EQ(a[8].ms, 200);
    // The wake-up reply is ignored: the state stays idle.
    const Frame reply{0x06};
    EXPECT_TRUE(s.OnBytes(reply.data(), 1).empty());

    const LinkActions h = s.OnTimer(LinkTimer::X);
    EXPECT_EQ(Find(h, LinkAction::Send)->bytes, (Frame{'P', 'R', 'O', 'G', 'R', 'A', 'M', 'c'}));
    EXPECT_EQ(h.back().timer, LinkTimer::Head);
    EXPECT_EQ(h.back().ms, 1500);
    EXPECT_EQ(s.state(), TransferSession::State::HandshakeSent);
}

TEST_F(ReadSessionTest, AnAcknowledgementInTheSecondPlaceIsAccepted) {
    ReadSession s(3);
    s.Start();
    s.OnTimer(LinkTimer::X);
    const Frame noise{0x55, 0x06};
    const LinkActions a = s.OnBytes(noise.data(), noise.size());
    EXPECT_EQ(s.state(), TransferSession::State::IdentificationRequested);
    EXPECT_EQ(Find(a, LinkAction::Send)->bytes, Frame{0x02});
    EXPECT_EQ(a.front().kind, LinkAction::StopTimer);
}

TEST_F(ReadSessionTest, AFullReadReplacesTheImageOnlyAtTheEnd) {
    radioOptions.bandByte = 0xFE;
    RadioSimulator radio(radioOptions);
    std::fill(radio.memory.begin() + 16, radio.memory.begin() + 48, 0x00);
    radio.memory[4605] = 0xAA;
    radio.memory[4736] = 'Q';
    ReadSession s(1);
    SessionHarness h{s, radio};
    h.Run(s.Start());

    const auto reads = h.SentStartingWith('R');
    ASSERT_EQ(reads.size(), 297u);
    EXPECT_EQ(reads.front(), (Frame{'R', 0x00, 0x00, 0x10}));
    EXPECT_EQ(reads.back(), (Frame{'R', 0x12, 0x80, 0x10}));
    EXPECT_EQ(h.sent.back(), Frame{'E'});
    EXPECT_EQ(h.messages, std::vector<LinkMessage>{LinkMessage::ReadOk});
    EXPECT_TRUE(s.Completed());
    EXPECT_EQ(Byte(16), 0x00);
    EXPECT_EQ(Byte(4736), 'Q');
    EXPECT_EQ(Byte(4605), 0xFF) << "manual frequency is not allowed on this model";
    // 0xFE & 0x55 = 0x54: band 1 off, band 2 restricted; its erased edges give the full limits.
    EXPECT_EQ(Byte(4606), 0x04);
    EXPECT_EQ(All().Band[1].Lo, 136.0);
    EXPECT_EQ(All().Band[0].Lo, 0.0);
    EXPECT_EQ(All().Modified, 1);
    EXPECT_EQ(h.started.back(), LinkTimer::Close);
}

TEST_F(ReadSessionTest, AnUnknownModelSendsEndAndStays) {
    radioOptions.modelCode = "XX12";
    RadioSimulator radio(radioOptions);
    ReadSession s(1);
    SessionHarness h{s, radio};
    const auto before = All().Image;
    h.Run(s.Start());
    EXPECT_EQ(h.messages, std::vector<LinkMessage>{LinkMessage::ModError});
    EXPECT_EQ(h.sent.back(), Frame{'E'});
    EXPECT_FALSE(h.closed) << "the user closes the dialog";
    EXPECT_EQ(s.state(), TransferSession::State::IdentificationRequested);
    EXPECT_TRUE(All().Image == before);
}

TEST_F(ReadSessionTest, TimeOutsShowOneMessage) {
    ReadSession s(1);
    s.Start();
    s.OnTimer(LinkTimer::X);
    const LinkActions head = s.OnTimer(LinkTimer::Head);
    ASSERT_GE(head.size(), 3u);
    EXPECT_EQ(head[0].kind, LinkAction::Pause);
    EXPECT_EQ(head[0].ms, 2500);
    EXPECT_EQ(head[1].message, LinkMessage::ComError);
    EXPECT_EQ(head[2].timer, LinkTimer::Close);
    EXPECT_EQ(head[2].ms, 300);
    EXPECT_TRUE(s.OnTimer(LinkTimer::Try).empty()) << "an error was already shown";
    EXPECT_EQ(s.state(), TransferSession::State::Idle);
}

TEST_F(ReadSessionTest, OneSilentRestartAfterTheFirstLineError) {
    ReadSession s(1);
    s.Start();
    s.OnTimer(LinkTimer::X);
    const LinkActions first = s.OnLineError();
    EXPECT_EQ(first.back().timer, LinkTimer::Re);
    EXPECT_EQ(first.back().ms, 500);
    EXPECT_EQ(Find(first, LinkAction::Message), nullptr);
    EXPECT_TRUE(s.OnTimer(LinkTimer::Head).empty()) << "a pending time-out stays silent";
    const LinkActions restart = s.OnTimer(LinkTimer::Re);
    EXPECT_EQ(restart.front().kind, LinkAction::EnableOk);
    EXPECT_EQ(restart.front().value, 1);
    EXPECT_EQ(Find(restart, LinkAction::Send)->bytes.back(), 'a') << "the wake-up again";
    const LinkActions second = s.OnLineError();
    EXPECT_EQ(second.back().timer, LinkTimer::Try) << "no second restart";
    const LinkActions end = s.OnTimer(LinkTimer::Try);
    EXPECT_EQ(Find(end, LinkAction::Message)->message, LinkMessage::ComError);
}

TEST_F(ReadSessionTest, ReplyBytesBeyondTheBufferAreDropped) {
    ReadSession s(1);
    s.Start();
    s.OnTimer(LinkTimer::X);
    const Frame flood(60, 0x06);
    // 60 bytes: the count stops at 49, which is too many for a reply.
    EXPECT_TRUE(s.OnBytes(flood.data(), flood.size()).empty());
    EXPECT_EQ(s.state(), TransferSession::State::HandshakeSent);
}

TEST_F(ReadSessionTest, APortErrorWhileStartingIsShownOnce) {
    ReadSession s(1);
    s.Start();
    EXPECT_EQ(s.OnPortError().size(), 1u);
    EXPECT_TRUE(s.OnPortError().empty());
    s.Start();
    EXPECT_EQ(s.OnPortError().size(), 1u) << "a new attempt may show it again";
}

#include "../core/ModelFixture.h"
#include "SessionHarness.h"
#include "link/WriteSession.h"

namespace {
using Frame = std::vector<std::uint8_t>;
}

class WriteSessionTest : public ModelTest {
protected:
    SimulatorOptions radioOptions;
    void AddSisterModel(int channels) {
        MacList().Add(std::make_unique<TMacType>("RK41", "RK-41", channels));
    }
};

TEST_F(WriteSessionTest, AFullWriteSendsBlocks0To294AndStampsTheTime) {
    RadioSimulator radio(radioOptions);
    InitChannel(1, "145.5");
    Byte(4720) = 0x42;
    WriteSession s(1);
    SessionHarness h{s, radio};
    const std::string before = NowText();
    h.Run(s.Start());

    const auto writes = h.SentStartingWith('W');
    ASSERT_EQ(writes.size(), 295u);
    const Frame first(writes.front().begin(), writes.front().begin() + 4);
    const Frame last(writes.back().begin(), writes.back().begin() + 4);
    EXPECT_EQ(first, (Frame{'W', 0x00, 0x00, 0x10}));
    EXPECT_EQ(last, (Frame{'W', 0x12, 0x60, 0x10}));
    EXPECT_TRUE(std::equal(writes.back().begin() + 4, writes.back().end(), All().Image.begin() + 4704));
    EXPECT_TRUE(std::equal(All().Image.begin(), All().Image.begin() + 4720, radio.memory.begin()));
    EXPECT_EQ(radio.memory[4720], 0xFF) << "never written";
    EXPECT_GE(FormatWriteTime(&Byte(4704)), before);
    EXPECT_EQ(h.sent.back(), Frame{'E'});
    EXPECT_EQ(h.messages, std::vector<LinkMessage>{LinkMessage::WriteOk});
    EXPECT_FALSE(h.closed) << "the dialog stays for another write";
}

TEST_F(WriteSessionTest, ModelComparison) {
    struct Case {
        const char* radioCode;
        int sisterChannels;
        bool answer;
        std::vector<LinkMessage> messages;
        std::size_t writes;
        bool endSent;
    } cases[] = {
        {"ZZ99", 128, true, {LinkMessage::ModError}, 0, true},
        {"RK41", 64, true, {LinkMessage::ModError}, 0, true},
        {"RK41", 128, true, {LinkMessage::Force, LinkMessage::WriteOk}, 295, true},
        {"RK41", 128, false, {LinkMessage::Force}, 0, false},
    };
    for (const Case& c : cases) {
        SetUp();
        AddSisterModel(c.sisterChannels);
        radioOptions.modelCode = c.radioCode;
        RadioSimulator radio(radioOptions);
        WriteSession s(1);
        SessionHarness h{s, radio};
        h.answer = c.answer;
        h.Run(s.Start());
        EXPECT_EQ(h.messages, c.messages) << c.radioCode << " " << c.sisterChannels;
        EXPECT_EQ(h.SentStartingWith('W').size(), c.writes) << c.radioCode;
        EXPECT_EQ(h.sent.back() == Frame{'E'}, c.endSent) << c.radioCode;
        if (c.messages.back() != LinkMessage::WriteOk) EXPECT_TRUE(h.closed);
    }
}

TEST_F(WriteSessionTest, FailuresDuringTheTransfer) {
    WriteSession s(1);
    s.Start();
    const LinkActions t = s.OnTimer(LinkTimer::Try);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].kind, LinkAction::EnableOk);
    EXPECT_EQ(t[1].message, LinkMessage::ComError);
    EXPECT_EQ(t[2].timer, LinkTimer::Close);

    WriteSession line(1);
    line.Start();
    const LinkActions e = line.OnLineError();
    ASSERT_EQ(e.size(), 1u) << "no timer, no flush: the dialog stays with OK disabled";
    EXPECT_EQ(e[0].message, LinkMessage::ComError);
    EXPECT_TRUE(line.OnLineError().empty());
}

TEST_F(WriteSessionTest, TransmitPollsAreSlowerThanTheRead) {
    WriteSession s(1);
    const LinkActions a = s.Start();
    const auto drain = std::find_if(a.begin(), a.end(), [](const LinkAction& x) { return x.kind == LinkAction::Drain; });
    ASSERT_NE(drain, a.end());
    EXPECT_EQ(drain->ms, 50);
    EXPECT_EQ(drain->count, 101);
    EXPECT_EQ(a.front().kind, LinkAction::Pause) << "the write waits before anything else";
}

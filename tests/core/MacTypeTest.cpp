#include "ModelFixture.h"

TEST(MacType, BandEditFlagsFollowTheLastSetter) {
    TMacType m("AB12", "Test", 16);
    EXPECT_EQ(m.FullMask, 0);
    m.SetBandLimit(2, 100, 200);
    EXPECT_EQ(m.GetBandEdit(2), (std::pair<std::uint8_t, std::uint8_t>{1, 1}));
    m.SetBandDefault(2, 0, 120, 130, 0, 1);
    EXPECT_EQ(m.GetBandEdit(2), (std::pair<std::uint8_t, std::uint8_t>{0, 0}));
    EXPECT_EQ(m.GetBand(2, true).Hi, 200);
    EXPECT_EQ(m.GetBand(2, false).Lo, 120);
    EXPECT_EQ(m.GetBandShown(2), 1);
}

TEST_F(ModelTest, CatalogueLookups) {
    const TMacList& list = MacList();
    ASSERT_EQ(list.Count(), 1);
    const TMacType* builtIn = list.GetItem(0);
    ASSERT_NE(builtIn, nullptr);
    EXPECT_EQ(list.GetItem(1), nullptr);
    EXPECT_EQ(list.GetItem(-1), nullptr);
    EXPECT_EQ(list.FindByCode("RK40"), builtIn);
    EXPECT_EQ(list.FindByCode("rk40"), nullptr);
    EXPECT_EQ(list.FindByCode("RK4"), nullptr);
    EXPECT_EQ(list.FindByName("RK-40"), builtIn);
    std::vector<std::string> names{"stale", "entries"};
    list.GetNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"RK-40"});

    EXPECT_EQ(builtIn->ChannelCount, 128);
    EXPECT_EQ(builtIn->FullMask, 0x0F);
    EXPECT_EQ(builtIn->DefaultMask, 0x45);
    EXPECT_EQ(builtIn->ShowBandChecks, 1);
    EXPECT_EQ(builtIn->GetBandLimit(3).Lo, 320.0);
    EXPECT_EQ(builtIn->GetBandDefault(2).Hi, 246.0);
    EXPECT_EQ(builtIn->GetBandShown(1), 1);
    EXPECT_EQ(builtIn->GetBandShown(2), 0);
    EXPECT_EQ(builtIn->GetBandEdit(0), (std::pair<std::uint8_t, std::uint8_t>{0, 0}));
}

TEST(MacList, DuplicatesAreKeptAndTheFirstWins) {
    TMacList list;
    list.Add(std::make_unique<TMacType>("AAAA", "First", 8));
    list.Add(std::make_unique<TMacType>("AAAA", "Second", 16));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.FindByCode("AAAA")->Name, "First");
}

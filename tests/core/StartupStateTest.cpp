#include "ModelFixture.h"

TEST(StartupState, FreshObjectsAreZero) {
    CreateGlobalObjects();
    const TALL& all = All();
    EXPECT_EQ(all.LanguageId, 0);
    EXPECT_EQ(all.CurrentChannel, 0);
    EXPECT_EQ(all.BaudRate, 0);
    EXPECT_EQ(all.FmUpper, 0.0);
    EXPECT_TRUE(all.ProductName.empty());
    EXPECT_TRUE(all.ModelCode.empty());
    EXPECT_EQ(MacList().Count(), 0);
    for (std::uint8_t b : all.Image) ASSERT_EQ(b, 0);
    EXPECT_TRUE(Lang().Confirmation.empty());
}

TEST(StartupState, BuiltInModelOverridesTheDataModuleValues) {
    InitDataModule("/opt/rk40");
    const TALL& all = All();
    EXPECT_EQ(all.ProgramDir, "/opt/rk40/");
    EXPECT_EQ(all.ProductName, "RK-40");
    EXPECT_EQ(all.VendorCode, "PZ35");
    EXPECT_EQ(all.BaudRate, 4800);
    EXPECT_EQ(all.FmLower, 76.0);
    EXPECT_EQ(all.FmUpper, 107.0);
    EXPECT_EQ(all.TestMenu, 1);
    EXPECT_EQ(all.ManualFreqAllowed, 0);
    EXPECT_EQ(all.SerialEditable, 0);
    EXPECT_EQ(all.LanguageMenu, 1);
    EXPECT_EQ(all.DtmfDecodePage, 1);
    EXPECT_EQ(all.CurrentChannel, 1);
    EXPECT_EQ(MacList().Count(), 1);
}

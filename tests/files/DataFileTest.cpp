#include <signal.h>
#include <sys/resource.h>

#include "../core/ModelFixture.h"
#include "TempDir.h"
#include "files/DataFile.h"
#include "files/FileError.h"

class DataFileTest : public ModelTest {
protected:
    TempDir dir;
    std::string Image(std::size_t from, std::size_t to) {
        return std::string(All().Image.begin() + from, All().Image.begin() + to);
    }
};

TEST_F(DataFileTest, HeaderLayout) {
    DataFileHeader h;
    BuildHeader(h, "RK40", "PZ35");
    const std::uint8_t expected[16] = {'P', 'R', 'K', '4', '0', 'P', 'Z', '3', '5', ' ', ' ', ' ', ' ', 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(h.begin(), h.end(), expected));
    BuildHeader(h, "AB", "LONGVENDOR");
    EXPECT_EQ(std::string(h.begin() + 1, h.begin() + 9), "AB  LONG");
    EXPECT_EQ(ParseHeader(h), "AB  ");
}

TEST_F(DataFileTest, SavingAfterStartUpWritesHeaderAndImage) {
    All().Modified = 1;
    SaveDataFile(dir / "a.dat");
    const std::string file = TempDir::Read(dir / "a.dat");
    ASSERT_EQ(file.size(), 4768u);
    EXPECT_EQ(file.substr(0, 13), "PRK40PZ35    ");
    EXPECT_EQ(file.substr(13, 3), "\xFF\xFF\xFF");
    EXPECT_EQ(file.substr(16), Image(16, 4768));
    EXPECT_EQ(file.substr(4752), std::string(16, '\0')) << "New resets only up to 4751";
    EXPECT_EQ(All().Modified, 0);
}

TEST_F(DataFileTest, OpenRestoresTheSavedImage) {
    InitChannel(12, "435.125");
    std::string name = "REPEAT";
    SetChannelColumn(12, ColName, name);
    for (std::size_t i = 4752; i < 4768; ++i) Byte(i) = static_cast<std::uint8_t>(i);
    Byte(4640) = 0x42;  // uninterpreted bytes travel too
    // Start-up leaves the unused bands' defaults in the band table, which the
    // derivation after Open rewrites; make the table what it will derive.
    WriteBandTable();
    SaveDataFile(dir / "b.dat");
    const std::string saved = Image(16, 4768);

    DeriveOnNew();
    std::fill_n(&Byte(4752), 16, 0);
    All().Modified = 1;
    ASSERT_EQ(OpenDataFile(dir / "b.dat"), OpenResult::Opened);
    EXPECT_EQ(Image(16, 4768), saved);
    EXPECT_EQ(All().Modified, 0);
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(12, ch));
    EXPECT_EQ(ch.Name, "REPEAT");
    EXPECT_EQ(All().ModelCode, "RK40");
}

TEST_F(DataFileTest, OpenDerivesTheStateFromTheFile) {
    SaveDataFile(dir / "c.dat");
    std::string file = TempDir::Read(dir / "c.dat");
    file[4606] = 0x00;        // no bands stored: the model's full bands
    file[4536 + 13] = '\xFF';  // out-of-range setting repaired
    file[0] = 'X';             // neither the marker nor the vendor field is checked
    file.replace(5, 4, "ACME");
    TempDir::Write(dir / "c.dat", file + "trailing bytes are ignored");
    ASSERT_EQ(OpenDataFile(dir / "c.dat"), OpenResult::Opened);
    EXPECT_EQ(All().BandMask, 0x0F);
    EXPECT_EQ(All().BandText, "410.00000 - 470.00000/136.00000 - 174.00000MHz");
    EXPECT_EQ(Byte(4549), 0xF5);
    EXPECT_EQ(ReadImageU32(4608), 41000000u) << "band table written from the derived bands";
}

TEST_F(DataFileTest, ForeignOrBrokenFilesChangeNothing) {
    SaveDataFile(dir / "good.dat");
    std::string good = TempDir::Read(dir / "good.dat");
    InitChannel(1, "145.0");
    All().Modified = 1;
    const std::string before = Image(0, Layout::ImageSize);

    std::string foreign = good;
    foreign.replace(1, 4, "XY99");
    TempDir::Write(dir / "foreign.dat", foreign);
    EXPECT_EQ(OpenDataFile(dir / "foreign.dat"), OpenResult::ModelWrong);
    TempDir::Write(dir / "tiny.dat", "PRK40");
    EXPECT_EQ(OpenDataFile(dir / "tiny.dat"), OpenResult::ModelWrong);
    TempDir::Write(dir / "empty.dat", "");
    EXPECT_EQ(OpenDataFile(dir / "empty.dat"), OpenResult::ModelWrong);
    TempDir::Write(dir / "cut.dat", good.substr(0, 3000));
    try {
        OpenDataFile(dir / "cut.dat");
        ADD_FAILURE() << "a file cut short was accepted";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("3000 of 4768"), std::string::npos) << e.what();
    }
    EXPECT_THROW(OpenDataFile(dir / "missing.dat"), FileError);
    EXPECT_THROW(OpenDataFile(dir.Dir()), FileError);

    EXPECT_EQ(Image(0, Layout::ImageSize), before);
    EXPECT_EQ(All().Modified, 1);
}

TEST_F(DataFileTest, AFileMissingOnlyTheUninterpretedTailOpens) {
    SaveDataFile(dir / "d.dat");
    const std::string good = TempDir::Read(dir / "d.dat");
    TempDir::Write(dir / "d.dat", good.substr(0, 4752));
    std::fill_n(&Byte(4752), 16, 0x11);
    ASSERT_EQ(OpenDataFile(dir / "d.dat"), OpenResult::Opened);
    EXPECT_EQ(Image(4752, 4768), std::string(16, '\xFF')) << "no bytes of the previous image are kept";
}

TEST_F(DataFileTest, AFailedSaveKeepsTheOldFileAndModified) {
    const std::string path = dir / "keep.dat";
    TempDir::Write(path, "the user's previous file");
    All().Modified = 1;

    // Simulate a full disk: the write of the new content fails part way.
    struct sigaction ignore {}, old {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    bool threw = false;
    try {
        SaveDataFile(path);
    } catch (const FileError& e) {
        threw = true;
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &old, nullptr);

    EXPECT_TRUE(threw);
    EXPECT_EQ(TempDir::Read(path), "the user's previous file");
    EXPECT_EQ(All().Modified, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1) << "no temporary file left";

    EXPECT_THROW(SaveDataFile(dir / "no-such-folder/x.dat"), FileError);
    TempDir::Write(dir / "plain", "");
    EXPECT_THROW(SaveDataFile(dir / "plain/x.dat"), FileError);
    EXPECT_THROW(SaveDataFile(dir.Dir()), FileError);
    EXPECT_EQ(All().Modified, 1);
}

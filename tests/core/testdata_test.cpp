#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/testdata.h"
#include "datasetfixture.h"
#include "nonregularfiles.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::WriteFile;

namespace {

class TestData : public rp::test::DataSetTest {};

TEST_F(TestData, MarkerFileSwitchesFactoryModeOnlyWithTheExactText) {
    const std::string marker = kTestModeMarkerText;
    std::string lower = marker;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    struct Case {
        const char* what;
        std::optional<std::string> contents;  // nothing: no file
        bool on;
    } cases[] = {
        {"exact text", marker, true},
        {"text, then blanks and a line end", marker + "  \r\n", true},
        {"text, then a NUL", marker + std::string(1, '\0') + "junk", true},
        {"other letter case", lower, false},
        {"text missing its last letter", marker.substr(0, 32), false},
        {"a blank before the text", " " + marker, false},
        {"empty file", std::string(), false},
        {"no file", std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(P(kTestModeMarkerFile));
        if (c.contents) WriteFile(P(kTestModeMarkerFile), *c.contents);
        d.FactoryTestMode = !c.on;
        d.TestDataBuf.fill(9);
        LoadFactoryTestModeFlag(d, tmp.path());
        EXPECT_EQ(d.FactoryTestMode, c.on) << c.what;
        for (Byte b : d.TestDataBuf) EXPECT_EQ(b, 0) << c.what;
    }
    // A marker that is no regular file is not opened and leaves the mode as
    // it was.
    const rp::test::HangGuard guard;
    for (const auto& kind : rp::test::kNonRegularKinds) {
        ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, P(kTestModeMarkerFile)));
        for (bool on : {false, true}) {
            d.FactoryTestMode = on;
            LoadFactoryTestModeFlag(d, tmp.path());
            EXPECT_EQ(d.FactoryTestMode, on) << kind.name;
        }
    }
}

class FactoryFiles : public TestData {
protected:
    void SetUp() override {
        TestData::SetUp();
        d.FactoryTestMode = true;
        NewDataFile(d);
    }
    void Fill(int from, int to, Byte v) {
        for (int i = from; i < to; ++i) d.TestDataBuf[i] = v;
    }
};

TEST_F(FactoryFiles, SavingWritesTheCurrentBlockAsCompanionAndSnapshot) {
    for (int i = 0; i < 32; ++i) d.TestDataBuf[i] = static_cast<Byte>(0xA0 + i);
    EXPECT_TRUE(IsDataChanged(d));
    WriteFile(P("club.ted"), std::string(100, 'x'));  // an older, longer file
    d.DataFilePath = P("club.dat");
    ASSERT_TRUE(SaveDataFile(d));
    std::string ted = ReadFile(P("club.ted"));
    ASSERT_EQ(ted.size(), 32u);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(static_cast<Byte>(ted[i]), 0xA0 + i);
        EXPECT_EQ(d.TestDataBuf[32 + i], 0xA0 + i);
    }
    EXPECT_EQ(d.TestDataFilePath, P("club.ted"));
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(FactoryFiles, OpeningTakesTheCompanionOrKeepsThePreviousBlock) {
    Fill(0, 32, 0x11);
    d.DataFilePath = P("with.dat");
    ASSERT_TRUE(SaveDataFile(d));
    Fill(0, 32, 0x22);
    d.DataFilePath = P("without.dat");
    ASSERT_TRUE(SaveDataFile(d));
    std::filesystem::remove(P("without.ted"));

    // Snapshot 0x22, current block edited.
    Fill(0, 32, 0x33);
    d.TestDataOrigin = AppData::TestDataSource::Entry;
    ASSERT_TRUE(OpenDataFile(d, P("with.dat")));
    for (int i = 0; i < 64; ++i) EXPECT_EQ(d.TestDataBuf[i], 0x11) << i;
    EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::File);
    EXPECT_EQ(d.TestDataFilePath, P("with.ted"));

    Fill(0, 32, 0x44);
    ASSERT_TRUE(OpenDataFile(d, P("without.dat")));
    for (int i = 0; i < 64; ++i) EXPECT_EQ(d.TestDataBuf[i], 0x11) << i;  // carried over
    EXPECT_EQ(d.TestDataFilePath, P("with.ted"));
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(FactoryFiles, OutsideFactoryModeNoCompanionIsWrittenOrRead) {
    d.FactoryTestMode = false;
    WriteFile(P("x.ted"), std::string(3, 'y'));  // short, but not looked at
    d.DataFilePath = P("x.dat");
    ASSERT_TRUE(SaveDataFile(d));
    EXPECT_EQ(ReadFile(P("x.ted")), "yyy");
    EXPECT_TRUE(OpenDataFile(d, P("x.dat")));
}

TEST_F(TestData, StandAloneFiles) {
    std::array<Byte, 32> buf{};
    buf.fill(7);
    d.TestDataFilePath = "before";
    EXPECT_FALSE(LoadTestDataFile(d, P("none.ted"), buf));
    WriteFile(P("short.ted"), std::string(31, '\1'));
    EXPECT_FALSE(LoadTestDataFile(d, P("short.ted"), buf));
    EXPECT_EQ(buf[0], 7);
    EXPECT_EQ(d.TestDataFilePath, "before");

    WriteFile(P("long.ted"), std::string(32, '\2') + "tail");
    ASSERT_TRUE(LoadTestDataFile(d, P("long.ted"), buf));
    EXPECT_EQ(buf[31], 2);
    EXPECT_EQ(d.TestDataFilePath, P("long.ted"));

    buf.fill(3);
    ASSERT_TRUE(SaveTestDataFile(d, P("long.ted"), buf));
    EXPECT_EQ(ReadFile(P("long.ted")), std::string(32, '\3'));
    EXPECT_FALSE(SaveTestDataFile(d, P("missing/x.ted"), buf));
    EXPECT_EQ(d.TestDataFilePath, P("long.ted"));

    // Companions work on the snapshot half.
    d.TestDataBuf.fill(0);
    ASSERT_TRUE(LoadTestDataCompanion(d, P("long.dat")));
    EXPECT_EQ(d.TestDataBuf[32], 3);
    EXPECT_EQ(d.TestDataBuf[0], 0);
    d.TestDataBuf[40] = 9;
    ASSERT_TRUE(SaveTestDataCompanion(d, P("comp.dat")));
    EXPECT_EQ(ReadFile(P("comp.ted"))[8], 9);
    EXPECT_FALSE(SaveTestDataCompanion(d, "abc"));
}

// A test-data file that is no regular file is refused at once with its
// reason, and neither the block nor the remembered name changes.
TEST_F(TestData, StandAloneFilesThatAreNotRegularAreRefused) {
    const rp::test::HangGuard guard;
    std::array<Byte, 32> buf{};
    buf.fill(7);
    d.TestDataFilePath = "before";
    for (const auto& kind : rp::test::kNonRegularKinds) {
        ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, P("x.ted")));
        FileFailure why;
        EXPECT_FALSE(LoadTestDataFile(d, P("x.ted"), buf, &why)) << kind.name;
        EXPECT_EQ(why.path, P("x.ted")) << kind.name;
        EXPECT_EQ(why.error, kNotRegularFile) << kind.name;
        EXPECT_EQ(buf[0], 7) << kind.name;
        EXPECT_EQ(d.TestDataFilePath, "before") << kind.name;
    }
}

}  // namespace

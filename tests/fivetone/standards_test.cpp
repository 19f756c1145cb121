// The fifteen standards, their tone tables and tone times, and the block of
// text the five-tone dialog shows for a standard or the user set.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fivetone/standards.h"

using namespace rp;

namespace {

std::vector<std::string> Lines(const std::string& block) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < block.size()) {
        std::size_t end = block.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(block.substr(at) + "<no CR LF>");
            break;
        }
        lines.push_back(block.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

const ToneTableLabels kLabels{"Frequency", "Tone Duration", "Group Tone", "Repeat Tone"};

std::array<Integer, 16> UserSet() {
    std::array<Integer, 16> t{};
    for (int i = 0; i < 16; ++i) t[static_cast<std::size_t>(i)] = static_cast<Integer>(2885 + i * 1000);
    t[0] = 0;
    t[15] = 31060;
    return t;
}

}  // namespace

TEST(Tone5Standards, NamesInListOrder) {
    const char* names[] = {"ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI", "PDZVEI", "CCIR1", "CCIR2",
                           "PCCIR", "EEA",   "EURO SIGNAL", "NATEL", "MODAT", "CCITT", "EIA"};
    for (int i = 0; i < kTone5StandardCount; ++i) {
        EXPECT_EQ(Tone5StandardName(i), names[i]);
        EXPECT_EQ(Tone5Standard(names[i]), i);
    }
    for (const char* other : {"zvei1", "ZVEI1 ", " ZVEI1", "", "EURO  SIGNAL", "User"})
        EXPECT_EQ(Tone5Standard(other), -1) << other;
    EXPECT_EQ(Tone5StandardName(15), "");
    EXPECT_EQ(Tone5StandardName(-1), "");
}

TEST(Tone5Standards, DefaultToneTimes) {
    struct Case { const char* name; int ms; } cases[] = {
        {"ZVEI1", 70}, {"PDZVEI", 70}, {"CCIR1", 100}, {"CCIR2", 70}, {"PCCIR", 100}, {"EEA", 40},
        {"EURO SIGNAL", 100}, {"NATEL", 70}, {"MODAT", 40}, {"CCITT", 70}, {"EIA", 33},
        {"", 70}, {"eia", 70}, {"CCIR1 ", 70},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultToneTime(c.name), c.ms) << c.name;
    // The tone-time lists start at 30, so every default has an item.
    for (const auto& row : Tone5StandardTable()) EXPECT_GE(DefaultToneTime(row.name), 30) << row.name;
}

TEST(Tone5Standards, UserToneTexts) {
    struct Case { Integer tenths; const char* text; } cases[] = {
        {0, ".0"}, {5, ".5"}, {2885, "288.5"}, {24000, "2400.0"}, {31060, "3106.0"}, {10000, "1000.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(UserToneText(c.tenths), c.text) << c.tenths;
}

TEST(Tone5Standards, Zvei1BlockHasTwentyOneLines) {
    const auto lines = Lines(ToneStandardBlock("ZVEI1", UserSet(), kLabels));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "ZVEI1");
    EXPECT_EQ(lines[1], "Frequency(Hz)");
    EXPECT_EQ(lines[2], "0 2400");
    EXPECT_EQ(lines[13], "B 810");
    EXPECT_EQ(lines[17], "F 680");
    EXPECT_EQ(lines[18], "Tone Duration(ms) 70");
    EXPECT_EQ(lines[19], "Group Tone A");
    EXPECT_EQ(lines[20], "Repeat Tone E");
}

TEST(Tone5Standards, BlockLinesByStandard) {
    struct Case {
        const char* name;
        int line;  // 0-based
        const char* text;
    } cases[] = {
        {"ZVEI3", 13, "B "}, {"ZVEI3", 14, "C "}, {"ZVEI3", 15, "D "}, {"ZVEI3", 17, "F "},
        {"ZVEI3", 16, "E 2400"}, {"DZVEI", 12, "A 825/885"},
        {"EURO SIGNAL", 2, "0 979.8"}, {"EURO SIGNAL", 12, "A "}, {"EURO SIGNAL", 16, "E 1062.9"},
        {"EURO SIGNAL", 18, "Tone Duration(ms) 100"}, {"CCIR1", 18, "Tone Duration(ms) 100"},
        {"CCITT", 17, "F 0.0"}, {"MODAT", 18, "Tone Duration(ms) 40"}, {"EIA", 18, "Tone Duration(ms) 33"},
        {"PCCIR", 17, "F "},
    };
    for (const auto& c : cases) {
        const auto lines = Lines(ToneStandardBlock(c.name, UserSet(), kLabels));
        ASSERT_EQ(lines.size(), 21u) << c.name;
        EXPECT_EQ(lines[static_cast<std::size_t>(c.line)], c.text) << c.name << " line " << c.line;
    }
}

TEST(Tone5Standards, AnyOtherNameShowsTheUserSet) {
    for (const char* name : {"zvei1", "ZVEI1 ", ""}) {
        const auto lines = Lines(ToneStandardBlock(name, UserSet(), kLabels));
        ASSERT_EQ(lines.size(), 21u) << name;
        EXPECT_EQ(lines[0], name);
        EXPECT_EQ(lines[2], "0 .0") << name;
        EXPECT_EQ(lines[3], "1 388.5") << name;
        EXPECT_EQ(lines[17], "F 3106.0") << name;
        EXPECT_EQ(lines[18], "Tone Duration(ms) 70") << name;
    }
}

TEST(Tone5Standards, MissingLabelsLeaveTheRestOfTheLines) {
    const auto lines = Lines(ToneStandardBlock("EEA", UserSet(), ToneTableLabels{}));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[1], "(Hz)");
    EXPECT_EQ(lines[18], "(ms) 40");
    EXPECT_EQ(lines[19], " A");
    EXPECT_EQ(lines[20], " E");
}

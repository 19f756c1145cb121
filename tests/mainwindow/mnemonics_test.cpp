// The menus' keyboard letters: one per caption, unique in its list, marked
// in a Latin caption and appended from the English hint to any other.
#include <gtest/gtest.h>

#include "mainwindow/mnemonics.h"

namespace rp {
namespace {

struct Case {
    const char* name;
    std::vector<MnemonicCaption> in;
    std::vector<std::string> out;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Mnemonics : public ::testing::TestWithParam<Case> {};

TEST_P(Mnemonics, Table) { EXPECT_EQ(WithMnemonics(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Mnemonics,
    ::testing::Values(
        Case{"EnglishWordStartsFirst",
             {{"Save", "Save"}, {"Save As...", "Save As..."}, {"Status Bar", "Status Bar"}},
             {"&Save", "Save &As...", "Status &Bar"}},
        Case{"LaterLetterWhenStartsAreTaken", {{"Scan", ""}, {"Settings", ""}, {"Step", ""}},
             {"&Scan", "S&ettings", "S&tep"}},
        Case{"DigitsCount", {{"2-Tone", ""}, {"5-Tone", ""}, {"Toolbar", ""}}, {"&2-Tone", "&5-Tone", "&Toolbar"}},
        Case{"ChineseTakesTheHintsLetter",
             {{"保存", "Save"}, {"另存为...", "Save As..."}, {"两音", "2-Tone"}},
             {"保存(&S)", "另存为(&A)...", "两音(&2)"}},
        Case{"LatinCaptionInAChineseMenuKeepsItsOwn", {{"文件", "File"}, {"DTMF", "DTMF"}, {"FM收音", "FM Radio"}},
             {"文件(&F)", "&DTMF", "F&M收音"}},
        Case{"NoHintOrNoFreeLetterGivesTheFirstFreeLetter", {{"A", ""}, {"a", ""}, {"关于", ""}},
             {"&A", "a(&B)", "关于(&C)"}},
        Case{"AmpersandShowsAsSuch", {{"Tom & Jerry", ""}, {"和&", ""}}, {"&Tom && Jerry", "和&&(&A)"}},
        Case{"EmptyCaptionStaysEmpty", {{"", "File"}, {"文件", "File"}}, {"", "文件(&F)"}}));

}  // namespace
}  // namespace rp

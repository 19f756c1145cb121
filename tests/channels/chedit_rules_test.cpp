// The channel dialog's field rules while the user edits.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cheditfixture.h"

using namespace rp;

namespace {

class ChEditRules : public test::ChEditTest {
protected:
    // The squelch modes SqlModes offers, by their texts in the full list.
    std::vector<int> OfferedModes() {
        std::vector<int> modes;
        const auto& all = Items(chedit::AllSqlModes);
        for (const auto& text : Items(chedit::SqlModes))
            for (std::size_t m = 0; m < all.size(); ++m)
                if (all[m] == text) modes.push_back(static_cast<int>(m));
        return modes;
    }
};

struct SqlCase {
    const char* name;
    int decodeType, encodeType, signalling, reverse;
    std::vector<int> modes;
};
void PrintTo(const SqlCase& c, std::ostream* os) { *os << c.name; }

class SqlModes : public ChEditRules, public ::testing::WithParamInterface<SqlCase> {};

const SqlCase kSqlCases[] = {
    {"no tone, no signalling", 0, 0, 0, 0, {0}},
    {"decode CTCSS", 1, 0, 0, 0, {0, 1}},
    {"decode DCS and DTMF", 2, 0, 1, 0, {0, 1, 2, 3, 4}},
    {"signalling alone", 0, 0, 3, 0, {0, 2}},
    {"encode only, reverse off", 0, 1, 0, 0, {0}},
    {"encode only, reverse on", 0, 1, 0, 1, {0, 1}},
    {"decode only, reverse on", 2, 0, 2, 1, {0, 2}},
    {"both tones, reverse on, signalling", 1, 2, 1, 1, {0, 1, 2, 3, 4}},
};

}  // namespace

TEST_P(SqlModes, FollowToneTypeSignallingAndReverse) {
    const SqlCase& c = GetParam();
    Open(ListMemory, 1);
    Pick(chedit::DecodeType, c.decodeType);
    Pick(chedit::EncodeType, c.encodeType);
    Pick(chedit::Signalling, c.signalling);
    SetTick(chedit::Reverse, c.reverse);
    EXPECT_EQ(OfferedModes(), c.modes);
    EXPECT_EQ(C(chedit::SqlModes).index, 0);
}

INSTANTIATE_TEST_SUITE_P(ChEdit, SqlModes, ::testing::ValuesIn(kSqlCases),
                         [](const auto& info) {
                             std::string n;
                             for (const char* p = info.param.name; *p; ++p)
                                 n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return n;
                         });

TEST_F(ChEditRules, TheChosenModeStaysWhileOfferedAndIsStoredByNumber) {
    Open(ListMemory, 1);
    Pick(chedit::DecodeType, 1);
    Pick(chedit::Signalling, 1);
    Pick(chedit::SqlModes, 4);  // mode 4
    EXPECT_EQ(C(chedit::AllSqlModes).index, 4);
    Pick(chedit::FiveTonePttId, 2);  // no effect on the modes
    EXPECT_EQ(C(chedit::SqlModes).index, 4);
    Pick(chedit::Signalling, 0);  // signalling off: mode 4 is gone
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    EXPECT_EQ(C(chedit::SqlModes).index, 0);
    Pick(chedit::SqlModes, 1);
    Pick(chedit::Signalling, 2);  // mode 1 stays offered
    EXPECT_EQ(C(chedit::SqlModes).text, Items(chedit::AllSqlModes)[1]);
}

TEST_F(ChEditRules, ModesByNumberEvenWhenTheirTextsAreAlike) {
    d.LanguageFilePath = "/language/none.ini";  // every language text ""
    Open(ListMemory, 1);
    Pick(chedit::DecodeType, 1);
    Pick(chedit::Signalling, 1);
    Pick(chedit::SqlModes, 3);
    EXPECT_EQ(C(chedit::AllSqlModes).index, 3);
    EXPECT_EQ(EvaluateChEditOK(d, f->State()).stored.record.SqlMode, 3);
}

TEST_F(ChEditRules, WithReverseTheEncodeTypeGovernsTheModes) {
    Open(ListMemory, 1);
    SetTick(chedit::Reverse, 1);
    Pick(chedit::DecodeType, 1);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0}));
    Pick(chedit::EncodeType, 2);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    // Talk-around unticks reverse; the decode type governs again.
    SetTick(chedit::TalkAround, 1);
    EXPECT_EQ(C(chedit::Reverse).value, 0);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0, 1}));
    Pick(chedit::DecodeType, 0);
    EXPECT_EQ(OfferedModes(), (std::vector<int>{0}));
    SetTick(chedit::Reverse, 1);
    EXPECT_EQ(C(chedit::TalkAround).value, 0);
}

TEST_F(ChEditRules, PttIdListsExcludeEachOther) {
    Open(ListMemory, 1);
    Pick(chedit::DtmfPttId, 2);
    Pick(chedit::FiveTonePttId, 1);
    EXPECT_EQ(C(chedit::DtmfPttId).index, 0);
    Pick(chedit::DtmfPttId, 3);
    EXPECT_EQ(C(chedit::FiveTonePttId).index, 0);
    Pick(chedit::FiveTonePttId, 0);  // the first item changes nothing
    EXPECT_EQ(C(chedit::DtmfPttId).index, 3);
}

TEST_F(ChEditRules, ANewToneTypeShowsItsListAtTheFirstItem) {
    Rec(1).DeCTCType = 1;
    Rec(1).DeCTCSS = 20;
    Open(ListMemory, 1);
    EXPECT_TRUE(C(chedit::DecodeCtcss).visible);
    EXPECT_EQ(C(chedit::DecodeCtcss).text, "127.3");
    C(chedit::DecodeInverted).value = 1;
    Pick(chedit::DecodeType, 2);
    EXPECT_FALSE(C(chedit::DecodeCtcss).visible);
    EXPECT_TRUE(C(chedit::DecodeDcs).visible);
    EXPECT_TRUE(C(chedit::DecodeDcs).enabled);
    EXPECT_EQ(C(chedit::DecodeDcs).text, "000");
    EXPECT_TRUE(C(chedit::DecodeInverted).visible);
    EXPECT_TRUE(C(chedit::DecodeInverted).enabled);
    EXPECT_EQ(C(chedit::DecodeInverted).value, 0);
    // A list hidden by the opening is usable once its type is chosen.
    Pick(chedit::EncodeType, 1);
    EXPECT_TRUE(C(chedit::EncodeCtcss).visible);
    EXPECT_TRUE(C(chedit::EncodeCtcss).enabled);
    EXPECT_EQ(C(chedit::EncodeCtcss).text, "62.5");
    Pick(chedit::EncodeType, 0);
    EXPECT_FALSE(C(chedit::EncodeCtcss).visible);
}

TEST_F(ChEditRules, SignallingShowsItsCodeListAtTheFirstEntry) {
    for (auto& e : d.Tone2Data().Encodes) e.Empty = 1;
    Open(ListMemory, 1);
    Pick(chedit::Signalling, 2);  // two-tone with no entry in use
    EXPECT_TRUE(C(chedit::TwoToneCode).visible);
    EXPECT_EQ(C(chedit::TwoToneCode).index, -1);
    EXPECT_TRUE(C(chedit::TwoToneDecode).enabled);
    Pick(chedit::Signalling, 1);
    EXPECT_FALSE(C(chedit::TwoToneCode).visible);
    EXPECT_TRUE(C(chedit::DtmfCode).visible);
    EXPECT_EQ(C(chedit::DtmfCode).text, "M1");
    EXPECT_FALSE(C(chedit::TwoToneDecode).enabled);
}

TEST_F(ChEditRules, TheRxBoxSwitchesTheChannelControls) {
    Rec(1).OptSig = 1;
    Open(ListMemory, 1);
    SetText(chedit::RxFreq, "");
    for (const std::string& name : std::vector<std::string>{chedit::TxFreq, chedit::EntryBoxes[2], chedit::Step,
                                                            chedit::Signalling, chedit::DtmfCode, chedit::TxInhibit,
                                                            chedit::ScanSkip, chedit::OwnCtcss, chedit::Banks,
                                                            chedit::TwoToneDecode, chedit::PttIdCode})
        EXPECT_FALSE(C(name).enabled) << name;
    EXPECT_TRUE(C(chedit::RxFreq).enabled);
    EXPECT_EQ(C(chedit::Signalling).text, "DTMF");  // nothing cleared
    SetText(chedit::RxFreq, "1");
    for (const std::string& name : std::vector<std::string>{chedit::TxFreq, chedit::EntryBoxes[2], chedit::Step,
                                                            chedit::Signalling, chedit::DtmfCode, chedit::TxInhibit,
                                                            chedit::ScanSkip, chedit::OwnCtcss, chedit::Banks,
                                                            chedit::PttIdCode})
        EXPECT_TRUE(C(name).enabled) << name;
    EXPECT_FALSE(C(chedit::TwoToneDecode).enabled);
    EXPECT_FALSE(C(chedit::TwoToneCode).enabled);  // hidden
    Pick(chedit::Signalling, 2);
    SetText(chedit::RxFreq, "");
    SetText(chedit::RxFreq, "4");
    EXPECT_TRUE(C(chedit::TwoToneDecode).enabled);
}

TEST_F(ChEditRules, ThePttIdCodeBoxIsForMemoryAndLowerEdgeChannels) {
    for (int n : {1, int{ChPL1}, int{ChPL2}, int{ChPU2}, int{ChVFO2}}) {
        Open(ListMemory, n);
        EXPECT_EQ(C(chedit::PttIdCode).enabled, n <= ChPL2) << n;
        EXPECT_EQ(C(chedit::PttIdDecode).enabled, n <= ChPL2) << n;
    }
}

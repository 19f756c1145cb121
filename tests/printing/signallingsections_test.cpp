// The DTMF and two-tone sections on the recording printer.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/language.h"
#include "printfixture.h"
#include "signalling/frm2tone.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/twotonerules.h"

using namespace rp;
using rp::test::FindText;

namespace {

constexpr std::size_t kHeaderLines = 5;

class SignallingSections : public rp::test::PrintTest {
protected:
    std::vector<std::string> Body(int page) const {
        std::vector<std::string> v = Lines(page);
        if (v.size() <= kHeaderLines + 1) return {};
        return {v.begin() + kHeaderLines, v.end() - 1};
    }
    static std::string Row(const std::string& caption, const std::string& value) {
        return value.empty() ? caption : caption + " | " + value;
    }
    void UseEncode(int entry, int toneTenths, const char* name) {
        Tone2EncodeRec& e = d.Tone2Data().Encodes[static_cast<std::size_t>(entry)];
        e.Empty = 0;
        SetEncodeTone(e, 1, toneTenths / 10.0);
        e.Name.Set(name);
    }
    void FreeAllEncodes() {
        for (auto& e : d.Tone2Data().Encodes) {
            e = Tone2EncodeRec{};
            e.Empty = 1;
        }
    }
};

}  // namespace

TEST_F(SignallingSections, DtmfPrintsItsThirtyTwoRowsTheAniRowIncluded) {
    d.DTMFData().MemCodes[0].Code.Set("12E");
    d.DTMFData().MemCodes[0].CodeLen = 3;
    d.DTMFData().KillCode.Code.Set("99");
    d.DTMFData().KillCode.CodeLen = 2;
    Print({kPrintItemDTMF});
    ASSERT_TRUE(d.PrintOK);
    ASSERT_EQ(port.doc.pages, 1);
    FrmDTMF shown(d);
    shown.Form_Load();
    const auto body = Body(1);
    ASSERT_EQ(body.size(), 1u + 32u);
    EXPECT_EQ(body[0], "DTMF");
    std::vector<std::string> expected;
    // The settings in print order by their rows; the own ID is a box, the rest lists.
    const std::pair<int, const char*> settings[] = {
        {1, dtmf::Ani},             {2, dtmf::SendTime},         {4, dtmf::OwnId},
        {5, dtmf::Separator},       {6, dtmf::GroupCode},        {7, dtmf::DecodeResponse},
        {8, dtmf::FirstDigitDelay}, {9, dtmf::PreSendDelay},     {10, dtmf::ResetTime},
        {11, dtmf::PostSendDelay},  {12, dtmf::PauseTime}};
    for (const auto& [row, control] : settings) {
        const ControlState& c = shown.C(control);
        const std::string value = std::string_view(control) == dtmf::OwnId ? c.text : c.SelectedItem();
        expected.push_back(Row(shown.C(dtmf::SettingCaptions[row]).text, value));
    }
    expected.push_back(shown.C(dtmf::SideTone).text + " | OFF");
    for (int i = 0; i < 20; ++i)
        expected.push_back(Row(shown.C(dtmf::CodeCaptions[i]).text, shown.C(dtmf::CodeBoxes[i]).text));
    EXPECT_EQ(std::vector<std::string>(body.begin() + 1, body.end()), expected);
    EXPECT_EQ(body[1], Row(GetLanguageString(d, 1740), shown.C(dtmf::Ani).SelectedItem()));  // ANI
    EXPECT_EQ(body[13], "M1 | 12*");
    EXPECT_EQ(body[31].substr(body[31].size() - 5), " | 99");
    EXPECT_FLOAT_EQ(FindText(port.doc, "12*")->x, 8000 * 0.35f);
}

TEST_F(SignallingSections, OutOfRangeDtmfValuesPrintAndTheDataStaysByteForByte) {
    DTMFDataRec& t = d.DTMFData();
    t.SendTime = 9;
    t.Separator = 3;
    t.GroupCode = 99;
    t.PauseTime = 3;
    t.ANI = -4;
    t.SideTone = 7;
    t.PreSendDelay = 0;
    t.MemCodes[2].CodeLen = 99;
    const RadioDataRec before = d.WorkData;
    Print({0, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(d.PrintOK);
    EXPECT_EQ(d.WorkData, before);
}

TEST_F(SignallingSections, TwoToneEntriesPackTwoToALineInAscendingOrder) {
    FreeAllEncodes();
    UseEncode(17, 15000, "SEVENTN");
    UseEncode(3, 10000, "THREE");
    Print({kPrintItem2Tone});
    ASSERT_EQ(port.doc.pages, 1);
    Frm2Tone shown(d);
    shown.Form_Load();
    const TextGrid& g = shown.MSHFlexGrid1;
    const auto body = Body(1);
    EXPECT_EQ(body[0], shown.State().caption);
    EXPECT_EQ(body[1], shown.C(twotone::Tabs).tabs[1].caption);
    EXPECT_EQ(body[5], shown.C(twotone::Tabs).tabs[0].caption);  // after two empty lines
    ASSERT_EQ(body.size(), 1u + 1u + 3u + 1u + 3u + 1u);
    auto cells = [&](int row) {
        std::string s = std::to_string(row - 1);
        for (int c = 1; c <= 3; ++c)
            if (!g.Text(row, c).empty()) s += " | " + g.Text(row, c);
        return s;
    };
    ASSERT_FALSE(g.Text(4, 1).empty());
    EXPECT_EQ(body[9], cells(4) + " | " + cells(18));
    EXPECT_EQ(FindText(port.doc, "17")->x, 8000 * 0.55f);
    EXPECT_EQ(FindText(port.doc, "THREE")->x, 8000 * 0.27f);
    // The title's empty lines, the own-call heading and the two empty lines.
    const auto* own = FindText(port.doc, shown.C(twotone::Tabs).tabs[1].caption);
    const auto* enc = FindText(port.doc, shown.C(twotone::Tabs).tabs[0].caption);
    EXPECT_FLOAT_EQ(enc->y - own->y, 6 * 120);
}

TEST_F(SignallingSections, TwoToneEncodeListCounts) {
    struct Case {
        const char* name;
        std::vector<int> used;
        std::size_t lines;
    };
    const Case cases[] = {{"None", {}, 0}, {"One", {0}, 1}, {"All", {}, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreeAllEncodes();
        if (std::string(c.name) == "All")
            for (int i = 0; i < 32; ++i) UseEncode(i, 3000 + 10 * i, "E");
        for (int i : c.used) UseEncode(i, 4000, "ONE");
        Print({kPrintItem2Tone});
        EXPECT_EQ(Body(1).size(), 9u + c.lines);
    }
}

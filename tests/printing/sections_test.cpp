// The settings, book, embedded-message, alarm and five-tone sections on the
// recording printer (8000 x 11000 units, 120 units a 10-point line).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/language.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "printfixture.h"
#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"

using namespace rp;
using rp::test::FindText;

namespace {

// Lines of a section page: the header's five lines come first.
constexpr std::size_t kHeaderLines = 5;

class Sections : public rp::test::PrintTest {
protected:
    // The lines of `page` below the header, the footer left off.
    std::vector<std::string> Body(int page) const {
        std::vector<std::string> v = Lines(page);
        EXPECT_GE(v.size(), kHeaderLines + 1);
        if (v.size() <= kHeaderLines + 1) return {};
        return {v.begin() + kHeaderLines, v.end() - 1};
    }
    std::string Opt(const char* key) { return GetLanguageOptionString(d, key); }
};

}  // namespace

TEST_F(Sections, OptionPagePrintsItsTwentyTwoRowsWithAllTwelvePowerOnCharacters) {
    d.OptionData().PowerOnText.Set("HELLO WORLD!");
    d.OptionData().DisplayMode = 1;
    FrmOption shown(d);
    shown.Form_Load();
    Print({kPrintItemOption});
    ASSERT_TRUE(d.PrintOK);
    EXPECT_EQ(port.doc.pages, 1);
    const auto body = Body(1);
    ASSERT_EQ(body.size(), 1u + 22u);
    EXPECT_EQ(body[0], shown.State().caption);
    EXPECT_EQ(body[1], shown.C(option::PowerOnLabel).text + " | HELLO WORLD!");
    ASSERT_EQ(shown.C(option::DisplayMode).index, 1);
    EXPECT_EQ(body[2], shown.C(option::DisplayModeLabel).text + " | " + shown.C(option::DisplayMode).SelectedItem() +
                           shown.C(option::DisplayOption).SelectedItem());
    EXPECT_EQ(body[3],
              shown.C(option::DisplayStyleALabel).text + " | " + shown.C(option::DisplayStyleA).SelectedItem());
    EXPECT_EQ(body[22], shown.C(option::TailElim).text + " | " + (shown.C(option::TailElim).value ? "ON" : "OFF"));
    // Values at 50 %, the switches at 55 %.
    const auto* label = FindText(port.doc, shown.C(option::DisplayStyleALabel).text);
    const auto* check = FindText(port.doc, shown.C(option::TailElim).text);
    ASSERT_TRUE(label && check);
    for (const auto& t : port.doc.texts) {
        if (t.y == label->y && t.x > label->x) {
            EXPECT_FLOAT_EQ(t.x, 4000);
        }
        if (t.y == check->y && t.x > check->x) {
            EXPECT_FLOAT_EQ(t.x, 4400);
        }
    }
}

TEST_F(Sections, OptionPowerOnTextShortAndDisplayModeOtherThanTheSecond) {
    d.OptionData().PowerOnText.Set("A B");
    d.OptionData().DisplayMode = 0;
    Print({kPrintItemOption});
    FrmOption shown(d);
    shown.Form_Load();
    const auto body = Body(1);
    EXPECT_EQ(body[1], shown.C(option::PowerOnLabel).text + " | A B         ");
    EXPECT_EQ(body[2], shown.C(option::DisplayModeLabel).text + " | " + shown.C(option::DisplayMode).SelectedItem());
}

TEST_F(Sections, BookPrintsFiftyRowsTheRightGroupEndingAt127) {
    d.WorkData.BookData[0].CallID.Set("12345");
    d.WorkData.BookData[0].Name.Set(std::string("AB\0XY", 5));  // cut at the NUL
    d.WorkData.BookData[127].CallID.Set("999");
    d.WorkData.BookData[127].Name.Set("OMEGA");
    d.WorkData.BookData[60].Name.Set("M\xE9T");                   // Latin-1
    Print({kPrintItemBook});
    ASSERT_EQ(port.doc.pages, 1);
    const auto body = Body(1);
    ASSERT_EQ(body.size(), 1u + 1u + 50u);
    EXPECT_EQ(body[0], "Communication Book");
    const std::string num = GetLanguageString(d, 3007);
    EXPECT_FALSE(num.empty());
    EXPECT_EQ(body[1], num + " | Call ID | Name | " + num + " | Call ID | Name | " + num + " | Call ID | Name");
    EXPECT_EQ(body[2], "0 | 12345 | AB | 50 | 100");
    EXPECT_EQ(body[12], "10 | 60 | MéT | 110");
    EXPECT_EQ(body[29], "27 | 77 | 127 | 999 | OMEGA");
    EXPECT_EQ(body[30], "28 | 78");
    EXPECT_EQ(body[51], "49 | 99");
    EXPECT_FLOAT_EQ(FindText(port.doc, "OMEGA")->x, 8000 * 0.84);
}

TEST_F(Sections, BookCaptionsCallIdAndNameStayEnglishInChinese) {
    SetLanguageIndex(d, 2);
    Print({kPrintItemBook});
    const auto body = Body(1);
    EXPECT_EQ(body[0], "通信簿");
    EXPECT_NE(body[1].find(" | Call ID | Name | "), std::string::npos);
}

TEST_F(Sections, EmbeddedMessageCaptionsInBothLanguages) {
    struct Case {
        int language;
        const char* title;
        const char* first;
        const char* tenth;
        const char* last;
    };
    const Case cases[] = {
        {1, "Embedded Message", "Area Code", "Maintained Description", "Seller"},
        {2, "嵌入信息", "销售区号", "维修原因 ", "经手人"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        SetLanguageIndex(d, c.language);
        d.EmgData.AreaCode = "86";
        Print({kPrintItemEmbedded});
        const auto body = Body(1);
        ASSERT_EQ(body.size(), 15u);
        EXPECT_EQ(body[0], c.title);
        EXPECT_EQ(body[1], std::string(c.first) + " | 86");
        EXPECT_EQ(body[4].substr(body[4].find(" | ")), " | KEVRA-8R");
        const auto* tenth = FindText(port.doc, c.tenth);
        ASSERT_NE(tenth, nullptr);
        EXPECT_FLOAT_EQ(tenth->x, 800);
        EXPECT_EQ(body[14].rfind(c.last, 0), 0u);
    }
}

TEST_F(Sections, AlarmPageLeavesOutTheEmergencyChannelGroup) {
    FrmAlert shown(d);
    shown.Form_Load();
    Print({kPrintItemAlarm});
    const auto body = Body(1);
    ASSERT_EQ(body.size(), 14u);
    EXPECT_EQ(body[0], shown.State().caption);
    // An empty value draws nothing: its caption stands alone.
    auto row = [&](const std::string& caption, const std::string& value) {
        return value.empty() ? caption : caption + " | " + value;
    };
    std::vector<std::string> expected;
    for (auto [label, list] : {std::pair{alert::AlarmTypeLabel, alert::AlarmType},
                               std::pair{alert::IdCodeTypeLabel, alert::IdCodeType},
                               std::pair{alert::IdCodeLabel, alert::IdCode},
                               std::pair{alert::AlarmTimeLabel, alert::AlarmTime},
                               std::pair{alert::TxTimeLabel, alert::TxTime},
                               std::pair{alert::RxTimeLabel, alert::RxTime},
                               std::pair{alert::ChannelSelectLabel, alert::ChannelSelect},
                               std::pair{alert::EmergencyChannelLabel, alert::EmergencyChannel},
                               std::pair{alert::CyclesLabel, alert::Cycles}})
        expected.push_back(row(shown.C(label).text, shown.C(list).SelectedItem()));
    expected.push_back(shown.C(alert::LoneWorkerFrame).text);
    expected.push_back(shown.C(alert::AutoDetect).text + " | OFF");
    expected.push_back(row(shown.C(alert::PreAlertTimeLabel).text, shown.C(alert::PreAlertTime).SelectedItem()));
    expected.push_back(row(shown.C(alert::LoneWorkerTimeLabel).text, shown.C(alert::LoneWorkerTime).SelectedItem()));
    EXPECT_EQ(std::vector<std::string>(body.begin() + 1, body.end()), expected);
    EXPECT_EQ(FindText(port.doc, shown.C(alert::EmergencyGroupLabel).text), nullptr);
    EXPECT_FLOAT_EQ(FindText(port.doc, shown.C(alert::LoneWorkerFrame).text)->x, 800);
}

namespace {

void SetCode(Tone5CodeRec& e, const std::string& code, int len, int standard, int toneTime, const char* name) {
    e.Code.Set(code);
    e.CodeLen = static_cast<Byte>(len);
    e.Standard = static_cast<Byte>(standard);
    e.ToneTime = static_cast<Byte>(toneTime);
    e.Name.Set(name);
}

}  // namespace

TEST_F(Sections, FiveToneEntriesChosenByCodeLengthWithTheirListTexts) {
    Tone5DataRec& t = d.Tone5Data();
    for (auto& e : t.Codes) SetCode(e, "", 0, 0, 70, "");
    SetCode(t.Codes[0], "  12345 ", 5, 0, 29, "FIRST");     // ZVEI1, time out of range
    SetCode(t.Codes[4], "67890", 41, 0, 70, "LONG");        // not printed
    SetCode(t.Codes[9], "111", 3, 15, 100, "USER");         // user tone set: empty standard
    t.Codes[9].Empty = 1;                                   // printed all the same
    SetCode(t.Codes[99], "99999", 5, 14, 30, "LAST");
    t.InfoCodes[0].Type = 1;                                // code 1 shows a type with two responses
    t.InfoCodes[1].Type = 3;                                // kill
    t.InfoCodes[1].Option = 2;
    t.InfoCodes[1].Code.Set("ABCDEFGHIJKL");
    t.InfoCodes[1].CodeLen = 20;                            // the whole field
    t.InfoCodes[2].Option = 3;                              // no response text
    Print({kPrintItem5Tone});
    ASSERT_TRUE(d.PrintOK);
    ASSERT_EQ(port.doc.pages, 1);
    const auto body = Body(1);
    Frm5Tone shown(d);
    shown.Form_Load();
    const TextGrid& g = shown.Grid();
    EXPECT_EQ(body[0], shown.State().caption);
    EXPECT_EQ(body[0], Opt("60052"));
    // Title, 5 settings rows, side tone, heading and 8 codes, heading and 2
    // PTT-ID rows, the code-list heading and 3 entries.
    ASSERT_EQ(body.size(), 1u + 5u + 1u + 9u + 3u + 1u + 3u);
    EXPECT_EQ(body[6], shown.C(fivetone::SideTone).text + " | OFF");
    const std::string kill = Opt("60069");
    EXPECT_EQ(body[9], "2 | " + kill + " | " + Opt("60059") + " | ABCDEFGHIJKL");
    EXPECT_EQ(body[10].rfind("3 | ", 0), 0u);
    EXPECT_EQ(body[10].find(Opt("60057")), std::string::npos);
    EXPECT_EQ(body[16], g.Text(0, 2) + " | " + g.Text(0, 3) + " | " + g.Text(0, 4));
    EXPECT_EQ(body[19], g.Text(0, 0) + " | " + g.Text(0, 2) + " | " + g.Text(0, 3) + " | " + g.Text(0, 4) +
                            " | " + g.Text(0, 5));
    EXPECT_EQ(body[20], "0 | 12345 | ZVEI1 | 70 | FIRST");
    EXPECT_EQ(body[21], "9 | 111 | 100 | USER");
    EXPECT_EQ(body[22], "99 | 99999 | " + shown.C(fivetone::StandardEditor).items[14] + " | 30 | LAST");
    // The code-list heading stands two empty lines below the PTT-ID rows.
    double headingY = 0, pttY = 0;
    for (const auto& text : port.doc.texts) {
        if (text.text == g.Text(0, 5)) headingY = text.y;  // the last one: the code-list heading
        if (text.text == shown.C(fivetone::PttFrames[1]).text) pttY = text.y;
    }
    EXPECT_FLOAT_EQ(headingY - pttY, 3 * 120);
}

TEST_F(Sections, FiveToneListRunsOnOverPagesUnderItsItemName) {
    Tone5DataRec& t = d.Tone5Data();
    for (int i = 0; i < 100; ++i) SetCode(t.Codes[static_cast<std::size_t>(i)], "12345", 5, 1, 70, "N");
    Print({kPrintItem5Tone, kPrintItemAlarm});
    ASSERT_TRUE(d.PrintOK);
    ASSERT_EQ(port.doc.pages, 3);  // two five-tone pages, then the alarm page
    Frm5Tone shown(d);
    shown.Form_Load();
    const std::string heading = shown.Grid().Text(0, 0) + " | " + shown.Grid().Text(0, 2) + " | " +
                                shown.Grid().Text(0, 3) + " | " + shown.Grid().Text(0, 4) + " | " +
                                shown.Grid().Text(0, 5);
    const auto first = Body(1);
    const auto second = Body(2);
    EXPECT_EQ(second[0], "5Tone");
    EXPECT_EQ(second[1], heading);
    const std::size_t onFirst = first.size() - 20;  // rows below the code-list heading
    EXPECT_EQ(onFirst + second.size() - 2, 100u);
    EXPECT_EQ(second[2],
              std::to_string(onFirst) + " | 12345 | " + shown.C(fivetone::StandardEditor).items[1] + " | 70 | N");
    EXPECT_EQ(second.back().rfind("99 | ", 0), 0u);
    // Four empty lines between the title and the repeated heading.
    double titleY = 0, headingY = 0;
    for (const auto& t2 : port.doc.texts) {
        if (t2.page != 2) continue;
        if (t2.text == "5Tone") titleY = t2.y;
        if (t2.text == shown.Grid().Text(0, 5)) headingY = t2.y;
    }
    EXPECT_FLOAT_EQ(headingY - titleY, 5 * 120);
    EXPECT_EQ(Lines(2).back(), "- 2 -");
    EXPECT_EQ(Lines(3).back(), "- 3 -");
}

TEST_F(Sections, FiveToneWithoutEntriesEndsAfterTheHeading) {
    for (auto& e : d.Tone5Data().Codes) e.CodeLen = 0;
    Print({kPrintItem5Tone});
    EXPECT_EQ(port.doc.pages, 1);
    EXPECT_EQ(Body(1).size(), 1u + 5u + 1u + 9u + 3u + 1u);
}

TEST_F(Sections, EveryAvailableSectionLeavesTheDataAsItWas) {
    d.Tone5Data().Codes[3].CodeLen = 200;
    d.Tone5Data().InfoCodes[0].Type = 9;
    d.AlarmData().AlarmType = 40;
    const RadioDataRec before = d.WorkData;
    const auto freBefore = d.FreData;
    Print({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(d.PrintOK);
    EXPECT_EQ(d.WorkData, before);
    EXPECT_EQ(d.FreData, freBefore);
}

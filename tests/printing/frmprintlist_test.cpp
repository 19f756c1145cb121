// The print-item dialog without a window: captions, ticks, the warning,
// and what a cancelled, failed or good job leaves.
#include <gtest/gtest.h>

#include <memory>

#include "core/language.h"
#include "printfixture.h"
#include "printing/frmprintlist.h"

using namespace rp;

namespace {

using printlist::Items;

class PrintList : public rp::test::PrintTest {
protected:
    rp::test::RecordingPort* fake = nullptr;
    std::unique_ptr<FrmPrintList> form;

    void Load() {
        auto p = std::make_unique<rp::test::RecordingPort>();
        fake = p.get();
        form = std::make_unique<FrmPrintList>(d, std::move(p));
        form->Form_Load();
    }
    std::vector<int> Ticks() const {
        std::vector<int> v;
        for (int i = 0; i < kPrintItemCount; ++i) v.push_back(form->C(Items[i]).value);
        return v;
    }
};

struct CaptionCase {
    const char* name;
    int language;
    std::vector<const char*> items;  // Items[0..8]
    const char* selectAll;
    const char* ok;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

const CaptionCase kCaptions[] = {
    {"English", 1,
     {"Channel Infomation", "VHF Channel Infomation", "Radio Channel Infomation", "Option", "DTMF", "2Tone",
      "5Tone", "Communication Book", "Embedded Message"},
     "Select &All", "&OK"},
    {"Chinese", 2,
     {"信道信息", "VHF信道信息", "Radio信道信息", "功能设定", "DTMF", "2Tone", "5Tone", "通信簿", "嵌入信息"},
     "选择所有(&A)", "确定(&O)"},
};

class PrintListCaptions : public PrintList, public ::testing::WithParamInterface<CaptionCase> {};

}  // namespace

TEST_P(PrintListCaptions, FollowTheLanguageWithAFixedTitle) {
    const CaptionCase& c = GetParam();
    SetLanguageIndex(d, c.language);
    Load();
    EXPECT_EQ(form->State().caption, "打印列表");
    for (int i = 0; i <= 8; ++i) EXPECT_EQ(form->C(Items[i]).text, c.items[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(form->C(Items[9]).text, GetLanguageString(d, 2600));
    EXPECT_FALSE(form->C(Items[9]).text.empty());
    EXPECT_EQ(form->C(printlist::SelectAll).text, c.selectAll);
    EXPECT_EQ(form->C(printlist::Print).text, c.ok);
    EXPECT_FALSE(form->C(Items[1]).visible);
    EXPECT_FALSE(form->C(Items[2]).visible);
    EXPECT_EQ(Ticks(), std::vector<int>(10, 0));
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintListCaptions, ::testing::ValuesIn(kCaptions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintList, SelectAllTicksTheShownItemsOnlyAndClearAllClearsEveryOne) {
    Load();
    form->Click(printlist::SelectAll);
    EXPECT_EQ(Ticks(), (std::vector<int>{1, 0, 0, 1, 1, 1, 1, 1, 1, 1}));
    form->Click(printlist::ClearAll);
    EXPECT_EQ(Ticks(), std::vector<int>(10, 0));
}

TEST_F(PrintList, OkWithNothingTickedWarnsAndStartsNoJob) {
    Load();
    form->Click(printlist::SelectAll);
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9}) form->C(Items[i]).value = 0;
    form->Click(printlist::Print);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "Please select printing items.");
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(fake->printDialogs, 0);
    EXPECT_FALSE(form->unloadRequested);
}

TEST_F(PrintList, CancelledPrinterDialogKeepsTheTicksSilently) {
    Load();
    form->C(Items[7]).value = 1;
    fake->cancel = true;
    form->Click(printlist::Print);
    EXPECT_FALSE(d.PrintOK);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_FALSE(form->unloadRequested);
    EXPECT_EQ(form->C(Items[7]).value, 1);
    EXPECT_EQ(d.PrintItemFlags[7], 1);
    fake->cancel = false;
    form->Click(printlist::Print);  // OK again asks again and prints
    EXPECT_EQ(fake->printDialogs, 2);
    EXPECT_TRUE(d.PrintOK);
    EXPECT_TRUE(form->unloadRequested);
    EXPECT_EQ(fake->doc.pages, 1);
}

TEST_F(PrintList, AFailingJobShowsTheFailureAndStaysOpen) {
    struct Case {
        const char* name;
        int language;
        bool cannotStart;
        int failAtDraw;
        const char* message;
    };
    const Case cases[] = {
        {"CannotStart", 1, true, -1, "Printing failed."},
        {"MidPage", 1, false, 40, "Printing failed."},
        {"Chinese", 2, false, 0, "打印失败。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLanguageIndex(d, c.language);
        notes.shown.clear();
        Load();
        form->C(Items[3]).value = form->C(Items[6]).value = 1;
        fake->cannotStart = c.cannotStart;
        fake->failAtDraw = c.failAtDraw;
        const SetDataRec before = d.WorkData.SetData;
        form->Click(printlist::Print);
        EXPECT_FALSE(d.PrintOK);
        ASSERT_EQ(notes.shown.size(), 1u);
        EXPECT_EQ(notes.shown[0].text, c.message);
        EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
        EXPECT_FALSE(form->unloadRequested);
        EXPECT_EQ(form->C(Items[6]).value, 1);
        EXPECT_FALSE(fake->doc.ended);
        EXPECT_EQ(fake->doc.aborted, !c.cannotStart);
        EXPECT_EQ(d.WorkData.SetData, before);
    }
}

TEST_F(PrintList, SetShowsThePrinterDialogAndCancelClosesTheDialog) {
    Load();
    form->Click(printlist::Setup);
    EXPECT_EQ(fake->setupDialogs, 1);
    EXPECT_FALSE(form->unloadRequested);
    form->Click(printlist::Cancel);
    EXPECT_TRUE(form->unloadRequested);
    EXPECT_EQ(fake->printDialogs, 0);
}

// The print texts as the start-up fills them, and the button captions.
#include <gtest/gtest.h>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "printing/frmprintlistcontrols.h"
#include "printing/printstrings.h"

using namespace rp;

TEST(PrintStrings, TablesHoldTheirTextsInBothLanguages) {
    AppData d;
    InitPrintStrings(d);
    const PrintTexts& t = d.Prt;
    const std::pair<const LangTexts*, std::array<const char*, 2>> cases[] = {
        {&t.PrtSelectAllText, {"Select &All", "选择所有(&A)"}},
        {&t.PrtClearAllText, {"&Clear All", "清除所有(&C)"}},
        {&t.PrtSetText, {"&Set", "设置(&S)"}},
        {&t.PrtOKText, {"&OK", "确定(&O)"}},
        {&t.PrtCancelText, {"&Cancel", "取消(&C)"}},
        {&t.PrtSelectPrompt, {"Please select printing items.", "请选择打印项目。"}},
        {&t.PrtTitle, {"KEVRA_8R Radio Programming Information", "KEVRA_8R 对讲机编程信息"}},
        {&t.PrtModelTypeText, {"Model Type", "机型类型"}},
        {&t.PrtFrequencyText, {"Frequency", "频率"}},
        {&t.PrtFileNameText, {"File Name", "文件名"}},
        {&t.PrtFailedText, {"Printing failed.", "打印失败。"}},
        {&t.PrtItemNames[0], {"Channel Infomation", "信道信息"}},
        {&t.PrtItemNames[1], {"VHF Channel Infomation", "VHF信道信息"}},
        {&t.PrtItemNames[2], {"Radio Channel Infomation", "Radio信道信息"}},
        {&t.PrtItemNames[3], {"Option", "功能设定"}},
        {&t.PrtItemNames[4], {"DTMF", "DTMF"}},
        {&t.PrtItemNames[5], {"2Tone", "2Tone"}},
        {&t.PrtItemNames[6], {"5Tone", "5Tone"}},
        {&t.PrtItemNames[7], {"Communication Book", "通信簿"}},
        {&t.PrtItemNames[8], {"Embedded Message", "嵌入信息"}},
        {&t.OnOffText[0], {"", ""}},
        {&t.OnOffText[1], {"OFF", "关"}},
        {&t.OnOffText[2], {"ON", "开"}},
    };
    for (const auto& [table, texts] : cases) {
        EXPECT_EQ((*table)[0], "");
        EXPECT_EQ((*table)[1], texts[0]);
        EXPECT_EQ((*table)[2], texts[1]);
    }
}

TEST(PrintStrings, ButtonCaptionsFollowTheLanguage) {
    AppData d;
    InitPrintStrings(d);
    FormState f;
    f.Add(printlist::Print, ControlKind::Button);
    f.Add(printlist::Cancel, ControlKind::Button);
    d.LanguageIndex = 2;
    SetPrintButtonCaptions(d, f);
    EXPECT_EQ(f[printlist::Print].text, "确定(&O)");
    EXPECT_EQ(f[printlist::Cancel].text, "取消(&C)");
    FormState none;
    SetPrintButtonCaptions(d, none);  // a form without the buttons is left alone
    EXPECT_TRUE(none.Names().empty());
}

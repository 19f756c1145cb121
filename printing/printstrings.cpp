#include "printing/printstrings.h"

#include "printing/frmprintlistcontrols.h"

namespace rp {

void InitPrintStrings(AppData& d) {
    PrintTexts& t = d.Prt;
    t.PrtSelectAllText = {"", "Select &All", "选择所有(&A)"};
    t.PrtClearAllText = {"", "&Clear All", "清除所有(&C)"};
    t.PrtSetText = {"", "&Set", "设置(&S)"};
    t.PrtOKText = {"", "&OK", "确定(&O)"};
    t.PrtCancelText = {"", "&Cancel", "取消(&C)"};
    t.PrtSelectPrompt = {"", "Please select printing items.", "请选择打印项目。"};
    t.PrtTitle = {"", "KEVRA_8R Radio Programming Information", "KEVRA_8R 对讲机编程信息"};
    t.PrtModelTypeText = {"", "Model Type", "机型类型"};
    t.PrtFrequencyText = {"", "Frequency", "频率"};
    t.PrtFileNameText = {"", "File Name", "文件名"};
    t.PrtFailedText = {"", "Printing failed.", "打印失败。"};
    t.PrtItemNames = {{
        {"", "Channel Infomation", "信道信息"},
        {"", "VHF Channel Infomation", "VHF信道信息"},
        {"", "Radio Channel Infomation", "Radio信道信息"},
        {"", "Option", "功能设定"},
        {"", "DTMF", "DTMF"},
        {"", "2Tone", "2Tone"},
        {"", "5Tone", "5Tone"},
        {"", "Communication Book", "通信簿"},
        {"", "Embedded Message", "嵌入信息"},
    }};
    t.OnOffText = {{
        {"", "", ""},        // -1
        {"", "OFF", "关"},   // 0
        {"", "ON", "开"},    // 1
    }};
}

void SetPrintButtonCaptions(AppData& d, FormState& form) {
    if (form.Has(printlist::Print)) form[printlist::Print].text = LangText(d, d.Prt.PrtOKText);
    if (form.Has(printlist::Cancel)) form[printlist::Cancel].text = LangText(d, d.Prt.PrtCancelText);
}

}  // namespace rp

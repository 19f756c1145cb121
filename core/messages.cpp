#include "core/messages.h"

#include <cstring>

namespace rp {

namespace {
void Put(LangTexts& t, const char* en, const char* zh) {
    t[0].clear();
    t[1] = en;
    t[2] = zh;
}
}  // namespace

void InitMessageTexts(AppData& d) {
    MessageTexts& m = d.Msg;
    Put(m.MsgReadPrompt, "Read data from radio.\r\nDo you wish continue?",
        "从对讲机读取数据。\r\n是否继续？");
    Put(m.MsgWritePrompt, "Write data to radio.\r\nDo you wish continue?",
        "向对讲机写入数据。\r\n是否继续？");
    Put(m.MsgModelWrong, "Model type is wrong. Overwrite?", "机型类型错误。");
    Put(m.MsgRadioKilled, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！");
    Put(m.MsgRadioStunned, "Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！");
    Put(m.MsgVersionWrong, "Version is wrong. Overwrite?", "版本错误。");
    Put(m.MsgFrequencyWrong, "Frequencys is wrong!", "频段类型错误！");
    Put(m.MsgAllDataCleared, "All data will be cleared.", "所有数据将被清空。");
    Put(m.MsgFileError, "file error.", "文件错误。");
    Put(m.MsgFileOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？");
    Put(m.MsgFileModified, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？");
    Put(m.DataFileText, "Data File", "数据文件");
    Put(m.MsgFrequencyCleared, "Frequency data will be cleared.", "频率数据将被清除。");
    Put(m.WarningTitleText, "Warning", "警告");
    Put(m.MsgFileContents, "its contents cannot be used", "文件内容无法使用");
    Put(m.MsgNotRegularFile, "not a regular file", "不是普通文件");
    Put(m.ProgressLabelText, "Completion percentage:", "完成进度:");
    Put(m.ProgressCheckText, "Checking the data written:", "正在校验写入的数据:");
    for (auto& row : m.ProgressTitleText) row = LangTexts{};
    Put(m.ProgressTitleText[1], "Read data from radio", "从对讲机读取数据");
    Put(m.ProgressTitleText[2], "Write data to radio", "向对讲机写入数据");
}

void ShowFileError(AppData& d, const FileFailure& why) {
    std::string text = LangText(d, d.Msg.MsgFileError) + "\n";
    const std::string name = FileNamePart(why.path);
    if (!name.empty()) text += name + ": ";
    if (why.error == 0) text += LangText(d, d.Msg.MsgFileContents);
    else if (why.error == kNotRegularFile) text += LangText(d, d.Msg.MsgNotRegularFile);
    else text += std::strerror(why.error);
    d.Ui.Notify->Show(text, MsgIcon::None, MsgButtons::Ok, "");
}

}  // namespace rp

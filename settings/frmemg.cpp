#include "settings/frmemg.h"

#include "core/bands.h"
#include "core/fixedtext.h"
#include "forms/formlanguage.h"
#include "settings/formutil.h"

namespace rp {

namespace {

struct BuiltInText {
    const char* control;
    const char* english;
    const char* chinese;
};

// The view's own texts; the language files are not read.
constexpr BuiltInText kTexts[] = {
    {"Label2", "Area Code", "销售区号"},
    {"Label1_0", "Manufacture Code", "生产批号"},
    {"Label1_1", "Radio Type", "机型"},
    {"Label1_2", "Frequency", "频段"},
    {"Label1_3", "Serial Number", "序列号"},
    {"Label1_4", "Producted Date", "出厂日期"},
    {"Label1_5", "Maintained Date", "维修日期"},
    {"Label1_6", "Maintained", "维修原因"},
    {"Label1_7", "Description", ""},
    {"Label1_8", "Version", "固件版本"},
    {"Label1_9", "User Code", "客户代码"},
    {"Label1_10", "Dealer Code", "经销商代码"},
    {"Label1_11", "Stock Date", "入库时间"},
    {"Label1_12", "Sell Date", "销售时间"},
    {"Label1_13", "Seller", "经手人"},
    {"Frame1", "Dealer Information", "经销商信息"},
};
constexpr BuiltInText kCaption = {"", "Embedded Message", "嵌入信息"};

std::string Shown(std::string_view raw) { return Latin1ToUtf8(TrimNullStr(raw)); }

}  // namespace

FrmEMG::FrmEMG(AppData& d) : Form("FrmEMG"), d_(d) {
    FormState& s = State();
    // Rows top to bottom, each label before its box.
    const std::pair<const char*, const char*> rows[] = {
        {"Label2", "Text1_0"},    {"Label1_0", "Text1_6"}, {"Label1_9", "Text1_7"},
        {"Label1_1", "Combo1_0"}, {"Label1_2", "Combo1_1"}, {"Label1_3", "Text1_1"},
        {"Label1_4", "Text1_2"},  {"Label1_5", "Text1_3"}, {"Label1_8", "Text1_5"},
        {"Label1_6", "Text1_4"},  {"Label1_7", ""},
    };
    for (auto [label, box] : rows) {
        s.Add(label, ControlKind::Label);
        if (*box) s.Add(box, std::string_view(box).starts_with("Combo") ? ControlKind::ComboBox : ControlKind::TextBox);
    }
    s.Add("Frame1", ControlKind::Frame);
    for (int i = 0; i < 4; ++i) {
        s.Add(Indexed("Label1", 10 + i), ControlKind::Label);
        s.Add(Indexed("Text1", 8 + i), ControlKind::TextBox);
    }
    // A view: the boxes show, nobody edits them.
    for (int i = 0; i <= 11; ++i) s[Indexed("Text1", i)].locked = true;
    s.Add("CommandClose", ControlKind::Button);
    s.Add("CommandHelp", ControlKind::Button);
}

int FrmEMG::BandItemOfCode(int bandCode) {
    const int item = 8 * (bandCode / 16) + bandCode % 16;
    return item >= 0 && item <= 7 ? item : -1;
}

void FrmEMG::Form_Load() {
    ControlState& band = C("Combo1_1");
    band.items.clear();
    for (int i = 0; i <= 7; ++i) band.items.push_back(GetFreqRangeText(i));
    SetListIndex(band, -1);
    ShowEmgByLanguage();
    ShowByData();
}

void FrmEMG::ShowEmgByLanguage() {
    const bool english = d_.LanguageIndex == 1;
    for (const BuiltInText& t : kTexts) C(t.control).text = english ? t.english : t.chinese;
    State().caption = english ? kCaption.english : kCaption.chinese;
    SetCloseHelpCaption(d_, State());
}

void FrmEMG::ShowByData() {
    const EmgDataRec& e = d_.EmgData;
    ControlState& model = C("Combo1_0");
    model.items = {Latin1ToUtf8(d_.CurModelShowName)};
    SetListIndex(model, 0);
    // A band code the list does not hold leaves the box empty.
    SetListIndex(C("Combo1_1"), BandItemOfCode(e.BandCode));
    C("Text1_0").text = Shown(e.AreaCode);
    C("Text1_1").text = Shown(e.SerialNo.Raw());
    C("Text1_2").text = Shown(e.ProductDate.Raw());
    C("Text1_3").text = Shown(e.MaintainDate.Raw());
    C("Text1_4").text = Shown(e.MaintainReason.Raw());
    C("Text1_5").text = Latin1ToUtf8(e.Version);  // as it stands
    C("Text1_6").text = Shown(e.ManufactureCode.Raw());
    C("Text1_7").text = Shown(e.UserCode.Raw());
    C("Text1_8").text = Shown(e.DealerCode.Raw());
    C("Text1_9").text = Shown(e.StockDate.Raw());
    C("Text1_10").text = Shown(e.SellDate.Raw());
    C("Text1_11").text = Shown(e.Seller.Raw());
}

void FrmEMG::CommandClose_Click() { Unload(); }

void FrmEMG::CommandHelp_Click() {}

void FrmEMG::Click(const std::string& control) {
    if (control == "CommandClose") CommandClose_Click();
    else if (control == "CommandHelp") CommandHelp_Click();
}

}  // namespace rp

#include "settings/frmemg.h"

#include "core/bands.h"
#include "core/fixedtext.h"
#include "forms/formlanguage.h"
#include "settings/frmemgcontrols.h"

namespace rp {

namespace {

struct BuiltInText {
    const char* control;
    const char* english;
    const char* chinese;
};

// The view's own texts; the language files are not read.
constexpr BuiltInText kTexts[] = {
    {emg::AreaCodeLabel, "Area Code", "销售区号"},
    {emg::ManufactureCodeLabel, "Manufacture Code", "生产批号"},
    {emg::ModelLabel, "Radio Type", "机型"},
    {emg::BandLabel, "Frequency", "频段"},
    {emg::SerialNumberLabel, "Serial Number", "序列号"},
    {emg::ProductDateLabel, "Producted Date", "出厂日期"},
    {emg::MaintainDateLabel, "Maintained Date", "维修日期"},
    {emg::MaintainReasonLabel, "Maintained", "维修原因"},
    {emg::MaintainReasonLabel2, "Description", ""},
    {emg::VersionLabel, "Version", "固件版本"},
    {emg::UserCodeLabel, "User Code", "客户代码"},
    {emg::DealerCodeLabel, "Dealer Code", "经销商代码"},
    {emg::StockDateLabel, "Stock Date", "入库时间"},
    {emg::SellDateLabel, "Sell Date", "销售时间"},
    {emg::SellerLabel, "Seller", "经手人"},
    {emg::DealerFrame, "Dealer Information", "经销商信息"},
};
constexpr BuiltInText kCaption = {"", "Embedded Message", "嵌入信息"};

std::string Shown(std::string_view raw) { return Latin1ToUtf8(TrimNullStr(raw)); }

}  // namespace

FrmEMG::FrmEMG(AppData& d) : Form(kName), d_(d) {
    AddControls(State(), emg::kControls);
    // A view: the boxes show, nobody edits them.
    for (const std::string& name : State().Names())
        if (C(name).kind == ControlKind::TextBox) C(name).locked = true;
}

int FrmEMG::BandItemOfCode(int bandCode) {
    const int item = 8 * (bandCode / 16) + bandCode % 16;
    return item >= 0 && item <= 7 ? item : -1;
}

void FrmEMG::Form_Load() {
    ControlState& band = C(emg::Band);
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
    ControlState& model = C(emg::Model);
    model.items = {Latin1ToUtf8(d_.CurModelShowName)};
    SetListIndex(model, 0);
    // A band code the list does not hold leaves the box empty.
    SetListIndex(C(emg::Band), BandItemOfCode(e.BandCode));
    C(emg::AreaCode).text = Shown(e.AreaCode);
    C(emg::SerialNumber).text = Shown(e.SerialNo.Raw());
    C(emg::ProductDate).text = Shown(e.ProductDate.Raw());
    C(emg::MaintainDate).text = Shown(e.MaintainDate.Raw());
    C(emg::MaintainReason).text = Shown(e.MaintainReason.Raw());
    C(emg::Version).text = Latin1ToUtf8(e.Version);  // as it stands
    C(emg::ManufactureCode).text = Shown(e.ManufactureCode.Raw());
    C(emg::UserCode).text = Shown(e.UserCode.Raw());
    C(emg::DealerCode).text = Shown(e.DealerCode.Raw());
    C(emg::StockDate).text = Shown(e.StockDate.Raw());
    C(emg::SellDate).text = Shown(e.SellDate.Raw());
    C(emg::Seller).text = Shown(e.Seller.Raw());
}

void FrmEMG::CommandClose_Click() { Unload(); }

void FrmEMG::CommandHelp_Click() {}

void FrmEMG::Click(const std::string& control) {
    if (control == kCloseButton) CommandClose_Click();
    else if (control == kHelpButton) CommandHelp_Click();
}

}  // namespace rp

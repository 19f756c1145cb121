#pragma once
// frmAbout: the program's title, version and two language texts. Its
// system-information button stays hidden: there is no such tool here.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "mainwindow/frmaboutcontrols.h"

namespace rp {

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};
// The version of this build.
ProgramVersion BuildVersion();

namespace aboutkey {
inline constexpr int Caption = 5052;
inline constexpr int Disclaimer = 2100;
inline constexpr int Description = 2101;
inline constexpr int Version = 2200;
inline constexpr int SysInfo = 1036;
}  // namespace aboutkey

class FrmAbout : public Form {
public:
    static constexpr char kName[] = "frmAbout";
    explicit FrmAbout(AppData& d, ProgramVersion version = BuildVersion());

    void Form_Load() override;
    void cmdOK_Click();

    void Click(const std::string& control) override;

private:
    AppData& d_;
    ProgramVersion version_;
};

}  // namespace rp

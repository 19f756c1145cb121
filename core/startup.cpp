#include "core/startup.h"

#include "core/bands.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/models.h"
#include "core/paths.h"
#include "core/settings.h"
#include "core/testdata.h"

namespace rp {

void ClearGridCursor(AppData& d) {
    d.EditRow = 0;
    d.EditColumn = 0;
}

void Main(AppData& d, const StartupHooks& hooks) {
    // Switches.
    d.SkipInitFile = false;
    d.HelpEnabled = false;
    d.PrintEnabled = false;
    d.ForceFactoryFres = false;
    d.NoEcho = true;

    // Language (texts use "." as decimal separator whatever the locale).
    if (hooks.LanguageIndex) {
        SetLanguageIndex(d, *hooks.LanguageIndex);
        ReportMissingLanguageFile(d);
    } else {
        InitLanguage(d);
    }

    d.ShowListType = 0;
    d.EditChannelNo = 0;
    d.InputPassWord = "";

    d.FMLowFre = 76.0;
    d.FMHighFre = 108.0;
    d.AMLowFre = 118.0;
    d.AMHighFre = 136.0;

    d.RadioModel = "KEVRA8R";
    d.CurModel = "KEVRA8R";
    d.CurModelShowName = GetShowModelName(d.CurModel);
    d.CurBandText = GetFreqRangeText(0);
    d.CurBandIndex = 0;
    d.RadioVersion = "V101";
    ParseBandRanges(d);

    d.EchoLen = 0;
    d.ReadBlockSize = 16;
    d.WriteBlockSize = 16;

    // Settings (defaults and repair of the file are the settings layer's).
    Settings s = LoadSettings(d);
    d.FirstRunFlag = s.IsFirstRun && !d.SkipInitFile;
    d.ComPortNumber = static_cast<Integer>(s.comPort);
    d.ComHandshaking = static_cast<Integer>(s.Handshaking);
    d.ComStopBit = static_cast<Integer>(s.StopBit);
    d.FactoryFresFlag = static_cast<Integer>(s.FactoryFres);
    d.ComDevice = s.comDevice;
    if (hooks.CheckComPort) hooks.CheckComPort(d, s);
    if (d.FirstRunFlag) WriteSetting(d, "IsFirstRun", "0");
    WriteSetting(d, "comPort", d.ComPortNumber);

    ClearGridCursor(d);
    InitAllData(d);
    InitEmgData(d, hooks.Today ? *hooks.Today : TodayLocalDate());
    InitMessageTexts(d);
    InitCloseHelpCaptions(d);
    if (hooks.InitPrintStrings) hooks.InitPrintStrings(d);
    if (hooks.ShowSplash) hooks.ShowSplash(d);
    // After the default data: the start-up data set never takes the default
    // file's test-data block.
    LoadFactoryTestModeFlag(d, ProgramFolder(d));
    if (hooks.LoadBatchFunFile) hooks.LoadBatchFunFile(d);
}

}  // namespace rp

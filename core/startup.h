#pragma once
// The program's start-up core: prepares every global before the first
// window shows. The parts that belong to later layers (serial-port check,
// print texts, splash window, batch editor) come in through hooks.
#include <functional>
#include <optional>

#include "core/appdata.h"
#include "core/defaults.h"
#include "core/settings.h"

namespace rp {

struct StartupHooks {
    // The serial-port check, given the settings just loaded: ComDevice and
    // ComPortNumber already hold the saved choice; the hook keeps it when
    // the device is present, else chooses the first listed port, and writes
    // comDevice and comPort back when they changed. The program passes
    // CheckComPortAtStartup (link/ports.h) with the system's port list.
    std::function<void(AppData&, const Settings&)> CheckComPort;
    std::function<void(AppData&)> InitPrintStrings;
    // Shows the splash window without waiting.
    std::function<void(AppData&)> ShowSplash;
    std::function<void(AppData&)> LoadBatchFunFile;
    // Tests: the language (1 English, 2 Chinese) instead of the system
    // locale's, and the date for the embedded-information placeholders.
    std::optional<int> LanguageIndex;
    std::optional<CalendarDate> Today;
};

// The channel grid's edit position back to the origin.
void ClearGridCursor(AppData& d);

// The start-up sequence: switches, language, list and link state, model and
// band, settings (the saved device into ComDevice, IsFirstRun rewritten "0"
// when true, comPort written on every start), the default data set, the
// built-in texts, and last the factory test-mode check.
void Main(AppData& d, const StartupHooks& hooks = {});

}  // namespace rp

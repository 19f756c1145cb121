#pragma once
// The optional-functions dialog's controls (FrmOption), in tab order: the
// power-on text (one character a box) with its password group, the 38
// lists each with the label that captions it, the SW and LW frequency
// boxes, the switches, the bank links, OK and Cancel. Hidden by the design
// and never shown, yet filled, shown and stored: the display-option, busy
// lock, sub-volume, AM and band-select lists, the band switches, the
// frequency boxes and the password group.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::option {

inline constexpr char PowerOnLabel[] = "Label2";
inline constexpr ControlArray PowerOnBoxes{"Text1"};      // 12 boxes, one character each
inline constexpr char PasswordOn[] = "Check2";            // shown by no model, stored nowhere
inline constexpr char PasswordLabel[] = "Label3";
inline constexpr char Password[] = "Text2";

// The lists: words of the option record, shown by position unless noted.
inline constexpr char DisplayModeLabel[] = "Label1_0";
inline constexpr char DisplayMode[] = "Combo1_0";
inline constexpr char DisplayOptionLabel[] = "Label1_18";
inline constexpr char DisplayOption[] = "Combo1_18";      // beside the display mode
inline constexpr char DisplayStyleALabel[] = "Label1_1";
inline constexpr char DisplayStyleA[] = "Combo1_1";
inline constexpr char DisplayStyleBLabel[] = "Label1_2";
inline constexpr char DisplayStyleB[] = "Combo1_2";
inline constexpr char RadioDisplayLabel[] = "Label1_3";
inline constexpr char RadioDisplay[] = "Combo1_3";
inline constexpr char WorkModeALabel[] = "Label1_30";
inline constexpr char WorkModeA[] = "Combo1_30";          // channel or bank
inline constexpr char MemGroupALabel[] = "Label1_7";
inline constexpr char MemGroupA[] = "Combo1_7";           // banks 1..9, then 0
inline constexpr char MemChannelALabel[] = "Label1_4";
inline constexpr char MemChannelA[] = "Combo1_4";         // channel texts, the word + 1
inline constexpr char WorkModeBLabel[] = "Label1_31";
inline constexpr char WorkModeB[] = "Combo1_31";
inline constexpr char MemGroupBLabel[] = "Label1_8";
inline constexpr char MemGroupB[] = "Combo1_8";
inline constexpr char MemChannelBLabel[] = "Label1_5";
inline constexpr char MemChannelB[] = "Combo1_5";
inline constexpr char RadioMemChannelLabel[] = "Label1_6";
inline constexpr char RadioMemChannel[] = "Combo1_6";     // the used FM stations, by number
inline constexpr char MainBandLabel[] = "Label1_15";
inline constexpr char MainBand[] = "Combo1_15";
inline constexpr char ScanTimeLabel[] = "Label1_9";
inline constexpr char ScanTime[] = "Combo1_9";
inline constexpr char KeyTimeLabel[] = "Label1_10";
inline constexpr char KeyTime[] = "Combo1_10";
inline constexpr char BacklightLabel[] = "Label1_11";
inline constexpr char Backlight[] = "Combo1_11";
inline constexpr char ColourLabel[] = "Label1_12";
inline constexpr char Colour[] = "Combo1_12";
inline constexpr char SubDisplayLabel[] = "Label1_13";
inline constexpr char SubDisplay[] = "Combo1_13";
inline constexpr char SqlKeyLabel[] = "Label1_14";
inline constexpr char SqlKey[] = "Combo1_14";
inline constexpr char TotLabel[] = "Label1_16";
inline constexpr char Tot[] = "Combo1_16";
inline constexpr char AutoPowerOffLabel[] = "Label1_17";
inline constexpr char AutoPowerOff[] = "Combo1_17";
inline constexpr char BusyLockLabel[] = "Label1_19";
inline constexpr char BusyLock[] = "Combo1_19";
inline constexpr char PowerSaveLabel[] = "Label1_20";
inline constexpr char PowerSave[] = "Combo1_20";
inline constexpr char ToneBurstLabel[] = "Label1_21";
inline constexpr char ToneBurst[] = "Combo1_21";
inline constexpr char VoxLevelLabel[] = "Label1_22";
inline constexpr char VoxLevel[] = "Combo1_22";
inline constexpr char VoxDelayLabel[] = "Label1_23";
inline constexpr char VoxDelay[] = "Combo1_23";
inline constexpr char TailModeLabel[] = "Label1_24";
inline constexpr char TailMode[] = "Combo1_24";
// Fields of WorkData beside the record, stored on OK.
inline constexpr char SubVolumeLabel[] = "Label1_25";
inline constexpr char SubVolume[] = "Combo1_25";
inline constexpr char AmDisplayLabel[] = "Label1_26";
inline constexpr char AmDisplay[] = "Combo1_26";
inline constexpr char AmMemChannelLabel[] = "Label1_27";
inline constexpr char AmMemChannel[] = "Combo1_27";       // the AM stations in use, by number
inline constexpr char RadioBandLabel[] = "Label1_28";
inline constexpr char RadioBand[] = "Combo1_28";
inline constexpr char Pf1KeyLabel[] = "Label1_29";
inline constexpr char Pf1Key[] = "Combo1_29";
inline constexpr char Pf2KeyLabel[] = "Label1_32";
inline constexpr char Pf2Key[] = "Combo1_32";
inline constexpr char NoaaAlertLabel[] = "Label1_33";
inline constexpr char NoaaAlert[] = "Combo1_33";
inline constexpr char NoaaChannelLabel[] = "Label1_34";
inline constexpr char NoaaChannel[] = "Combo1_34";
inline constexpr char Part95ModeLabel[] = "Label1_35";
inline constexpr char Part95Mode[] = "Combo1_35";
inline constexpr char GmrsChannelLabel[] = "Label1_36";
inline constexpr char GmrsChannel[] = "Combo1_36";
inline constexpr char MursChannelLabel[] = "Label1_37";
inline constexpr char MursChannel[] = "Combo1_37";

// The SW and LW frequencies of WorkData, in MHz.
inline constexpr char SwFrequencyLabel[] = "Label4_0";
inline constexpr char SwFrequency[] = "Text3_0";
inline constexpr char LwFrequencyLabel[] = "Label4_1";
inline constexpr char LwFrequency[] = "Text3_1";

// The switches: words of the option record, or (RadioOn, the band switches
// and QuickScan) fields of WorkData stored on OK.
inline constexpr char SwitchFrame[] = "Frame1";
inline constexpr char FuncOperA[] = "Check1_0";
inline constexpr char FuncOperB[] = "Check1_1";
inline constexpr char InitKey[] = "Check1_2";
inline constexpr char TailElim[] = "Check1_3";
inline constexpr char FullBand[] = "Check1_4";
inline constexpr char Alarm[] = "Check1_5";
inline constexpr char Voice[] = "Check1_6";
inline constexpr char RadioOn[] = "Check1_7";
inline constexpr char AmEnabled[] = "Check1_8";
inline constexpr char FmEnabled[] = "Check1_9";
inline constexpr char SwEnabled[] = "Check1_10";
inline constexpr char LwEnabled[] = "Check1_11";
inline constexpr char GroupSelectA[] = "Check1_12";
inline constexpr char GroupSelectB[] = "Check1_13";
inline constexpr char KeyLock[] = "Check1_14";
inline constexpr char QuickScan[] = "Check1_15";

inline constexpr char BankLinkFrame[] = "Frame2";
inline constexpr ControlArray BankLinks{"Check3"};        // BankLink(0)..(9)

// The captioned lists and boxes (forms/controls.h): the window lays them
// out from these tables, in tab order, and the report prints each caption
// beside its list's value (CaptionOf below). The display mode and the
// display option beside it stand above the left column.
// The left column below the display mode.
inline constexpr CaptionedControl kLeftLists[] = {
    {DisplayStyleALabel, DisplayStyleA},   {DisplayStyleBLabel, DisplayStyleB},
    {RadioDisplayLabel, RadioDisplay},     {WorkModeALabel, WorkModeA},
    {MemGroupALabel, MemGroupA},           {MemChannelALabel, MemChannelA},
    {WorkModeBLabel, WorkModeB},           {MemGroupBLabel, MemGroupB},
    {MemChannelBLabel, MemChannelB},       {RadioMemChannelLabel, RadioMemChannel},
    {MainBandLabel, MainBand},             {ScanTimeLabel, ScanTime},
    {KeyTimeLabel, KeyTime},               {BacklightLabel, Backlight},
};
// The right column.
inline constexpr CaptionedControl kRightLists[] = {
    {ColourLabel, Colour},             {SubDisplayLabel, SubDisplay},
    {SqlKeyLabel, SqlKey},             {TotLabel, Tot},
    {AutoPowerOffLabel, AutoPowerOff}, {BusyLockLabel, BusyLock},
    {PowerSaveLabel, PowerSave},       {ToneBurstLabel, ToneBurst},
    {VoxLevelLabel, VoxLevel},         {VoxDelayLabel, VoxDelay},
    {TailModeLabel, TailMode},         {SubVolumeLabel, SubVolume},
    {AmDisplayLabel, AmDisplay},       {AmMemChannelLabel, AmMemChannel},
    {RadioBandLabel, RadioBand},       {Pf1KeyLabel, Pf1Key},
    {Pf2KeyLabel, Pf2Key},             {NoaaAlertLabel, NoaaAlert},
    {NoaaChannelLabel, NoaaChannel},   {Part95ModeLabel, Part95Mode},
    {GmrsChannelLabel, GmrsChannel},   {MursChannelLabel, MursChannel},
};
// The SW and LW frequency boxes, below the right column.
inline constexpr CaptionedControl kFrequencyBoxes[] = {
    {SwFrequencyLabel, SwFrequency},
    {LwFrequencyLabel, LwFrequency},
};

// The label that captions a list or box of the tables above.
inline const char* CaptionOf(std::string_view control) {
    return rp::CaptionOf({kLeftLists, kRightLists, kFrequencyBoxes}, control);
}

// Labels without a language key keep the design's caption (set by the form).
inline constexpr ControlEntry kControls[] = {
    {PowerOnLabel, ControlKind::Label, "1739"},
    {PowerOnBoxes.base, ControlKind::TextBox, "", true, 1, 12},
    {PasswordOn, ControlKind::CheckBox, "1737", false},
    {PasswordLabel, ControlKind::Label, "1738", false},
    {Password, ControlKind::TextBox, "", false, 6},
    // The lists: the window's left column, then (from Colour) its right one.
    {DisplayModeLabel, ControlKind::Label, "1702"},
    {DisplayMode, ControlKind::ComboBox},
    {DisplayOptionLabel, ControlKind::Label, "", false},
    {DisplayOption, ControlKind::ComboBox, "", false},
    {DisplayStyleALabel, ControlKind::Label, "1703"},
    {DisplayStyleA, ControlKind::ComboBox},
    {DisplayStyleBLabel, ControlKind::Label, "1704"},
    {DisplayStyleB, ControlKind::ComboBox},
    {RadioDisplayLabel, ControlKind::Label, "1705"},
    {RadioDisplay, ControlKind::ComboBox},
    {WorkModeALabel, ControlKind::Label, "8140"},
    {WorkModeA, ControlKind::ComboBox},
    {MemGroupALabel, ControlKind::Label, "1709"},
    {MemGroupA, ControlKind::ComboBox},
    {MemChannelALabel, ControlKind::Label, "1706"},
    {MemChannelA, ControlKind::ComboBox},
    {WorkModeBLabel, ControlKind::Label, "8141"},
    {WorkModeB, ControlKind::ComboBox},
    {MemGroupBLabel, ControlKind::Label, "1710"},
    {MemGroupB, ControlKind::ComboBox},
    {MemChannelBLabel, ControlKind::Label, "1707"},
    {MemChannelB, ControlKind::ComboBox},
    {RadioMemChannelLabel, ControlKind::Label, "1708"},
    {RadioMemChannel, ControlKind::ComboBox},
    {MainBandLabel, ControlKind::Label, "1717"},
    {MainBand, ControlKind::ComboBox},
    {ScanTimeLabel, ControlKind::Label, "1711"},
    {ScanTime, ControlKind::ComboBox},
    {KeyTimeLabel, ControlKind::Label, "1712"},
    {KeyTime, ControlKind::ComboBox},
    {BacklightLabel, ControlKind::Label, "1713"},
    {Backlight, ControlKind::ComboBox},
    {ColourLabel, ControlKind::Label, "1714"},
    {Colour, ControlKind::ComboBox},
    {SubDisplayLabel, ControlKind::Label, "1715"},
    {SubDisplay, ControlKind::ComboBox},
    {SqlKeyLabel, ControlKind::Label, "1716"},
    {SqlKey, ControlKind::ComboBox},
    {TotLabel, ControlKind::Label, "1718"},
    {Tot, ControlKind::ComboBox},
    {AutoPowerOffLabel, ControlKind::Label, "1719"},
    {AutoPowerOff, ControlKind::ComboBox},
    {BusyLockLabel, ControlKind::Label, "1720", false},
    {BusyLock, ControlKind::ComboBox, "", false},
    {PowerSaveLabel, ControlKind::Label, "1721"},
    {PowerSave, ControlKind::ComboBox},
    {ToneBurstLabel, ControlKind::Label, "1722"},
    {ToneBurst, ControlKind::ComboBox},
    {VoxLevelLabel, ControlKind::Label, "1723"},
    {VoxLevel, ControlKind::ComboBox},
    {VoxDelayLabel, ControlKind::Label, "1724"},
    {VoxDelay, ControlKind::ComboBox},
    {TailModeLabel, ControlKind::Label, "1725"},
    {TailMode, ControlKind::ComboBox},
    {SubVolumeLabel, ControlKind::Label, "1726", false},
    {SubVolume, ControlKind::ComboBox, "", false},
    {AmDisplayLabel, ControlKind::Label, "1727", false},
    {AmDisplay, ControlKind::ComboBox, "", false},
    {AmMemChannelLabel, ControlKind::Label, "1728", false},
    {AmMemChannel, ControlKind::ComboBox, "", false},
    {RadioBandLabel, ControlKind::Label, "1729", false},
    {RadioBand, ControlKind::ComboBox, "", false},
    {Pf1KeyLabel, ControlKind::Label},
    {Pf1Key, ControlKind::ComboBox},
    {Pf2KeyLabel, ControlKind::Label},
    {Pf2Key, ControlKind::ComboBox},
    {NoaaAlertLabel, ControlKind::Label},
    {NoaaAlert, ControlKind::ComboBox},
    {NoaaChannelLabel, ControlKind::Label},
    {NoaaChannel, ControlKind::ComboBox},
    {Part95ModeLabel, ControlKind::Label},
    {Part95Mode, ControlKind::ComboBox},
    {GmrsChannelLabel, ControlKind::Label},
    {GmrsChannel, ControlKind::ComboBox},
    {MursChannelLabel, ControlKind::Label},
    {MursChannel, ControlKind::ComboBox},
    {SwFrequencyLabel, ControlKind::Label, "", false},
    {SwFrequency, ControlKind::TextBox, "", false, 8},
    {LwFrequencyLabel, ControlKind::Label, "", false},
    {LwFrequency, ControlKind::TextBox, "", false, 8},
    {SwitchFrame, ControlKind::Frame},
    {FuncOperA, ControlKind::CheckBox, "1730"},
    {FuncOperB, ControlKind::CheckBox, "1731"},
    {InitKey, ControlKind::CheckBox, "1732"},
    {TailElim, ControlKind::CheckBox, "1733"},
    {FullBand, ControlKind::CheckBox, "1734"},
    {Alarm, ControlKind::CheckBox, "1735"},
    {Voice, ControlKind::CheckBox, "1736"},
    {RadioOn, ControlKind::CheckBox, "8103"},
    {AmEnabled, ControlKind::CheckBox, "", false},
    {FmEnabled, ControlKind::CheckBox, "", false},
    {SwEnabled, ControlKind::CheckBox, "", false},
    {LwEnabled, ControlKind::CheckBox, "", false},
    {GroupSelectA, ControlKind::CheckBox, "8142"},
    {GroupSelectB, ControlKind::CheckBox, "8143"},
    {KeyLock, ControlKind::CheckBox, "8144"},
    {QuickScan, ControlKind::CheckBox, "8145"},
    {BankLinkFrame, ControlKind::Frame},
    {BankLinks.base, ControlKind::CheckBox, "", true, 0, 10},
    {kOKButton, ControlKind::Button, "101"},
    {kCancelButton, ControlKind::Button, "102"},
};

}  // namespace rp::option

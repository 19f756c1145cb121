#pragma once
// Frequency, tone and channel-number texts and the band checks.
//
// Text forms: channel storage form (nine digits, 10 Hz units, "FFFFFFFFF"
// or "" empty), channel display form ("000.00000" MHz), offset display form
// ("0.00000"), FM storage form (eight digits, 100 Hz units, "FFFFFFFF"
// empty), air-band form and FM/air-band display form ("#0.0000" MHz).
//
// Procedures that may warn take AppData& and show their message boxes
// through d.Ui.Notify: text 2001 of the language file with the warning icon,
// or "Not IsNumeric" without icon. Flags are plain bools (any non-zero
// 16-bit Boolean converts to true). None keeps state.
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "core/channelfreq.h"
#include "core/fixedtext.h"  // TrimNullStr

namespace rp {

// Language-file text of the band and range warning.
inline constexpr int kTextOutOfRange = 2001;
inline constexpr const char* kNotNumericText = "Not IsNumeric";

// ---- channel frequencies and offsets --------------------------------------

// MHz text -> channel storage form ("462.5625" -> "046256250"); "" for an
// empty, non-numeric, negative or too large (ten digits or more) value.
std::string FreStrToData(std::string_view s);
// Channel storage form -> display form ("046256250" -> "462.56250"); "" for
// "" and "FFFFFFFFF"; a non-numeric text warns "Not IsNumeric" and gives
// RxBandLow(0) as plain text ("400").
std::string DataToFreStr(AppData& d, std::string_view s);
// Storage form of an offset -> offset display form ("000500000" -> "5.00000").
std::string DataToOffsetStr(AppData& d, std::string_view s);

// Band-checked RX / TX frequency in display form. A non-numeric text
// (including "") gives the UHF low edge. `step` is the channel's StepIndex
// (passed through, no influence on the result).
std::string FormatRxFreInBand(AppData& d, std::string_view value, int step, bool warn);
std::string FormatRxFreInBand(AppData& d, double value, int step, bool warn);
std::string FormatTxFreInBand(AppData& d, std::string_view value, int step, bool warn);
std::string FormatTxFreInBand(AppData& d, double value, int step, bool warn);
std::string FormatFreInBandBy(AppData& d, std::string_view value, int step, bool rx, bool warn);
std::string FormatFreInBandBy(AppData& d, double value, int step, bool rx, bool warn);
// The same in units: RX when `rx`, else TX. A text is read once
// (ReadFreValue); the band and the nearest edge follow its value, the grid
// its units.
FreUnits FreUnitsInBandBy(AppData& d, std::string_view value, bool rx, bool warn);
FreUnits FreUnitsInBandBy(AppData& d, double value, bool rx, bool warn);

// f (MHz) on its band's grid, or the nearest edge when in no band.
double CheckRxFreInBand(AppData& d, double f, int step, bool warn);
double CheckTxFreInBand(AppData& d, double f, int step, bool warn);
// f moved down onto the 2.5 kHz grid of band `band` (0 UHF, 1 VHF) unless
// it already lies on the 2.5 kHz or the 6.25 kHz grid.
double RoundFreToStepRx(const AppData& d, double f, int step, int band);
double RoundFreToStepTx(const AppData& d, double f, int step, int band);
// The edge nearest to f of the RX (table 0) or TX (table 1) tables; on equal
// distance the earlier of low(0), high(0), low(1), high(1). Warns when asked.
double GetBandEdgeFre(AppData& d, double f, bool warn, int table);
// RxBandLow(0) / TxBandLow(0), after the warning when asked.
double GetRxBandLowFre(AppData& d, bool warn);
double GetTxBandLowFre(AppData& d, bool warn);

// The offset ("000.00000") that results when TX, off above or below rx, is
// band-checked: above for OffsetNone and OffsetPlus, below for OffsetMinus
// and any value that is no direction. A non-numeric offset or RX text, or a
// TX moved to the other side of RX, gives "000.00000".
std::string CheckOffsetFre(AppData& d, std::string_view off, std::string_view rx, int direction,
                           int step, bool warn);
// The same in units (never negative).
FreUnits CheckOffsetUnits(AppData& d, FreUnits rx, FreUnits off, int direction, bool warn);

// 0 in no band, 1 UHF, 2 VHF (text trimmed with TrimNullStr first).
Integer GetFreBand(const AppData& d, std::string_view s);

// ---- FM broadcast list -----------------------------------------------------

// Clamped, rounded FM display form; non-numeric gives FMLowFre (warning).
std::string FormatFMFre(AppData& d, std::string_view value);
std::string FormatFMFre(AppData& d, double value);
// Outside FMLowFre..FMHighFre: warning and the edge; else RoundFMFre.
double CheckFMFre(AppData& d, double f);
// The nearest 50 kHz step.
double RoundFMFre(double f);
// Warning, then FMLowFre.
double GetFMLowFre(AppData& d);
// FM display form -> FM storage form ("101.2500" -> "01012500"); "" for ""
// and for a text that is not numeric or does not fit eight digits.
std::string RadioFreToData(std::string_view s);
// FM list entry -> display form.
std::string RadioDataToFreText(AppData& d, std::string_view s);
// Number of used FM broadcast entries 0..99 (the VFO entry 100 not counted).
int GetRadioChannelCount(const AppData& d);

// ---- air band --------------------------------------------------------------

// Clamped air-band form; non-numeric gives AMLowFre (warning).
std::string FormatAMFre(AppData& d, std::string_view value);
std::string FormatAMFre(AppData& d, double value);
// Outside AMLowFre..AMHighFre: warning and the edge; else f.
double CheckAMFre(AppData& d, double f);
// Warning, then AMLowFre.
double GetAMLowFre(AppData& d);
// "" stays ""; else the value with "#0.0000" ("" when not numeric).
std::string FormatRadioFre(std::string_view s);
// Air-band list entry -> display form.
std::string RadioDataToFreStr(AppData& d, std::string_view s);

// ---- tones, channel numbers, signalling names ----------------------------

// Custom CTCSS tone text "#.0" within 62.5..254.1 Hz, else "151.1".
std::string CheckCTCSSText(std::string_view s);
// 1..200 -> decimal text of n + offset; 201..206 -> "PL1".."VFO2"; else "Unknown".
std::string GetChannelTextByNo(int n, int offset);
// Reverse of GetChannelTextByNo with offset -1; unknown text gives 1.
Integer GetChannelNoByText(std::string_view s);
// "DTMF" 1, "2Tone" 2, "5Tone" 3, "MSK" 4, else 0.
Integer GetOptSigType(std::string_view s);

}  // namespace rp

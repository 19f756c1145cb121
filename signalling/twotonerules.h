#pragma once
// The two-tone dialog's rules without a window: tone texts and their
// clamps, the stored tone (0.1 Hz) and divisor forms of the encode entries
// and of the own call, the call formats, and the decode entry's save.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/records.h"

namespace rp {

// Tone limits in Hz: the editors and the grid clamp to 288..3116; the save
// of tones A to D lets a stored tone down to 280 through.
inline constexpr double kToneLow = 288.0;
inline constexpr double kToneHigh = 3116.0;
inline constexpr double kToneSaveLow = 280.0;
// The tone generator's clock.
inline constexpr double kToneClock = 6500000.0;

// Call formats 0..14 as the list shows them.
inline constexpr std::array<const char*, 15> kCallFormatTexts = {
    "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D",
    "D-A", "D-B", "D-C", "Long A", "Long B", "Long C"};
// The tone boxes (0 = A .. 3 = D) of a format's first and second tone; the
// second is -1 for the long formats. {-1, -1} for a value outside 0..14.
std::array<int, 2> CallFormatTones(int format);
// Which of the four tone boxes a format enables.
std::array<bool, 4> CallFormatBoxes(int format);

// A tone in Hz as the grid and decode boxes show it ("#0.0"; "" when not finite).
std::string FormatTone(double hz);
// Whole 0.1 Hz units of a tone (half to even).
int ToneTenths(double hz);
// Whole part of 6,500,000 / (16 f): an encode entry's divisor.
int EncodeDivisor(double hz);
// Whole part of 6,500,000 / (2 f): the own call's divisor.
int OwnDivisor(double hz);

// An encode cell's tone: nothing for a text that is not a number, else the
// number moved into 288..3116.
std::optional<double> ClampEncodeTone(std::string_view text);
// Writes tone 1 or 2 of an encode entry (tone 1 also marks it used).
void SetEncodeTone(Tone2EncodeRec& e, int which, double hz);
// Empties an entry (tone 1 cleared) or drops its second tone (which = 2).
void ClearEncodeTone(Tone2EncodeRec& e, int which);
// An entry's tones in Hz as stored (high byte first).
double EncodeTone(const Tone2EncodeRec& e, int which);

// The decode tone a box's text stands for: 0.0 for a text that is not a
// number, else the number moved into 288..3116 with all its decimals.
double ClampDecodeTone(std::string_view text);
// A decode tone box on losing the focus: "#0.0" of the clamped number; an
// empty box or one that holds no number shows 288.0.
std::string LeaveDecodeToneText(std::string_view text);
// A tone box A..D on losing the focus: plain text of the clamped number
// (1000.0 shows as 1000); an empty box or one that holds no number shows 288.
std::string LeaveToneText(std::string_view text);
// A tone box A..D before the save: "2000" for a text that is not a number,
// else plain text of the number moved into 280..3116.
std::string ClampToneText(std::string_view text);

// Tone A..D (0..3) of the header in 0.1 Hz, low byte first; a tone whose high
// byte is 0 or 255 gives its default (3217, 9281, 6265, 20438).
int ShownToneTenths(const Tone2DataRec& t, int box);
// Stores the four tones (Hz, as the boxes hold them after ClampToneText),
// the call format and the own pair derived from them.
void SaveOwnCall(Tone2DataRec& t, int format, const std::array<double, 4>& hz);

// A decode entry from its boxes: tones by ClampDecodeTone, the name (Latin-1)
// with one NUL and blanks, valid 0 when a tone is 0.
void StoreDecodeEntry(Tone2DecodeRec& e, int checkValue, std::string_view tone1,
                      std::string_view tone2, int response, std::string_view name);

}  // namespace rp

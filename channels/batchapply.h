#pragma once
// The batch editor's arithmetic and its Apply, without widgets: the value
// boxes' normalisation and grid snapping, the parsers of list texts, and
// Apply over the channel store from a request that holds what the dialog's
// controls hold.
//
// Boxes are named by their index in the dialog's Text2 array:
//   0 RX start (MHz), 1 RX step (kHz), 2 TX offset (MHz), 3 TX start (MHz),
//   4 TX step (kHz), 5 decode tone step, 6 encode tone step, 7 name or
//   prefix, 8 start ID, 9 ID step, 10 and 11 own-ID row (never read).
// Lists by their index in the Combo1 array (0 decode tones .. 16 two-tone
// decode); option groups by their number (Option1 .. Option10).
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/appdata.h"

namespace rp {

inline constexpr int kBatchBoxCount = 12;   // Text2(0) .. Text2(11)
inline constexpr int kBatchListCount = 17;  // Combo1(0) .. Combo1(16)
inline constexpr int kBatchNameLimit = 6;   // maximum length of box 8 = a channel name
// Maximum lengths of the boxes Text2(0) .. Text2(11).
inline constexpr std::array<int, kBatchBoxCount> kBatchBoxMaxLen = {9, 6, 8, 9, 6, 2, 2, 6, 6, 6, 10, 10};
inline constexpr int kBatchToneCount = 1077;  // entries of each tone list

// The order in which Apply runs the functions on a channel.
inline constexpr std::array<int, 21> kBatchFunOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8,  17, 9,
                                                       10, 11, 12, 13, 14, 15, 16, 18, 19, 20};

// ---- normalisation and snapping ---------------------------------------------

// The text when it is numeric, else def.
std::string DefaultData(std::string_view text, std::string_view def);
// A frequency (MHz) snapped to the channel grid of its band: the RX band
// limits when isRx, else the TX ones; band 0 when neither encloses it.
double StepDataFre(const AppData& d, double value, bool isRx);
// An offset (MHz text) snapped to the grid counted from 0, "#0.00000"; a
// text that is not numeric counts as 0.
std::string StepDataFree(std::string_view text);
// A step (kHz text) snapped to the grid counted from 0, as the shortest
// plain number ("12.5", "6.25", "5", "0").
std::string StepData(std::string_view text);

// The focus-loss normalisation of box `index` (0..9; others unchanged):
// the rewritten text. startIdText is box 8's text, which limits box 9's
// length. Band checks run with the warning off; nothing is shown.
std::string Text2LostFocus(AppData& d, int index, std::string_view text, std::string_view startIdText = {});
// The custom-CTCSS box Text3 on focus loss: "#.0" within 62.5..254.1, else "151.1".
std::string Text3LostFocus(std::string_view text);

// ---- list texts -----------------------------------------------------------------

// The four tone fields a tone-list entry gives (position 0 = off: only the
// type changes). The custom-CTCSS entry is recognised by its text, language
// key 4030.
void GetToneDataByText(AppData& d, std::string_view text, int position, Integer& toneType,
                       Integer& ctcssIndex, Integer& dcsCode, Integer& dcsInverted);
// def for an empty text; else the text without every character of strip,
// as a whole number (ties to even) when numeric and inside 16 bits, else def.
int GetIntByText(std::string_view text, int def, std::string_view strip);

// The 1,077 entries of the decode and encode tone lists: key 4070 (off),
// the 51 CTCSS tones, key 4030 (custom), D000N..D777N, D000I..D777I.
std::vector<std::string> BatchToneListItems(AppData& d);

// ---- Apply ------------------------------------------------------------------------

// A random number source, seeded once per Apply that may need it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed() = 0;
    // A number 0 <= r < 1.
    virtual double Next() = 0;
};

// The program's source: seeded from the clock.
class ClockRandomSource : public RandomSource {
public:
    void Seed() override;
    double Next() override;

private:
    std::mt19937 gen_;
};

// One list as the dialog holds it.
struct BatchList {
    std::vector<std::string> items;
    int index = -1;  // chosen entry, -1 none
    // The chosen entry's text, "" when none.
    std::string Text() const;
};

// What the dialog's controls hold when Apply is pressed.
struct BatchRequest {
    // Option groups by number (1..10): the chosen button's index, -1 none.
    // 1 range (0 all, 1 from-to), 2 RX up/down, 3 TX mode (0 default,
    // 1 offset, 2 start), 4 shift (0 plus, 1 minus), 5 TX up/down, 6 name
    // mode (0 fixed, 1 numeric ID), 7 ID up/down, 8 own-ID (unused),
    // 9 decode up/down, 10 encode up/down.
    std::array<int, 11> option{-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::array<std::string, 2> text1{"0", "199"};  // range ends as shown (0..199)
    bool deleteOutside = false;                    // Check4
    std::array<Byte, 21> chosen{};                 // BatchFunFlag: non-zero = chosen
    std::array<std::string, kBatchBoxCount> text2{};
    std::string text3;                             // custom CTCSS (Hz)
    std::array<BatchList, kBatchListCount> combo{};
    std::array<int, 5> check1{};                   // 0 TX inhibit, 2 scan skip, 3 reverse, 4 talk-around
    std::array<int, 3> check3{};                   // 0 random decode, 1 random encode, 2 encode as decode
};

// The boxes as Apply leaves them: the normalised Text2 boxes and Text3.
struct BatchResult {
    std::array<std::string, kBatchBoxCount> text2{};
    std::string text3;
};

// Apply: normalises the boxes the chosen functions read, seeds `random`
// once when function 2 or 3 is chosen, deletes the memory channels outside
// the range when asked (the store refuses the last one with its message),
// writes the chosen functions into every channel of the range in the order
// kBatchFunOrder (function 0 creates missing channels; the scrambler is
// never applied), and ends with CheckOptionChannels. Band checks warn
// nothing. The caller redraws the memory list.
BatchResult BatchApply(AppData& d, const BatchRequest& req, RandomSource& random);

}  // namespace rp

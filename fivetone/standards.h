#pragma once
// The fifteen five-tone standards: their names in list order, their tone
// tables and usual tone times, and the text block the five-tone dialog
// shows for a standard or for the user-defined tone set.
#include <array>
#include <string>
#include <string_view>

#include "core/records.h"

namespace rp {

inline constexpr int kTone5StandardCount = 15;

// One standard: the texts of digits 0..9 and A..F in Hz (nullptr for a
// digit without a tone) and its tone time in ms, all as the block shows them.
struct Tone5StandardRow {
    const char* name;
    std::array<const char*, 16> tones;
    const char* ms;
};

// The standards in list order (the position is what the records store).
const std::array<Tone5StandardRow, kTone5StandardCount>& Tone5StandardTable();

// The name at position 0..14, "" for any other position.
std::string Tone5StandardName(int position);
// The position of a name (exact, case-sensitive, blanks count); -1 when the
// text names no standard, which stands for the user-defined set.
int Tone5Standard(std::string_view name);

// The usual tone time (ms) of a standard name; 70 for any other text.
int DefaultToneTime(std::string_view name);

// A user tone (0.1 Hz) in Hz with one decimal and no leading zero: 0 gives
// ".0", 2885 gives "288.5".
std::string UserToneText(Integer tenthsHz);

// The [OPTION] labels of the block: the frequency heading and the labels of
// the tone-time, "A" and "E" lines.
struct ToneTableLabels {
    std::string heading, duration, groupTone, repeatTone;
};

// The 21 lines (each ending in CR LF) of the named standard's table; any text
// that names no standard shows the user set with tone time 70.
std::string ToneStandardBlock(std::string_view name, const std::array<Integer, 16>& userTones,
                              const ToneTableLabels& labels);

}  // namespace rp

#pragma once
// The MSK dialog's rules without a window: the ID and frequency texts and
// the stored forms of a group's texts.
#include <string>
#include <string_view>

#include "core/appdata.h"

namespace rp {

// A four-character ID: "0000" for an empty text or one that is not made of
// hexadecimal digits alone (either case); a shorter one padded on the left
// with "0"; a longer one unchanged.
std::string FormatHexID4(std::string_view text);

// The MSK frequency (whole MHz) of a box's text, kept inside the radio's
// bands: 145 for a text that is not a number; below the VHF band its low
// edge, above the UHF band its high edge; in the gap between the bands the
// UHF low edge from 300 on, else the VHF high edge.
Integer ClampMSKFrequency(const AppData& d, std::string_view text);

// A group's texts as the boxes show them (Latin-1): the info code up to its
// first NUL, the name without trailing blanks up to its first NUL.
std::string ShownInfoCode(const MSKGroupRec& g);
std::string ShownGroupName(const MSKGroupRec& g);
// The stored forms: the text, one NUL, blanks, cut to the field.
void StoreInfoCode(MSKGroupRec& g, std::string_view text);
void StoreGroupName(MSKGroupRec& g, std::string_view text);

// Whether the main window offers the MSK dialog for the current model.
bool MSKDialogOffered(const AppData& d);

}  // namespace rp

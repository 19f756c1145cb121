#pragma once
// How a form names its controls. Each form keeps one table: a constant per
// control that says what it holds, whose value is the control's name (the
// widget's objectName and the key of its state), and a list of entries that
// builds the form's state. An element of a control array is named
// "<base>_<index>" ("Combo1_5" is element 5 of "Combo1"); ElementName builds
// such a name and SplitElementName takes it apart, for every form.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "forms/formstate.h"

namespace rp {

// "<base>_<index>".
std::string ElementName(std::string_view base, int index);

// A name taken apart: "Text2_16" gives {"Text2", 16}; a name without a
// "_<digits>" ending gives {name, -1}.
struct ElementRef {
    std::string base;
    int index = -1;
};
ElementRef SplitElementName(std::string_view name);

// The index when `name` is an element of array `base`, else -1.
int ElementIndex(std::string_view name, std::string_view base);

// A control array whose elements hold the same kind of value (the code
// boxes of a list, the rows of a column): Codes[3] is "Text2_3".
struct ControlArray {
    const char* base;
    std::string operator[](int index) const { return ElementName(base, index); }
    // The element's index, -1 when `name` is not one of this array's.
    int IndexOf(std::string_view name) const { return ElementIndex(name, base); }
};

// One entry of a form's control table. With `elements` above 0, `name` is an
// array's base and elements 0 .. elements-1 are added alike.
struct ControlEntry {
    const char* name;
    ControlKind kind;
    const char* tag = "";  // language key
    bool visible = true;
    int max = 0;           // a text box's longest text, 0 = none
    int elements = 0;
};

// Adds the table's controls to a form's state, in the table's order.
void AddControls(FormState& state, std::span<const ControlEntry> table);

// A control and the label that captions it. A form's controls header keeps
// each list of them once (a caption table): its shell lays the labels and
// controls out from it, and the report prints each caption beside its
// control's value.
struct CaptionedControl {
    const char* label;
    const char* control;
};
using CaptionTable = std::span<const CaptionedControl>;

// The label that captions `control` in the first of `tables` that has it;
// throws std::out_of_range when none does, an error of the program.
const char* CaptionOf(std::initializer_list<CaptionTable> tables, std::string_view control);

}  // namespace rp

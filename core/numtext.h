#pragma once
// Numbers as texts, independent of any locale: "." is always the decimal
// separator. Parsing follows one grammar (IsNumeric) and then uses
// std::from_chars; formatting uses std::to_chars. Wherever a value is
// rounded, ties go to the even neighbour, decided on the value's decimal
// form (the shortest text that reads back as the same double), not on its
// binary one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rp {

// Optional blanks, optional sign, digits with at most one "." (at least one
// digit: "1." and ".5" count), optional exponent ("e"/"E", optional sign,
// digits), optional blanks. "", "inf", "nan", "1,5" and "&H1A" are not
// numeric, nor is a text whose value is too large for a finite double; one
// too small for a double (".8E-911") is numeric and reads as 0, as a double
// underflows.
bool IsNumeric(std::string_view s);

// The value of a numeric text; nullopt when IsNumeric is false.
std::optional<double> ParseNumber(std::string_view s);

// v × 10^scale rounded to a whole number (ties to even on the decimal form
// of v); nullopt when v is not finite or the result does not fit.
std::optional<std::int64_t> RoundScaled(double v, int scale);

// The value of a numeric text rounded to a whole number (ties to even);
// nullopt when the text is not numeric or the result does not fit.
std::optional<std::int64_t> ParseWhole(std::string_view s);

// v rounded to `digits` significant decimal digits (ties to even on the
// decimal form of v).
double RoundSignificant(double v, int digits);

// Formats v with a mask of "0" (digit always shown) and "#" (digit shown
// when significant) placeholders and at most one ".": "000.00000",
// "#0.0000", "0.00000", "000000000", "#.0". The value is rounded to the
// mask's decimals, ties to even. A negative value that does not round to
// zero gets a leading "-". A non-finite v gives "".
std::string FormatNumber(double v, std::string_view mask);

// The value 0..15 of a hexadecimal digit ("0".."9", "A".."F", "a".."f"),
// -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The shortest plain decimal text of v, without exponent ("400",
// "462.5625", "-0.5"); "" for a non-finite v.
std::string PlainNumberText(double v);

}  // namespace rp

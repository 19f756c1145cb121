#include "core/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace rp {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar and rewrites the text into a form from_chars reads
// ("-12.5e3" without blanks or "+"); false when the grammar does not hold.
bool Normalize(std::string_view s, std::string& out) {
    std::size_t i = 0, n = s.size();
    while (i < n && IsBlank(s[i])) ++i;
    while (n > i && IsBlank(s[n - 1])) --n;
    out.clear();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') out.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        char c = s[i];
        if (IsDigit(c)) {
            ++digits;
            out.push_back(c);
        } else if (c == '.' && !point) {
            point = true;
            out.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        out.push_back('e');
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-') out.push_back('-');
            ++i;
        }
        std::size_t expDigits = 0;
        for (; i < n && IsDigit(s[i]); ++i, ++expDigits) out.push_back(s[i]);
        if (expDigits == 0) return false;
    }
    return i == n;
}

// Whether the value of a text Normalize wrote ("-12.5e3") lies below 1 in
// magnitude, told from its decimal exponent: the place of its first
// significant digit plus the exponent, however long the exponent is.
bool BelowOne(std::string_view t) {
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    const std::size_t e = t.find('e');
    const std::string_view mantissa = t.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return true;  // zero
    // The first significant digit stands for 10^place.
    long long place = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = t.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (negative) digits.remove_prefix(1);
        // Past 10^15 only the sign matters: no text is that long.
        constexpr long long kCap = 1000000000000000;
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), kCap);
        if (negative) exponent = -exponent;
    }
    return place + exponent < 0;
}

// A finite value in decimal: |v| = 0.D × 10^point, D without leading zeros
// ("" for zero).
struct Decimal {
    bool neg = false;
    std::string digits;
    int point = 0;
};

Decimal ToDecimal(double v) {
    Decimal d;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
    std::size_t i = 0;
    if (!t.empty() && t[0] == '-') {
        d.neg = true;
        ++i;
    }
    std::size_t e = t.find('e');
    for (; i < e; ++i)
        if (IsDigit(t[i])) d.digits.push_back(t[i]);
    int exp = 0;
    std::string_view es = t.substr(e + 1);
    if (!es.empty() && es[0] == '+') es.remove_prefix(1);
    std::from_chars(es.data(), es.data() + es.size(), exp);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) {
        d.point = 0;
        return d;
    }
    d.point = exp + 1;
    return d;
}

// The digits of |value| × 10^scale rounded to a whole number, ties to even;
// "0" for zero, no leading zeros otherwise.
std::string RoundedDigits(const Decimal& d, int scale) {
    if (d.digits.empty()) return "0";
    long long p = static_cast<long long>(d.point) + scale;  // digits before the point
    if (p < 0) return "0";
    std::string kept;
    std::string_view rest;
    const std::string& D = d.digits;
    if (p >= static_cast<long long>(D.size())) {
        kept = D;
        kept.append(static_cast<std::size_t>(p) - D.size(), '0');
    } else {
        kept = D.substr(0, static_cast<std::size_t>(p));
        rest = std::string_view(D).substr(static_cast<std::size_t>(p));
    }
    bool up = false;
    if (!rest.empty()) {
        char first = rest[0];
        bool tail = rest.find_first_not_of('0', 1) != std::string_view::npos;
        if (first > '5' || (first == '5' && tail)) {
            up = true;
        } else if (first == '5') {
            int last = kept.empty() ? 0 : kept.back() - '0';
            up = (last % 2) != 0;
        }
    }
    if (kept.empty()) kept = "0";
    if (up) {
        std::size_t k = kept.size();
        while (k > 0) {
            --k;
            if (kept[k] == '9') {
                kept[k] = '0';
            } else {
                ++kept[k];
                break;
            }
            if (k == 0) kept.insert(kept.begin(), '1');
        }
    }
    std::size_t nz = kept.find_first_not_of('0');
    return nz == std::string::npos ? "0" : kept.substr(nz);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view s) {
    std::string t;
    if (!Normalize(s, t)) return std::nullopt;
    double v = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (r.ptr != t.data() + t.size()) return std::nullopt;
    if (r.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero, as arithmetic underflows;
        // too large is no number.
        if (!BelowOne(t)) return std::nullopt;
        return t.front() == '-' ? -0.0 : 0.0;
    }
    if (r.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool IsNumeric(std::string_view s) { return ParseNumber(s).has_value(); }

std::optional<std::int64_t> RoundScaled(double v, int scale) {
    if (!std::isfinite(v)) return std::nullopt;
    Decimal d = ToDecimal(v);
    std::string digits = RoundedDigits(d, scale);
    if (digits.size() > 19) return std::nullopt;
    std::uint64_t u = 0;
    auto r = std::from_chars(digits.data(), digits.data() + digits.size(), u);
    if (r.ec != std::errc()) return std::nullopt;
    constexpr std::uint64_t kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (u > kMax) return std::nullopt;
    std::int64_t x = static_cast<std::int64_t>(u);
    return d.neg ? -x : x;
}

std::optional<std::int64_t> ParseWhole(std::string_view s) {
    auto v = ParseNumber(s);
    if (!v) return std::nullopt;
    return RoundScaled(*v, 0);
}

double RoundSignificant(double v, int digits) {
    if (!std::isfinite(v) || v == 0 || digits < 1) return v;
    Decimal d = ToDecimal(v);
    if (static_cast<int>(d.digits.size()) <= digits) return v;
    // |v| × 10^scale rounded holds `digits` digits (one more after a carry).
    const int scale = digits - d.point;
    std::string t = d.neg ? "-" : "";
    t += RoundedDigits(d, scale);
    t.push_back('e');
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, -scale);
    t.append(buf, r.ptr);
    double out = v;
    std::from_chars(t.data(), t.data() + t.size(), out);
    return out;
}

std::string FormatNumber(double v, std::string_view mask) {
    if (!std::isfinite(v)) return "";
    std::size_t dot = mask.find('.');
    std::string_view intMask = mask.substr(0, dot);
    std::string_view fracMask = dot == std::string_view::npos ? std::string_view() : mask.substr(dot + 1);
    std::size_t intMin = 0;
    for (char c : intMask)
        if (c == '0') ++intMin;
    std::size_t fracForced = 0, fracAll = 0;
    for (char c : fracMask) {
        if (c == '0' || c == '#') ++fracAll;
        if (c == '0') fracForced = fracAll;  // zeros up to the last "0" are shown
    }
    Decimal d = ToDecimal(v);
    std::string digits = RoundedDigits(d, static_cast<int>(fracAll));
    bool zero = digits == "0";
    if (digits.size() < fracAll + 1) digits.insert(0, fracAll + 1 - digits.size(), '0');
    std::string ip = digits.substr(0, digits.size() - fracAll);
    std::string fp = digits.substr(digits.size() - fracAll);
    std::size_t nz = ip.find_first_not_of('0');
    ip = nz == std::string::npos ? "" : ip.substr(nz);
    if (ip.size() < intMin) ip.insert(0, intMin - ip.size(), '0');
    while (fp.size() > fracForced && fp.back() == '0') fp.pop_back();
    std::string out;
    if (d.neg && !zero) out.push_back('-');
    out += ip;
    if (dot != std::string_view::npos) {
        out.push_back('.');
        out += fp;
    }
    return out;
}

std::string PlainNumberText(double v) {
    if (!std::isfinite(v)) return "";
    char buf[512];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (r.ec != std::errc()) return "";
    std::string s(buf, r.ptr);
    if (s == "-0") s = "0";
    return s;
}

}  // namespace rp

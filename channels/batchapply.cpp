#include "channels/batchapply.h"

#include <chrono>
#include <cmath>
#include <optional>

#include "core/channelfreq.h"
#include "core/channelrecord.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/ctcsstones.h"
#include "core/fixedtext.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "core/repair.h"
#include "forms/formlanguage.h"
#include "forms/tonetables.h"

namespace rp {

namespace {

constexpr const char* kFreMask = "#0.00000";

double NumberOr0(std::string_view s) { return ParseNumber(s).value_or(0.0); }

// A count the user typed (tone steps, start ID, ID step): a whole number
// 0..999999, anything else 0.
std::int64_t WholeCount(std::string_view s) {
    std::optional<double> v = ParseNumber(s);
    if (!v || *v < 0 || *v > 999999 || std::floor(*v) != *v) return 0;
    return static_cast<std::int64_t>(*v);
}

// x reduced into 0..m-1 (m > 0).
std::int64_t Wrap(std::int64_t x, std::int64_t m) {
    std::int64_t r = x % m;
    return r < 0 ? r + m : r;
}

// The display form of a record's RX frequency, "" when it holds none.
std::string RxDisplay(AppData& d, const FreDataRec& r) {
    std::string s = r.RxFre.Trim();
    if (s.empty() || !IsNumeric(s)) return "";
    return DataToFreStr(d, s);
}

// f + dir × step × k in 10 Hz units; dir 0 up, 1 down, anything else none.
double Stepped(double fMHz, double stepKHz, int dir, int k) {
    std::int64_t f = RoundScaled(fMHz, 5).value_or(0);
    std::int64_t s = RoundScaled(stepKHz, 2).value_or(0);
    if (dir == 0) f += s * k;
    if (dir == 1) f -= s * k;
    return static_cast<double>(f) / kFreUnitsPerMHz;
}

}  // namespace

// ---- normalisation and snapping ---------------------------------------------

std::string DefaultData(std::string_view text, std::string_view def) {
    return std::string(IsNumeric(text) ? text : def);
}

double StepDataFre(const AppData& d, double value, bool isRx) {
    const auto& low = isRx ? d.RxBandLow : d.TxBandLow;
    const auto& high = isRx ? d.RxBandHigh : d.TxBandHigh;
    std::size_t band = 0;
    for (std::size_t b = 0; b < 2; ++b)
        if (low[b] <= value && value <= high[b]) {
            band = b;
            break;
        }
    std::optional<std::int64_t> x = RoundScaled(value, 5);
    std::optional<std::int64_t> base = RoundScaled(low[band], 5);
    if (!x || !base) return value;
    return static_cast<double>(OnChannelGrid(*x, *base)) / kFreUnitsPerMHz;
}

std::string StepDataFree(std::string_view text) {
    const FreUnits x = OnChannelGrid(RoundScaled(NumberOr0(text), 5).value_or(0), 0);
    return FormatNumber(static_cast<double>(x) / kFreUnitsPerMHz, kFreMask);
}

std::string StepData(std::string_view text) {
    // A step in kHz with two decimals counts in the same 10 Hz units.
    const FreUnits x = OnChannelGrid(RoundScaled(NumberOr0(text), 2).value_or(0), 0);
    return PlainNumberText(static_cast<double>(x) / kFreUnitsPerKHz);
}

std::string Text2LostFocus(AppData& d, int index, std::string_view text, std::string_view startIdText) {
    switch (index) {
    case 0:
    case 3: {
        bool rx = index == 0;
        std::string t = FormatFreInBandBy(d, text, 0, rx, false);
        return FormatNumber(StepDataFre(d, NumberOr0(t), rx), kFreMask);
    }
    case 1:
    case 4:
        return StepData(text);
    case 2:
        return StepDataFree(text);
    case 5:
    case 6:
    case 8:
        return DefaultData(text, "0");
    case 9: {
        std::string t = DefaultData(text, "0");
        if (t.size() > startIdText.size()) t.resize(startIdText.size());
        return t;
    }
    default:
        return std::string(text);
    }
}

std::string Text3LostFocus(std::string_view text) { return CheckCTCSSText(text); }

// ---- list texts -----------------------------------------------------------------

void GetToneDataByText(AppData& d, std::string_view text, int position, Integer& toneType,
                       Integer& ctcssIndex, Integer& dcsCode, Integer& dcsInverted) {
    if (position == 0) {
        toneType = CtcNone;
        return;
    }
    if (IsNumeric(text) || TrimNullStr(text) == GetLanguageString(d, 4030)) {
        toneType = CtcCTCSS;
        ctcssIndex = static_cast<Integer>(position - 1);
        return;
    }
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    if (text.size() == 5 && text[0] == 'D' && octal(text[1]) && octal(text[2]) && octal(text[3])) {
        if (text[4] == 'N') {
            dcsInverted = 0;
        } else if (text[4] == 'I') {
            dcsInverted = 1;
        } else {
            toneType = CtcNone;
            return;
        }
        toneType = CtcDCS;
        dcsCode = static_cast<Integer>((text[1] - '0') * 64 + (text[2] - '0') * 8 + (text[3] - '0'));
        return;
    }
    toneType = CtcNone;
}

int GetIntByText(std::string_view text, int def, std::string_view strip) {
    if (text.empty()) return def;
    std::string rest;
    for (char c : text)
        if (strip.find(c) == std::string_view::npos) rest += c;
    std::optional<std::int64_t> v = ParseWhole(rest);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return def;
    return static_cast<int>(*v);
}

std::vector<std::string> BatchToneListItems(AppData& d) {
    std::vector<std::string> items;
    items.reserve(kBatchToneCount);
    items.push_back(GetLanguageString(d, 4070));
    items.insert(items.end(), kCtcssTones.begin(), kCtcssTones.end());
    items.push_back(GetLanguageString(d, 4030));
    const std::vector<std::string>& dcs = DcsComboTexts();
    items.insert(items.end(), dcs.begin(), dcs.end());
    return items;
}

// ---- Apply ------------------------------------------------------------------------

void ClockRandomSource::Seed() {
    auto now = std::chrono::system_clock::now().time_since_epoch();
    gen_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

double ClockRandomSource::Next() { return std::generate_canonical<double, 32>(gen_); }

std::string BatchList::Text() const {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                 : std::string();
}

namespace {

class Applier {
public:
    Applier(AppData& d, const BatchRequest& req, RandomSource& random)
        : d_(d), q_(req), random_(random) {
        out_.text2 = req.text2;
        out_.text3 = req.text3;
    }

    BatchResult Run() {
        Range();
        Normalise();
        if (On(2) || On(3)) random_.Seed();
        if (q_.deleteOutside) DeleteOutside();
        for (int n = first_; n <= last_; ++n) {
            int k = n - first_;
            for (int f : kBatchFunOrder) ApplyFunction(f, n, k);
        }
        CheckOptionChannels(d_);
        return out_;
    }

private:
    AppData& d_;
    const BatchRequest& q_;
    RandomSource& random_;
    BatchResult out_;
    int first_ = ChMemFirst, last_ = ChMemLast;

    bool On(int f) const { return q_.chosen[static_cast<std::size_t>(f)] != 0; }
    int Opt(int group) const { return q_.option[static_cast<std::size_t>(group)]; }
    const std::string& Box(int i) const { return out_.text2[static_cast<std::size_t>(i)]; }
    const BatchList& List(int i) const { return q_.combo[static_cast<std::size_t>(i)]; }
    static Integer Tick(int v) { return v > 0 ? 1 : 0; }

    void Range() {
        if (Opt(1) != 1) return;
        auto end = [](const std::string& s) {
            Long v = ValLngDef(s, 0);
            return static_cast<int>(v < 0 ? 0 : v > 199 ? 199 : v) + 1;
        };
        first_ = end(q_.text1[0]);
        last_ = end(q_.text1[1]);
        if (last_ < first_) std::swap(first_, last_);
    }

    void NormaliseBox(int i) {
        std::string& t = out_.text2[static_cast<std::size_t>(i)];
        t = Text2LostFocus(d_, i, t, Box(8));
    }

    void Normalise() {
        if (On(0)) {
            NormaliseBox(0);
            NormaliseBox(1);
        }
        if (On(1)) {
            if (Opt(3) == 1) NormaliseBox(2);
            if (Opt(3) == 2) {
                NormaliseBox(3);
                NormaliseBox(4);
            }
        }
        if (On(2)) NormaliseBox(5);
        if (On(3)) NormaliseBox(6);
        if (On(4) && Opt(6) == 1) {
            NormaliseBox(8);
            NormaliseBox(9);
        }
        if (On(19)) out_.text3 = Text3LostFocus(out_.text3);
    }

    void DeleteOutside() {
        int i = 0;
        while (i < d_.FreDataCount()) {
            int n = d_.FreData[static_cast<std::size_t>(i)].No;
            if ((n < first_ || n > last_) && n <= ChMemLast && DeleteFreData(d_, n)) continue;
            ++i;
        }
    }

    FreDataRec* Record(int n) {
        int i = FindFreDataIndex(d_, n);
        return i < 0 ? nullptr : &d_.FreData[static_cast<std::size_t>(i)];
    }

    void ApplyFunction(int f, int n, int k) {
        if (!On(f) || f == 12 || f == 15) return;
        if (f == 0) {
            RxFrequency(n, k);
            return;
        }
        FreDataRec* r = Record(n);
        if (!r) return;
        switch (f) {
        case 1: TxFrequency(*r, k); break;
        case 2:
            if (q_.check3[0] > 0)
                StoreTone(*r, 0, -1, 0, k, true);
            else
                StoreTone(*r, 0, Opt(9), WholeCount(Box(5)), k, false);
            break;
        case 3:
            if (q_.check3[2] > 0) {
                r->EnCTCType = r->DeCTCType;
                r->EnCTCSS = r->DeCTCSS;
                r->EnDCS = r->DeDCS;
                r->EnDCSInvert = r->DeDCSInvert;
            } else if (q_.check3[1] > 0) {
                StoreTone(*r, 1, -1, 0, k, true);
            } else {
                StoreTone(*r, 1, Opt(10), WholeCount(Box(6)), k, false);
            }
            break;
        case 4: Name(*r, k); break;
        case 5: StoreIndex(r->Step, 2); break;
        case 6:
            // The record knows wide (0) and narrow (1); 20 and 12.5 kHz are narrow.
            if (List(3).index >= 0) r->WN = List(3).index == 0 ? BandWide : BandNarrow;
            break;
        case 7: StoreIndex(r->Power, 4); break;
        case 8:
            // The MSK group list is never shown: MSKGroup stays.
            r->OptSig = GetOptSigType(List(5).Text());
            r->DTMFCode = static_cast<Integer>(GetIntByText(List(11).Text(), 1, "M") - 1);
            r->Tone2Code = static_cast<Integer>(GetIntByText(List(12).Text(), 0, ""));
            r->Tone5Code = static_cast<Integer>(GetIntByText(List(13).Text(), 0, ""));
            r->Tone2Decode = static_cast<Integer>(GetIntByText(List(16).Text(), 1, "") - 1);
            break;
        case 9: SqlMode(*r); break;
        case 10:
            StoreIndex(r->DTMFPttID, 7);
            if (r->DTMFPttID > 0 && r->Tone5PttID > 0) r->Tone5PttID = 0;
            break;
        case 11:
            StoreIndex(r->Tone5PttID, 8);
            if (r->Tone5PttID > 0 && r->DTMFPttID > 0) r->DTMFPttID = 0;
            break;
        case 13: StoreIndex(r->BusyLock, 10); break;
        case 14: r->TxForbid = Tick(q_.check1[0]); break;
        case 16: r->ScanSkip = Tick(q_.check1[2]); break;
        case 17:
            r->Reverse = Tick(q_.check1[3]);
            if (r->Reverse > 0 && r->TalkAround > 0) r->TalkAround = 0;
            break;
        case 18:
            r->TalkAround = Tick(q_.check1[4]);
            if (r->TalkAround > 0 && r->Reverse > 0) r->Reverse = 0;
            break;
        case 19:
            r->CustomCTCSS = static_cast<Integer>(RoundScaled(NumberOr0(out_.text3), 1).value_or(0));
            break;
        case 20: StoreIndex(r->SqlLevel, 15); break;
        default: break;
        }
    }

    // A list position into a field; a list without a choice leaves it.
    void StoreIndex(Integer& field, int list) {
        if (List(list).index >= 0) field = static_cast<Integer>(List(list).index);
    }

    void RxFrequency(int n, int k) {
        double f = Stepped(NumberOr0(Box(0)), NumberOr0(Box(1)), Opt(2), k);
        FreDataRec* r = Record(n);
        std::string t = FormatRxFreInBand(d_, f, r ? r->Step : 0, false);
        std::string stored = FreStrToData(t);
        if (stored.empty()) return;
        if (!r) {
            if (!AddFreDataByFre(d_, n, t)) return;
            r = Record(n);
            if (!r) return;
        }
        // The store rounds a new channel to 100 Hz; keep the 10 Hz grid value.
        r->RxFre.Set(stored);
    }

    void TxFrequency(FreDataRec& r, int k) {
        int mode = Opt(3);
        if (mode != 1 && mode != 2) {
            r.OffsetDir = OffsetNone;
            r.OffsetFre.Set(kNoOffsetFre);
            return;
        }
        const std::optional<FreUnits> rxRead = FreTextToUnits(RxDisplay(d_, r));
        const FreUnits rx = rxRead.value_or(0);
        double v;
        if (mode == 1) {
            // RX plus or minus the offset; neither button: RX.
            const int dir = Opt(4) == 0 ? OffsetPlus : Opt(4) == 1 ? OffsetMinus : OffsetNone;
            v = static_cast<double>(TxFromRx(rx, dir, FreTextToUnits(Box(2)).value_or(0))) / kFreUnitsPerMHz;
        } else {
            v = Stepped(NumberOr0(Box(3)), NumberOr0(Box(4)), Opt(5), k);
        }
        const FreOffset o = OffsetBetween(rx, FreUnitsInBandBy(d_, v, false, false));
        r.OffsetDir = static_cast<Integer>(o.dir);
        // Without an RX frequency, or beyond the field, no offset is stored.
        if (!rxRead || !SetOffsetFreData(d_, r, o.offset, rx, false)) r.OffsetFre.Set(kNoOffsetFre);
    }

    // A tone from list `list` (0 decode, 1 encode): random, or stepped from
    // the chosen entry by dir (0 up, 1 down, other none).
    void StoreTone(FreDataRec& r, int list, int dir, std::int64_t step, int k, bool randomTone) {
        const BatchList& l = List(list);
        std::int64_t count = static_cast<std::int64_t>(l.items.size());
        if (count == 0) return;
        std::int64_t p;
        if (randomTone) {
            p = static_cast<std::int64_t>(std::floor(random_.Next() * static_cast<double>(count)));
            p = p < 0 ? 0 : p >= count ? count - 1 : p;
        } else {
            std::int64_t start = l.index >= 0 && l.index < count ? l.index : 0;
            p = start;
            if (dir == 0) p = Wrap(start + step * k, count);
            if (dir == 1) p = Wrap(start - step * k, count);
        }
        const std::string& text = l.items[static_cast<std::size_t>(p)];
        if (list == 0)
            GetToneDataByText(d_, text, static_cast<int>(p), r.DeCTCType, r.DeCTCSS, r.DeDCS, r.DeDCSInvert);
        else
            GetToneDataByText(d_, text, static_cast<int>(p), r.EnCTCType, r.EnCTCSS, r.EnDCS, r.EnDCSInvert);
    }

    void Name(FreDataRec& r, int k) {
        std::string prefix = Utf8ToLatin1(Box(7));
        if (Opt(6) != 1) {
            r.Name.Set(prefix);
            return;
        }
        std::size_t w = Box(8).size();
        if (w >= static_cast<std::size_t>(kBatchNameLimit))
            prefix.clear();
        else if (prefix.size() > kBatchNameLimit - w)
            prefix.resize(kBatchNameLimit - w);
        int dir = Opt(7);
        if (dir != 0 && dir != 1) {
            r.Name.Set(prefix);
            return;
        }
        // m = 10^w; beyond 18 digits no ID reaches it.
        std::int64_t m = 1;
        for (std::size_t i = 0; i < w && i < 18; ++i) m *= 10;
        std::int64_t start = WholeCount(Box(8));
        std::int64_t step = WholeCount(Box(9));
        std::int64_t x = dir == 0 ? start + step * k : start - step * k;
        x = Wrap(x, m);
        std::string digits = std::to_string(x);
        if (digits.size() < w) digits.insert(0, w - digits.size(), '0');
        r.Name.Set(prefix + digits);
    }

    void SqlMode(FreDataRec& r) {
        if (List(6).index < 0) return;
        int m = List(6).index;
        int rxTone = r.Reverse > 0 ? r.EnCTCType : r.DeCTCType;
        if ((m == 1 && rxTone == 0) || (m == 2 && r.OptSig == 0) ||
            ((m == 3 || m == 4) && (rxTone == 0 || r.OptSig == 0)))
            m = 0;
        r.SqlMode = static_cast<Integer>(m);
    }
};

}  // namespace

BatchResult BatchApply(AppData& d, const BatchRequest& req, RandomSource& random) {
    return Applier(d, req, random).Run();
}

}  // namespace rp

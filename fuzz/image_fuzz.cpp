// libFuzzer target over the image decoder: an arbitrary 16,384-byte image
// (the input, cut or completed with 0xFF) decodes without a fault, every
// length and channel number lands within its bounds, the decoded data set
// encodes again, and the bytes a save would write open again as the same
// data set (in memory, through the data-file code).
//
// Byte 0 (which no decoder reads): bit 0 picks the model the image is read
// as; bit 1 skips the save-and-open check, so half the runs are quicker.
// The decode and encode are those of a read and a write (the AppData
// overloads only copy around them).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/bands.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/messages.h"
#include "core/recordio.h"
#include "link/codec.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void Prepare(rp::AppData& d) {
    d.LanguageIndex = 1;
    rp::InitMessageTexts(d);
    d.CurModel = "KEVRA8R";
    d.CurBandIndex = 0;
    d.CurBandText = rp::GetFreqRangeText(0);
    rp::ParseBandRanges(d);
    rp::InitAllData(d);
}

void CheckBounds(const rp::ImageData& d) {
    using namespace rp;
    const RadioDataRec& w = d.Work;
    Check(w.FreDataCount >= 0 && w.FreDataCount <= kFreDataMax);
    int last = 0;
    for (int k = 0; k < w.FreDataCount; ++k) {
        Check(d.Fre[k].No > last && d.Fre[k].No <= kFreDataMax);  // ascending, unique
        last = d.Fre[k].No;
    }
    const DTMFDataRec& dt = w.DTMFData();
    Check(dt.BeginCode.CodeLen >= 0 && dt.BeginCode.CodeLen <= 24);
    Check(dt.EndCode.CodeLen >= 0 && dt.EndCode.CodeLen <= 24);
    Check(dt.KillCode.CodeLen >= 0 && dt.KillCode.CodeLen <= 14);
    Check(dt.StunCode.CodeLen >= 0 && dt.StunCode.CodeLen <= 14);
    for (const auto& m : dt.MemCodes) Check(m.CodeLen >= 0 && m.CodeLen <= 24);
    const Tone5DataRec& t5 = w.Tone5Data();
    Check(t5.OwnIDLen <= kTone5OwnIDMaxLen);
    Check(t5.BeginCode.CodeLen <= kTone5PttIDMaxLen && t5.EndCode.CodeLen <= kTone5PttIDMaxLen);
    for (const auto& c : t5.InfoCodes) Check(c.CodeLen <= kTone5InfoMaxLen);
    for (const auto& c : t5.Codes) Check(c.CodeLen <= kTone5ListMaxLen);
    for (Integer v : w.BankCH.v) Check(v >= 0 && v <= 200);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rp;
    static AppData base = [] {
        AppData d;
        Prepare(d);
        return d;
    }();

    // The decode of a read, into copies of the data as it stands.
    static CommBytes img;
    img.fill(0xFF);
    std::copy_n(data, std::min<std::size_t>(size, img.size()), img.begin());
    const char* model = size > 0 && (data[0] & 1) ? "7425USD" : "KEVRA8R";
    static ImageData decoded;
    decoded = ImageData{base.WorkData, base.FreData};
    EmgDataRec emg = base.EmgData;
    GetAllDataFromComm(img, decoded, emg, model);
    CheckBounds(decoded);

    if (size == 0 || !(data[0] & 2)) {
        // The bytes a save writes open again as the same data set.
        RadioDataRec rec = decoded.Work;
        rec.BandIndex = base.CurBandIndex;
        rec.ModelCode.Set(TrimNullStr(base.CurModel));
        Check(rec == decoded.Work);  // the save stamps nothing new
        const auto n = static_cast<std::size_t>(decoded.Work.FreDataCount);
        DataSetContents c;
        c.dataStatus = ReadStatus::Ok;
        c.data = DataRecordBytes(rec);
        c.channelStatus = ReadStatus::Ok;
        c.channels = ChannelRecordBytes(std::span<const FreDataRec>(decoded.Fre.data(), n));
        static AppData e;  // reused: a fresh copy of base for every input
        e = base;
        Check(OpenDataSet(e, "image.dat", c));
        Check(e.WorkData == rec);
        Check(std::equal(e.FreData.begin(), e.FreData.begin() + static_cast<std::ptrdiff_t>(n), decoded.Fre.begin()));
    }

    // The decoded data encodes again (or fails cleanly) without touching
    // anything out of bounds.
    static CommBytes again;
    ClearCommImage(again);
    (void)SetCommDataByAll(again, decoded, model, nullptr);
    return 0;
}

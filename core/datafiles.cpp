#include "core/datafiles.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <vector>

#include "core/bands.h"
#include "core/defaults.h"
#include "core/fileio.h"
#include "core/messages.h"
#include "core/models.h"
#include "core/recordio.h"
#include "core/testdata.h"

namespace rp {

// ---- names -----------------------------------------------------------------

std::string ChannelFilePath(const std::string& dataPath) {
    if (dataPath.size() < 3) return "fre";
    return dataPath.substr(0, dataPath.size() - 3) + "fre";
}

std::string TestDataCompanionPath(const std::string& dataPath) {
    if (dataPath.size() <= 3) return "";
    return dataPath.substr(0, dataPath.size() - 4) + ".ted";
}

bool IsDataFilePathUsable(const std::string& dataPath, bool factoryTestMode) {
    if (FileNamePart(dataPath).size() < 4) return false;
    if (ChannelFilePath(dataPath) == dataPath) return false;
    if (factoryTestMode && TestDataCompanionPath(dataPath) == dataPath) return false;
    return true;
}

// ---- parsing -----------------------------------------------------------------

std::optional<RadioDataRec> ParseDataRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kDataRecordSize) return std::nullopt;
    RadioDataRec r;
    if (!DecodeRecord(bytes.first(kDataRecordSize), r)) return std::nullopt;
    return r;
}

bool IsDataRecordUsable(const RadioDataRec& r) {
    return r.FreDataCount >= 0 && r.FreDataCount <= kFreDataMax && r.BandIndex >= BandRangeFirst &&
           r.BandIndex <= BandRangeLast;
}

bool ParseChannelRecords(std::span<const std::uint8_t> bytes, int n,
                         std::array<FreDataRec, kFreDataMax>& out) {
    if (n < 0 || n > kFreDataMax) return false;
    if (bytes.size() < static_cast<std::size_t>(n) * kChannelRecordSize) return false;
    std::array<FreDataRec, kFreDataMax> tmp{};
    std::array<bool, kFreDataMax + 1> seen{};
    for (int i = 0; i < n; ++i) {
        FreDataRec& r = tmp[static_cast<std::size_t>(i)];
        DecodeRecord(bytes.subspan(static_cast<std::size_t>(i) * kChannelRecordSize,
                                   kChannelRecordSize),
                     r);
        if (r.No < 1 || r.No > kFreDataMax || seen[static_cast<std::size_t>(r.No)]) return false;
        seen[static_cast<std::size_t>(r.No)] = true;
    }
    std::copy(tmp.begin(), tmp.begin() + n, out.begin());
    return true;
}

std::vector<std::uint8_t> DataRecordBytes(const RadioDataRec& r) { return EncodeRecord(r); }

std::vector<std::uint8_t> ChannelRecordBytes(std::span<const FreDataRec> records) {
    std::vector<std::uint8_t> out(records.size() * kChannelRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        EncodeRecord(records[i],
                     std::span<std::uint8_t>(out).subspan(i * kChannelRecordSize, kChannelRecordSize));
    return out;
}

DataSetContents ReadDataSetContents(const std::string& path, bool withTestData) {
    DataSetContents c;
    c.dataStatus = ReadFilePrefix(path, kDataRecordSize, c.data, &c.dataError);
    if (c.dataStatus != ReadStatus::Ok) return c;
    c.channelStatus =
        ReadFilePrefix(ChannelFilePath(path), kFreDataMax * kChannelRecordSize, c.channels, &c.channelError);
    if (withTestData) {
        c.testDataPath = TestDataCompanionPath(path);
        c.testDataStatus = ReadFilePrefix(c.testDataPath, kTestDataSize, c.testData, &c.testDataError);
    }
    return c;
}

LoadOutcome ParseDataSet(const AppData& d, const DataSetContents& c, bool checkModel, bool stampModel,
                         bool withTestData, bool shortTestDataIsMissing, LoadedDataSet& out,
                         DataSetFailure* why) {
    auto refuse = [why](DataSetFailure::File file, ReadStatus status, int error) {
        if (why) *why = {file, error != 0 ? error : status == ReadStatus::Missing ? ENOENT : 0};
        return LoadOutcome::FileError;
    };
    if (c.dataStatus != ReadStatus::Ok) return refuse(DataSetFailure::Data, c.dataStatus, c.dataError);
    auto rec = ParseDataRecord(c.data);
    if (!rec) return refuse(DataSetFailure::Data, ReadStatus::Ok, 0);
    if (checkModel && rec->ModelCode.Trim() != kModelId) return LoadOutcome::ModelWrong;
    if (stampModel) {
        rec->BandIndex = d.CurBandIndex;
        rec->ModelCode.Set(TrimNullStr(d.CurModel));
    }
    if (!IsDataRecordUsable(*rec)) return refuse(DataSetFailure::Data, ReadStatus::Ok, 0);

    const int n = rec->FreDataCount;
    const ReadStatus cs = c.channelStatus;
    if (cs == ReadStatus::Error || (cs == ReadStatus::Missing && n > 0))
        return refuse(DataSetFailure::Channels, cs, c.channelError);
    if (!ParseChannelRecords(c.channels, n, out.channels))
        return refuse(DataSetFailure::Channels, ReadStatus::Ok, 0);

    out.testData.reset();
    out.testDataPath.clear();
    if (withTestData) {
        switch (c.testDataStatus) {
            case ReadStatus::Ok:
                if (c.testData.size() >= kTestDataSize) {
                    std::array<Byte, 32> block{};
                    std::copy_n(c.testData.begin(), kTestDataSize, block.begin());
                    out.testData = block;
                    out.testDataPath = c.testDataPath;
                    break;
                }
                [[fallthrough]];  // a short file
            case ReadStatus::Error:
                if (!shortTestDataIsMissing)
                    return refuse(DataSetFailure::TestData, c.testDataStatus, c.testDataError);
                break;
            case ReadStatus::Missing: break;
        }
    }
    out.data = *rec;
    return LoadOutcome::Ok;
}

LoadOutcome ReadDataSet(const AppData& d, const std::string& path, bool checkModel,
                        bool stampModel, bool withTestData, bool shortTestDataIsMissing,
                        LoadedDataSet& out) {
    return ParseDataSet(d, ReadDataSetContents(path, withTestData), checkModel, stampModel, withTestData,
                        shortTestDataIsMissing, out);
}

// ---- snapshot -----------------------------------------------------------------

namespace {
int ClampCount(int n) { return std::clamp(n, 0, kFreDataMax); }
}  // namespace

void CopyWorkDataToFileCopy(AppData& d) {
    if (d.FactoryTestMode)
        std::copy(d.TestDataBuf.begin(), d.TestDataBuf.begin() + 32, d.TestDataBuf.begin() + 32);
    d.WorkData.BandIndex = d.CurBandIndex;
    d.WorkData.ModelCode.Set(TrimNullStr(d.CurModel));
    d.FileData = d.WorkData;
    const int n = ClampCount(d.FileData.FreDataCount);
    std::copy(d.FreData.begin(), d.FreData.begin() + n, d.FileFreData.begin());
}

void CopyFileCopyToWorkData(AppData& d) {
    if (d.FactoryTestMode)
        std::copy(d.TestDataBuf.begin() + 32, d.TestDataBuf.end(), d.TestDataBuf.begin());
    d.WorkData = d.FileData;
    std::string m = d.WorkData.ModelCode.Trim();
    if (m == kModelId) d.CurModel = m;
    d.CurBandIndex = d.WorkData.BandIndex;
    d.CurBandText = GetFreqRangeText(d.CurBandIndex);
    ParseBandRanges(d);
    const int n = ClampCount(d.FileData.FreDataCount);
    std::copy(d.FileFreData.begin(), d.FileFreData.begin() + n, d.FreData.begin());
}

// ---- load and save ---------------------------------------------------------------

void NewDataFile(AppData& d) {
    InitAllData(d);
    d.Ui.View->ReShowListByData(d.ShowListType);
    d.Ui.View->ReShowRadioListByData();
    d.Ui.View->ReShowAMListByData();
}

bool OpenDataFile(AppData& d, const std::string& path) {
    const bool usable = IsDataFilePathUsable(path, d.FactoryTestMode);
    return OpenDataSet(d, path, usable ? ReadDataSetContents(path, d.FactoryTestMode) : DataSetContents{});
}

bool OpenDataSet(AppData& d, const std::string& path, const DataSetContents& c) {
    LoadedDataSet set;
    LoadOutcome r = LoadOutcome::FileError;
    FileFailure why{path, EINVAL};  // a name the set's files cannot take
    if (IsDataFilePathUsable(path, d.FactoryTestMode)) {
        DataSetFailure failure;
        r = ParseDataSet(d, c, /*checkModel=*/true, /*stampModel=*/false, d.FactoryTestMode,
                         /*shortTestDataIsMissing=*/false, set, &failure);
        why.error = failure.error;
        if (failure.file == DataSetFailure::Channels) why.path = ChannelFilePath(path);
        if (failure.file == DataSetFailure::TestData) why.path = TestDataCompanionPath(path);
    }
    if (r == LoadOutcome::ModelWrong) {
        d.Ui.Notify->Show(LangText(d, d.Msg.MsgModelWrong), MsgIcon::None, MsgButtons::Ok, "");
        return false;
    }
    if (r != LoadOutcome::Ok) {
        ShowFileError(d, why);
        return false;
    }
    d.FileData = set.data;
    std::copy(set.channels.begin(), set.channels.begin() + set.data.FreDataCount,
              d.FileFreData.begin());
    if (set.testData) {
        std::copy(set.testData->begin(), set.testData->end(), d.TestDataBuf.begin() + 32);
        d.TestDataFilePath = set.testDataPath;
        d.TestDataOrigin = AppData::TestDataSource::File;
    }
    CopyFileCopyToWorkData(d);
    d.CurModelShowName = GetShowModelName(d.CurModel);
    d.DataFilePath = path;  // the refreshed window shows the new file's name
    d.Ui.View->LoadShowByModel();
    d.Ui.View->ReShowListByData(d.ShowListType);
    d.Ui.View->ReShowRadioListByData();
    d.Ui.View->ReShowAMListByData();
    d.IsUntitled = false;
    return true;
}

bool SaveDataFile(AppData& d) { return SaveDataFile(d, std::string(d.DataFilePath)); }

bool SaveDataFile(AppData& d, const std::string& path) {
    const int n = d.WorkData.FreDataCount;
    if (!IsDataFilePathUsable(path, d.FactoryTestMode)) {
        ShowFileError(d, {path, EINVAL});
        return false;
    }
    if (n < 0 || n > kFreDataMax) {
        ShowFileError(d, {path, 0});
        return false;
    }
    // What CopyWorkDataToFileCopy will make the snapshot, built aside first.
    RadioDataRec rec = d.WorkData;
    rec.BandIndex = d.CurBandIndex;
    rec.ModelCode.Set(TrimNullStr(d.CurModel));

    std::vector<FileToWrite> files;
    files.push_back({ChannelFilePath(path),
                     ChannelRecordBytes(std::span<const FreDataRec>(d.FreData.data(),
                                                                    static_cast<std::size_t>(n)))});
    std::string ted;
    if (d.FactoryTestMode) {
        ted = TestDataCompanionPath(path);
        files.push_back({ted, std::vector<std::uint8_t>(d.TestDataBuf.begin(),
                                                        d.TestDataBuf.begin() + 32)});
    }
    files.push_back({path, DataRecordBytes(rec)});  // last: the set counts as saved
    FileFailure why;
    if (!WriteFileSetAtomically(files, &why)) {
        ShowFileError(d, why);
        return false;
    }
    CopyWorkDataToFileCopy(d);
    if (d.FactoryTestMode) d.TestDataFilePath = ted;
    d.DataFilePath = path;
    d.IsUntitled = false;
    return true;
}

bool LoadChannelFile(AppData& d, const std::string& path, int n) {
    if (n < 0 || n > kFreDataMax) return false;
    std::vector<std::uint8_t> bytes;
    ReadStatus s = ReadFilePrefix(ChannelFilePath(path),
                                  static_cast<std::size_t>(n) * kChannelRecordSize, bytes);
    if (s == ReadStatus::Error || (s == ReadStatus::Missing && n > 0)) return false;
    std::array<FreDataRec, kFreDataMax> tmp{};
    if (!ParseChannelRecords(bytes, n, tmp)) return false;
    std::copy(tmp.begin(), tmp.begin() + n, d.FileFreData.begin());
    return true;
}

bool SaveChannelFile(AppData& d, const std::string& path, int n) {
    if (n < 0 || n > kFreDataMax) return false;
    return WriteFileSetAtomically(
        {{ChannelFilePath(path),
          ChannelRecordBytes(std::span<const FreDataRec>(d.FileFreData.data(),
                                                         static_cast<std::size_t>(n)))}});
}

// ---- change detection -------------------------------------------------------------

namespace {

struct FieldRef {
    enum Kind { Int, Byt, Dbl, Txt } kind;
    const void* p;
    std::size_t n;
};

struct Collect {
    std::vector<FieldRef>& out;
    void operator()(Integer& v) { out.push_back({FieldRef::Int, &v, 2}); }
    void operator()(Byte& v) { out.push_back({FieldRef::Byt, &v, 1}); }
    void operator()(double& v) { out.push_back({FieldRef::Dbl, &v, 8}); }
    template <std::size_t N> void operator()(FixedText<N>& t) {
        out.push_back({FieldRef::Txt, t.data(), N});
    }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) {
        for (auto& e : a) (*this)(e);
    }
    template <class R> void operator()(R& r) { layout::Fields(*this, r); }
};

bool SameField(FieldRef::Kind kind, const void* a, const void* b, std::size_t n) {
    switch (kind) {
        case FieldRef::Int: return *static_cast<const Integer*>(a) == *static_cast<const Integer*>(b);
        case FieldRef::Byt: return *static_cast<const Byte*>(a) == *static_cast<const Byte*>(b);
        case FieldRef::Dbl: {
            double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
            return x == y || std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
        }
        case FieldRef::Txt:
            return TrimNullStr(std::string_view(static_cast<const char*>(a), n)) ==
                   TrimNullStr(std::string_view(static_cast<const char*>(b), n));
    }
    return false;
}

// Where a record type's fields lie within it (built once per type from the
// field-order list: the layout is the same for every record of the type).
struct FieldAt {
    FieldRef::Kind kind;
    std::size_t offset;
    std::size_t n;
};
template <class R> const std::vector<FieldAt>& FieldTable() {
    static const std::vector<FieldAt> table = [] {
        R probe{};
        std::vector<FieldRef> refs;
        Collect{refs}(probe);
        std::vector<FieldAt> t;
        t.reserve(refs.size());
        const char* base = reinterpret_cast<const char*>(&probe);
        for (const FieldRef& f : refs)
            t.push_back({f.kind, static_cast<std::size_t>(static_cast<const char*>(f.p) - base), f.n});
        return t;
    }();
    return table;
}

// Field-by-field equality of two records of the same type: texts after
// TrimNullStr, Doubles exactly (same bits also counts).
template <class R> bool SameFields(const R& a, const R& b) {
    const char* pa = reinterpret_cast<const char*>(&a);
    const char* pb = reinterpret_cast<const char*>(&b);
    for (const FieldAt& f : FieldTable<R>())
        if (!SameField(f.kind, pa + f.offset, pb + f.offset, f.n)) return false;
    return true;
}

// A channel record: every field but EnDCSHigh and DeDCSHigh.
void IgnoreDCSHigh(FreDataRec& a, const FreDataRec& b) {
    a.EnDCSHigh = b.EnDCSHigh;
    a.DeDCSHigh = b.DeDCSHigh;
}

bool SameChannel(FreDataRec a, FreDataRec b) {
    IgnoreDCSHigh(a, b);
    return SameFields(a, b);
}

// A code text counts over its valid digits only: the lengths must match,
// and a length in 1..max compares that many characters of the two texts
// (taken, like every text, through TrimNullStr). Afterwards a's text is made
// b's so the field-by-field pass skips it.
template <std::size_t N, class L>
bool SameCode(FixedText<N>& a, L lenA, const FixedText<N>& b, L lenB, int max) {
    if (lenA != lenB) return false;
    const int len = static_cast<int>(lenA);
    const auto n = static_cast<std::size_t>(len);
    if (len >= 1 && len <= max && a.Trim().substr(0, n) != b.Trim().substr(0, n)) return false;
    a = b;
    return true;
}

template <class C> bool SameCodeRec(C& a, const C& b, int max) {
    return SameCode(a.Code, a.CodeLen, b.Code, b.CodeLen, max);
}

}  // namespace

int FindChannelIndexByNumber(const AppData& d, const FreDataRec& r) {
    const int n = ClampCount(d.WorkData.FreDataCount);
    for (int i = 0; i < n; ++i)
        if (d.FreData[static_cast<std::size_t>(i)].No == r.No) return i;
    return -1;
}

bool IsDataUnchanged(const AppData& d) {
    const RadioDataRec& file = d.FileData;
    if (d.CurBandIndex != file.BandIndex) return false;

    // Memory channels, matched by number.
    if (d.WorkData.FreDataCount != file.FreDataCount) return false;
    const int n = file.FreDataCount;
    if (n < 0 || n > kFreDataMax) return false;
    for (int i = 0; i < n; ++i) {
        const FreDataRec& f = d.FileFreData[static_cast<std::size_t>(i)];
        int k = d.FreData[static_cast<std::size_t>(i)].No == f.No ? i : FindChannelIndexByNumber(d, f);
        if (k < 0) return false;
        if (!SameChannel(d.FreData[static_cast<std::size_t>(k)], f)) return false;
    }

    // Everything else, on copies with the fields compared above (or not at
    // all) made equal.
    RadioDataRec a = d.WorkData;
    RadioDataRec b = file;
    a.BandIndex = b.BandIndex;
    a.ModelCode = b.ModelCode;
    for (std::size_t i = 0; i < a.GMRSFreData.size(); ++i) IgnoreDCSHigh(a.GMRSFreData[i], b.GMRSFreData[i]);
    for (std::size_t i = 0; i < a.MURSFreData.size(); ++i) IgnoreDCSHigh(a.MURSFreData[i], b.MURSFreData[i]);
    for (std::size_t i = 0; i < a.WXFreData.size(); ++i) IgnoreDCSHigh(a.WXFreData[i], b.WXFreData[i]);

    DTMFDataRec& da = a.DTMFData();
    const DTMFDataRec& db = b.DTMFData();
    for (std::size_t i = 0; i < da.MemCodes.size(); ++i)
        if (!SameCodeRec(da.MemCodes[i], db.MemCodes[i], 24)) return false;
    if (!SameCodeRec(da.BeginCode, db.BeginCode, 24) || !SameCodeRec(da.EndCode, db.EndCode, 24) ||
        !SameCodeRec(da.KillCode, db.KillCode, 14) || !SameCodeRec(da.StunCode, db.StunCode, 14))
        return false;

    Tone5DataRec& ta = a.Tone5Data();
    const Tone5DataRec& tb = b.Tone5Data();
    if (!SameCode(ta.OwnID, ta.OwnIDLen, tb.OwnID, tb.OwnIDLen, 5)) return false;
    if (!SameCodeRec(ta.BeginCode, tb.BeginCode, 22) || !SameCodeRec(ta.EndCode, tb.EndCode, 22))
        return false;
    for (std::size_t i = 0; i < ta.InfoCodes.size(); ++i)
        if (!SameCodeRec(ta.InfoCodes[i], tb.InfoCodes[i], 12)) return false;
    for (std::size_t i = 0; i < ta.Codes.size(); ++i)
        if (!SameCodeRec(ta.Codes[i], tb.Codes[i], 40)) return false;

    if (!SameFields(a, b)) return false;

    if (d.FactoryTestMode)
        for (int i = 0; i < 32; ++i)
            if (d.TestDataBuf[static_cast<std::size_t>(i)] != d.TestDataBuf[static_cast<std::size_t>(i + 32)])
                return false;
    return true;
}

bool IsDataChanged(const AppData& d) { return !IsDataUnchanged(d); }

}  // namespace rp

#pragma once
// Data files and change detection. A data set on disk is the data file
// (one RadioDataRec record), the channel file beside it (FreDataCount
// channel records) and, in factory test mode, the test-data companion.
// FileData / FileFreData (and the snapshot half of TestDataBuf) hold the
// data set as last loaded or saved; IsDataChanged compares the working data
// with them.
//
// Every load reads and checks the whole set in buffers before any of it is
// applied, and every save replaces the set's files all together.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>
#include <string>

#include "core/appdata.h"
#include "core/fileio.h"

namespace rp {

inline constexpr const char* kModelId = "KEVRA8R";

// ---- names -----------------------------------------------------------------

// The channel file of a data file: the path with its last three characters
// replaced by "fre" ("x.dat" -> "x.fre", "abc.data" -> "abc.dfre").
std::string ChannelFilePath(const std::string& dataPath);
// The test-data companion: the path without its last four characters,
// followed by ".ted" ("club.dat" -> "club.ted"); "" for a path of three
// characters or fewer.
std::string TestDataCompanionPath(const std::string& dataPath);
// A data-file path the file commands accept: a file name of at least four
// characters whose channel file (and companion, in factory test mode) is
// another file than the data file itself.
bool IsDataFilePathUsable(const std::string& dataPath, bool factoryTestMode);

// ---- parsing of file contents (no state touched) ----------------------------

// The data record from the first kDataRecordSize bytes; nothing when the
// contents are shorter.
std::optional<RadioDataRec> ParseDataRecord(std::span<const std::uint8_t> bytes);
// FreDataCount 0..206 and BandIndex 0..7.
bool IsDataRecordUsable(const RadioDataRec& r);
// The first n channel records (n 0..206); false when the contents are
// shorter or a channel number is outside 1..206 or repeated.
bool ParseChannelRecords(std::span<const std::uint8_t> bytes, int n,
                         std::array<FreDataRec, kFreDataMax>& out);

// Stored forms, as written to the files.
std::vector<std::uint8_t> DataRecordBytes(const RadioDataRec& r);
std::vector<std::uint8_t> ChannelRecordBytes(std::span<const FreDataRec> records);

// A data set read from disk and checked, not yet applied.
struct LoadedDataSet {
    RadioDataRec data;
    std::array<FreDataRec, kFreDataMax> channels{};
    std::optional<std::array<Byte, 32>> testData;  // the companion, when read
    std::string testDataPath;
};

enum class LoadOutcome { Ok, FileError, ModelWrong };

// The files of a data set as read from disk (or handed over from memory):
// each with its read status and its first bytes.
struct DataSetContents {
    ReadStatus dataStatus = ReadStatus::Missing;
    int dataError = 0, channelError = 0, testDataError = 0;  // errno of a status other than Ok
    std::vector<std::uint8_t> data;      // at least the record, when there
    ReadStatus channelStatus = ReadStatus::Missing;
    std::vector<std::uint8_t> channels;  // at least the records it needs, when there
    ReadStatus testDataStatus = ReadStatus::Missing;
    std::vector<std::uint8_t> testData;  // the companion
    std::string testDataPath;
};

// Reads the data file at path, its channel file and, with withTestData, its
// companion, each only as far as a load looks.
DataSetContents ReadDataSetContents(const std::string& path, bool withTestData);

// Which file of a data set refused a load, and why: the system's error
// number, or 0 when the file was read but is not usable.
struct DataSetFailure {
    enum File { Data, Channels, TestData } file = Data;
    int error = 0;
};

// Checks a data set's contents: the data record and its channels; with
// withTestData also the companion (missing: testData empty; shorter than
// 32 bytes or unreadable: a file error, or as if missing with
// shortTestDataIsMissing). checkModel refuses another model; stampModel puts
// CurModel and CurBandIndex over the file's own before the record is checked.
// why, when given, receives the reason of a FileError.
LoadOutcome ParseDataSet(const AppData& d, const DataSetContents& c, bool checkModel, bool stampModel,
                         bool withTestData, bool shortTestDataIsMissing, LoadedDataSet& out,
                         DataSetFailure* why = nullptr);
// ReadDataSetContents, then ParseDataSet.
LoadOutcome ReadDataSet(const AppData& d, const std::string& path, bool checkModel,
                        bool stampModel, bool withTestData, bool shortTestDataIsMissing,
                        LoadedDataSet& out);

// ---- the data-set commands: new, open, save, channel files, snapshot -------

// InitAllData, then the main window's list refreshes.
void NewDataFile(AppData& d);
// Opens the data set at path. A file that cannot be read or fails its checks
// shows "file error." with the file and the reason (another model:
// MsgModelWrong) and changes nothing;
// on success DataFilePath := path and IsUntitled := False.
bool OpenDataFile(AppData& d, const std::string& path);
// OpenDataFile over contents already read: the same checks, messages and
// changes.
bool OpenDataSet(AppData& d, const std::string& path, const DataSetContents& c);
// Saves the working data set to DataFilePath (all files or none). On
// failure "file error." with the file and the reason, and the snapshot and
// IsUntitled stay as they were.
bool SaveDataFile(AppData& d);
// The same to `path` (Save As): DataFilePath becomes `path` only when the
// save succeeded.
bool SaveDataFile(AppData& d, const std::string& path);
// Reads n channel records of the channel file of path into FileFreData;
// false (FileFreData untouched) when they cannot be read or are not usable.
bool LoadChannelFile(AppData& d, const std::string& path, int n);
// Writes FileFreData(0..n-1) as the channel file of path (exactly n records).
bool SaveChannelFile(AppData& d, const std::string& path, int n);

void CopyWorkDataToFileCopy(AppData& d);
void CopyFileCopyToWorkData(AppData& d);

bool IsDataUnchanged(const AppData& d);
bool IsDataChanged(const AppData& d);

// Index 0..FreDataCount-1 of the first record of FreData with the record's
// channel number, or -1.
int FindChannelIndexByNumber(const AppData& d, const FreDataRec& r);

}  // namespace rp

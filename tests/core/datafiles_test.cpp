#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/banks.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/recordio.h"
#include "datasetfixture.h"
#include "nonregularfiles.h"

using namespace rp;
using rp::test::DataSetState;
using rp::test::ReadFile;
using rp::test::WriteFile;

namespace {

constexpr const char* kFileError = "file error.";
constexpr const char* kModelWrong = "Model type is wrong. Overwrite?";
const std::string kContents = "its contents cannot be used";  // a file error's reason

class DataFiles : public rp::test::DataSetTest {
protected:
    void SetUp() override {
        DataSetTest::SetUp();
        NewDataFile(d);
    }

    // A data set that differs from the defaults in several places.
    void Edit(AppData& a) {
        ASSERT_TRUE(AddFreDataByFre(a, 45, "433.125"));
        a.FreData[FindChannelIndexByNumber(a, a.FreData[0])].Name.Set("HOME");
        a.DTMFData().MemCodes[3].Code.Set("1234");
        a.DTMFData().MemCodes[3].CodeLen = 4;
        a.WorkData.AMFreData[7].Set("121.5000");
        a.WorkData.WXFreData[2].Reserved66 = 9;
    }

    bool SaveAs(const std::string& path) {
        d.DataFilePath = path;
        return SaveDataFile(d);
    }
};

TEST_F(DataFiles, SaveOpenSaveGivesIdenticalFilesAndData) {
    Edit(d);
    ASSERT_TRUE(IsDataChanged(d));
    ASSERT_TRUE(SaveAs(P("x.dat")));
    EXPECT_FALSE(d.IsUntitled);
    EXPECT_FALSE(IsDataChanged(d));
    EXPECT_TRUE(notes.shown.empty());
    std::string dat = ReadFile(P("x.dat")), fre = ReadFile(P("x.fre"));
    EXPECT_EQ(dat.size(), kDataRecordSize);
    EXPECT_EQ(fre.size(), 9 * kChannelRecordSize);
    EXPECT_EQ(dat.substr(12293, 7), "KEVRA8R");

    // The window, refreshed, already sees the opened file's name.
    struct PathSeeingListener : rp::test::RecordingListener {
        const AppData* a = nullptr;
        std::string pathAtLoad;
        void LoadShowByModel() override {
            RecordingListener::LoadShowByModel();
            pathAtLoad = a->DataFilePath;
        }
    } seen;
    AppData e;
    seen.a = &e;
    e.Ui.View = &seen;
    e.InitFolder = d.InitFolder;
    e.CurModel = "KEVRA8R";
    SetBand(e, 0);
    NewDataFile(e);
    seen.calls.clear();
    ASSERT_TRUE(OpenDataFile(e, P("x.dat")));
    EXPECT_EQ(seen.calls, (std::vector<std::string>{"LoadShowByModel", "ReShowListByData",
                                                    "ReShowRadioListByData", "ReShowAMListByData"}));
    EXPECT_EQ(seen.pathAtLoad, P("x.dat"));
    EXPECT_EQ(e.DataFilePath, P("x.dat"));
    EXPECT_FALSE(e.IsUntitled);
    EXPECT_FALSE(IsDataChanged(e));
    EXPECT_EQ(e.CurModelShowName, "KEVRA-8R");
    EXPECT_EQ(e.WorkData, d.WorkData);
    ASSERT_EQ(e.WorkData.FreDataCount, 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(e.FreData[i], d.FreData[i]) << i;

    e.DataFilePath = P("y.dat");
    ASSERT_TRUE(SaveDataFile(e));
    EXPECT_EQ(ReadFile(P("y.dat")), dat);
    EXPECT_EQ(ReadFile(P("y.fre")), fre);
}

TEST_F(DataFiles, ChannelFileIsExactlyItsRecordsEvenOverALongerOne) {
    WriteFile(P("x.fre"), std::string(5000, 'Z'));
    ASSERT_TRUE(SaveAs(P("x.dat")));
    EXPECT_EQ(ReadFile(P("x.fre")).size(), 8 * kChannelRecordSize);
    ASSERT_TRUE(DeleteFreData(d, 205));
    ASSERT_TRUE(DeleteFreData(d, 2));
    ASSERT_TRUE(SaveAs(P("x.dat")));
    EXPECT_EQ(ReadFile(P("x.fre")).size(), 6 * kChannelRecordSize);
    EXPECT_EQ(ReadFile(P("x.dat")).size(), kDataRecordSize);
    EXPECT_EQ(FilesIn(tmp.path()), (std::vector<std::string>{"x.dat", "x.fre"}));
}

TEST_F(DataFiles, LongerDataAndChannelFilesOpen) {
    Edit(d);
    ASSERT_TRUE(SaveAs(P("x.dat")));
    RadioDataRec saved = d.WorkData;
    WriteFile(P("x.dat"), ReadFile(P("x.dat")) + std::string(300, '\x7f'));
    WriteFile(P("x.fre"), ReadFile(P("x.fre")) + std::string(113 * 3, '\x01'));
    NewDataFile(d);
    ASSERT_TRUE(OpenDataFile(d, P("x.dat")));
    EXPECT_EQ(d.WorkData, saved);
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(DataFiles, NamesOfTheFilesOfASet) {
    struct Case {
        const char* data;
        const char* channel;
        const char* companion;
    } cases[] = {
        {"x.dat", "x.fre", "x.ted"},
        {"abc.data", "abc.dfre", "abc..ted"},
        {"/a/b/club.dat", "/a/b/club.fre", "/a/b/club.ted"},
        {"abc", "fre", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChannelFilePath(c.data), c.channel) << c.data;
        EXPECT_EQ(TestDataCompanionPath(c.data), c.companion) << c.data;
    }
    ASSERT_TRUE(SaveAs(P("abc.data")));
    EXPECT_EQ(ReadFile(P("abc.dfre")).size(), 8 * kChannelRecordSize);

    EXPECT_TRUE(IsDataFilePathUsable("/f/x.dat", true));
    EXPECT_FALSE(IsDataFilePathUsable("/f/x.fre", false));   // its own channel file
    EXPECT_FALSE(IsDataFilePathUsable("/f/x.ted", true));    // its own companion
    EXPECT_TRUE(IsDataFilePathUsable("/f/x.ted", false));
    EXPECT_FALSE(IsDataFilePathUsable("/long/folder/abc", false));  // name too short
}

TEST_F(DataFiles, SaveRefusesAPathThatWouldBeItsOwnChannelFile) {
    EXPECT_FALSE(SaveAs(P("x.fre")));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{std::string(kFileError) + "\nx.fre: Invalid argument"});
    EXPECT_TRUE(FilesIn(tmp.path()).empty());
}

// ---- change detection -----------------------------------------------------------

struct ChangeCase {
    const char* what;
    std::function<void(AppData&)> edit;
    bool changed;
};

TEST_F(DataFiles, ChangeDetectionRules) {
    const ChangeCase cases[] = {
        {"nothing", [](AppData&) {}, false},
        {"channels in another order",
         [](AppData& a) { std::swap(a.FreData[0], a.FreData[5]); }, false},
        {"a channel number replaced", [](AppData& a) { a.FreData[1].No = 3; }, true},
        {"a channel added", [](AppData& a) { AddFreDataByFre(a, 9, "440"); }, true},
        {"a channel field", [](AppData& a) { a.FreData[2].Power = 2; }, true},
        {"a channel reserved field", [](AppData& a) { a.FreData[2].Reserved124 = 1; }, true},
        {"DCS high flags of channels and presets",
         [](AppData& a) {
             a.FreData[0].EnDCSHigh = 1;
             a.FreData[1].DeDCSHigh = 1;
             a.WorkData.GMRSFreData[4].EnDCSHigh = 1;
             a.WorkData.WXFreData[6].DeDCSHigh = 1;
         },
         false},
        {"a name with a NUL instead of blanks",
         [](AppData& a) { a.FreData[0].Name.Set(std::string("\0     ", 6)); }, false},
        {"a name", [](AppData& a) { a.FreData[0].Name.Set("A"); }, true},
        {"the working record's own band and model code",
         [](AppData& a) {
             a.WorkData.BandIndex = 5;
             a.WorkData.ModelCode.Set("7425USD");
         },
         false},
        {"the current band", [](AppData& a) { a.CurBandIndex = 3; }, true},
        {"the bank table", [](AppData& a) { a.WorkData.BankCH(5, 4) = 77; }, true},
        {"the air-band list", [](AppData& a) { a.WorkData.AMFreData[3].Set("120.0000"); }, true},
        {"the weather list", [](AppData& a) { a.WorkData.WXFreData[1].Name.Set("WXX"); }, true},
        {"a preset reserved field", [](AppData& a) { a.WorkData.MURSFreData[0].Reserved84 = 2; }, true},
        {"the DTMF decode response", [](AppData& a) { a.DTMFData().DecodeResponse = 1; }, true},
        {"the MSK head reserved", [](AppData& a) { a.WorkData.MSKData.Head.Reserved[2] = 1; }, true},
        {"DTMF code past its length",
         [](AppData& a) { a.DTMFData().MemCodes[0].Code.Set("12F"); }, false},
        {"DTMF code with length 0", [](AppData& a) { a.DTMFData().KillCode.Code.Set("999"); }, false},
        {"DTMF code within its length", [](AppData& a) { a.DTMFData().MemCodes[0].Code.Set("13"); }, true},
        {"DTMF code length", [](AppData& a) { a.DTMFData().MemCodes[0].CodeLen = 3; }, true},
        {"code text ending in a NUL instead of a blank within its length",
         [](AppData& a) { a.DTMFData().BeginCode.Code.Set(std::string("12\0", 3)); }, false},
        {"code text changed within its length, beyond the base text",
         [](AppData& a) { a.DTMFData().BeginCode.Code.Set("124"); }, true},
        {"DTMF code length out of range",
         [](AppData& a) { a.DTMFData().StunCode.Code.Set("55"); }, false},
        {"five-tone own ID past its length",
         [](AppData& a) { a.Tone5Data().OwnID.Set("12399"); }, false},
        {"five-tone own ID within its length",
         [](AppData& a) { a.Tone5Data().OwnID.Set("124"); }, true},
        {"five-tone code within its length",
         [](AppData& a) { a.Tone5Data().Codes[7].Code.Set("7"); }, true},
        {"five-tone code name", [](AppData& a) { a.Tone5Data().Codes[7].Name.Set("N"); }, true},
        {"five-tone info code past its length",
         [](AppData& a) { a.Tone5Data().InfoCodes[1].Code.Set("99"); }, false},
        {"a two-tone decode tone", [](AppData& a) { a.Tone2Data().Decodes[3].Tone1 = 321.8; }, true},
        {"the test-data block outside factory mode", [](AppData& a) { a.TestDataBuf[4] = 1; }, false},
        {"the test-data block in factory mode",
         [](AppData& a) {
             a.FactoryTestMode = true;
             a.TestDataBuf[31] = 1;
         },
         true},
    };
    // A base with code texts of known lengths and a stun code whose length
    // is outside its range.
    DTMFDataRec& t = d.DTMFData();
    t.MemCodes[0].Code.Set("123");
    t.MemCodes[0].CodeLen = 2;
    t.BeginCode.Code.Set("12");  // blank-padded: its length counts one blank
    t.BeginCode.CodeLen = 3;
    t.StunCode.Code.Set("77");
    t.StunCode.CodeLen = 15;
    d.Tone5Data().OwnID.Set("12345");
    d.Tone5Data().OwnIDLen = 3;
    d.Tone5Data().Codes[7].Code.Set("1234");
    d.Tone5Data().Codes[7].CodeLen = 4;
    d.Tone5Data().InfoCodes[1].Code.Set("12");
    d.Tone5Data().InfoCodes[1].CodeLen = 0;
    CopyWorkDataToFileCopy(d);
    ASSERT_FALSE(IsDataChanged(d));
    const AppData base = d;

    for (const auto& c : cases) {
        AppData a = base;
        c.edit(a);
        EXPECT_EQ(IsDataChanged(a), c.changed) << c.what;
        EXPECT_EQ(IsDataUnchanged(a), !c.changed) << c.what;
    }
}

TEST_F(DataFiles, NaNTonesWithTheSameBitsCountAsEqual) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    d.Tone2Data().Decodes[0].Tone2 = nan;
    CopyWorkDataToFileCopy(d);
    EXPECT_FALSE(IsDataChanged(d));
    d.Tone2Data().Decodes[0].Tone2 = -0.0;
    d.FileData.Tone2Data().Decodes[0].Tone2 = 0.0;
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(DataFiles, FindChannelIndexByNumber) {
    FreDataRec r;
    r.No = 203;
    EXPECT_EQ(FindChannelIndexByNumber(d, r), 4);
    r.No = 7;
    EXPECT_EQ(FindChannelIndexByNumber(d, r), -1);
    d.FreData[10].No = 7;  // beyond FreDataCount: not a channel
    EXPECT_EQ(FindChannelIndexByNumber(d, r), -1);
}

// ---- refusals -------------------------------------------------------------------------

struct FileSet {
    std::string dat, fre;
};

void PutU16(std::string& s, std::size_t at, int v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

struct RefusalCase {
    const char* what;
    const char* name;  // data file name
    std::function<void(FileSet&)> edit;
    bool factory;
    std::function<void(const std::string& folder)> extra;
    const char* message;
    std::string reason;  // the file error's second line
};

TEST_F(DataFiles, RefusedFilesChangeNothing) {
    // The good set to spoil.
    ASSERT_TRUE(SaveAs(P("good.dat")));
    const FileSet good{ReadFile(P("good.dat")), ReadFile(P("good.fre"))};

    const RefusalCase cases[] = {
        {"another model", "m.dat", [](FileSet& f) { f.dat.replace(12293, 7, "7425USD"); }, false, {},
         kModelWrong, ""},
        {"a short data file", "s.dat", [](FileSet& f) { f.dat.resize(kDataRecordSize - 1); }, false,
         {}, kFileError, "s.dat: " + kContents},
        {"an empty data file", "e.dat", [](FileSet& f) { f.dat.clear(); }, false, {}, kFileError, "e.dat: " + kContents},
        {"207 channels", "c.dat", [](FileSet& f) { PutU16(f.dat, 7286, 207); }, false, {}, kFileError, "c.dat: " + kContents},
        {"-1 channels", "n.dat", [](FileSet& f) { PutU16(f.dat, 7286, -1); }, false, {}, kFileError, "n.dat: " + kContents},
        {"band 9", "b.dat", [](FileSet& f) { PutU16(f.dat, 0, 9); }, false, {}, kFileError, "b.dat: " + kContents},
        {"a duplicate channel number", "d.dat", [](FileSet& f) { PutU16(f.fre, 113 * 3, 1); }, false,
         {}, kFileError, "d.fre: " + kContents},
        {"channel number 0", "z.dat", [](FileSet& f) { PutU16(f.fre, 113 * 2, 0); }, false, {},
         kFileError, "z.fre: " + kContents},
        {"channel number 207", "h.dat", [](FileSet& f) { PutU16(f.fre, 0, 207); }, false, {},
         kFileError, "h.fre: " + kContents},
        {"a short channel file", "t.dat", [](FileSet& f) { f.fre.resize(113 * 8 - 1); }, false, {},
         kFileError, "t.fre: " + kContents},
        {"a missing channel file", "g.dat", [](FileSet&) {}, false,
         [](const std::string& folder) { std::filesystem::remove(folder + "/g.fre"); }, kFileError, "g.fre: No such file or directory"},
        {"a short companion in factory mode", "k.dat", [](FileSet&) {}, true,
         [](const std::string& folder) { WriteFile(folder + "/k.ted", std::string(31, '\1')); },
         kFileError, "k.ted: " + kContents},
        {"a data file that is its own channel file", "own.fre", [](FileSet&) {}, false, {},
         kFileError, "own.fre: Invalid argument"},
        {"a name of three characters", "abc", [](FileSet&) {}, false, {}, kFileError, "abc: Invalid argument"},
        {"a missing data file", "gone.dat", [](FileSet&) {}, false,
         [](const std::string& folder) { std::filesystem::remove(folder + "/gone.dat"); }, kFileError, "gone.dat: No such file or directory"},
    };

    // The current state: edited, with a file of its own and a test-data block.
    Edit(d);
    ASSERT_TRUE(SaveAs(P("current.dat")));
    d.FreData[0].Name.Set("EDITED");
    for (int i = 0; i < 64; ++i) d.TestDataBuf[i] = static_cast<Byte>(i);

    for (const auto& c : cases) {
        std::string folder = P(std::string("case-") + c.name);
        std::filesystem::create_directory(folder);
        FileSet f = good;
        c.edit(f);
        std::string path = folder + "/" + c.name;
        WriteFile(path, f.dat);
        if (ChannelFilePath(path) != path) WriteFile(ChannelFilePath(path), f.fre);
        if (c.extra) c.extra(folder);
        d.FactoryTestMode = c.factory;
        notes.shown.clear();
        const DataSetState before(d);

        EXPECT_FALSE(OpenDataFile(d, path)) << c.what;
        const std::string shown = c.reason.empty() ? c.message : c.message + ("\n" + c.reason);
        EXPECT_EQ(notes.Texts(), std::vector<std::string>{shown}) << c.what;
        EXPECT_TRUE(DataSetState(d) == before) << c.what;
    }
}

// A named pipe, a device, a socket or a folder in place of any file of the
// set is refused before it is opened (a pipe would wait for a writer for
// good), named with its reason in the user's language; nothing changes.
TEST_F(DataFiles, FilesThatAreNotRegularAreRefusedAtOnce) {
    const rp::test::HangGuard guard;
    ASSERT_TRUE(SaveAs(P("good.dat")));
    Edit(d);
    d.FreData[0].Name.Set("EDITED");
    const DataSetState before(d);
    const std::pair<const char*, const char*> reasons[] = {{"file error.", "not a regular file"},
                                                           {"文件错误。", "不是普通文件"}};
    d.FactoryTestMode = true;
    for (const char* file : {"x.dat", "x.fre", "x.ted"}) {
        for (const auto& kind : rp::test::kNonRegularKinds) {
            SCOPED_TRACE(std::string(file) + " is " + kind.name);
            const std::string folder = P(std::string("case-") + file + "-" + std::to_string(int(kind.kind)));
            std::filesystem::create_directory(folder);
            for (const char* f : {"x.dat", "x.fre"})
                std::filesystem::copy_file(P(std::string("good.") + (f + 2)), folder + "/" + f);
            WriteFile(folder + "/x.ted", std::string(32, '\1'));
            ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, folder + "/" + file));
            for (int language : {1, 2}) {
                d.LanguageIndex = static_cast<Integer>(language);
                notes.shown.clear();
                EXPECT_FALSE(OpenDataFile(d, folder + "/x.dat"));
                const auto& [first, reason] = reasons[language - 1];
                EXPECT_EQ(notes.Texts(), std::vector<std::string>{std::string(first) + "\n" + file + ": " + reason});
                EXPECT_TRUE(DataSetState(d) == before);
            }
            if (std::string(file) == "x.fre") {
                AppData e;
                EXPECT_FALSE(LoadChannelFile(e, folder + "/x.dat", 1));
            }
        }
    }
    // The device itself: its own reason, not one left over from before.
    d.LanguageIndex = 1;
    notes.shown.clear();
    EXPECT_FALSE(OpenDataFile(d, "/dev/null"));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"file error.\nnull: not a regular file"});
    EXPECT_TRUE(DataSetState(d) == before);
}

TEST_F(DataFiles, AMissingChannelFileIsFineWithoutChannels) {
    ASSERT_TRUE(SaveAs(P("empty.dat")));
    std::string dat = ReadFile(P("empty.dat"));
    PutU16(dat, 7286, 0);
    WriteFile(P("empty.dat"), dat);
    std::filesystem::remove(P("empty.fre"));
    ASSERT_TRUE(OpenDataFile(d, P("empty.dat")));
    EXPECT_EQ(d.WorkData.FreDataCount, 0);
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(DataFiles, OpenTakesTheFilesBandAndLeavesForeignModelCodesAlone) {
    ASSERT_TRUE(SaveAs(P("x.dat")));
    std::string dat = ReadFile(P("x.dat"));
    PutU16(dat, 0, 7);
    WriteFile(P("x.dat"), dat);
    ASSERT_TRUE(OpenDataFile(d, P("x.dat")));
    EXPECT_EQ(d.CurBandIndex, 7);
    EXPECT_EQ(d.CurBandText, "UHF(446 - 447 MHz) VHF(144 - 148 MHz)");
    EXPECT_DOUBLE_EQ(d.RxBandHigh[1], 148.0);
}

// ---- failed saves ----------------------------------------------------------------------

TEST_F(DataFiles, ASaveIntoAMissingFolderFailsCleanly) {
    Edit(d);
    d.IsUntitled = true;
    const RadioDataRec snapshot = d.FileData;
    EXPECT_FALSE(SaveAs(P("nowhere/x.dat")));
    EXPECT_EQ(notes.FirstLines(), std::vector<std::string>{kFileError});
    EXPECT_TRUE(IsDataChanged(d));
    EXPECT_TRUE(d.IsUntitled);
    EXPECT_EQ(d.FileData, snapshot);
    EXPECT_TRUE(FilesIn(tmp.path()).empty());
}

TEST_F(DataFiles, AFailedRenamePutsBackTheFilesAlreadyReplaced) {
    // Factory mode: channel file, companion and data file are one set.
    d.FactoryTestMode = true;
    std::filesystem::create_directory(P("s"));
    ASSERT_TRUE(SaveAs(P("s/x.dat")));
    const std::string oldFre = ReadFile(P("s/x.fre")), oldTed = ReadFile(P("s/x.ted"));
    // The data file is renamed last; make it impossible to replace.
    std::filesystem::remove(P("s/x.dat"));
    std::filesystem::create_directory(P("s/x.dat"));

    Edit(d);
    d.TestDataBuf[3] = 0x5A;
    const RadioDataRec snapshot = d.FileData;
    d.IsUntitled = true;
    EXPECT_FALSE(SaveDataFile(d));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{std::string(kFileError) + "\nx.dat: Is a directory"});
    EXPECT_EQ(ReadFile(P("s/x.fre")), oldFre);
    EXPECT_EQ(ReadFile(P("s/x.ted")), oldTed);
    EXPECT_EQ(FilesIn(P("s")), (std::vector<std::string>{"x.dat", "x.fre", "x.ted"}));
    EXPECT_TRUE(IsDataChanged(d));
    EXPECT_TRUE(d.IsUntitled);
    EXPECT_EQ(d.FileData, snapshot);
    EXPECT_EQ(d.TestDataBuf[35], 0);
}

// A save over a file of the set that the user may not write, or into a
// folder the user may not write, is refused before anything is written, as
// a save in place would fail; the data stays modified and the message names
// the file and the reason. Root may write anything: the save then runs as an
// unprivileged user in a child process.
TEST_F(DataFiles, ASaveOverAReadOnlyFileIsRefused) {
    struct Case {
        const char* name;
        const char* readOnly;  // "" : none (the control case); "s": the folder
        const char* named;     // in the message
    } cases[] = {{"Writable", "", ""},
                 {"DataFile", "x.dat", "x.dat"},
                 {"ChannelFile", "x.fre", "x.fre"},
                 {"Companion", "x.ted", "x.ted"},
                 {"Folder", "s", "x.dat"}};  // the file the user chose
    d.FactoryTestMode = true;
    std::filesystem::create_directory(P("s"));
    ASSERT_TRUE(SaveAs(P("s/x.dat")));
    std::filesystem::permissions(P("s"), std::filesystem::perms::all);
    std::filesystem::permissions(tmp.path(), std::filesystem::perms::all);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::permissions(P("s"), std::string(c.readOnly) == "s"
                                                 ? std::filesystem::perms::all & ~std::filesystem::perms::owner_write &
                                                       ~std::filesystem::perms::group_write &
                                                       ~std::filesystem::perms::others_write
                                                 : std::filesystem::perms::all);
        for (const char* f : {"x.dat", "x.fre", "x.ted"})
            std::filesystem::permissions(P(std::string("s/") + f),
                                         *c.readOnly && std::string(f) == c.readOnly
                                             ? std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                                   std::filesystem::perms::others_read
                                             : std::filesystem::perms::all & ~std::filesystem::perms::owner_exec &
                                                   ~std::filesystem::perms::group_exec &
                                                   ~std::filesystem::perms::others_exec);
        const std::string dat = ReadFile(P("s/x.dat")), fre = ReadFile(P("s/x.fre")), ted = ReadFile(P("s/x.ted"));
        d.DataFilePath = P("s/x.dat");
        d.IsUntitled = false;
        d.FreData[0].Name.Set(c.name);
        d.TestDataBuf[5] ^= 0x5A;
        ASSERT_TRUE(IsDataChanged(d));
        notes.shown.clear();
        const std::vector<std::string> refusal{std::string(kFileError) + "\n" + c.named + ": Permission denied"};
        // 0 saved, 1 refused with "file error." and everything as it was, 2 anything else.
        auto attempt = [&]() -> int {
            const bool saved = SaveDataFile(d);
            if (saved) return IsDataChanged(d) ? 2 : 0;
            const bool untouched = ReadFile(P("s/x.dat")) == dat && ReadFile(P("s/x.fre")) == fre &&
                                   ReadFile(P("s/x.ted")) == ted && FilesIn(P("s")).size() == 3;
            return untouched && IsDataChanged(d) && notes.Texts() == refusal ? 1 : 2;
        };
        int result = 2;
        if (geteuid() != 0) {
            result = attempt();
        } else {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
                _exit(attempt());
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            result = WEXITSTATUS(status);
            ASSERT_NE(result, 100) << "could not become an unprivileged user";
        }
        EXPECT_EQ(result, *c.readOnly ? 1 : 0);
    }
}

TEST_F(DataFiles, AFailedFirstSaveLeavesNoNewFiles) {
    std::filesystem::create_directory(P("x.dat"));  // a folder where the data file goes
    EXPECT_FALSE(SaveAs(P("x.dat")));
    EXPECT_EQ(FilesIn(tmp.path()), std::vector<std::string>{"x.dat"});
    EXPECT_TRUE(std::filesystem::is_directory(P("x.dat")));
}

TEST_F(DataFiles, ChannelFileProceduresWorkOnTheSnapshotList) {
    ASSERT_TRUE(SaveAs(P("x.dat")));
    AppData e;
    ASSERT_TRUE(LoadChannelFile(e, P("x.dat"), 3));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(e.FileFreData[i], d.FreData[i]);
    EXPECT_EQ(e.FileFreData[3], FreDataRec{});
    EXPECT_FALSE(LoadChannelFile(e, P("x.dat"), 9));  // the file holds 8
    EXPECT_FALSE(LoadChannelFile(e, P("x.dat"), 207));
    ASSERT_TRUE(SaveChannelFile(e, P("y.dat"), 3));
    EXPECT_EQ(ReadFile(P("y.fre")), ReadFile(P("x.fre")).substr(0, 3 * 113));
}

}  // namespace

namespace {

TEST_F(DataFiles, SaveToAPathNamesTheDataOnlyWhenItSucceeded) {
    Edit(d);
    d.DataFilePath = "new.dat";
    d.IsUntitled = true;
    // A folder that does not exist: nothing written, nothing renamed; the
    // message names the file the user chose, not the channel file beside it.
    EXPECT_FALSE(SaveDataFile(d, P("missing/radio.dat")));
    EXPECT_EQ(notes.Texts(),
              std::vector<std::string>{std::string(kFileError) + "\nradio.dat: No such file or directory"});
    EXPECT_EQ(d.DataFilePath, "new.dat");
    EXPECT_TRUE(d.IsUntitled);
    EXPECT_TRUE(IsDataChanged(d));

    ASSERT_TRUE(SaveDataFile(d, P("radio.dat")));
    EXPECT_EQ(d.DataFilePath, P("radio.dat"));
    EXPECT_FALSE(d.IsUntitled);
    EXPECT_FALSE(IsDataChanged(d));
    EXPECT_EQ(ReadFile(P("radio.dat")).size(), kDataRecordSize);
}

}  // namespace

#pragma once
// The program's data for the whole run: the working data set, its snapshot,
// the dialogs' working copies and the state around them. One object, passed
// by reference; every test starts from a fresh one.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/records.h"
#include "core/seams.h"

namespace rp {

struct LanguageFileCache;  // core/language.cpp

// Built-in bilingual texts, indexed by LanguageIndex (element 0 unused).
using LangTexts = std::array<std::string, 3>;

struct MessageTexts {
    LangTexts MsgReadPrompt, MsgWritePrompt, MsgModelWrong, MsgRadioKilled,
        MsgRadioStunned, MsgVersionWrong, MsgFrequencyWrong, MsgAllDataCleared,
        MsgFileError, MsgFileOverwrite, MsgFileModified, DataFileText,
        MsgFrequencyCleared, WarningTitleText, ProgressLabelText,
        ProgressCheckText,  // the progress prompt while a write reads back what it wrote
        MsgFileContents,  // the reason of a file read whole but not usable
        MsgNotRegularFile;  // the reason of a folder, pipe, device or socket
    // (mode, language): mode 1 read, 2 write.
    std::array<LangTexts, 3> ProgressTitleText;
};

// The report printer's built-in texts (printing/printstrings.h fills them).
struct PrintTexts {
    LangTexts PrtSelectAllText, PrtClearAllText, PrtSetText, PrtOKText, PrtCancelText,
        PrtSelectPrompt, PrtTitle, PrtModelTypeText, PrtFrequencyText, PrtFileNameText,
        PrtFailedText;
    std::array<LangTexts, 9> PrtItemNames;  // print items 0..8
    std::array<LangTexts, 3> OnOffText;     // (switch value + 1, language)
};

struct AppData {
    // ---- windows reached from core (message boxes, refreshes, texts) ----
    Seams Ui;

    // ---- working data and copies ----
    RadioDataRec WorkData;
    RadioDataRec FileData;
    std::array<FreDataRec, kFreDataMax> FreData{};
    std::array<FreDataRec, kFreDataMax> FileFreData{};
    std::array<Byte, 64> TestDataBuf{};  // 0..31 current block, 32..63 snapshot
    EmgDataRec EmgData;

    // ---- dialogs' working copies ----
    SetDataRec SetDataEdit;
    OptionDataRec OptionDataEdit;
    std::array<BookDataRec, 128> BookDataEdit{};
    MSKDataRec MSKDataEdit;
    BankTable TempBankCH;
    FreDataRec EditFreData;
    FreDataRec ClipFreData;

    // ---- model, band and limits ----
    std::string CurModel;
    std::string CurModelShowName;
    Integer CurBandIndex = 0;
    std::string CurBandText;
    std::array<double, 2> RxBandLow{}, RxBandHigh{}, TxBandLow{}, TxBandHigh{};
    double FMLowFre = 0, FMHighFre = 0;
    double AMLowFre = 0, AMHighFre = 0;

    // ---- data file state ----
    std::string DataFilePath;
    std::string BookFilePath;
    bool IsUntitled = false;
    std::string InitFolder;  // folder of the default data files (KEVRA8R_0.dat ...)

    // ---- factory test data (core/testdata.h) ----
    std::string TestDataFilePath;  // last .ted loaded or saved
    // Where the current half of TestDataBuf came from: zeros at start, a
    // file (a companion or default file loaded), a read from the radio, or the
    // user's entry in the test-data dialog.
    enum class TestDataSource { None, File, Read, Entry };
    TestDataSource TestDataOrigin = TestDataSource::None;

    // ---- start-up state (core/startup.h) ----
    std::string RadioModel;
    std::string RadioVersion;
    std::string InputPassWord;
    Integer EchoLen = 0;
    Integer ReadBlockSize = 16;
    Integer WriteBlockSize = 16;
    Integer EditRow = 0, EditColumn = 0;  // channel grid edit position

    // ---- settings and switches ----
    Integer LanguageIndex = 0;
    Integer LanguageIndexCopy = 0;
    std::string LanguageFileName;
    std::string LanguageFilePath;
    // Folders (core/paths.h): "" means the executable's folder and the XDG
    // configuration folder; tests point them at temporary folders.
    std::string AppFolder;
    std::string UserConfigDir;
    // The current language file's contents, read once per file (core/language.h).
    std::shared_ptr<const LanguageFileCache> LanguageCache;
    bool LanguageFileReported = false;  // a missing language file was reported
    bool FirstRunFlag = false;
    Integer ComPortNumber = 0;
    std::string ComDevice;  // device path of the chosen serial port ("" = none)
    Integer ComHandshaking = 0;
    Integer ComStopBit = 0;
    Integer FactoryFresFlag = 0;
    bool ForceFactoryFres = false;
    // Locale and system-version state: numbers are converted without the
    // locale, so the user's decimal separator is never changed, and the
    // serial-port list does not depend on the system version; these stay zero.
    bool IsVista = false;
    Long UserLCID = 0;
    std::string UserDecimalSep;
    bool SkipInitFile = false;
    bool HelpEnabled = false;
    bool PrintEnabled = false;
    bool NoEcho = false;
    bool FactoryTestMode = false;
    bool RadioKilled = false;
    bool RadioStunned = false;
    std::array<bool, 3> ClipFilled{};
    Integer ShowListType = 0;
    Integer EditChannelNo = 0;

    // ---- the batch editor's choice of functions (channels/batchfun.h) ----
    std::array<Byte, 21> BatchFunFlag{};  // non-zero = function chosen
    bool BatchFunFileReported = false;     // a failed rewrite was reported

    // ---- identity of the radio last identified (link/protocol.h) ----
    Integer RadioBandIndex = 0;  // band byte after the replacement rule
    std::string RadioBandText;   // its band-range text ("" above 7)

    // ---- memory image and transfer counts (link/image.h, link/skiplist.h) ----
    std::array<Byte, 16384> CommData{};   // the radio memory image; index = address
    bool CommDataOK = false;               // no image encoder has failed
    std::array<Long, 1002> SkipRanges{};   // range i: [SkipRanges[i], SkipRanges[501 + i]]
    Integer SkipRangeCount = 0;
    Integer BlocksDone = 0;                // progress phase count
    Integer BlocksTotal = 0;
    Integer ProgressPercent = 0;           // percentage last shown

    // ---- built-in texts ----
    MessageTexts Msg;
    LangTexts CloseCaptionText, HelpCaptionText;
    PrintTexts Prt;

    // ---- the report printer's state (printing/) ----
    std::array<Integer, 10> PrintItemFlags{};  // the print items' ticks at the last job
    bool PrintOK = false;                      // outcome of the last print job
    Long PrintLinePos = 0;                     // top of the current report row

    // Parts of the working data, reached through it.
    Integer& FreDataCount() { return WorkData.FreDataCount; }
    BankTable& BankCH() { return WorkData.BankCH; }
    DTMFDataRec& DTMFData() { return WorkData.SetData.DTMFData; }
    Tone2DataRec& Tone2Data() { return WorkData.SetData.Tone2Data; }
    Tone5DataRec& Tone5Data() { return WorkData.SetData.Tone5Data; }
    OptionDataRec& OptionData() { return WorkData.SetData.OptionData; }
    ScanDataRec& ScanData() { return WorkData.SetData.ScanData; }
    AlarmDataRec& AlarmData() { return WorkData.SetData.AlarmData; }
};

// The text of a built-in table in the current language ("" for an index
// outside 1..2).
inline const std::string& LangText(const AppData& d, const LangTexts& t) {
    static const std::string empty;
    return (d.LanguageIndex == 1 || d.LanguageIndex == 2) ? t[d.LanguageIndex] : empty;
}

}  // namespace rp

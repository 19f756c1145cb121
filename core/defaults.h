#pragma once
// The built-in default data set and the default data files of the folder
// Init (KEVRA8R_<band>.dat, with the fall-back KEVRA8R_0.dat).
#include <string>
#include <string_view>

#include <vector>

#include "core/appdata.h"
#include "core/datafiles.h"
#include "core/fileio.h"

namespace rp {

inline constexpr const char* kDefaultInitFile = "KEVRA8R_0.dat";

// Rebuilds the whole data set: file state, built-in defaults, the eight
// default channels, then (unless SkipInitFile) the default data file of
// CurModel and CurBandIndex from InitFolderOf(d). Afterwards the data set
// is untitled ("new.dat") and, when a file was tried, unchanged.
void InitAllData(AppData& d);

// d.InitFolder when set, else the folder Init beside the program.
std::string InitFolderOf(const AppData& d);

// ---- built-in defaults ----
void InitRadioFreData(AppData& d);
// Fills one preset record; reserved fields and EnDCSHigh/DeDCSHigh stay.
void SetRadioFreData(FreDataRec& r, int number, std::string_view name, double rxMHz,
                     int offsetDir, double offsetMHz, int wn, int power, int txForbid);
void InitAllSetData(AppData& d);
void InitDTMFData(AppData& d);
void Init2ToneData(AppData& d);
void Init5ToneData(AppData& d);
void InitOptionData(AppData& d);
void InitScanData(AppData& d);
void InitAlertData(AppData& d);
void InitCommBookData(AppData& d);
void InitOptionOther(AppData& d);
void InitMSKData(AppData& d);
void InitRadioChannelData(AppData& d);
// Appends channels 1, 2, 201..206 at the middle of the UHF and VHF bands.
void InitDefaultFreData(AppData& d);

// ---- default data files ----
// The model file of CurModel/CurBandIndex in initFolder when it exists,
// else the fall-back file.
void LoadInitDataFile(AppData& d, const std::string& initFolder);
// Reads a model default file over the current model and band; keeps only
// channels 1, 2 and 201.. unless FactoryFresFlag is 1 or ForceFactoryFres.
// A file that cannot be read or checked leaves the working data as it is
// and makes it the snapshot (false); nothing is shown.
bool LoadModelInitFile(AppData& d, const std::string& path);
// LoadModelInitFile over contents already read.
bool LoadModelInitSet(AppData& d, const DataSetContents& c);
// Reads the fall-back file, drops its channels and builds the eight default
// channels for the current band; failures as above.
bool LoadDefaultInitFile(AppData& d, const std::string& path);

// The shipped default data files of band 0 (KEVRA8R_0.dat and .fre in
// folder), made from the built-in defaults so they never drift from them.
std::vector<FileToWrite> BuildDefaultInitFiles(const std::string& folder);

// ---- embedded information placeholders ----
struct CalendarDate {
    int year = 2000, month = 1, day = 1;
};
CalendarDate TodayLocalDate();
// Dates are written "YYYY-MM-DD" followed by a NUL.
void InitEmgData(AppData& d, const CalendarDate& date);
void InitEmgData(AppData& d);

}  // namespace rp

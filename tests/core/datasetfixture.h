#pragma once
// A fresh program state with recording seams, English texts, model KEVRA8R
// at a chosen band, and an empty Init folder (so New gives the built-in
// defaults), inside a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/bands.h"
#include "core/datafiles.h"
#include "core/messages.h"
#include "fakes.h"
#include "tempfolder.h"

namespace rp::test {

class DataSetTest : public ::testing::Test {
protected:
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;
    TempFolder tmp;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.LanguageIndex = 1;
        InitMessageTexts(d);
        d.AppFolder = tmp.path();
        d.InitFolder = tmp / "Init";  // empty: built-in defaults
        d.CurModel = "KEVRA8R";
        SetBand(d, 0);
    }

    static void SetBand(AppData& a, int band) {
        a.CurBandIndex = static_cast<Integer>(band);
        a.CurBandText = GetFreqRangeText(band);
        ASSERT_TRUE(ParseBandRanges(a));
    }

    std::string P(const std::string& rel) const { return tmp / rel; }

    // Files of a folder other than the ones named (temporary leftovers).
    static std::vector<std::string> FilesIn(const std::string& folder) {
        std::vector<std::string> v;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }
};

// Everything a refused load must leave as it was.
struct DataSetState {
    RadioDataRec work, file;
    std::array<FreDataRec, kFreDataMax> fre, fileFre;
    std::array<Byte, 64> testData;
    std::string path;
    bool untitled;
    std::string model;
    Integer band;

    explicit DataSetState(const AppData& a)
        : work(a.WorkData), file(a.FileData), fre(a.FreData), fileFre(a.FileFreData),
          testData(a.TestDataBuf), path(a.DataFilePath), untitled(a.IsUntitled), model(a.CurModel),
          band(a.CurBandIndex) {}
    bool operator==(const DataSetState&) const = default;
};

}  // namespace rp::test

#pragma once
// Where the tests of the settings and signalling forms start: a fresh
// program state with the recording seams installed and the shipped English
// texts read from the source tree.
#include <gtest/gtest.h>

#include "core/appdata.h"
#include "core/bands.h"
#include "core/fakes.h"
#include "core/language.h"

namespace rp::test {

class FormTestBase : public ::testing::Test {
protected:
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.AppFolder = RP_SOURCE_DIR;
        SetLanguageIndex(d, LangEnglish);
    }
};

// Makes `band` of the band list the current band, its ranges parsed.
inline void SelectBand(AppData& d, int band) {
    d.CurBandIndex = static_cast<Integer>(band);
    d.CurBandText = GetFreqRangeText(band);
    ASSERT_TRUE(ParseBandRanges(d));
}

}  // namespace rp::test

#pragma once
// A fresh program state for the signalling dialogs: recording seams, the
// shipped English language file, band 0 and the built-in default settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/appdata.h"
#include "core/bands.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/language.h"
#include "core/recordio.h"

namespace rp::test {

// The shipped English texts, model 7425USD on band 0 and the default settings.
inline void SetUpSignallingData(AppData& d) {
    d.AppFolder = RP_SOURCE_DIR;
    SetLanguageIndex(d, 1);
    d.CurModel = "7425USD";
    d.CurBandText = GetFreqRangeText(0);  // UHF 400-480, VHF 136-174
    ASSERT_TRUE(ParseBandRanges(d));
    InitAllSetData(d);
}

class SignallingTest : public ::testing::Test {
protected:
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        SetUpSignallingData(d);
    }
};

// A record's stored bytes, for "nothing changed" checks that also hold for
// NaN tones.
template <class R>
std::vector<std::uint8_t> Bytes(const R& r) {
    return EncodeRecord(r);
}

}  // namespace rp::test

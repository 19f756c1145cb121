#pragma once
// A fresh program state for the signalling dialogs: recording seams, the
// shipped English language file, band 0 and the built-in default settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/appdata.h"
#include "core/defaults.h"
#include "core/language.h"
#include "core/recordio.h"
#include "formtestbase.h"

namespace rp::test {

// Model 7425USD on band 0 and the default settings.
inline void SetUpSignallingModel(AppData& d) {
    d.CurModel = "7425USD";
    SelectBand(d, 0);  // UHF 400-480, VHF 136-174
    InitAllSetData(d);
}

// The shipped English texts, model 7425USD on band 0 and the default settings.
inline void SetUpSignallingData(AppData& d) {
    d.AppFolder = RP_SOURCE_DIR;
    SetLanguageIndex(d, LangEnglish);
    SetUpSignallingModel(d);
}

class SignallingTest : public FormTestBase {
protected:
    void SetUp() override {
        FormTestBase::SetUp();
        SetUpSignallingModel(d);
    }
};

// A record's stored bytes, for "nothing changed" checks that also hold for
// NaN tones.
template <class R>
std::vector<std::uint8_t> Bytes(const R& r) {
    return EncodeRecord(r);
}

}  // namespace rp::test

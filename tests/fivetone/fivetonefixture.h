#pragma once
// A fresh program state for the five-tone dialogs: recording seams, the
// shipped English language file and the default five-tone settings.
#include <gtest/gtest.h>

#include <string>

#include "core/appdata.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/language.h"

namespace rp::test {

class FiveToneTest : public ::testing::Test {
protected:
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.AppFolder = RP_SOURCE_DIR;
        SetLanguageIndex(d, 1);
        InitAllSetData(d);
        d.SetDataEdit = d.WorkData.SetData;
    }

    std::string Opt(const char* key) { return GetLanguageOptionString(d, key); }
    std::string Msg(const char* key) { return GetLanguageMsgString(d, key); }
};

}  // namespace rp::test

#pragma once
// A fresh program state for the five-tone dialogs: recording seams, the
// shipped English language file and the default five-tone settings.
#include <gtest/gtest.h>

#include <string>

#include "core/defaults.h"
#include "core/language.h"
#include "formtestbase.h"
#include "forms/formstate.h"

namespace rp::test {

class FiveToneTest : public FormTestBase {
protected:
    void SetUp() override {
        FormTestBase::SetUp();
        InitAllSetData(d);
        d.SetDataEdit = d.WorkData.SetData;
    }

    std::string Opt(const char* key) { return GetLanguageOptionString(d, key); }
    std::string Msg(const char* key) { return GetLanguageMsgString(d, key); }
};

// A guarded box's input guard takes exactly the printable characters its
// KeyPress keeps as typed, and the box has its length.
inline void ExpectGuardFollowsKeys(Form& f, const std::string& box, int length) {
    std::string kept;
    for (int c = 32; c < 127; ++c) {
        int k = c;
        f.KeyPress(box, k);
        if (k == c) kept += static_cast<char>(c);
    }
    EXPECT_EQ(f.C(box).inputChars, kept) << box;
    EXPECT_EQ(f.C(box).max, length) << box;
}

}  // namespace rp::test

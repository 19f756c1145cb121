// The caption tables of the settings dialogs (their controls headers): each
// row pairs a label with the control it captions, the window lays out every
// captioned list and box from them, and the report's captions are the same
// labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "forms/controls.h"
#include "settings/formfixture.h"
#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/frmemg.h"
#include "settings/frmemgcontrols.h"
#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"

using namespace rp;

namespace {

using CaptionTablesTest = rp::test::SettingsFormTest;

// Every row: a label before its control in the form's control order, each
// named once over all the tables.
void ExpectRowsOf(const Form& f, std::initializer_list<CaptionTable> tables) {
    std::set<std::string> seen;
    const auto& names = f.State().Names();
    auto position = [&](const std::string& name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    for (const CaptionTable& table : tables)
        for (const CaptionedControl& row : table) {
            SCOPED_TRACE(row.control);
            ASSERT_TRUE(f.State().Has(row.label));
            ASSERT_TRUE(f.State().Has(row.control));
            EXPECT_EQ(f.C(row.label).kind, ControlKind::Label);
            EXPECT_NE(f.C(row.control).kind, ControlKind::Label);
            EXPECT_LT(position(row.label), position(row.control));
            EXPECT_TRUE(seen.insert(row.label).second);
            EXPECT_TRUE(seen.insert(row.control).second);
            EXPECT_STREQ(CaptionOf(tables, row.control), row.label);
        }
}

// Every list of the form (but those laid out apart) is in one of the
// tables.
void ExpectEveryCaptionedList(const Form& f, std::initializer_list<CaptionTable> tables,
                              std::set<std::string> besides = {}) {
    for (const std::string& name : f.State().Names()) {
        if (f.C(name).kind != ControlKind::ComboBox || besides.count(name)) continue;
        SCOPED_TRACE(name);
        EXPECT_NO_THROW(CaptionOf(tables, name));
    }
}

}  // namespace

TEST_F(CaptionTablesTest, Alarm) {
    FrmAlert f(d);
    ExpectRowsOf(f, {alert::kLists, alert::kLoneWorkerLists});
    ExpectEveryCaptionedList(f, {alert::kLists, alert::kLoneWorkerLists});
}

TEST_F(CaptionTablesTest, EmbeddedInformation) {
    FrmEMG f(d);
    ExpectRowsOf(f, {emg::kBoxes, emg::kDealerBoxes});
    ExpectEveryCaptionedList(f, {emg::kBoxes, emg::kDealerBoxes});
    // Every box but the maintenance reason (two labels on one line).
    for (const std::string& name : f.State().Names()) {
        if (f.C(name).kind != ControlKind::TextBox || name == emg::MaintainReason) continue;
        SCOPED_TRACE(name);
        EXPECT_NO_THROW(CaptionOf({emg::kBoxes, emg::kDealerBoxes}, name));
    }
}

TEST_F(CaptionTablesTest, Options) {
    FrmOption f(d);
    ExpectRowsOf(f, {option::kLeftLists, option::kRightLists, option::kFrequencyBoxes});
    // The display mode and the display option beside it are laid out apart.
    ExpectEveryCaptionedList(f, {option::kLeftLists, option::kRightLists},
                             {option::DisplayMode, option::DisplayOption});
    EXPECT_STREQ(option::CaptionOf(option::LwFrequency), option::LwFrequencyLabel);
    EXPECT_STREQ(option::CaptionOf(option::VoxDelay), option::VoxDelayLabel);
}

// The one new-channel builder and the stored forms of a channel's
// frequencies as an editor enters them.
#include "core/channelrecord.h"

#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/defaults.h"
#include "fakes.h"

namespace rp {
namespace {

TEST(NewChannel, HoldsTheNewChannelValuesAndNothingElse) {
    const FreDataRec r = NewChannelRecord(12);
    EXPECT_EQ(r.No, 12);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.RxFre.Raw(), "FFFFFFFFF");
    EXPECT_EQ(r.OffsetFre.Raw(), "000000000");
    EXPECT_EQ(r.Name.Raw(), std::string("\0     ", 6));
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.PttIDCode.Raw(), "00000");
    // Every other field 0: clearing the values above gives an all-zero record.
    FreDataRec rest = r;
    rest.No = rest.Used = rest.CustomCTCSS = rest.SqlLevel = 0;
    rest.RxFre = rest.OffsetFre = FixedText<9>{};
    rest.Name = FixedText<6>{};
    rest.PttIDCode = FixedText<5>{};
    EXPECT_TRUE(rest == FreDataRec{});
}

TEST(NewChannel, BuiltOverASlotItKeepsRxDcsHighBitsAndReservedFields) {
    FreDataRec slot;
    slot.RxFre.Set("044012500");
    slot.EnDCSHigh = 1;
    slot.Reserved66 = 7;
    slot.Reserved124 = 9;
    slot.Power = 2;
    slot.Name.Set("OLD");
    SetNewRecordFields(slot, 5);
    EXPECT_EQ(slot.RxFre.Raw(), "044012500");
    EXPECT_EQ(slot.EnDCSHigh, 1);
    EXPECT_EQ(slot.Reserved66, 7);
    EXPECT_EQ(slot.Reserved124, 9);
    EXPECT_EQ(slot.Power, 0);
    EXPECT_EQ(slot.Name.Raw(), NewChannelRecord(5).Name.Raw());
}

// A preset is a new channel with its own name, frequencies and three settings.
TEST(NewChannel, PresetsStartFromTheSameValues) {
    FreDataRec preset;
    SetRadioFreData(preset, 3, "GMRS03", 462.6125, OffsetNone, 0.0, BandNarrow, PowerHigh, 0);
    FreDataRec expected = NewChannelRecord(3);
    expected.Name = preset.Name;
    expected.RxFre = preset.RxFre;
    expected.OffsetFre = preset.OffsetFre;
    expected.WN = BandNarrow;
    expected.Power = PowerHigh;
    EXPECT_TRUE(preset == expected);
}

class StoredFrequencies : public ::testing::Test {
protected:
    AppData d;
    test::RecordingNotifier notes;
    test::FixedTexts texts;
    void SetUp() override {
        d.Ui.Notify = &notes;
        texts.entries = {{2001, "out of band"}};
        d.Ui.Texts = &texts;
        d.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
        ASSERT_TRUE(ParseBandRanges(d));
    }
};

TEST_F(StoredFrequencies, RxAndOffsetAsEntered) {
    FreDataRec r = NewChannelRecord(1);
    SetRxFreData(d, r, "145.6", true);
    EXPECT_EQ(r.RxFre.Raw(), "014560000");
    EXPECT_TRUE(notes.shown.empty());
    SetRxFreData(d, r, 500.0, true);  // above every band: the nearest edge, with the warning
    EXPECT_EQ(r.RxFre.Raw(), "048000000");
    EXPECT_EQ(notes.shown.size(), 1u);

    r.OffsetDir = OffsetPlus;
    SetOffsetFreData(d, r, "0.6", "145.00000", false);
    EXPECT_EQ(r.OffsetFre.Raw(), "000060000");
    SetOffsetFreData(d, r, "x", "145.00000", false);  // not a number: no offset
    EXPECT_EQ(r.OffsetFre.Raw(), "000000000");
}

}  // namespace
}  // namespace rp

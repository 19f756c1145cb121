// The user tone set: the clamp a box applies when it loses the focus, the
// stored value, and the dialog's OK and Cancel.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "core/fakes.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "fivetone/usertones.h"
#include "fivetonefixture.h"

using namespace rp;
using namespace rp::fivetonedefts;

TEST(Tone5UserTones, ClampKeepsTheTypedText) {
    struct Case { const char* typed; const char* kept; } cases[] = {
        {"250", "288.5"}, {"4000", "3106.0"}, {"1.2.3", "288.5"}, {"", "288.5"}, {"-5", "288.5"},
        {"1000", "1000"}, {"288.5", "288.5"}, {"3106.0", "3106.0"}, {"3106", "3106"}, {"288.50", "288.50"},
        {"3106.01", "3106.0"}, {".", "288.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClampUserToneText(c.typed), c.kept) << c.typed;
}

TEST(Tone5UserTones, StoredInTenthsHalfToEven) {
    struct Case { const char* text; std::optional<Integer> v; } cases[] = {
        {"300.25", 3002}, {"300.75", 3008}, {"300.35", 3004}, {"1000", 10000}, {"288.5", 2885},
        {"3106.0", 31060}, {"1.2.3", std::nullopt}, {"", std::nullopt},
        // Loaded values outside the range are stored as they were; the field's limits hold.
        {".0", 0}, {"50", 500}, {"3276.7", 32767}, {"-3276.8", -32768}, {"3276.8", std::nullopt},
        {"99999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(UserToneValue(c.text), c.v) << c.text;
}

class UserToneDialog : public test::FiveToneTest {};

TEST_F(UserToneDialog, OpensWithTheWorkingCopy) {
    d.SetDataEdit.Tone5Data.UserTones[0] = 0;
    d.SetDataEdit.Tone5Data.UserTones[15] = 31060;
    Frm5ToneDefTS f(d);
    f.Form_Load();
    EXPECT_EQ(f.State().caption, "User-Defined Tone Set");
    EXPECT_EQ(f.C(kOKButton).text, "OK");
    EXPECT_EQ(f.C(ToneBoxes[0]).text, ".0");
    EXPECT_EQ(f.C(ToneBoxes[1]).text, "1060.0");  // the defaults start as ZVEI1
    EXPECT_EQ(f.C(ToneBoxes[15]).text, "3106.0");
    EXPECT_EQ(f.C(DigitLabels[10]).text, "A");
    EXPECT_EQ(f.C(ToneBoxes[3]).max, 6);
    for (int i = 0; i < 16; ++i) test::ExpectGuardFollowsKeys(f, ToneBoxes[i], 6);
}

TEST_F(UserToneDialog, OkClampsTheFocusedBoxAndStoresEveryNumericBox) {
    auto& tones = d.SetDataEdit.Tone5Data.UserTones;
    tones[4] = 1234;
    Frm5ToneDefTS f(d);
    f.Form_Load();
    f.C(ToneBoxes[1]).text = "300.25";
    f.C(ToneBoxes[2]).text = "300.75";
    f.C(ToneBoxes[3]).text = "1000";
    EXPECT_TRUE(f.LostFocus(ToneBoxes[3], ToneBoxes[4]));
    EXPECT_EQ(f.C(ToneBoxes[3]).text, "1000");
    f.C(ToneBoxes[4]).text = "1.2.3";  // never left: skipped by OK
    f.GotFocus(ToneBoxes[5]);
    f.C(ToneBoxes[5]).text = "50";     // still focused: clamped first
    f.Click(kOKButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(f.C(ToneBoxes[5]).text, "288.5");
    EXPECT_EQ(tones[1], 3002);
    EXPECT_EQ(tones[2], 3008);
    EXPECT_EQ(tones[3], 10000);
    EXPECT_EQ(tones[4], 1234);
    EXPECT_EQ(tones[5], 2885);
    EXPECT_EQ(tones[0], 24000);  // unvisited, stored again as it was
}

// Tones outside the range (only a foreign file holds them) stay as they are
// unless their box is left or has the focus at OK.
TEST_F(UserToneDialog, OkStoresUntouchedTonesAsTheyWere) {
    auto& tones = d.SetDataEdit.Tone5Data.UserTones;
    const Integer foreign[] = {0, 5, 2884, 31061, 32767, -32768};
    for (std::size_t i = 0; i < std::size(foreign); ++i) tones[10 + i] = foreign[i];
    tones[0] = 0;
    Frm5ToneDefTS f(d);
    f.Form_Load();
    f.GotFocus(ToneBoxes[1]);
    f.C(ToneBoxes[1]).text = "4000";
    ASSERT_TRUE(f.LostFocus(ToneBoxes[1], ToneBoxes[2]));
    f.GotFocus(ToneBoxes[2]);
    f.C(ToneBoxes[2]).text = "1000";
    ASSERT_TRUE(f.LostFocus(ToneBoxes[2], ToneBoxes[0]));
    f.GotFocus(ToneBoxes[0]);  // holds its loaded .0 when OK is pressed: clamped all the same
    f.Click(kOKButton);
    EXPECT_EQ(tones[1], 31060);
    EXPECT_EQ(tones[2], 10000);
    EXPECT_EQ(tones[0], 2885);
    for (std::size_t i = 0; i < std::size(foreign); ++i) EXPECT_EQ(tones[10 + i], foreign[i]) << foreign[i];
}

TEST_F(UserToneDialog, CancelStoresNothing) {
    const auto before = d.SetDataEdit.Tone5Data.UserTones;
    Frm5ToneDefTS f(d);
    f.Form_Load();
    f.C(ToneBoxes[0]).text = "5";
    EXPECT_TRUE(f.LostFocus(ToneBoxes[0], kCancelButton));
    EXPECT_EQ(f.C(ToneBoxes[0]).text, "288.5");  // left for Cancel: clamped, then dropped
    f.Click(kCancelButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.SetDataEdit.Tone5Data.UserTones, before);
}

TEST_F(UserToneDialog, KeysAndEnter) {
    Frm5ToneDefTS f(d);
    f.Form_Load();
    struct Case { int key, out; } cases[] = {{'5', '5'}, {'.', '.'}, {'a', 0}, {'-', 0}, {3, 0}, {22, 0},
                                             {24, 0},    {8, 8},     {200, 0}};
    for (const auto& c : cases) {
        int k = c.key;
        f.KeyPress(ToneBoxes[2], k);
        EXPECT_EQ(k, c.out) << c.key;
    }
    f.C(ToneBoxes[2]).text = "50";
    int enter = 13;
    f.KeyPress(ToneBoxes[2], enter);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(f.State().focus, ToneBoxes[3]);
    EXPECT_EQ(f.C(ToneBoxes[2]).text, "288.5");  // left as with Tab: clamped
    enter = 13;
    f.KeyPress(ToneBoxes[15], enter);
    EXPECT_EQ(f.State().focus, kOKButton);
}

// The optional-functions dialog on real widgets (offscreen): the wiring of
// its lists, boxes, keys and buttons to the form's rules.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/frmoptioncontrols.h"
#include "settings/optionfixture.h"
#include "settings/qt/frmoptionshell.h"
#include "shellchecktest.h"
#include "screenshots.h"

namespace rp {
namespace {

using Items = std::vector<std::string>;

class OptionShellTest : public test::OptionDialogTest {
protected:
    DialogOpeners openers;
    QPointer<QDialog> dlg;
    bool closed = false;

    void TearDown() override {
        if (dlg) dlg->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the dialog as the main window does.
    void Open() {
        RegisterOptionDialogs(openers);
        dlg = openers.Open(std::make_unique<FrmOption>(d), nullptr, [this] { closed = true; });
        ASSERT_TRUE(dlg);
        ASSERT_EQ(dlg->objectName(), "FrmOption");
    }
    // Opens it and makes it the active window, for focus and key cases.
    void OpenActive() {
        Open();
        QApplication::setActiveWindow(dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    }
    FrmOption& Form() { return static_cast<FormDialog*>(dlg.data())->FormAs<FrmOption>(); }
    template <class W = QWidget>
    W* Get(const std::string& name) {
        W* w = dlg->findChild<W*>(QString::fromStdString(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    QLineEdit* Box(int j) { return Get<QLineEdit>(option::PowerOnBoxes[j]); }
    static Items Entries(const QComboBox* c) {
        Items v;
        for (int i = 0; i < c->count(); ++i) v.push_back(c->itemText(i).toStdString());
        return v;
    }
    // The user picks an entry: the list shows it and reports `activated`.
    static void UserPicks(QComboBox* c, int entry) {
        c->setCurrentIndex(entry);
        emit c->activated(entry);
    }
    static void UserPicks(QComboBox* c, const char* text) { UserPicks(c, c->findText(text)); }
    // A click on a check box's indicator (its middle may lie past its text).
    static void Tick(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2)); }
    void ClickOK() { QTest::mouseClick(Get<QPushButton>(kOKButton), Qt::LeftButton); }
    std::string Focused() const {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : "";
    }
    void Screenshot(const QString& name) {
        EXPECT_TRUE(test::SaveScreenshot(*dlg, name));
    }
};

// ---- control names ----------------------------------------------------------------

// The fixture's data set, kept for the check's factory.
struct ShellData : test::OptionDialogTest {
    ShellData() { SetUp(); }
    void TestBody() override {}
    AppData& Data() { return d; }
};

FormDialog* MakeForCheck() {
    static ShellData data;
    return BuildFormDialog(std::make_unique<FrmOption>(data.Data()), nullptr, BuildFrmOption);
}

const test::ShellCase kShells[] = {{"FrmOption", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(OptionShells, kShells);

// ---- lists ----------------------------------------------------------------------------

TEST_F(OptionShellTest, PFListsFollowTheModel) {
    struct Case {
        const char* model;
        int pf1Alarm, pf2Alarm;  // entry showing "ALARM", -1 none
    } cases[] = {{"KEVRA8R", 4, 4}, {"7425USC", 3, -1}, {"7425USD", 5, -1}, {"7425USB", -1, -1}};
    const Items design = {"Off", "VOLT", "CALL", "SUB PTT", "FHSS", "MONI"};
    for (const auto& c : cases) {
        d.CurModel = c.model;
        Open();
        for (auto [list, alarm] : {std::pair{option::Pf1Key, c.pf1Alarm}, std::pair{option::Pf2Key, c.pf2Alarm}}) {
            Items want = design;
            if (alarm >= 0) want[static_cast<std::size_t>(alarm)] = "ALARM";
            EXPECT_EQ(Entries(List(list)), want) << c.model << " list " << list;
        }
        dlg->close();
        QApplication::processEvents();
    }
}

TEST_F(OptionShellTest, FixedListsAndOutOfRangeValues) {
    Options().ScanTime = 7;
    d.WorkData.GMRSChannel = 30;
    Open();
    ASSERT_EQ(List(option::Tot)->count(), 28);
    const Items vox = Entries(List(option::VoxDelay));
    ASSERT_EQ(vox.size(), 26u);
    EXPECT_EQ(vox.front(), "0.5");
    EXPECT_EQ(vox.back(), "3.0");
    EXPECT_EQ(List(option::ScanTime)->currentText(), "5s");
    EXPECT_EQ(List(option::GmrsChannel)->currentText(), "GMRS01");
    ClickOK();
    EXPECT_TRUE(closed);
    EXPECT_EQ(Options().ScanTime, 7);
    EXPECT_EQ(d.WorkData.GMRSChannel, 0);
}

TEST_F(OptionShellTest, MemoryChannelListsFollowWorkModeAndGroup) {
    SetChannels({201, 40, 1, 202, 10, 2, 203, 5, 204, 205, 206, 21});
    SetBank(3, {40, 10, 5});
    Options().MemGroupA = 2;
    Options().MemChannelA = 20;
    Options().MemGroupB = 2;
    Options().MemChannelB = 9;
    Open();
    EXPECT_EQ(Entries(List(option::MemChannelA)), (Items{"0", "1", "4", "9", "20", "39", "PL1", "PU1", "PL2", "PU2"}));
    EXPECT_EQ(List(option::MemChannelA)->currentText(), "20");

    UserPicks(List(option::WorkModeA), "Bank");
    EXPECT_EQ(Entries(List(option::MemChannelA)), (Items{"4", "9", "39"}));
    EXPECT_EQ(List(option::MemChannelA)->currentText(), "4");
    EXPECT_EQ(Form().OptionDataEdit.MemChannelA, 4);
    UserPicks(List(option::WorkModeB), "Bank");
    EXPECT_EQ(List(option::MemChannelB)->currentText(), "9");
    EXPECT_EQ(Form().OptionDataEdit.MemChannelB, 9);

    UserPicks(List(option::MemGroupA), "0");  // every memory channel, no edge channel
    EXPECT_EQ(Entries(List(option::MemChannelA)), (Items{"0", "1", "4", "9", "20", "39"}));
    UserPicks(List(option::MemGroupA), "6");  // an empty bank
    EXPECT_EQ(List(option::MemChannelA)->count(), 0);
    EXPECT_EQ(List(option::MemChannelA)->currentIndex(), -1);
    EXPECT_EQ(Form().OptionDataEdit.MemChannelA, 4);

    UserPicks(List(option::WorkModeA), "CH");
    UserPicks(List(option::MemChannelA), "PL1");
    EXPECT_EQ(Form().OptionDataEdit.MemChannelA, 200);
    ClickOK();
    EXPECT_EQ(Options().MemChannelA, 200);
    EXPECT_EQ(Options().WorkModeB, 1);
}

TEST_F(OptionShellTest, DisplayModeRuleOnTheUsersChoice) {
    struct Case {
        const char* name;
        Integer mode, styleA, styleB, option;
        int pick;
        Integer wantA, wantB, wantOption;
        bool stylesEnabled, optionVisible;
    } cases[] = {
        {"entry 1", 0, 0, 0, 1, 1, 1, 1, 1, false, true},
        {"entry 2", 0, 0, 0, 1, 2, 1, 1, 0, true, false},
        {"entry 0", 1, 1, 1, 1, 0, 0, 0, 0, true, false},
        // The lists show entry 0 already (values outside them); the rule still stores 0.
        {"entry 0 already shown", 2, 9, -4, 6, 0, 0, 0, 0, true, false},
        // The mode list shows entry 2 already: picking it again runs the rule.
        {"entry 2 again", 2, 0, 5, 1, 2, 1, 1, 0, true, false},
    };
    for (const auto& c : cases) {
        Options().DisplayMode = c.mode;
        Options().DisplayStyleA = c.styleA;
        Options().DisplayStyleB = c.styleB;
        Options().DisplayOption = c.option;
        Open();
        UserPicks(List(option::DisplayMode), c.pick);
        const OptionDataRec& e = Form().OptionDataEdit;
        EXPECT_EQ(e.DisplayMode, c.pick) << c.name;
        EXPECT_EQ(e.DisplayStyleA, c.wantA) << c.name;
        EXPECT_EQ(e.DisplayStyleB, c.wantB) << c.name;
        EXPECT_EQ(e.DisplayOption, c.wantOption) << c.name;
        EXPECT_EQ(List(option::DisplayStyleA)->currentIndex(), c.wantA) << c.name;
        EXPECT_EQ(List(option::DisplayStyleB)->currentIndex(), c.wantB) << c.name;
        EXPECT_EQ(List(option::DisplayStyleA)->isEnabled(), c.stylesEnabled) << c.name;
        EXPECT_EQ(List(option::DisplayStyleB)->isEnabled(), c.stylesEnabled) << c.name;
        EXPECT_EQ(List(option::DisplayOption)->isVisible(), c.optionVisible) << c.name;
        dlg->close();
        QApplication::processEvents();
    }
}

TEST_F(OptionShellTest, KeyboardPickInAListRunsItsRule) {
    OpenActive();
    List(option::ScanTime)->setFocus();
    QTest::keyClick(List(option::ScanTime), Qt::Key_Down);
    EXPECT_EQ(List(option::ScanTime)->currentText(), "10s");
    EXPECT_EQ(Form().OptionDataEdit.ScanTime, 1);
}

// ---- SW and LW boxes (hidden: normalised on OK) ----------------------------------

TEST_F(OptionShellTest, ShortWaveBoxesNormaliseWhenLeftAndOnOK) {
    struct Case {
        int box;
        const char* text;
        const char* shown;
    } cases[] = {{0, "1", "2.3000"}, {0, "25", "21.8500"}, {0, "", "18.0000"},
                 {1, "0.1", "0.5200"}, {1, "2", "1.7100"}, {1, "", "1.2000"}};
    Open();
    auto& binder = *static_cast<FormDialog*>(dlg.data())->binder();
    EXPECT_FALSE(Get<QLineEdit>(option::SwFrequency)->isVisible());
    for (const auto& c : cases) {
        const std::string name = c.box == 0 ? option::SwFrequency : option::LwFrequency;
        binder.Run([&] {
            Form().C(name).text = c.text;
            Form().Text3_LostFocus(c.box);
        });
        EXPECT_EQ(Get<QLineEdit>(name)->text().toStdString(), c.shown) << name << " " << c.text;
    }
}

TEST_F(OptionShellTest, OkWithoutChangesWritesTheFrequencyTextsFormatted) {
    Open();
    EXPECT_EQ(Get<QLineEdit>(option::SwFrequency)->text(), "18.0000");
    ClickOK();
    EXPECT_EQ(std::string(d.WorkData.SWFre.Raw()), "18.0000 ");
    EXPECT_EQ(std::string(d.WorkData.LWFre.Raw()), "1.2000  ");
}

// ---- power-on text ----------------------------------------------------------------

TEST_F(OptionShellTest, PowerOnTextShowsInTwelveBoxes) {
    struct Case {
        std::string stored;
        std::string shown;  // one character a box, "." for an empty box
    } cases[] = {{"AB CD", "AB.CD......."}, {std::string("\0XYZ", 4), "............"}};
    for (const auto& c : cases) {
        Options().PowerOnText.Set(c.stored);
        Open();
        std::string shown;
        for (int j = 0; j < 12; ++j) shown += Box(j)->text().isEmpty() ? "." : Box(j)->text().toStdString();
        EXPECT_EQ(shown, c.shown);
        dlg->close();
        QApplication::processEvents();
    }
}

TEST_F(OptionShellTest, PowerOnBoxesTakeOnlyTheRadiosCharacters) {
    OpenActive();
    QApplication::clipboard()->setText("X");
    QLineEdit* box = Box(3);
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* text;
    } refused[] = {{"backslash", Qt::Key_Backslash, Qt::NoModifier, "\\"},
                   {"tilde", Qt::Key_AsciiTilde, Qt::NoModifier, "~"},
                   {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "v"},
                   {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, ""},
                   {"e acute", Qt::Key_Eacute, Qt::NoModifier, "\xC3\xA9"}};
    for (const auto& c : refused) {
        box->setFocus();
        QTest::qWait(1);
        QKeyEvent press(QEvent::KeyPress, c.key, c.mods, QString::fromUtf8(c.text));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, c.key, c.mods, QString::fromUtf8(c.text));
        QApplication::sendEvent(box, &release);
        EXPECT_EQ(box->text(), "") << c.name;
        EXPECT_EQ(Focused(), option::PowerOnBoxes[3]) << c.name;
        EXPECT_EQ(Form().C(option::PowerOnBoxes[3]).text, "") << c.name;
    }
    // Text from an input method or the context menu's paste keeps only what a key may type.
    QInputMethodEvent ime;
    ime.setCommitString(QString::fromUtf8("\xE4\xB8\xAD"));
    QApplication::sendEvent(box, &ime);
    EXPECT_EQ(box->text(), "");
    QApplication::clipboard()->setText("~");
    box->paste();
    EXPECT_EQ(box->text(), "");

    // A letter goes into the box and the focus moves on, selecting the next box.
    Box(4)->setText("Q");
    QTest::keyClick(box, 'A');
    EXPECT_EQ(box->text(), "A");
    EXPECT_EQ(Focused(), option::PowerOnBoxes[4]);
    QApplication::processEvents();
    EXPECT_EQ(Box(4)->selectedText(), "Q");
    QTest::keyClick(Box(4), 'B');
    EXPECT_EQ(Box(4)->text(), "B");
    EXPECT_EQ(Focused(), option::PowerOnBoxes[5]);
    // Backspace passes and stays.
    QTest::keyClick(Box(5), Qt::Key_Backspace);
    EXPECT_EQ(Focused(), option::PowerOnBoxes[5]);
    ClickOK();
    EXPECT_EQ(std::string(Options().PowerOnText.Raw()), "   AB       ");
}

TEST_F(OptionShellTest, MouseFocusSelectsTheBoxText) {
    Options().PowerOnText.Set("RADIO");
    OpenActive();
    QLineEdit* box = Box(2);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(2, box->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(Focused(), option::PowerOnBoxes[2]);
    EXPECT_EQ(box->selectedText(), "D");
}

TEST_F(OptionShellTest, EnterMovesOnInListsAndCheckBoxesAndNeverCloses) {
    OpenActive();
    struct Case {
        std::string from;
        std::string to;
    } cases[] = {{option::PowerOnBoxes[2], option::PowerOnBoxes[3]}, {option::DisplayMode, option::DisplayStyleA},
                 {option::AutoPowerOff, option::PowerSave},           {option::FuncOperA, option::FuncOperB},
                 {option::RadioOn, option::GroupSelectA}};
    for (const auto& c : cases) {
        QWidget* w = Get(c.from);
        w->setFocus();
        QTest::qWait(1);
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_EQ(Focused(), c.to) << c.from;
        EXPECT_FALSE(closed) << c.from;
        EXPECT_TRUE(dlg->isVisible()) << c.from;
    }
    // Enter in a box without a rule of its own does not press OK either.
    QWidget* link = Get(option::BankLinks[0]);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_FALSE(Get<QPushButton>(kOKButton)->autoDefault());
}

// ---- OK and Cancel ----------------------------------------------------------------

TEST_F(OptionShellTest, OkStoresTheWorkingCopyAndOutsideFieldsAndRebuildsTheTree) {
    Open();
    UserPicks(List(option::Backlight), 2);
    UserPicks(List(option::NoaaAlert), 1);
    UserPicks(List(option::MursChannel), 3);
    Tick(Get<QCheckBox>(option::FullBand));
    Tick(Get<QCheckBox>(option::QuickScan));
    Tick(Get<QCheckBox>(option::BankLinks[9]));
    ClickOK();
    EXPECT_TRUE(closed);
    EXPECT_EQ(Options().Backlight, 2);
    EXPECT_EQ(Options().FullBand, 1);
    EXPECT_EQ(Options().BankLink[9], 0);
    EXPECT_EQ(d.WorkData.NOAAAlert, 1);
    EXPECT_EQ(d.WorkData.MURSChannel, 3);
    EXPECT_EQ(d.WorkData.QuickScan, 1);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"LoadShowTree"}));
}

TEST_F(OptionShellTest, CancelChangesNothing) {
    const RadioDataRec before = d.WorkData;
    OpenActive();
    UserPicks(List(option::DisplayMode), 1);
    UserPicks(List(option::GmrsChannel), 4);
    Tick(Get<QCheckBox>(option::RadioOn));
    QTest::keyClick(Box(0), 'Z');
    QTest::mouseClick(Get<QPushButton>(kCancelButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(d.WorkData == before);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(OptionShellTest, EscapeIsCancel) {
    const RadioDataRec before = d.WorkData;
    OpenActive();
    UserPicks(List(option::ScanTime), 3);
    QTest::keyClick(List(option::ScanTime), Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(d.WorkData == before);
}

// ---- screenshots -----------------------------------------------------------------

TEST_F(OptionShellTest, Screenshots) {
    Options().PowerOnText.Set("KEVRA 8R");
    Options().DisplayMode = 1;
    Open();
    dlg->show();
    QApplication::processEvents();
    Screenshot("FrmOption");
    EXPECT_EQ(dlg->windowTitle(), "Optional Functions");
    dlg->close();
    QApplication::processEvents();

    SetLanguageIndex(d, LangChinese);
    Open();
    dlg->show();
    QApplication::processEvents();
    Screenshot("FrmOption_chinese");
    EXPECT_EQ(dlg->windowTitle().toStdString(), "可选功能");
}

}  // namespace
}  // namespace rp

// The DTMF, two-tone and MSK dialogs on real widgets (offscreen): the
// wiring of their rules, the control names and screenshots.
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "shellchecktest.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuilder.h"
#include "signalling/dtmfcallbuildercontrols.h"
#include "signalling/frmmsk.h"
#include "signalling/frmmskcontrols.h"
#include "signalling/qt/openers.h"
#include "signalling/signallingfixture.h"
#include "signalling/frm2tone.h"
#include "widgets/gridmodel.h"
#include "widgets/tabrows.h"
#include "widgets/textfit.h"
#include "screenshots.h"

namespace rp {
namespace {

class SignallingShell : public test::SignallingTest {
protected:
    DialogOpeners openers;
    bool closed = false;

    void SetUp() override {
        test::SignallingTest::SetUp();
        RegisterSignallingDialogs(openers);
    }
    // A dialog a test leaves open goes, as when the program ends.
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The form of dialog `name`, as the main window makes it.
    std::unique_ptr<Form> MakeForm(const std::string& name) {
        if (name == "FrmDTMF") return std::make_unique<FrmDTMF>(d);
        if (name == "Frm2Tone") return std::make_unique<Frm2Tone>(d);
        if (name == "FrmMSK") return std::make_unique<FrmMSK>(d);
        return std::make_unique<Form>(name);
    }
    // Opens a dialog as the main window does and makes it the active window.
    FormDialog* Open(const char* name) {
        FormDialog* fd = openers.Open(MakeForm(name), nullptr, [this] { closed = true; });
        if (!fd) return nullptr;
        Activate(fd);
        return fd;
    }
    static void Activate(QWidget* w) {
        w->show();
        QApplication::setActiveWindow(w);
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    }
    template <class W>
    static W* Get(QWidget* dlg, const std::string& name) {
        auto* w = dlg->findChild<W*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A click on a check box's box (its middle may lie past its text).
    static void Tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    static void Screenshot(QWidget* w, const QString& name) {
        EXPECT_TRUE(test::SaveScreenshot(*w, name));
    }
    // Types into a box after giving it the focus by a click.
    static void TypeInto(QLineEdit* box, const QString& keys) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
    }
};

// ---- DTMF ----------------------------------------------------------------------

TEST_F(SignallingShell, DtmfOwnIDDepartureAndSeparatorPick) {
    d.DTMFData().OwnID.Set("456");
    d.DTMFData().MemCodes[0].Code.Set("123E456");
    d.DTMFData().MemCodes[0].CodeLen = 7;
    FormDialog* dlg = Open("FrmDTMF");
    ASSERT_NE(dlg, nullptr);
    auto* own = Get<QLineEdit>(dlg, dtmf::OwnId);
    auto* m1 = Get<QLineEdit>(dlg, dtmf::CodeBoxes[0]);
    EXPECT_EQ(m1->text(), "123*456");

    TypeInto(own, "1a2");
    EXPECT_EQ(own->text(), "12");
    QTest::keyClick(own, Qt::Key_Return);  // Enter moves on, as Tab does
    EXPECT_FALSE(own->hasFocus());
    EXPECT_EQ(own->text(), "120");
    EXPECT_EQ(m1->text(), "123*120");

    auto* sep = Get<QComboBox>(dlg, dtmf::Separator);
    sep->setFocus();
    QTest::keyClick(sep, Qt::Key_End);  // the user picks "#"
    EXPECT_EQ(sep->currentText(), "#");
    EXPECT_EQ(m1->text(), "123#120");

    TypeInto(Get<QLineEdit>(dlg, dtmf::CodeBoxes[1]), "12ab*#xE");
    EXPECT_EQ(Get<QLineEdit>(dlg, dtmf::CodeBoxes[1])->text(), "12AB*#");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.DTMFData().OwnID.Raw(), "120");
    EXPECT_EQ(d.DTMFData().Separator, 15);
    EXPECT_EQ(d.DTMFData().MemCodes[0].Code.Trim(), "123F120");
    EXPECT_EQ(d.DTMFData().MemCodes[1].Code.Trim(), "12ABEF");
}

TEST_F(SignallingShell, DtmfEnterNeverPressesOKAndEscCancels) {
    d.DTMFData().GroupCode = 255;
    d.DTMFData().PauseTime = 3;
    const auto before = test::Bytes(d.DTMFData());
    FormDialog* dlg = Open("FrmDTMF");
    ASSERT_NE(dlg, nullptr);
    for (const char* name : {kOKButton, kCancelButton, dtmf::SpecialButton})
        EXPECT_FALSE(Get<QPushButton>(dlg, name)->autoDefault()) << name;
    auto* box = Get<QLineEdit>(dlg, dtmf::CodeBoxes[3]);
    TypeInto(box, "99");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_FALSE(box->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_EQ(test::Bytes(d.DTMFData()), before);
}

TEST_F(SignallingShell, DtmfEqualKillAndStunKeepTheDialogOpen) {
    FormDialog* dlg = Open("FrmDTMF");
    ASSERT_NE(dlg, nullptr);
    TypeInto(Get<QLineEdit>(dlg, dtmf::CodeBoxes[18]), "123");
    TypeInto(Get<QLineEdit>(dlg, dtmf::CodeBoxes[19]), "123");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "The kill code and the stun code must not be the same.");
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(Get<QLineEdit>(dlg, dtmf::CodeBoxes[18])->hasFocus());
    Screenshot(dlg, "FrmDTMF");
}

TEST_F(SignallingShell, DtmfSpecialBuilderWritesTheLastFocusedBox) {
    FormDialog* dlg = Open("FrmDTMF");
    ASSERT_NE(dlg, nullptr);
    QTest::mouseClick(Get<QLineEdit>(dlg, dtmf::CodeBoxes[6]), Qt::LeftButton);
    TypeInto(Get<QLineEdit>(dlg, dtmf::OwnId), "4");
    QTest::mouseClick(Get<QPushButton>(dlg, dtmf::SpecialButton), Qt::LeftButton);
    auto* builder = dlg->findChild<FormDialog*>("FrmDTMFCallBuilder");
    ASSERT_NE(builder, nullptr);
    Activate(builder);
    EXPECT_EQ(builder->windowTitle(), "DTMF Special Call");
    Screenshot(builder, "FrmDTMFCallBuilder");
    TypeInto(Get<QLineEdit>(builder, dtmfcallbuilder::Target), "12");
    QPointer<FormDialog> gone(builder);
    QTest::mouseClick(Get<QPushButton>(builder, kOKButton), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(gone.isNull() || !gone->isVisible());
    EXPECT_EQ(Get<QLineEdit>(dlg, dtmf::OwnId)->text(), "400");
    EXPECT_EQ(Get<QLineEdit>(dlg, dtmf::CodeBoxes[6])->text(), "120*400");
    EXPECT_FALSE(closed);

    // The stun box: Special opens nothing.
    Activate(dlg);  // the window manager gives the focus back
    QTest::mouseClick(Get<QLineEdit>(dlg, dtmf::CodeBoxes[19]), Qt::LeftButton);
    QTest::mouseClick(Get<QPushButton>(dlg, dtmf::SpecialButton), Qt::LeftButton);
    QApplication::processEvents();
    for (auto* b : dlg->findChildren<FormDialog*>("FrmDTMFCallBuilder")) EXPECT_FALSE(b->isVisible());
}

TEST_F(SignallingShell, TextBoxesSelectTheirTextOnArriving) {
    d.DTMFData().MemCodes[2].Code.Set("5555");
    d.DTMFData().MemCodes[2].CodeLen = 4;
    FormDialog* dlg = Open("FrmDTMF");
    ASSERT_NE(dlg, nullptr);
    auto* box = Get<QLineEdit>(dlg, dtmf::CodeBoxes[2]);
    QTest::mouseClick(box, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(box->selectedText(), "5555");
}

// ---- two-tone ------------------------------------------------------------------

class TwoToneShell : public SignallingShell {
protected:
    FormDialog* dlg = nullptr;
    TextGridView* grid = nullptr;

    void OpenOnEncodeTab() {
        dlg = Open("Frm2Tone");
        ASSERT_NE(dlg, nullptr);
        auto* tabs = Get<QTabWidget>(dlg, twotone::Tabs);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
        ASSERT_EQ(tabs->currentIndex(), 0);
        grid = Get<TextGridView>(dlg, twotone::EncodeGrid);
    }
    void ClickCell(int row, int col) {
        grid->scrollTo(grid->GridModel()->IndexOf(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
        QApplication::processEvents();
    }
    Frm2Tone& form() { return dlg->FormAs<Frm2Tone>(); }
};

// The tabs of the rows that their style is asked to draw chosen, by their
// index in the strip.
std::vector<int> DrawnChosen(const TabRows& rows) {
    class Recorder : public QProxyStyle {
    public:
        using QProxyStyle::QProxyStyle;
        mutable std::vector<std::pair<const QWidget*, QPoint>> chosen;
        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const override {
            if (element == CE_TabBarTabShape && (option->state & State_Selected))
                chosen.emplace_back(widget, option->rect.center());
            QProxyStyle::drawControl(element, option, painter, widget);
        }
    };
    Recorder style("Fusion");
    std::vector<int> tabs;
    const std::vector<QTabBar*>& bars = rows.Rows();
    for (std::size_t r = 0; r < bars.size(); ++r) {
        bars[r]->setStyle(&style);
        style.chosen.clear();
        bars[r]->grab();
        for (const auto& [widget, at] : style.chosen)
            if (widget == bars[r]) tabs.push_back(static_cast<int>(r) * 8 + bars[r]->tabAt(at));
        bars[r]->setStyle(nullptr);
    }
    return tabs;
}

TEST_F(TwoToneShell, OpensOnTheDecodeTabWithTheOwnCallTabOff) {
    dlg = Open("Frm2Tone");
    ASSERT_NE(dlg, nullptr);
    auto* tabs = Get<QTabWidget>(dlg, twotone::Tabs);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_EQ(tabs->tabText(2), "Decode");
    auto* strip = Get<QTabBar>(dlg, twotone::DecodeTabs);
    EXPECT_EQ(strip->count(), 16);
    EXPECT_EQ(strip->tabText(15), "Decode 16");
    // Eight tabs to a row; a pick in a row picks the strip's tab and its page.
    auto* rows = dlg->findChild<TabRows*>();
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->Rows().size(), 2u);
    QTabBar* second = rows->Rows()[1];
    EXPECT_EQ(second->count(), 8);
    EXPECT_EQ(second->tabText(7), "Decode 16");
    // One tab drawn chosen between the rows: the strip's current one.
    EXPECT_EQ(DrawnChosen(*rows), std::vector<int>{0});
    QTest::mouseClick(second, Qt::LeftButton, {}, second->tabRect(2).center());
    EXPECT_EQ(strip->currentIndex(), 10);
    EXPECT_EQ(form().C(twotone::DecodeTabs).index, 10);
    EXPECT_TRUE(Get<QWidget>(dlg, twotone::DecodeFrames[10])->isVisible());
    EXPECT_FALSE(Get<QWidget>(dlg, twotone::DecodeFrames[0])->isVisible());
    EXPECT_EQ(DrawnChosen(*rows), std::vector<int>{10});
    QTest::mouseClick(rows->Rows()[0], Qt::LeftButton, {}, rows->Rows()[0]->tabRect(0).center());
    EXPECT_EQ(strip->currentIndex(), 0);
    EXPECT_EQ(DrawnChosen(*rows), std::vector<int>{0});
    Screenshot(dlg, "Frm2Tone_decode");
    // Unticking a decode entry disables its boxes.
    auto* valid = Get<QCheckBox>(dlg, twotone::DecodeValidBoxes[0]);
    Tick(valid);
    EXPECT_TRUE(Get<QLineEdit>(dlg, twotone::DecodeTone1Boxes[0])->isEnabled());
    Tick(valid);
    EXPECT_FALSE(Get<QLineEdit>(dlg, twotone::DecodeTone1Boxes[0])->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(dlg, twotone::DecodeResponses[0])->isEnabled());
}

TEST_F(TwoToneShell, GridEditorsRefusalEnterAndOK) {
    OpenOnEncodeTab();
    auto* text1 = Get<QLineEdit>(dlg, twotone::ToneEditor);
    // The name cell of a row without a first tone: the first-tone cell opens.
    ClickCell(5, 3);
    EXPECT_EQ(form().CurTone2Row, 5);
    EXPECT_EQ(form().CurTone2Col, 1);
    ASSERT_TRUE(text1->isVisible());
    EXPECT_TRUE(text1->hasFocus());
    EXPECT_EQ(text1->geometry(), grid->CellRect(5, 1));
    EXPECT_FALSE(Get<QLineEdit>(dlg, twotone::NameEditor)->isVisible());

    QTest::keyClicks(text1, "1x000");
    EXPECT_EQ(text1->text(), "1000");
    QTest::keyClick(text1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(form().CurTone2Col, 2);
    EXPECT_EQ(text1->geometry(), grid->CellRect(5, 2));
    EXPECT_TRUE(text1->hasFocus());
    const Tone2EncodeRec& e = d.SetDataEdit.Tone2Data.Encodes[4];
    EXPECT_EQ((std::array<int, 4>{e.Tone1H, e.Tone1L, e.Divisor1H, e.Divisor1L}),
              (std::array<int, 4>{39, 16, 1, 150}));
    EXPECT_EQ(grid->GridModel()->data(grid->GridModel()->IndexOf(5, 1), Qt::DisplayRole).toString(), "1000.0");
    Screenshot(dlg, "Frm2Tone_encode");

    // A scroll by the user commits the open cell and hides the editor.
    QTest::keyClicks(text1, "2000");
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QApplication::processEvents();
    EXPECT_FALSE(text1->isVisible());
    EXPECT_EQ(e.Tone2H * 256 + e.Tone2L, 20000);

    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.Tone2Data().Encodes[4].Tone1H, 39);
}

// The number column's heading is the grid's cell (0,0), drawn in the corner.
TEST_F(TwoToneShell, CornerShowsTheNumberColumnsHeading) {
    struct Case {
        int language;
        const char* heading;
    };
    for (const Case& c : {Case{LangEnglish, "No."}, Case{LangChinese, "序号"}}) {
        SetLanguageIndex(d, c.language);
        OpenOnEncodeTab();
        TextGrid& g = form().MSHFlexGrid1;
        EXPECT_EQ(g.Text(0, 0), c.heading);
        const QRect corner = grid->HeaderCellRect(0, 0);
        ASSERT_FALSE(corner.isEmpty());
        auto shown = [&] {
            grid->Refresh();
            QApplication::processEvents();
            return grid->grab(corner).toImage();
        };
        const QImage withHeading = shown();
        g.SetText(0, 0, "");
        const QImage blank = shown();
        g.SetText(0, 0, c.heading);
        EXPECT_NE(withHeading, blank);
        EXPECT_EQ(shown(), withHeading);
        EXPECT_TRUE(CutTexts(grid).empty()) << ::testing::PrintToString(CutTexts(grid));
        Screenshot(dlg, QString("Frm2Tone_encode_") + (c.language == LangEnglish ? "en" : "zh"));
        dlg->done(QDialog::Rejected);
        QApplication::processEvents();
    }
}

TEST_F(TwoToneShell, GridEditorFollowsItsCellWhenColumnsOrTheViewResize) {
    OpenOnEncodeTab();
    auto* text1 = Get<QLineEdit>(dlg, twotone::ToneEditor);
    ClickCell(2, 1);
    ASSERT_TRUE(text1->isVisible());
    grid->setColumnWidth(0, grid->columnWidth(0) + 40);
    EXPECT_EQ(text1->geometry(), grid->CellRect(2, 1));
    dlg->resize(dlg->width() + 80, dlg->height());
    QApplication::processEvents();
    EXPECT_EQ(text1->geometry(), grid->CellRect(2, 1));
}

TEST_F(TwoToneShell, EnterInAnEmptyFirstToneEditorOfTheLastRowGoesToRowOne) {
    OpenOnEncodeTab();
    auto* text1 = Get<QLineEdit>(dlg, twotone::ToneEditor);
    // A click on the grid's current cell (no cell change) opens its editor.
    ClickCell(1, 1);
    EXPECT_TRUE(text1->isVisible());
    EXPECT_EQ(form().CurTone2Row, 1);
    ClickCell(32, 1);
    ASSERT_TRUE(text1->hasFocus());
    QTest::keyClick(text1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(form().CurTone2Row, 1);
    EXPECT_EQ(form().CurTone2Col, 1);
    EXPECT_TRUE(text1->isVisible());
    EXPECT_EQ(text1->geometry(), grid->CellRect(1, 1));
    EXPECT_EQ(text1->text(), "321.7");
    // Esc leaves the live data alone.
    const auto before = test::Bytes(d.WorkData.SetData);
    QTest::keyClick(text1, Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_EQ(test::Bytes(d.WorkData.SetData), before);
}

// ---- MSK -----------------------------------------------------------------------

TEST_F(SignallingShell, MskGroupSwitchFrequencyAndOK) {
    FormDialog* dlg = Open("FrmMSK");
    ASSERT_NE(dlg, nullptr);
    Screenshot(dlg, "FrmMSK");
    Tick(Get<QCheckBox>(dlg, msk::GroupValid));
    auto* name = Get<QLineEdit>(dlg, msk::GroupName);
    ASSERT_TRUE(name->isEnabled());
    TypeInto(name, "FIRST");
    auto* group = Get<QComboBox>(dlg, msk::GroupList);
    group->setFocus();
    QTest::keyClick(group, Qt::Key_End);  // group 31
    EXPECT_EQ(Get<QGroupBox>(dlg, msk::GroupFrame)->title(), "Group 31");
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(d.MSKDataEdit.Groups[0].Name.Trim(), "FIRST");

    QTest::mouseClick(Get<QTabWidget>(dlg, msk::Tabs)->tabBar(), Qt::LeftButton, {},
                      Get<QTabWidget>(dlg, msk::Tabs)->tabBar()->tabRect(1).center());
    auto* freq = Get<QLineEdit>(dlg, msk::Frequency);
    TypeInto(freq, "100");
    QTest::keyClick(freq, Qt::Key_Tab);
    EXPECT_EQ(freq->text(), "136");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.WorkData.MSKData.Head.Frequency, 136);
    EXPECT_EQ(d.WorkData.MSKData.Groups[0].Valid, 1);
}

TEST_F(SignallingShell, MskTextsLongerThanTheirBoxesAreShownAndKept) {
    d.WorkData.MSKData.Groups[0].Name.Set("SEVEN77");
    d.WorkData.MSKData.Head.Frequency = 1000;
    FormDialog* dlg = Open("FrmMSK");
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(Get<QLineEdit>(dlg, msk::GroupName)->text(), "SEVEN77");
    EXPECT_EQ(Get<QLineEdit>(dlg, msk::Frequency)->text(), "1000");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.WorkData.MSKData.Groups[0].Name.Raw(), std::string_view("SEVEN77\0", 8));
}

TEST_F(SignallingShell, MskOnlyForItsModel) {
    d.CurModel = "KEVRA8R";
    EXPECT_EQ(Open("FrmMSK"), nullptr);
    EXPECT_TRUE(closed);
}

// ---- control names -------------------------------------------------------------

// One program state for the factories, set up like the tests' own.
AppData& EnvData() {
    static AppData d;
    static const bool ready = [] {
        test::SetUpSignallingData(d);
        return true;
    }();
    (void)ready;
    return d;
}
const test::ShellCase kShells[] = {
    {"FrmDTMF", [] { return BuildFormDialog(std::make_unique<FrmDTMF>(EnvData()), nullptr, BuildFrmDTMF); }},
    {"FrmDTMFCallBuilder",
     [] {
         static FrmDTMF owner(EnvData());
         auto special = std::make_unique<FrmDTMFCallBuilder>(EnvData(), owner);
         return BuildFormDialog(std::move(special), nullptr, BuildFrmDTMFCallBuilder);
     }},
    {"Frm2Tone", [] { return BuildFormDialog(std::make_unique<Frm2Tone>(EnvData()), nullptr, BuildFrm2Tone); }},
    {"FrmMSK", [] { return BuildFormDialog(std::make_unique<FrmMSK>(EnvData()), nullptr, BuildFrmMSK); }},
};
RP_SHELL_CONTROL_CHECK(SignallingShells, kShells);

}  // namespace
}  // namespace rp

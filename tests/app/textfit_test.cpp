// No text is cut, in either language: the main window and every dialog
// (each page of its tab strips, the batch editor's second panel, the
// five-tone dialog's own dialogs), shown offscreen, show every caption of a
// label, check box, option button, push button, tab, grid header cell and
// tree item whole. Every dialog lies within the free area of its screen, and
// each of its buttons that does not scroll with its controls shows whole.
// Each window is saved as a screenshot.
//
// ctest runs this check on small screens too (tests/CMakeLists.txt); by
// hand, an offscreen screen of a given size:
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json [QT_SCALE_FACTOR=1.5]
//   with screen.json {"screens": [{"name": "S", "width": 1280, "height": 720}]}
#include <QApplication>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/appfixture.h"
#include "channels/frmbank.h"
#include "channels/frmchbatch.h"
#include "channels/frmchbatchcontrols.h"
#include "channels/frmchedit.h"
#include "core/language.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "mainwindow/frmabout.h"
#include "mainwindow/frmlanguage.h"
#include "printing/frmprintlist.h"
#include "radio/frmcomset.h"
#include "radio/frmpassword.h"
#include "radio/frmtestdata.h"
#include "settings/frmalert.h"
#include "settings/frmcommubook.h"
#include "settings/frmemg.h"
#include "settings/frminit.h"
#include "settings/frmmodel.h"
#include "settings/frmoption.h"
#include "settings/frmscan.h"
#include "signalling/frm2tone.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmmsk.h"
#include "radio/qt/openers.h"
#include "radio/qt/frmprogressshell.h"
#include "widgets/dialogfit.h"
#include "widgets/screenfit.h"
#include "widgets/textfit.h"
#include "screenshots.h"

namespace rp {
namespace {

struct Language {
    std::string name;
    int index = 0;
};
void PrintTo(const Language& l, std::ostream* os) { *os << l.name; }

class EveryWindow : public test::MainWindowWithDialogs, public ::testing::WithParamInterface<Language> {
protected:
    test::FakePorts ports;
    std::vector<std::string> cuts;
    std::vector<std::string> unfit;     // beyond the screen, or a button out of view
    std::vector<std::string> scrolled;  // the dialogs whose controls scroll

    void SetUp() override {
        test::MainWindowWithDialogs::SetUp();
        if (HasFatalFailure()) return;
        SetLanguageIndex(d, GetParam().index);
        w->Form_ReLoad();
        QApplication::processEvents();
    }

    // The screen's logical size and scale, as the screenshots' folder names it.
    static QString ScreenName() {
        const QScreen* s = QGuiApplication::primaryScreen();
        return QString("%1x%2@%3").arg(s->size().width()).arg(s->size().height()).arg(s->devicePixelRatio());
    }

    QString Shot(const std::string& window) {
        const QString folder =
            test::ScreenshotFolder("textfit-" + QString::fromStdString(GetParam().name) + "-" + ScreenName());
        return folder + "/" + QString::fromStdString(window) + ".png";
    }

    // Checks a shown window, each page of its tab strips as well, and saves it.
    void Check(QWidget* window, const std::string& name) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << name;
        QApplication::processEvents();
        auto add = [&](const std::string& where) {
            for (const std::string& cut : CutTexts(window)) cuts.push_back(where + ": " + cut);
        };
        add(name);
        EXPECT_TRUE(window->grab().save(Shot(name))) << name;
        for (QTabBar* bar : window->findChildren<QTabBar*>()) {
            const int keep = bar->currentIndex();
            for (int i = 0; i < bar->count(); ++i) {
                if (i == keep || !bar->isTabVisible(i) || !bar->isTabEnabled(i)) continue;
                bar->setCurrentIndex(i);
                QApplication::processEvents();
                add(name + " page " + std::to_string(i));
                EXPECT_TRUE(window->grab().save(Shot(name + "-page" + std::to_string(i)))) << name;
            }
            bar->setCurrentIndex(keep);
            QApplication::processEvents();
        }
    }

    // A shown dialog lies within its screen's free area, and its buttons
    // that do not scroll with its controls show whole.
    void CheckOnScreen(QDialog* dlg, const std::string& name) {
        auto text = [](const QRect& r) {
            return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
                   std::to_string(r.height());
        };
        const QRect area = UsableArea(*dlg->screen());
        if (!area.contains(dlg->frameGeometry()))
            unfit.push_back(name + ": " + text(dlg->frameGeometry()) + " beyond " + text(area));
        const QScrollArea* scroll = DialogScrollArea(*dlg);
        if (scroll) scrolled.push_back(name);
        int inView = 0;
        for (const QPushButton* b : dlg->findChildren<QPushButton*>()) {
            if (!b->isVisible() || (scroll && scroll->isAncestorOf(b))) continue;
            ++inView;
            if (b->visibleRegion() != QRegion(b->rect()))
                unfit.push_back(name + ": " + b->objectName().toStdString() + " shows " +
                                text(b->visibleRegion().boundingRect()) + " of " + text(b->rect()));
        }
        if (scroll && inView == 0) unfit.push_back(name + ": no button stays in view");
    }

    // A dialog the window opened on top of `owner`, by its name.
    FormDialog* OwnDialog(QWidget* owner, const char* name) {
        for (auto* f : owner->findChildren<FormDialog*>(name))
            if (f->isVisible()) return f;
        return nullptr;
    }

    void Close(QDialog* dlg) {
        if (auto* fd = qobject_cast<FormDialog*>(dlg)) fd->form().Unload();
        dlg->done(QDialog::Rejected);
        QApplication::processEvents();
    }

    // The dialogs a dialog opens over itself.
    static bool OwnedDialog(const std::string& name) {
        return name == "FrmCallBuilder" || name == "Frm5ToneDefTS" || name == "FrmDTMFCallBuilder";
    }
    // The form of a dialog the window opens, made as its opener makes it.
    std::unique_ptr<Form> MakeForm(const std::string& name) {
        const std::map<std::string, std::function<std::unique_ptr<Form>()>> forms = {
            {"Frm2Tone", [&] { return std::make_unique<Frm2Tone>(d); }},
            {"Frm5Tone", [&] { return std::make_unique<Frm5Tone>(d); }},
            {"FrmAlert", [&] { return std::make_unique<FrmAlert>(d); }},
            {"FrmBank", [&] { return std::make_unique<FrmBank>(d); }},
            {"FrmCHBatch", [&] { return std::make_unique<FrmCHBatch>(d); }},
            {"FrmCHEdit", [&] { return std::make_unique<FrmCHEdit>(d, *w); }},
            {"FrmComSet", [&] { return std::make_unique<FrmComSet>(d, ports); }},
            {"FrmCommuBook", [&] { return std::make_unique<FrmCommuBook>(d); }},
            {"FrmDTMF", [&] { return std::make_unique<FrmDTMF>(d); }},
            {"FrmEMG", [&] { return std::make_unique<FrmEMG>(d); }},
            {"FrmInit", [&] { return std::make_unique<FrmInit>(d); }},
            {"FrmLanguage", [&] { return std::make_unique<FrmLanguage>(d, *w); }},
            {"FrmMSK", [&] { return std::make_unique<FrmMSK>(d); }},
            {"FrmModel", [&] { return std::make_unique<FrmModel>(d); }},
            {"FrmOption", [&] { return std::make_unique<FrmOption>(d); }},
            {"FrmPassWord", [&] { return std::make_unique<FrmPassWord>(d); }},
            {"FrmPrintList", [&] { return std::make_unique<FrmPrintList>(d); }},
            {"FrmScan", [&] { return std::make_unique<FrmScan>(d); }},
            {"FrmTestData", [&] { return std::make_unique<FrmTestData>(d); }},
            {"frmAbout", [&] { return std::make_unique<FrmAbout>(d); }},
        };
        auto it = forms.find(name);
        return it == forms.end() ? nullptr : it->second();
    }

    void Click(QWidget* dlg, const char* button) {
        auto* b = dlg->findChild<QPushButton*>(button);
        ASSERT_TRUE(b) << button;
        b->click();
        QApplication::processEvents();
    }
};

TEST_P(EveryWindow, ShowsEveryTextWholeWithinTheScreen) {
    Check(w.get(), "frmMain");
    // The channel grid's right-hand columns, for the screenshot.
    QScrollBar* across = w->grid(0)->horizontalScrollBar();
    across->setValue(across->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(w->grab().save(Shot("frmMain-right")));
    across->setValue(0);
    // The batch editor with every row of values shown.
    for (auto& on : d.BatchFunFlag) on = 1;
    for (const std::string& name : openers.Names()) {
        if (OwnedDialog(name)) continue;  // opened over their owner below
        std::unique_ptr<Form> form = MakeForm(name);
        if (!form) {
            ADD_FAILURE() << name << ": no form made for it here";
            continue;
        }
        QDialog* dlg = openers.Open(std::move(form), w.get());
        if (!dlg) continue;  // a dialog that unloads itself on this data
        Check(dlg, name);
        CheckOnScreen(dlg, name);
        if (name == "FrmCHBatch") {
            Click(dlg, chbatch::PanelSwitch);
            Check(dlg, name + "-functions");
        }
        if (name == "Frm5Tone") {
            for (const auto& [button, sub] : {std::pair{fivetone::SpecialCallButton, "FrmCallBuilder"},
                                              {fivetone::UserTonesButton, "Frm5ToneDefTS"}}) {
                Click(dlg, button);
                if (FormDialog* s = OwnDialog(dlg, sub)) {
                    Check(s, sub);
                    CheckOnScreen(s, sub);
                    Close(s);
                }
            }
        }
        Close(dlg);
    }
    // The windows no menu opens directly: the transfer's progress and the
    // link test.
    {
        ProgressDialog progress(d, 1, w.get());
        progress.show();
        Check(&progress, "FrmProgress");
        CheckOnScreen(&progress, "FrmProgress");
        // A write reading back what it wrote.
        ProgressDialog checking(d, 2, w.get());
        checking.SetProgressChecking(true);
        checking.show();
        Check(&checking, "FrmProgress-check");
        CheckOnScreen(&checking, "FrmProgress-check");
    }
    std::unique_ptr<FormDialog> link(MakeLoadFrmLink(d, ports, w.get()));
    link->show();
    Check(link.get(), "LoadFrmLink");
    CheckOnScreen(link.get(), "LoadFrmLink");
    link->form().Unload();
    link->hide();

    std::string list;
    for (const std::string& cut : cuts) list += cut + "\n";
    EXPECT_TRUE(cuts.empty()) << list;
    list.clear();
    for (const std::string& u : unfit) list += u + "\n";
    EXPECT_TRUE(unfit.empty()) << list;
    list.clear();
    for (const std::string& name : scrolled) list += " " + name;
    if (!scrolled.empty()) std::cout << "On " << ScreenName().toStdString() << ", scrolling:" << list << "\n";
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow,
                         ::testing::Values(Language{"English", LangEnglish}, Language{"Chinese", LangChinese}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rp

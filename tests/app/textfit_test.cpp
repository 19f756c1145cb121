// No text is cut, in either language: the main window and every dialog
// (each page of its tab strips, the batch editor's second panel, the
// five-tone dialog's own dialogs), shown offscreen, show every caption of a
// label, check box, option button, push button, tab, grid header cell and
// tree item whole. Each window is saved as a screenshot.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/appfixture.h"
#include "channels/frmchbatchcontrols.h"
#include "core/language.h"
#include "fivetone/frm5tonecontrols.h"
#include "radio/qt/openers.h"
#include "radio/qt/frmprogressshell.h"
#include "widgets/textfit.h"

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

    void SetUp() override {
        test::MainWindowWithDialogs::SetUp();
        if (HasFatalFailure()) return;
        SetLanguageIndex(d, GetParam().index);
        w->Form_ReLoad();
        QApplication::processEvents();
    }

    QString Shot(const std::string& window) {
        const QString folder = QString(RP_BINARY_DIR) + "/screenshots/textfit-" + QString::fromStdString(GetParam().name);
        QDir().mkpath(folder);
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

    void Click(QWidget* dlg, const char* button) {
        auto* b = dlg->findChild<QPushButton*>(button);
        ASSERT_TRUE(b) << button;
        b->click();
        QApplication::processEvents();
    }
};

TEST_P(EveryWindow, ShowsEveryTextWhole) {
    Check(w.get(), "frmMain");
    // The channel grid's right-hand columns, for the screenshot.
    QScrollBar* across = w->grid(0)->horizontalScrollBar();
    across->setValue(across->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(w->grab().save(Shot("frmMain-right")));
    across->setValue(0);
    const DialogContext context{d, *w, w.get()};
    // The batch editor with every row of values shown.
    for (auto& on : d.BatchFunFlag) on = 1;
    for (const std::string& name : openers.Names()) {
        QDialog* dlg = openers.Open(name, context);
        if (!dlg) continue;  // a dialog that unloads itself on this data
        Check(dlg, name);
        if (name == "FrmCHBatch") {
            Click(dlg, chbatch::PanelSwitch);
            Check(dlg, name + "-functions");
        }
        if (name == "Frm5Tone") {
            for (const auto& [button, sub] : {std::pair{fivetone::SpecialCallButton, "FrmSpecial"},
                                              {fivetone::UserTonesButton, "Frm5ToneDefTS"}}) {
                Click(dlg, button);
                if (FormDialog* s = OwnDialog(dlg, sub)) {
                    Check(s, sub);
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
    }
    std::unique_ptr<FormDialog> link(MakeLoadFrmLink(context, ports));
    link->show();
    Check(link.get(), "LoadFrmLink");
    link->form().Unload();
    link->hide();

    std::string list;
    for (const std::string& cut : cuts) list += cut + "\n";
    EXPECT_TRUE(cuts.empty()) << list;
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow,
                         ::testing::Values(Language{"English", LangEnglish}, Language{"Chinese", LangChinese}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rp

#pragma once
// The settings dialogs on real widgets (offscreen): opened through their
// openers as the main window opens them, answered through the recording
// notifier and a fake file chooser.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/formfixture.h"
#include "settings/frmalert.h"
#include "settings/frmcommubook.h"
#include "settings/frmemg.h"
#include "settings/frminit.h"
#include "settings/frmmodel.h"
#include "settings/frmscan.h"
#include "settings/qt/openers.h"

namespace rp::test {

class ShellTest : public SettingsFormTest {
protected:
    DialogOpeners openers;
    FakeChooser chooser;
    // The save question the model dialog asks, answered by the test.
    int saveAsked = 0;
    bool saveGoesOn = true;
    bool closed = false;

    void SetUp() override {
        SettingsFormTest::SetUp();
        RegisterSettingsDialogs(openers);
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The form of dialog `name` as the main window makes it, with the test's
    // save question and book choosers.
    std::unique_ptr<Form> MakeForm(const std::string& name) {
        if (name == "FrmAlert") return std::make_unique<FrmAlert>(d);
        if (name == "FrmScan") return std::make_unique<FrmScan>(d);
        if (name == "FrmEMG") return std::make_unique<FrmEMG>(d);
        if (name == "FrmInit") return std::make_unique<FrmInit>(d);
        if (name == "FrmCommuBook") return std::make_unique<FrmCommuBook>(d, &chooser);
        if (name == "FrmModel")
            return std::make_unique<FrmModel>(d, [this] {
                ++saveAsked;
                return saveGoesOn;
            });
        return std::make_unique<Form>(name);
    }
    FormDialog* Open(const std::string& name) {
        closed = false;
        return openers.Open(MakeForm(name), nullptr, [this] { closed = true; });
    }
    // Shows the dialog as the active window, for keys and focus.
    static void Activate(QDialog* dlg) {
        dlg->show();
        QApplication::setActiveWindow(dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    }
    template <class W>
    static W* Get(QWidget* dlg, const char* name) {
        W* w = dlg->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A user's pick in a list: the index changes, then activated.
    static void Pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

}  // namespace rp::test

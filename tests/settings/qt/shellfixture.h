#pragma once
// The settings dialogs on real widgets (offscreen): opened through their
// openers as the main window opens them, answered through the recording
// notifier and a fake file chooser.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/formfixture.h"
#include "settings/qt/openers.h"

namespace rp::test {

class ShellTest : public SettingsFormTest {
protected:
    MainWindowCalls main;
    DialogOpeners openers;
    FakeChooser chooser;
    // The save question the model dialog asks, answered by the test.
    int saveAsked = 0;
    bool saveGoesOn = true;
    bool closed = false;

    void SetUp() override {
        SettingsFormTest::SetUp();
        SettingsDialogHooks hooks;
        hooks.askSave = [this] {
            ++saveAsked;
            return saveGoesOn;
        };
        hooks.bookChooser = &chooser;
        RegisterSettingsDialogs(openers, hooks);
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FormDialog* Open(const std::string& name) {
        closed = false;
        QDialog* dlg = openers.Open(name, {d, main, nullptr}, [this] { closed = true; });
        return qobject_cast<FormDialog*>(dlg);
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

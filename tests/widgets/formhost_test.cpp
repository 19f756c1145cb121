// Opening a child window: a form's child shows window-modally over the
// dialog that shows the form, made by the same registry, and its callback
// runs inside the opener's binder after it has closed. Every way a dialog
// closes runs its form's Closing once, before the callback.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "forms/commoncontrols.h"
#include "widgets/dialoghost.h"

namespace rp {
namespace {

std::vector<std::string>* gLog = nullptr;

// A child: loaded once shown; "CommandOK" closes it. `unloadInLoad` makes
// it refuse to show.
class ChildForm : public Form {
public:
    explicit ChildForm(bool unloadInLoad = false) : Form("FrmChild"), unloadInLoad_(unloadInLoad) {
        State().Add("CommandOK", ControlKind::Button);
    }
    void Form_Load() override {
        if (gLog) gLog->push_back("child loaded");
        if (unloadInLoad_) Unload();
    }
    void Click(const std::string& c) override {
        if (c == "CommandOK") Unload();
    }

private:
    bool unloadInLoad_;
};

// The opener: "Command1" opens a child and writes into Label1 when it is back.
class OwnerForm : public Form {
public:
    OwnerForm() : Form("FrmOwner") {
        State().Add("Label1", ControlKind::Label);
        State().Add("Command1", ControlKind::Button);
    }
    bool childUnloads = false;
    void Click(const std::string& c) override {
        if (c != "Command1") return;
        Open(std::make_unique<ChildForm>(childUnloads), [this] {
            if (gLog) gLog->push_back("owner called back");
            C("Label1").text = "back";
        });
    }
};

void LayOut(FormDialog& dlg, std::initializer_list<const char*> buttons) {
    auto* lay = new QVBoxLayout(&dlg);
    if (dlg.form().State().Has("Label1")) {
        auto* l = new QLabel(&dlg);
        l->setObjectName("Label1");
        lay->addWidget(l);
    }
    for (const char* name : buttons) {
        auto* b = new QPushButton(&dlg);
        b->setObjectName(name);
        lay->addWidget(b);
    }
    dlg.Bind();
}

class FormHostTest : public ::testing::Test {
protected:
    DialogOpeners openers;
    std::vector<std::string> log;
    FormDialog* owner = nullptr;

    void SetUp() override {
        gLog = &log;
        openers.Register("FrmOwner", [](FormDialog& dlg) { LayOut(dlg, {"Command1"}); });
        openers.Register("FrmChild", [](FormDialog& dlg) { LayOut(dlg, {"CommandOK"}); });
        owner = openers.Open(std::make_unique<OwnerForm>(), nullptr, [this] { log.push_back("owner closed"); });
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gLog = nullptr;
    }
    void Press(QWidget* dlg, const char* button) { dlg->findChild<QPushButton*>(button)->click(); }
    QString Label() { return owner->findChild<QLabel*>("Label1")->text(); }
};

TEST_F(FormHostTest, TheChildShowsOverItsOpenerAndCallsBackAfterItClosed) {
    Press(owner, "Command1");
    ASSERT_EQ(openers.OpenDialogs().size(), 2u);
    QDialog* child = openers.OpenDialogs().front();
    EXPECT_EQ(child->objectName(), "FrmChild");
    EXPECT_EQ(child->parentWidget(), owner);
    EXPECT_EQ(child->windowModality(), Qt::WindowModal);
    EXPECT_EQ(log, std::vector<std::string>{"child loaded"});
    EXPECT_EQ(Label(), "");

    Press(child, "CommandOK");
    EXPECT_EQ(log, (std::vector<std::string>{"child loaded", "owner called back"}));
    EXPECT_EQ(Label(), "back");  // the opener's binder showed it
    EXPECT_EQ(openers.OpenDialogs(), std::vector<QDialog*>{owner});
}

TEST_F(FormHostTest, AChildThatUnloadsWhileLoadingNeverShows) {
    static_cast<OwnerForm&>(owner->form()).childUnloads = true;
    Press(owner, "Command1");
    EXPECT_EQ(log, (std::vector<std::string>{"child loaded", "owner called back"}));
    EXPECT_EQ(Label(), "back");
    EXPECT_EQ(openers.OpenDialogs(), std::vector<QDialog*>{owner});
}

TEST_F(FormHostTest, CloseAllClosesTheChildBeforeItsOpener) {
    Press(owner, "Command1");
    openers.CloseAll();
    EXPECT_EQ(log, (std::vector<std::string>{"child loaded", "owner called back", "owner closed"}));
    EXPECT_TRUE(openers.OpenDialogs().empty());
}

TEST_F(FormHostTest, AFormWithoutAShellOpensNothing) {
    owner->form().Open(std::make_unique<Form>("FrmNone"), [this] { log.push_back("called"); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(openers.OpenDialogs(), std::vector<QDialog*>{owner});
}

// Logs its unload; OK and Cancel unload, the close box asks `mayClose`.
class ClosingForm : public Form {
public:
    explicit ClosingForm(bool unloadInLoad = false) : Form("FrmClosing"), unloadInLoad_(unloadInLoad) {
        State().Add(kOKButton, ControlKind::Button);
        State().Add(kCancelButton, ControlKind::Button);
    }
    void Form_Load() override {
        if (unloadInLoad_) Unload();
    }
    void Click(const std::string& c) override {
        if (c == kOKButton || c == kCancelButton) Unload();
    }
    bool QueryUnload() override { return mayClose; }
    bool mayClose = true;

protected:
    void Unloading() override {
        if (gLog) gLog->push_back("unloading");
    }

private:
    bool unloadInLoad_;
};

class FormClosingTest : public ::testing::Test {
protected:
    DialogOpeners openers;
    std::vector<std::string> log;

    void SetUp() override {
        gLog = &log;
        openers.Register("FrmClosing", [](FormDialog& dlg) { LayOut(dlg, {kOKButton, kCancelButton}); });
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gLog = nullptr;
    }
    FormDialog* Open(std::unique_ptr<ClosingForm> form = std::make_unique<ClosingForm>()) {
        return openers.Open(std::move(form), nullptr, [this] { log.push_back("closed"); });
    }
    const std::vector<std::string> kOnce{"unloading", "closed"};
};

TEST_F(FormClosingTest, EveryWayOfClosingUnloadsOnceBeforeTheCallback) {
    enum class Way { Ok, Cancel, Escape, CloseBox, CloseAll };
    for (Way way : {Way::Ok, Way::Cancel, Way::Escape, Way::CloseBox, Way::CloseAll}) {
        log.clear();
        FormDialog* dlg = Open();
        ASSERT_NE(dlg, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg));
        switch (way) {
        case Way::Ok: dlg->findChild<QPushButton*>(kOKButton)->click(); break;
        case Way::Cancel: dlg->findChild<QPushButton*>(kCancelButton)->click(); break;
        case Way::Escape: QTest::keyClick(dlg, Qt::Key_Escape); break;
        case Way::CloseBox: dlg->close(); break;
        case Way::CloseAll: openers.CloseAll(); break;
        }
        EXPECT_EQ(log, kOnce) << static_cast<int>(way);
        EXPECT_TRUE(dlg->form().Closed());
        // The program's end, or another done(), after the window went: no
        // second unload.
        openers.CloseAll();
        dlg->done(QDialog::Rejected);
        EXPECT_EQ(std::count(log.begin(), log.end(), "unloading"), 1) << static_cast<int>(way);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FormClosingTest, ARefusedCloseBoxUnloadsNothing) {
    auto form = std::make_unique<ClosingForm>();
    form->mayClose = false;
    FormDialog* dlg = Open(std::move(form));
    dlg->close();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(dlg->isVisible());
    openers.CloseAll();  // the program's end does not ask
    EXPECT_EQ(log, kOnce);
}

TEST_F(FormClosingTest, ADialogDeletedWhileOpenUnloadsAsItGoes) {
    FormDialog* dlg = Open();
    delete dlg;
    EXPECT_EQ(log, std::vector<std::string>{"unloading"});
}

TEST_F(FormClosingTest, AFormThatUnloadsWhileLoadingUnloadsOnce) {
    EXPECT_EQ(Open(std::make_unique<ClosingForm>(true)), nullptr);
    EXPECT_EQ(log, kOnce);
}

}  // namespace
}  // namespace rp

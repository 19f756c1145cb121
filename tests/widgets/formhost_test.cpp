// Opening a child window: a form's child shows window-modally over the
// dialog that shows the form, made by the same registry, and its callback
// runs inside the opener's binder after it has closed.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace rp

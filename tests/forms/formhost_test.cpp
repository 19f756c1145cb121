// A form opens a child through the host that shows it; without one (the
// report's forms, plain tests) nothing opens. However a window closes, its
// form's unload rules run once.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formhostfake.h"
#include "forms/commoncontrols.h"
#include "forms/formstate.h"

namespace rp {
namespace {

// Notes when it goes and whether it was loaded.
class Child : public Form {
public:
    explicit Child(bool& gone) : Form("FrmChild"), gone_(gone) {}
    ~Child() override { gone_ = true; }
    void Form_Load() override { loaded = true; }
    bool loaded = false;

private:
    bool& gone_;
};

TEST(FormOpen, WithoutAHostNothingOpensAndNoCallbackRuns) {
    Form owner("FrmOwner");
    bool gone = false, called = false;
    owner.Open(std::make_unique<Child>(gone), [&] { called = true; });
    EXPECT_TRUE(gone);
    EXPECT_FALSE(called);
}

TEST(FormOpen, TheHostTakesTheChildAndItsCallback) {
    Form owner("FrmOwner");
    test::FakeHost host;
    owner.SetHost(&host);
    bool gone = false;
    int called = 0;
    owner.Open(std::make_unique<Child>(gone), [&] { ++called; });
    owner.Open(std::make_unique<Form>("FrmOther"));
    EXPECT_EQ(host.opened, (std::vector<std::string>{"FrmChild", "FrmOther"}));
    EXPECT_TRUE(gone);  // the first child went when the host took the second
    EXPECT_EQ(called, 0);
    EXPECT_FALSE(host.closed);  // none given: none passed on
    // The host loads the child, not the opener.
    bool secondGone = false;
    owner.Open(std::make_unique<Child>(secondGone), [&] { ++called; });
    auto* child = dynamic_cast<Child*>(host.child.get());
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->loaded);
    host.closed();
    EXPECT_EQ(called, 1);
}

// Counts its unloads; OK and Cancel unload, the close box asks `mayClose`.
class Counting : public Form {
public:
    Counting() : Form("FrmCounting") {
        State().Add(kOKButton, ControlKind::Button);
        State().Add(kCancelButton, ControlKind::Button);
    }
    void Click(const std::string& c) override {
        if (c == kOKButton || c == kCancelButton) Unload();
    }
    bool QueryUnload() override { return mayClose; }
    bool mayClose = true;
    int unloads = 0;

protected:
    void Unloading() override { ++unloads; }
};

TEST(FormClosing, RunsTheUnloadRulesOnceAndOnlyWhenTheWindowGoes) {
    Counting f;
    f.Unload();  // asks for the close; the window has not gone yet
    EXPECT_EQ(f.unloads, 0);
    EXPECT_FALSE(f.Closed());
    f.Closing();
    EXPECT_EQ(f.unloads, 1);
    EXPECT_TRUE(f.Closed());
    f.Closing();
    EXPECT_EQ(f.unloads, 1);
}

TEST(FormClosing, EveryWayOfClosingEndsInOneUnload) {
    using test::CloseRoute;
    for (CloseRoute route :
         {CloseRoute::OK, CloseRoute::Cancel, CloseRoute::Escape, CloseRoute::CloseBox, CloseRoute::ProgramEnd}) {
        Counting f;
        EXPECT_TRUE(test::CloseWindow(f, route));
        EXPECT_EQ(f.unloads, 1);
        // A second way reaching the window that has gone: nothing more.
        test::CloseWindow(f, CloseRoute::CloseBox);
        test::CloseWindow(f, CloseRoute::ProgramEnd);
        EXPECT_EQ(f.unloads, 1);
    }
}

TEST(FormClosing, ARefusedCloseBoxUnloadsNothing) {
    Counting f;
    f.mayClose = false;
    EXPECT_FALSE(test::CloseWindow(f, test::CloseRoute::CloseBox));
    EXPECT_EQ(f.unloads, 0);
    // The program's end does not ask.
    EXPECT_TRUE(test::CloseWindow(f, test::CloseRoute::ProgramEnd));
    EXPECT_EQ(f.unloads, 1);
}

TEST(FormClosing, EscapeWithADisabledCancelDoesNothing) {
    Counting f;
    f.C(kCancelButton).enabled = false;
    EXPECT_FALSE(test::CloseWindow(f, test::CloseRoute::Escape));
    EXPECT_EQ(f.unloads, 0);
}

TEST(FormClosing, AChildClosesBeforeItsOpenerHearsOfIt) {
    Form owner("FrmOwner");
    test::FakeHost host(false, true);
    owner.SetHost(&host);
    auto child = std::make_unique<Counting>();
    Counting* seen = child.get();
    int unloadsSeen = -1;
    owner.Open(std::move(child), [&] { unloadsSeen = seen->unloads; });
    EXPECT_EQ(unloadsSeen, 1);
}

}  // namespace
}  // namespace rp

// A form opens a child through the host that shows it; without one (the
// report's forms, plain tests) nothing opens.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formhostfake.h"
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

}  // namespace
}  // namespace rp

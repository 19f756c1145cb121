#pragma once
// The parameterised control-name check for window tests:
//
//   #include "shellchecktest.h"
//   const rp::test::ShellCase kShells[] = {
//       {"FrmBank", [] { return BuildFormDialog(std::make_unique<FrmBank>(d), nullptr, BuildFrmBank); }},
//   };
//   RP_SHELL_CONTROL_CHECK(ChannelShells, kShells);
//
// The factory returns a bound FormDialog (laid out by the same shell the
// registry uses); the test deletes it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "widgets/dialoghost.h"
#include "widgets/shellcheck.h"

namespace rp::test {

struct ShellCase {
    std::string name;
    std::function<FormDialog*()> make;
    std::vector<std::string> optional = {};
};

inline void PrintTo(const ShellCase& c, std::ostream* os) { *os << c.name; }

inline void ExpectShellComplete(const ShellCase& c) {
    std::unique_ptr<FormDialog> dlg(c.make());
    ASSERT_NE(dlg, nullptr);
    const auto faults = CheckShellControls(dlg->form(), dlg.get(), c.optional);
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

}  // namespace rp::test

#define RP_SHELL_CONTROL_CHECK(Suite, cases)                                        \
    class Suite : public ::testing::TestWithParam<::rp::test::ShellCase> {};        \
    TEST_P(Suite, EveryControlHasAWidgetOfItsKind) {                                \
        ::rp::test::ExpectShellComplete(GetParam());                                \
    }                                                                               \
    INSTANTIATE_TEST_SUITE_P(Windows, Suite, ::testing::ValuesIn(cases),            \
                             [](const auto& info) { return info.param.name; })

// The simulated radio's own rules, which the engine tests rely on.
#include "tools/simradio.h"

#include <gtest/gtest.h>

#include "link/protocol.h"

namespace rp {
namespace {

Bytes Only(const std::vector<sim::SimReply>& r) {
    Bytes all;
    for (const auto& x : r) all.insert(all.end(), x.bytes.begin(), x.bytes.end());
    return all;
}

TEST(SimRadio, AnswersByProgrammingMode) {
    sim::SimRadio radio;
    radio.FillPattern(1);
    EXPECT_TRUE(Only(radio.Receive(BuildReadRequest(0x0100))).empty());  // not in programming mode
    EXPECT_EQ(Only(radio.Receive(BuildEndCommand())), Bytes{0x06});      // END in any state
    EXPECT_EQ(Only(radio.Receive(BuildProgramCommand())), (Bytes{'R', 'Z', 0x06}));
    const Bytes frame = Only(radio.Receive(BuildReadRequest(0x0100)));
    EXPECT_TRUE(IsReadBlockReply(frame, 0x0100));
    EXPECT_EQ(Only(radio.Receive(BuildIdentRequest())).size(), 16u);

    // A bad write frame gets 0x0A; a good one below 0x0100 outside a factory
    // entry is taken but recorded, and so is a bad one.
    Bytes bad = BuildWriteFrame(0x0200, Bytes(16, 1));
    ++bad[20];
    EXPECT_EQ(Only(radio.Receive(bad)), Bytes{0x0A});
    EXPECT_EQ(Only(radio.Receive(BuildWriteFrame(0x0010, Bytes(16, 1)))), Bytes{0x06});
    Bytes badLow = BuildWriteFrame(0x0020, Bytes(16, 1));
    ++badLow[20];
    EXPECT_EQ(Only(radio.Receive(badLow)), Bytes{0x0A});
    EXPECT_EQ(radio.Violations(), (std::vector<int>{0x0010, 0x0020}));
    // The entry word and END arriving a byte at a time.
    const Bytes entry = BuildFactoryModeEntry();
    Bytes got;
    for (Byte b : entry) got = Only(radio.Receive(&b, 1));
    EXPECT_EQ(got, (Bytes{'R', 'Z', 0x06}));
    EXPECT_EQ(radio.EntryWords(), 1);
    EXPECT_EQ(Only(radio.Receive(BuildWriteFrame(0x0000, Bytes(16, 2)))), Bytes{0x06});
    EXPECT_EQ(radio.Violations().size(), 2u);
    const Bytes end = BuildEndCommand();
    for (Byte b : end) got = Only(radio.Receive(&b, 1));
    EXPECT_EQ(got, Bytes{0x06});
    EXPECT_FALSE(radio.ProgramMode);

    // Frames split across reads and junk in between are still found.
    Bytes two = BuildProgramCommand();
    two.insert(two.begin(), 0x99);
    auto first = radio.Receive(two.data(), 4);
    auto rest = radio.Receive(two.data() + 4, two.size() - 4);
    EXPECT_TRUE(first.empty());
    EXPECT_EQ(Only(rest), (Bytes{'R', 'Z', 0x06}));
}

TEST(SimRadio, IgnoresEndOutsideProgrammingModeWhenTold) {
    sim::SimOptions o;
    o.IgnoreEndOutsideProgram = true;
    sim::SimRadio radio(o);
    EXPECT_TRUE(Only(radio.Receive(BuildEndCommand())).empty());
    radio.Receive(BuildProgramCommand());
    EXPECT_EQ(Only(radio.Receive(BuildEndCommand())), Bytes{0x06});
}

}  // namespace
}  // namespace rp

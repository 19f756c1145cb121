#include "link/protocol.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "link/search.h"
#include "link/engine.h"

namespace rp {
namespace {

Bytes Frame(std::initializer_list<int> v) {
    Bytes b;
    for (int x : v) b.push_back(static_cast<Byte>(x));
    return b;
}

Bytes DataFrameFor(int address, Byte fill = 0x11) {
    Bytes data(16, fill);
    return BuildWriteFrame(address, data);
}

Bytes Ident(std::string_view model, Byte band, std::string_view version, Byte flags) {
    Bytes r(16, 0x00);
    r[0] = 'I';
    for (std::size_t i = 0; i < 7; ++i) r[1 + i] = i < model.size() ? static_cast<Byte>(model[i]) : 0xFF;
    r[8] = band;
    for (std::size_t i = 0; i < 4; ++i) r[9 + i] = i < version.size() ? static_cast<Byte>(version[i]) : 0x00;
    r[14] = flags;
    r[15] = 0x06;
    return r;
}

TEST(LinkFrames, BytesOfEveryFrame) {
    EXPECT_EQ(BuildProgramCommand(), Frame({0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
    EXPECT_EQ(BuildIdentRequest(), Frame({0x02}));
    EXPECT_EQ(BuildEndCommand(), Frame({0x45, 0x4E, 0x44}));
    EXPECT_EQ(BuildReadRequest(0x3F70), Frame({0x52, 0x3F, 0x70, 0x10}));
    EXPECT_EQ(BuildFactoryModeEntry().size(), 7u);

    // 16 x 0xFF at 0x3F70: (3F + 70 + 10 + 16 * FF) mod 256 = 0xAF.
    const Bytes w = BuildWriteFrame(0x3F70, Bytes(16, 0xFF));
    ASSERT_EQ(w.size(), 22u);
    EXPECT_EQ(w[0], 'W');
    EXPECT_EQ(w[1], 0x3F);
    EXPECT_EQ(w[2], 0x70);
    EXPECT_EQ(w[3], 0x10);
    for (int i = 4; i < 20; ++i) EXPECT_EQ(w[i], 0xFF);
    EXPECT_EQ(w[20], 0xAF);
    EXPECT_EQ(w[21], 0x06);
    EXPECT_TRUE(IsCheckSumOK(w, 1));
    Bytes off = w;
    off[20] = 0xB0;
    EXPECT_FALSE(IsCheckSumOK(off, 1));
    Bytes fixed = off;
    SetCheckSum(fixed, 1);
    EXPECT_EQ(fixed, w);
    EXPECT_FALSE(IsCheckSumOK(Bytes{0x06}, 1));  // too short to hold one
}

TEST(LinkReplies, ShortAckAndResendTests) {
    struct Case {
        Bytes r;
        bool programAck, ack, resend;
    } cases[] = {
        {Frame({'R', 'Z', 6}), true, false, false},
        {Frame({'R', 'Z', 6, 6}), false, false, false},
        {Frame({'R', 'Z'}), false, false, false},
        {Frame({6}), false, true, false},
        {Frame({6, 6}), false, false, false},
        {Frame({0x0A}), false, false, true},
        {Frame({}), false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsProgramAck(c.r), c.programAck);
        EXPECT_EQ(IsAckReply(c.r), c.ack);
        EXPECT_EQ(IsResendReply(c.r), c.resend);
    }
}

TEST(LinkReplies, ReadBlockReplyNeedsAddressLengthTerminatorAndSum) {
    const Bytes good = DataFrameFor(0x0120);
    EXPECT_TRUE(IsReadBlockReply(good, 0x0120));
    EXPECT_FALSE(IsReadBlockReply(good, 0x0130));  // previous block's frame
    Bytes sum = good;
    ++sum[20];
    EXPECT_FALSE(IsReadBlockReply(sum, 0x0120));
    Bytes term = good;
    term[21] = 0x00;
    EXPECT_FALSE(IsReadBlockReply(term, 0x0120));
    Bytes extra = good;
    extra.push_back(0x00);
    EXPECT_FALSE(IsReadBlockReply(extra, 0x0120));
    Bytes first = good;
    first[0] = 'X';
    EXPECT_FALSE(IsReadBlockReply(first, 0x0120));
    const Bytes shortLen = BuildWriteFrame(0x0120, Bytes(8, 0x11));  // LEN 8
    EXPECT_FALSE(IsReadBlockReply(shortLen, 0x0120));
}

TEST(LinkReplies, TestDataReplyMustBeTheRequestedAddress) {
    EXPECT_TRUE(IsTestDataReplyValid(DataFrameFor(0x0000), 0x0000));
    EXPECT_TRUE(IsTestDataReplyValid(DataFrameFor(0x0010), 0x0010));
    EXPECT_FALSE(IsTestDataReplyValid(DataFrameFor(0x0010), 0x0000));
    EXPECT_FALSE(IsTestDataReplyValid(DataFrameFor(0x0000), 0x0010));
    EXPECT_FALSE(IsTestDataReplyValid(DataFrameFor(0x0020), 0x0020));
    EXPECT_FALSE(IsTestDataReplyValid(BuildWriteFrame(0x0000, Bytes(8, 1)), 0x0000));

    std::array<Byte, 32> block{};
    block.fill(0xEE);
    Bytes data(16);
    for (int i = 0; i < 16; ++i) data[i] = static_cast<Byte>(0x10 + i);
    StoreTestDataReplyPartial(BuildWriteFrame(0x0010, data), block);
    EXPECT_EQ(block[16], 0xEE);  // byte 16 is the user's
    EXPECT_EQ(block[17], 0x11);
    EXPECT_EQ(block[31], 0x1F);
    StoreTestDataReplyPartial(BuildWriteFrame(0x0000, data), block);
    EXPECT_EQ(block[0], 0x10);
    EXPECT_EQ(block[1], 0x11);
    EXPECT_EQ(block[2], 0xEE);
    EXPECT_EQ(block[15], 0xEE);
    StoreTestDataReply(BuildWriteFrame(0x0000, data), block);
    EXPECT_EQ(block[2], 0x12);
}

TEST(LinkIdentity, ParsesModelBandVersionAndFlags) {
    AppData d;
    struct Case {
        Bytes r;
        std::string model;
        int band;
        std::string bandText;
        std::string version;
        bool killed, stunned;
    } cases[] = {
        {Ident("KEVRA8R", 0x05, "V101", 0), "KEVRA8R", 5, "UHF(400 - 520 MHz) VHF(144 - 146 MHz)", "V101", false, false},
        {Ident("AB\xFF" "CDEF", 0x12, "V101", 3), "AB", 18, "", "V101", true, true},
        {Ident("7425US", 0x0A, "V\x01" "1", 1), "7425US", 0x30, "", "V\x01" "1", true, false},
        {Ident("X", 0x40, "V1\xFF" "1", 2), "X", 0x30, "", "V11", false, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ParseRadioIdentity(d, c.r));
        EXPECT_EQ(d.RadioModel, c.model);
        EXPECT_EQ(d.RadioBandIndex, c.band);
        EXPECT_EQ(d.RadioBandText, c.bandText);
        EXPECT_EQ(d.RadioVersion, c.version);
        EXPECT_EQ(d.RadioKilled, c.killed);
        EXPECT_EQ(d.RadioStunned, c.stunned);
    }
    // Version bytes "V", "1", 00, "1": three characters.
    Bytes v = Ident("KEVRA8R", 0, "V1", 0);
    v[12] = '1';
    ASSERT_TRUE(ParseRadioIdentity(d, v));
    EXPECT_EQ(d.RadioVersion, "V11");

    // Anything else leaves the values alone.
    Bytes bad = Ident("OTHER", 1, "V999", 0);
    bad[15] = 0x00;
    EXPECT_FALSE(ParseRadioIdentity(d, bad));
    EXPECT_FALSE(ParseRadioIdentity(d, Bytes(15, 'I')));
    EXPECT_EQ(d.RadioVersion, "V11");
}

TEST(LinkIdentity, ModelMatch) {
    EXPECT_TRUE(IsModelMatch("7425USB", "7425USB", 2));
    EXPECT_TRUE(IsModelMatch("7425USB", "KEVRA8R", 1));
    EXPECT_TRUE(IsModelMatch("7425USB", "KEVRA8R", 3));
    EXPECT_TRUE(IsModelMatch("7425USB", "KEVRA8R", 9));
    EXPECT_FALSE(IsModelMatch("7425USB", "KEVRA8R", 2));
    EXPECT_FALSE(IsModelMatch("KEVRA8R", "7425USB", 1));
    EXPECT_TRUE(IsModelMatch(std::string_view("KEVRA8R  ", 9), "KEVRA8R", 2));
}

// The identity table: what each mode accepts and the messages it shows.
TEST(LinkIdentity, AcceptanceByMode) {
    using enum CommMsg;
    struct Case {
        long mode;
        std::string curModel;
        int curBand;
        Bytes ident;
        std::vector<CommMsg> refusals;  // none: accepted
    } cases[] = {
        {1, "KEVRA8R", 0, Ident("KEVRA8R", 3, "V101", 3), {}},
        {1, "7425USB", 0, Ident("KEVRA8R", 0, "V101", 0), {}},
        {3, "7425USB", 2, Ident("KEVRA8R", 0x12, "V101", 3), {}},
        {2, "7425USB", 0, Ident("KEVRA8R", 0, "V101", 0), {ModelWrong}},
        {2, "KEVRA8R", 0, Ident("KEVRA8R", 0, "V102", 0), {VersionWrong}},
        {1, "KEVRA8R", 0, Ident("7425US", 0, "V100", 0), {ModelWrong}},
        {3, "KEVRA8R", 0, Ident("7425US", 0, "V101", 0), {ModelWrong}},
        {3, "KEVRA8R", 0, Ident("KEVRA8R", 0, "V1", 0), {VersionWrong}},
        {2, "KEVRA8R", 1, Ident("KEVRA8R", 0, "V101", 0), {FrequencyWrong}},
        {2, "KEVRA8R", 1, Ident("7425US", 0, "V101", 0), {ModelWrong, FrequencyWrong}},
        {2, "KEVRA8R", 0, Ident("KEVRA8R", 0, "V101", 1), {RadioKilled}},
        {2, "KEVRA8R", 0, Ident("KEVRA8R", 0, "V101", 2), {RadioStunned}},
        {2, "KEVRA8R", 0, Ident("KEVRA8R", 0, "V101", 3), {RadioKilled}},
        // A read refuses a band without a band-range text; the information read goes on.
        {1, "KEVRA8R", 0, Ident("KEVRA8R", 0x12, "V101", 0), {FrequencyWrong}},
        {3, "KEVRA8R", 0, Ident("KEVRA8R", 0x0A, "V101", 0), {}},
    };
    for (const auto& c : cases) {
        AppData d;
        InitMessageTexts(d);
        d.LanguageIndex = 1;
        d.CurModel = c.curModel;
        d.CurBandIndex = static_cast<Integer>(c.curBand);
        ASSERT_TRUE(ParseRadioIdentity(d, c.ident));
        std::vector<CommMessage> refusals;
        EXPECT_EQ(CheckRadioIdentity(d, c.mode, refusals), c.refusals.empty()) << c.mode << " " << c.curModel;
        std::vector<CommMsg> keys;
        for (const auto& m : refusals) keys.push_back(m.Key);
        EXPECT_EQ(keys, c.refusals) << c.mode << " " << c.curModel;
    }
    AppData d;
    InitMessageTexts(d);
    d.LanguageIndex = 1;
    d.CurModel = "7425USB";
    ASSERT_TRUE(ParseRadioIdentity(d, Ident("KEVRA8R", 0, "V101", 0)));
    std::vector<CommMessage> refusals;
    CheckRadioIdentity(d, CommModeWrite, refusals);
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(CommMessageText(d, refusals[0]),
              "Model type is wrong. Overwrite?\r\nPC is 7425UV-B-USA\r\nRadio is KEVRA-8R");
    d.CurModel = "KEVRA8R";
    d.RadioVersion = "V1";
    CheckRadioIdentity(d, CommModeRead, refusals);
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].AddedLine, "PC is V101\r\nRadio is V1");
}

TEST(LinkPassWord, BlockPasswordRules) {
    auto block = [](std::initializer_list<int> pw) {
        Bytes data(16, 0x00);
        int i = 12;
        for (int b : pw) data[i++] = static_cast<Byte>(b);
        return BuildWriteFrame(0x0040, data);
    };
    EXPECT_EQ(PassWordOfBlock(block({0xFF, 0xFF, 0xFF, 0xFF})), "");
    EXPECT_TRUE(IsPassWordOK(block({0xFF, 0xFF, 0xFF, 0xFF}), "anything"));
    EXPECT_TRUE(IsPassWordOK(block({0x00, 'A', 'B', 'C'}), ""));
    EXPECT_EQ(PassWordOfBlock(block({'a', 'b', 0x00, 'c'})), "ab");
    EXPECT_EQ(PassWordOfBlock(block({'a', 'b', ' ', ' '})), "ab");
    EXPECT_TRUE(IsPassWordOK(block({'a', 'b', ' ', ' '}), "ab"));
    EXPECT_FALSE(IsPassWordOK(block({'a', 'b', ' ', ' '}), "AB"));
    EXPECT_FALSE(IsPassWordOK(block({'1', '2', '3', '4'}), ""));
    EXPECT_TRUE(IsPassWordOK(block({'1', '2', '3', '4'}), "1234"));
}

TEST(LinkPassWord, PassWordBlockReplyOnlyInItsState) {
    const Bytes block = BuildWriteFrame(0x0040, Bytes(16, 0x31));
    Bytes badSum = block;
    badSum[20] ^= 1;
    struct Case {
        const char* name;
        Bytes reply;
        int state;
        bool expected;
    } cases[] = {
        {"PassWordState", block, CommStatePassWord, true},
        {"BlockState", block, CommStateBlocks, false},
        {"OtherAddress", BuildWriteFrame(0x0050, Bytes(16, 0x31)), CommStatePassWord, false},
        {"ShortBlock", BuildWriteFrame(0x0040, Bytes(8, 0x31)), CommStatePassWord, false},
        {"BadChecksum", badSum, CommStatePassWord, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPassWordBlockReply(c.reply, c.state), c.expected) << c.name;
}

TEST(LinkTest, IsLink2LooksAtTheFirstThreeBytes) {
    EXPECT_TRUE(IsLink2(Frame({'R', 'Z', 6})));
    EXPECT_TRUE(IsLink2(Frame({'R', 'Z', 6, 6, 0x41})));
    EXPECT_FALSE(IsLink2(Frame({'R', 'Z'})));
    EXPECT_FALSE(IsLink2(Frame({'R', 'Y', 6})));
}

}  // namespace
}  // namespace rp

#include <gtest/gtest.h>

#include <vector>

#include "link/codec.h"

namespace rp {
namespace {

std::vector<Byte> Bytes(const CommBytes& img, Long a, int n) {
    return {img.begin() + a, img.begin() + a + n};
}

TEST(BookCodec, EntriesSortedWrittenAndReadBack) {
    CommBytes img{};
    ClearCommImage(img);
    RadioDataRec w;
    for (auto& e : w.BookData) e.CallID.SetEmpty();
    w.BookData[3].CallID.Set("123");
    w.BookData[3].Name.Set("Bob");
    w.BookData[7].CallID.Set("1A3");  // not a decimal number
    w.BookData[7].Name.Set("Al");
    ASSERT_TRUE(SetCommDataByDTMFCommuBook(img, w).ok());
    // Sorted: "123" first; the hexadecimal ID after it; empty IDs last.
    EXPECT_EQ(w.BookData[0].CallID.Trim(), "123");
    EXPECT_EQ(w.BookData[0].No, 0);
    EXPECT_EQ(w.BookData[1].CallID.Trim(), "1A3");
    EXPECT_EQ(Bytes(img, 0x1980, 5), (std::vector<Byte>{0x31, 0x32, 0x33, 0, 0}));
    EXPECT_EQ(Bytes(img, 0x1C00, 8), (std::vector<Byte>{0x42, 0x6F, 0x62, 0x20, 0x20, 0x20, 0, 0}));
    EXPECT_EQ(Bytes(img, 0x1985, 5), std::vector<Byte>(5, 0));
    EXPECT_EQ(Bytes(img, 0x1C08, 6), (std::vector<Byte>{'A', 'l', ' ', ' ', ' ', ' '}));

    RadioDataRec r;
    r.BookData[0].No = 99;
    GetDTMFCommuBookFromComm(img, r);
    EXPECT_EQ(r.BookData[0].CallID.Trim(), "123");
    EXPECT_EQ(r.BookData[0].Name.Trim(), "Bob");
    EXPECT_EQ(r.BookData[1].CallID.Trim(), "");
    EXPECT_EQ(r.BookData[1].Name.Trim(), "Al");
    for (int i = 0; i < 128; ++i) EXPECT_EQ(r.BookData[i].No, i);
}

TEST(BookCodec, DecodingStopsAtTheFirstNonDigitAndAtFF) {
    CommBytes img{};
    ClearCommImage(img);
    const Byte id[5] = {'4', '5', ' ', '6', '7'};
    for (int k = 0; k < 5; ++k) img[0x1980 + k] = id[k];
    const Byte name[6] = {'A', 'B', 0xFF, 'C', 'D', 'E'};
    for (int k = 0; k < 6; ++k) img[0x1C00 + k] = name[k];
    const Byte name2[6] = {'X', 0x00, 'Y', 'Z', ' ', ' '};
    for (int k = 0; k < 6; ++k) img[0x1C08 + k] = name2[k];
    RadioDataRec r;
    GetDTMFCommuBookFromComm(img, r);
    EXPECT_EQ(r.BookData[0].CallID.Raw(), std::string_view("45\0  ", 5));
    EXPECT_EQ(r.BookData[0].Name.Trim(), "AB");
    EXPECT_EQ(r.BookData[1].Name.Trim(), "X");
}

TEST(BankCodec, CompactedWrittenAndReadBack) {
    CommBytes img{};
    ClearCommImage(img);
    RadioDataRec w;
    const Integer bank1[] = {5, 0, 7, 300, 9, -4, 200};
    for (int s = 0; s < 7; ++s) w.BankCH(s + 1, 1) = bank1[s];
    w.BankCH(32, 9) = 150;
    SetCommDataByGroup(img, w);
    const Integer expect[] = {5, 7, 9, 200, 0, 0, 0};
    for (int s = 0; s < 7; ++s) EXPECT_EQ(w.BankCH(s + 1, 1), expect[s]) << s;
    EXPECT_EQ(w.BankCH(1, 9), 150);
    EXPECT_EQ(w.BankCH(32, 9), 0);
    EXPECT_EQ(Bytes(img, 0x3900, 6), (std::vector<Byte>{5, 7, 9, 200, 0, 0}));
    EXPECT_EQ(img[0x3900 + 8 * 32], 150);

    img[0x3900] = 5, img[0x3901] = 0, img[0x3902] = 7;
    img[0x3920] = 201, img[0x3921] = 3;  // bank 2 starts with a number above 200
    RadioDataRec r;
    r.BankCH(10, 1) = 44;
    GetGroupDataFromComm(img, r);
    EXPECT_EQ(r.BankCH(1, 1), 5);
    for (int s = 2; s <= 32; ++s) EXPECT_EQ(r.BankCH(s, 1), 0);
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(r.BankCH(s, 2), 0);
    EXPECT_EQ(r.BankCH(1, 9), 150);
}

TEST(InfoCodec, FieldsFromTheInformationBlock) {
    CommBytes img{};
    ClearCommImage(img);
    img[0x0019] = 3;
    img[0x001B] = 0x08, img[0x001C] = 0x6F;
    const std::string serial = "SN-0042  ";
    for (std::size_t k = 0; k < serial.size(); ++k) img[0x0020 + k] = static_cast<Byte>(serial[k]);
    for (int k = 0; k < 16; ++k) img[0x0090 + k] = static_cast<Byte>('a' + k);  // no 0x00 in it
    for (int k = 0; k < 64; ++k) img[0x00A0 + k] = 'R';
    img[0x0040] = 0xC4, img[0x0041] = 0xE3;  // bytes of another code page travel as they are
    for (int k = 0; k < 4; ++k) img[0x0048 + k] = static_cast<Byte>('0' + k);  // user code, full
    for (int k = 0; k < 4; ++k) img[0x004C + k] = 'P';  // the password: read by no field
    EmgDataRec e;
    e.Version = "V101";
    e.Model = "KEVRA-8R";
    e.DealerCode.Set("OLD");
    GetInfoDataFromComm(img, e);
    EXPECT_EQ(e.BandCode, 3);
    EXPECT_EQ(e.AreaCode, "086");
    EXPECT_EQ(e.SerialNo.Raw(), std::string_view("SN-0042\0        ", 16));
    EXPECT_EQ(e.Seller.Trim(), "abcdefghijklmnop");
    EXPECT_EQ(e.MaintainReason.Trim(), std::string(64, 'R'));
    EXPECT_EQ(e.ManufactureCode.Trim(), "\xC4\xE3");
    EXPECT_EQ(e.UserCode.Raw(), "0123");
    EXPECT_EQ(e.MaintainDate.Trim(), "");
    EXPECT_EQ(e.DealerCode.Trim(), "");  // first byte 0x00
    EXPECT_EQ(e.Version, "V101");
    EXPECT_EQ(e.Model, "KEVRA-8R");
    img[0x001B] = 0xFF, img[0x001C] = 0xFF;
    GetInfoDataFromComm(img, e);
    EXPECT_EQ(e.AreaCode, "");
}

}  // namespace
}  // namespace rp

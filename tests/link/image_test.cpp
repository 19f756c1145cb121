#include <gtest/gtest.h>

#include <stdexcept>

#include "link/image.h"

namespace rp {
namespace {

TEST(Image, MapBitsCountFromTheLowBit) {
    CommBytes img{};
    ClearCommImage(img);
    ImageWriter w(img);
    w.SetMapBit(addr::FreUsedMap, 199, false);
    w.SetMapBit(addr::FreUsedMap, 200, false);
    w.SetMapBit(addr::FreUsedMap, 0, false);
    EXPECT_EQ(img[0x0118], 0x7F);
    EXPECT_EQ(img[0x0119], 0xFE);
    EXPECT_EQ(img[0x0100], 0xFE);
    EXPECT_FALSE(w.MapBit(addr::FreUsedMap, 199));
    EXPECT_TRUE(w.MapBit(addr::FreUsedMap, 198));
    w.SetMapBit(addr::FreUsedMap, 0, true);
    EXPECT_EQ(img[0x0100], 0xFF);
}

TEST(Image, NumbersDigitsAndTexts) {
    CommBytes img{};
    ImageWriter w(img);
    w.SetU16(0x0300, 0x0C91);
    EXPECT_EQ(img[0x0300], 0x91);
    EXPECT_EQ(img[0x0301], 0x0C);
    EXPECT_EQ(w.U16(0x0300), 0x0C91);
    EXPECT_EQ(w.U16BigEndian(0x0300), 0x910C);

    EXPECT_TRUE(w.SetHexDigits(0x2000, "04625625"));
    EXPECT_EQ(w.HexDigits(0x2000, 4), "04625625");
    EXPECT_TRUE(w.SetHexDigits(0x2000, "ffFF"));
    EXPECT_EQ(w.HexDigits(0x2000, 2), "FFFF");
    EXPECT_FALSE(w.SetHexDigits(0x2000, "0G"));
    EXPECT_FALSE(w.SetHexDigits(0x2000, "123"));

    w.SetPaddedText(0x1C00, 6, "AB", 0x20, 0x00);
    EXPECT_EQ(w.RawChars(0x1C00, 6), "AB    ");
    w.SetPaddedText(0x1C00, 6, "", 0x20, 0x00);
    EXPECT_EQ(w.RawChars(0x1C00, 6), std::string(6, '\0'));
    img[0x1C00] = 'X', img[0x1C01] = 0xFF, img[0x1C02] = 'Y';
    EXPECT_EQ(w.Chars(0x1C00, 6, true), "X");
    EXPECT_EQ(w.Chars(0x1C00, 6, false), "X\xFFY");
}

TEST(Image, AccessOutsideTheImageThrows) {
    CommBytes img{};
    ImageWriter w(img);
    EXPECT_THROW(w.U8(kCommDataSize), std::out_of_range);
    EXPECT_THROW(w.U16(kCommDataSize - 1), std::out_of_range);
    EXPECT_THROW(w.SetU8(-1, 0), std::out_of_range);
}

TEST(Image, ChannelAddresses) {
    struct Case { int no; Long a; };
    for (Case c : {Case{1, 0x2000}, {200, 0x38E0}, {201, 0x0180}, {202, 0x01A0}, {203, 0x0280},
                   {204, 0x02A0}, {205, 0x01C0}, {206, 0x01E0}, {0, -1}, {207, -1}})
        EXPECT_EQ(ChannelImageAddress(c.no), c.a) << c.no;
}

TEST(Image, DecimalNumberMeansDigitsOnly) {
    for (const char* yes : {"0", "0446", "12345678"}) EXPECT_TRUE(IsDecimalDigits(yes)) << yes;
    for (const char* no : {"", "0446E062", "-1", "+1", " 1", "1.5", "1 "})
        EXPECT_FALSE(IsDecimalDigits(no)) << no;
}

}  // namespace
}  // namespace rp

// The signalling, book and bank encoders write only the bytes of their own
// areas: with every list in use and every code at its longest, no byte
// outside them (the gaps inside the areas included) changes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "link/codec.h"
#include "link/fulldata.h"

namespace rp {
namespace {

struct Span { Long first, last; };  // inclusive

std::vector<Span> Repeated(Long base, int count, int stride, std::vector<Span> inEntry) {
    std::vector<Span> out;
    for (int i = 0; i < count; ++i)
        for (Span s : inEntry) out.push_back({base + stride * i + s.first, base + stride * i + s.last});
    return out;
}

std::vector<Span> Join(std::vector<std::vector<Span>> parts) {
    std::vector<Span> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Longest codes and names everywhere, so every byte an encoder may write is written.
AppData LongestData() {
    AppData d;
    test::FillFullDataSet(d);
    RadioDataRec& w = d.WorkData;
    DTMFDataRec& dt = w.DTMFData();
    for (auto* c : {&dt.BeginCode, &dt.EndCode}) c->Code.Set(test::HexText(3, 24)), c->CodeLen = 24;
    for (auto& c : dt.MemCodes) c.Code.Set(test::HexText(5, 24)), c.CodeLen = 24;
    for (auto* c : {&dt.KillCode, &dt.StunCode}) c->Code.Set(test::HexText(7, 14)), c->CodeLen = 14;
    Tone5DataRec& t5 = w.Tone5Data();
    for (auto* c : {&t5.BeginCode, &t5.EndCode}) c->Code.Set(test::HexText(1, 24)), c->CodeLen = 24;
    for (auto& c : t5.Codes) c.Code.Set(test::HexText(2, 40)), c.CodeLen = 40, c.Name.Set("ABCDEFG");
    for (auto& c : t5.InfoCodes) c.Code.Set(test::HexText(4, 12)), c.CodeLen = 12, c.Name.Set("ABCDEFG");
    for (auto& e : w.Tone2Data().Encodes) e.Name.Set("ABCDEFG");
    for (auto& e : w.Tone2Data().Decodes) e.Name.Set("ABCDEF");
    for (auto& b : w.BookData) b.Name.Set("ABCDEF");
    return d;
}

TEST(EncoderAreas, NoByteOutsideTheAreaChanges) {
    struct Case {
        const char* name;
        std::function<bool(CommBytes&, RadioDataRec&)> encode;
        std::vector<Span> area;
    };
    const Case cases[] = {
        {"DTMF", [](CommBytes& img, RadioDataRec& w) { return SetCommDataByDTMF(img, w).ok(); },
         Join({{{0x02E0, 0x02E9}, {0x02ED, 0x02FF}, {0x0340, 0x034C}, {0x0350, 0x035C}},
               Repeated(0x0400, 16, 16, {{0, 12}})})},
        {"two-tone", [](CommBytes& img, RadioDataRec& w) { return SetCommDataBy2Tone(img, w).ok(); },
         Join({{{0x0300, 0x0317}, {0x0380, 0x0383}, {0x0388, 0x0389}},
               Repeated(0x0B00, 32, 16, {{0, 14}}), Repeated(0x3B00, 16, 16, {{0, 14}})})},
        {"five-tone", [](CommBytes& img, RadioDataRec& w) { return SetCommDataBy5Tone(img, w).ok(); },
         Join({{{0x0320, 0x0329}, {0x032B, 0x0335}, {0x0361, 0x036F}, {0x0371, 0x037F},
                {0x0390, 0x039C}},
               Repeated(0x0500, 8, 32, {{0, 14}, {16, 22}}), Repeated(0x0D00, 100, 32, {{1, 30}})})},
        {"book", [](CommBytes& img, RadioDataRec& w) { return SetCommDataByDTMFCommuBook(img, w).ok(); },
         Join({{{0x1980, 0x1BFF}}, Repeated(0x1C00, 128, 8, {{0, 5}})})},
        {"banks", [](CommBytes& img, RadioDataRec& w) { SetCommDataByGroup(img, w); return true; },
         {{0x3900, 0x3A1F}}},
    };
    for (const Case& c : cases) {
        AppData d = LongestData();
        CommBytes img;
        img.fill(0xA5);  // neither preset value, nor any value the data writes to a map
        ASSERT_TRUE(c.encode(img, d.WorkData)) << c.name;
        std::vector<bool> inside(img.size(), false);
        for (Span s : c.area)
            for (Long a = s.first; a <= s.last; ++a) inside[static_cast<std::size_t>(a)] = true;
        int changedInside = 0;
        for (std::size_t a = 0; a < img.size(); ++a) {
            if (inside[a])
                changedInside += img[a] != 0xA5;
            else
                EXPECT_EQ(img[a], 0xA5) << c.name << " wrote address " << a;
        }
        EXPECT_GT(changedInside, 0) << c.name;
    }
}

}  // namespace
}  // namespace rp

// The communication-book file: 1,664 bytes, 13 per entry, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/tempfolder.h"
#include "settings/bookfile.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::TempFolder;
using rp::test::WriteFile;

namespace {

BookDataRec Entry(int no, std::string_view callId, std::string_view name) {
    BookDataRec e;
    e.No = static_cast<Integer>(no);
    std::copy(callId.begin(), callId.end(), e.CallID.data());
    std::copy(name.begin(), name.end(), e.Name.data());
    return e;
}

std::string Bytes(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

// Every stored form a book can hold, in entries 0..5; the rest reset.
CommBook SampleBook() {
    CommBook b{};
    for (int i = 0; i < 128; ++i) b[static_cast<std::size_t>(i)] = Entry(i, std::string("\0    ", 5), std::string("\0     ", 6));
    b[0] = Entry(0, "12345", "ABCDEF");                                   // full length: no NUL
    b[1] = Entry(-2, std::string("12\0  ", 5), std::string("AB\0   ", 6));   // short values
    b[2] = Entry(300, std::string("\0\0   ", 5), std::string("\0     ", 6)); // a cleared call ID
    b[3] = Entry(3, std::string("7\0x\xFFy", 5), std::string("N\xE9\0\x01\x02\x03", 6));  // bytes after NUL, above 0x7F
    b[4] = Entry(0x7FFF, "     ", "      ");
    return b;
}

}  // namespace

TEST(BookFile, RoundTripsByteForByte) {
    const CommBook book = SampleBook();
    const std::vector<std::uint8_t> bytes = BookFileBytes(book);
    ASSERT_EQ(bytes.size(), 1664u);
    const std::string s = Bytes(bytes);
    EXPECT_EQ(s.substr(0, 13), std::string("\0\0" "12345" "ABCDEF", 13));
    EXPECT_EQ(s.substr(13, 13), std::string("\xFE\xFF" "12\0  " "AB\0   ", 13));
    EXPECT_EQ(s.substr(26, 13), std::string("\x2C\x01" "\0\0   " "\0     ", 13));
    EXPECT_EQ(s.substr(13 * 127, 13), std::string("\x7F\0" "\0    " "\0     ", 13));

    std::optional<CommBook> back = ParseBookFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, book);
    EXPECT_EQ(BookFileBytes(*back), bytes);
}

TEST(BookFile, ReadsTheFirst1664BytesAndRefusesShortOrUnreadableFiles) {
    TempFolder t;
    const std::string exact = Bytes(BookFileBytes(SampleBook()));
    WriteFile(t / "long.cb", exact + "tail bytes");
    WriteFile(t / "short.cb", exact.substr(0, 1663));
    WriteFile(t / "empty.cb", "");
    std::filesystem::create_directories(t / "folder.cb");

    std::optional<CommBook> longer = ReadBookFile(t / "long.cb");
    ASSERT_TRUE(longer);
    EXPECT_EQ(*longer, SampleBook());
    for (const char* bad : {"short.cb", "empty.cb", "folder.cb", "missing.cb"})
        EXPECT_FALSE(ReadBookFile(t / bad)) << bad;
}

TEST(BookFile, WritesExactly1664BytesOverALongerFile) {
    TempFolder t;
    WriteFile(t / "old.cb", std::string(5000, 'x'));
    ASSERT_TRUE(WriteBookFile(t / "old.cb", SampleBook()));
    EXPECT_EQ(ReadFile(t / "old.cb"), Bytes(BookFileBytes(SampleBook())));
    std::filesystem::create_directories(t / "folder.cb");
    EXPECT_FALSE(WriteBookFile(t / "folder.cb", SampleBook()));
    EXPECT_FALSE(WriteBookFile(t / "no/such/folder/x.cb", SampleBook()));
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(t.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

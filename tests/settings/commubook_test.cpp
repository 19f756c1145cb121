// The communication-book dialog: the grid, the in-place editor and its key
// filter, import, export, and the sort on every close.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/commbook.h"
#include "core/fileio.h"
#include "core/nonregularfiles.h"
#include "settings/bookfile.h"
#include "settings/frmcommubook.h"
#include "settings/formfixture.h"
#include "settings/frmcommubookcontrols.h"
#include "formhostfake.h"

using namespace rp;
using rp::test::CloseRoute;
using rp::test::CloseWindow;
using rp::test::FakeChooser;
using rp::test::ReadFile;
using rp::test::WriteFile;

namespace {

std::string Raw(const BookDataRec& e) { return std::string(e.CallID.Raw()) + "|" + std::string(e.Name.Raw()); }

class BookTest : public rp::test::SettingsFormTest {
protected:
    FakeChooser chooser;

    // The grid's current cell moves to (row, col) and is entered.
    static void Enter(FrmCommuBook& f, int row, int col) {
        f.MSFlexGrid1().row = row;
        f.MSFlexGrid1().col = col;
        f.MSFlexGrid1_EnterCell();
    }
    // Keys typed into the editor, each through the key filter.
    static void Type(FrmCommuBook& f, std::string_view keys) {
        for (char ch : keys) {
            int k = static_cast<unsigned char>(ch);
            f.KeyPress(commubook::Editor, k);
            if (k != 0) f.C(commubook::Editor).text += static_cast<char>(k);
        }
    }
    static void SetText(FrmCommuBook& f, std::string text) { f.C(commubook::Editor).text = std::move(text); }

    std::string FileOf(const CommBook& b) {
        const auto v = BookFileBytes(b);
        return std::string(v.begin(), v.end());
    }
};

}  // namespace

TEST_F(BookTest, LoadShowsTheBufferInTheGrid) {
    d.WorkData.BookData[0].CallID.Set(std::string("12\0  ", 5));
    d.WorkData.BookData[0].Name.Set("N\xE9W   ");
    d.WorkData.BookData[5].No = 77;
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    const TextGrid& g = f.MSFlexGrid1();
    ASSERT_EQ(g.Rows(), 129);
    ASSERT_EQ(g.Cols(), 3);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.Text(0, 0), "No.");
    EXPECT_EQ(g.Text(0, 1), "Call ID");
    EXPECT_EQ(g.Text(0, 2), "Name");
    EXPECT_EQ(g.ColWidth(0), 500);
    EXPECT_EQ(g.ColWidth(1), 1000);
    EXPECT_EQ(g.ColWidth(2), 1500);
    EXPECT_EQ(g.ForeColor(0, 2), Rgb(0, 0, 155));
    EXPECT_EQ(g.ForeColor(128, 0), Rgb(0, 0, 255));
    EXPECT_EQ(g.Text(1, 1), "12");
    EXPECT_EQ(g.Text(1, 2), "N\xC3\xA9W");
    EXPECT_EQ(g.Text(6, 0), "5");  // the row's index, not the stored 77
    EXPECT_EQ(g.Text(128, 0), "127");
    EXPECT_EQ(f.State().caption, "Communication Book");
    EXPECT_EQ(f.C(commubook::Import).text, "Import");
    EXPECT_EQ(f.C(commubook::Export).text, "Export");
    EXPECT_EQ(f.C(kOKButton).text, "OK");
    EXPECT_FALSE(f.C(commubook::Editor).visible);
    EXPECT_TRUE(f.IsBookReady);
    EXPECT_EQ(f.CurBookEditRow, 0);
    EXPECT_EQ(f.CurBookEditCol, 0);
    EXPECT_EQ(d.BookDataEdit, d.WorkData.BookData);
}

TEST_F(BookTest, KeyFilter) {
    struct Case {
        const char* name;
        int col;
        int key, result;
    };
    const Case cases[] = {
        {"digit in call ID", 1, '7', '7'},       {"letter in call ID", 1, 'a', 0},
        {"capital in call ID", 1, 'A', 0},       {"blank in call ID", 1, ' ', 0},
        {"backslash in call ID", 1, '\\', 0},    {"lower case in name", 2, 'q', 'Q'},
        {"capital in name", 2, 'Z', 'Z'},        {"digit in name", 2, '0', '0'},
        {"blank in name", 2, ' ', ' '},          {"backslash in name", 2, '\\', 0},
        {"tilde in name", 2, '~', 0},            {"other printable in name", 2, '-', 0},
        {"above 127", 2, 0xE9, 0},               {"negative", 2, -3, 0},
        {"Ctrl+C", 2, 3, 0},                     {"Ctrl+V", 1, 22, 0},
        {"Ctrl+X", 2, 24, 0},                    {"Backspace", 1, 8, 8},
        {"Delete code", 2, 127, 127},            {"Enter", 2, 13, 0},
    };
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    for (const Case& c : cases) {
        Enter(f, 1, c.col);
        int k = c.key;
        f.KeyPress(commubook::Editor, k);
        EXPECT_EQ(k, c.result) << c.name;
    }
}

TEST_F(BookTest, EditorGuardTakesTheColumnsKeysAndWhatTheCellHolds) {
    d.WorkData.BookData[0].CallID.Set(std::string("\0", 1));
    d.WorkData.BookData[0].Name.Set("ab-");  // as a file may hold it
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 1, 1);
    EXPECT_EQ(f.C(commubook::Editor).inputChars, "0123456789");
    EXPECT_EQ(f.C(commubook::Editor).max, 5);
    Enter(f, 1, 2);
    EXPECT_EQ(f.C(commubook::Editor).inputChars, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ab-");
    EXPECT_EQ(f.C(commubook::Editor).max, 6);
}

TEST_F(BookTest, EnterMovesTheFocusOnWithoutClosing) {
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 4, 2);
    EXPECT_EQ(f.State().focus, commubook::Editor);
    int k = 13;
    f.KeyPress(commubook::Editor, k);
    EXPECT_EQ(k, 0);
    EXPECT_EQ(f.State().focus, commubook::Grid);
    EXPECT_FALSE(f.unloadRequested);
}

TEST_F(BookTest, SaveBookCellWritesThePaddedForms) {
    struct Case {
        const char* name;
        int col;
        std::string typed, stored, shown;
    };
    const Case cases[] = {
        {"three digits", 1, "123", std::string("123\0 ", 5), "123"},
        {"five digits", 1, "12345", "12345", "12345"},
        {"cleared call ID", 1, "", std::string("\0\0   ", 5), ""},
        {"short name", 2, "AB", std::string("AB\0   ", 6), "AB"},
        {"full name", 2, "ABCDEF", "ABCDEF", "ABCDEF"},
        {"trailing blanks dropped", 2, "AB  ", std::string("AB\0   ", 6), "AB"},
        {"leading and inner blanks kept", 2, " A B", std::string(" A B\0 ", 6), " A B"},
        {"cleared name", 2, "", std::string("\0     ", 6), ""},
        {"Latin-1 text", 2, "\xC3\xA9T", std::string("\xE9T\0   ", 6), "\xC3\xA9T"},
    };
    for (const Case& c : cases) {
        FrmCommuBook f(d, &chooser);
        f.Form_Load();
        Enter(f, 3, c.col);
        SetText(f, c.typed);
        Enter(f, 4, 0);  // leaving stores the cell
        const BookDataRec& e = d.BookDataEdit[2];
        EXPECT_EQ(c.col == 1 ? std::string(e.CallID.Raw()) : std::string(e.Name.Raw()), c.stored) << c.name;
        EXPECT_EQ(f.MSFlexGrid1().Text(3, c.col), c.shown) << c.name;
        EXPECT_EQ(e.No, 2) << c.name;
        EXPECT_FALSE(f.C(commubook::Editor).visible) << c.name;
    }
}

TEST_F(BookTest, TypedTextArrivesThroughTheFilter) {
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 1, 2);
    SetText(f, "");
    Type(f, "ab\\~c 1");
    Enter(f, 1, 1);
    SetText(f, "");
    Type(f, "9x 8");
    Enter(f, 2, 1);
    EXPECT_EQ(Raw(d.BookDataEdit[0]), std::string("98\0  |ABC 1\0", 12));
}

TEST_F(BookTest, EnteringCells) {
    FrmCommuBook f(d, &chooser);
    // Before the load has finished, grid events do nothing.
    Enter(f, 2, 1);
    EXPECT_FALSE(f.C(commubook::Editor).visible);
    f.Form_Load();
    EXPECT_EQ(f.CurBookEditRow, 0);
    Enter(f, 2, 1);
    EXPECT_TRUE(f.C(commubook::Editor).visible);
    EXPECT_EQ(f.C(commubook::Editor).max, 5);
    EXPECT_EQ(f.CurBookEditRow, 2);
    EXPECT_EQ(f.CurBookEditCol, 1);
    SetText(f, "555");
    // A click on the cell being edited changes nothing.
    f.Click(commubook::Grid);
    EXPECT_EQ(f.C(commubook::Editor).text, "555");
    // A click on the current cell opens the editor when it is closed there.
    Enter(f, 2, 0);
    EXPECT_FALSE(f.C(commubook::Editor).visible);
    f.MSFlexGrid1().col = 2;
    f.Click(commubook::Grid);
    EXPECT_TRUE(f.C(commubook::Editor).visible);
    EXPECT_EQ(f.C(commubook::Editor).max, 6);
    EXPECT_EQ(d.BookDataEdit[1].CallID.Trim(), "555");
}

TEST_F(BookTest, AnOpenEditIsKeptByOkAndExportAndDroppedByCancel) {
    chooser.save = tmp / "out.cb";
    struct Case {
        const char* name;
        const char* button;
        bool kept;
    };
    for (const Case& c : {Case{"OK", kOKButton, true}, Case{"export", commubook::Export, true},
                          Case{"Cancel", kCancelButton, false}}) {
        InitAllData(d);
        FrmCommuBook f(d, &chooser);
        f.Form_Load();
        Enter(f, 1, 1);
        SetText(f, "4242");
        f.Click(c.button);
        if (std::string(c.button) == commubook::Export) {
            EXPECT_FALSE(f.unloadRequested) << c.name;
            const std::optional<CommBook> written = ReadBookFile(tmp / "out.cb");
            ASSERT_TRUE(written) << c.name;
            EXPECT_EQ((*written)[0].CallID.Trim(), "4242") << c.name;
            f.Click(kOKButton);
        }
        EXPECT_TRUE(f.unloadRequested) << c.name;
        f.Closing();  // the host closes the window
        bool found = false;
        for (const auto& e : d.WorkData.BookData) found = found || e.CallID.Trim() == "4242";
        EXPECT_EQ(found, c.kept) << c.name;
    }
}

TEST_F(BookTest, EveryCloseLeavesTheLiveBookSortedAndNumbered) {
    struct Case {
        const char* name;
        CloseRoute route;
    };
    for (const Case& c : {Case{"OK", CloseRoute::OK}, Case{"Cancel", CloseRoute::Cancel},
                          Case{"Escape", CloseRoute::Escape}, Case{"close box", CloseRoute::CloseBox},
                          Case{"program end", CloseRoute::ProgramEnd}}) {
        InitAllData(d);
        auto& book = d.WorkData.BookData;
        book[0].CallID.Set(std::string("5\0", 2));
        book[1].CallID.Set(std::string("\0", 1));
        book[2].CallID.Set("12345");
        book[2].Name.Set("FIRST ");
        FrmCommuBook f(d, &chooser);
        f.Form_Load();
        // Nothing sorts while the window is open.
        EXPECT_EQ(book[0].CallID.Trim(), "5") << c.name;
        ASSERT_TRUE(CloseWindow(f, c.route)) << c.name;
        EXPECT_TRUE(f.Closed()) << c.name;
        EXPECT_EQ(book[0].CallID.Trim(), "12345") << c.name;
        EXPECT_EQ(book[0].Name.Trim(), "FIRST") << c.name;
        EXPECT_EQ(book[1].CallID.Trim(), "5") << c.name;
        EXPECT_EQ(book[2].CallID.Trim(), "") << c.name;
        for (int i = 0; i < 128; ++i) EXPECT_EQ(book[static_cast<std::size_t>(i)].No, i) << c.name;
    }
}

TEST_F(BookTest, TheSortRunsOnceWhenTwoWaysOfClosingMeet) {
    auto& book = d.WorkData.BookData;
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    // Cancel unloads; the window then goes through the host's close, and
    // the program's end reaches the same window again.
    ASSERT_TRUE(CloseWindow(f, CloseRoute::Cancel));
    book[0].CallID.Set(std::string("5\0", 2));
    book[1].CallID.Set("12345");
    EXPECT_TRUE(CloseWindow(f, CloseRoute::CloseBox));
    EXPECT_TRUE(CloseWindow(f, CloseRoute::ProgramEnd));
    f.Closing();
    EXPECT_EQ(book[0].CallID.Trim(), "5");  // not sorted again
    EXPECT_EQ(book[1].CallID.Trim(), "12345");
}

TEST_F(BookTest, ExportWritesTheUnsortedBufferWithItsNumbers) {
    d.WorkData.BookData[0].CallID.Set("9");
    d.WorkData.BookData[1].CallID.Set("1");
    d.WorkData.BookData[1].No = 55;
    chooser.save = tmp / "out.cb";
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    f.Click(commubook::Export);
    EXPECT_EQ(chooser.presets, std::vector<std::string>{"new.cb"});
    EXPECT_TRUE(chooser.confirmsOverwrite);
    EXPECT_EQ(d.BookFilePath, tmp / "out.cb");
    EXPECT_EQ(ReadFile(tmp / "out.cb"), FileOf(d.BookDataEdit));
    EXPECT_EQ(d.BookDataEdit[1].No, 55);
    EXPECT_TRUE(notes.shown.empty());
    f.Click(commubook::Export);
    EXPECT_EQ(chooser.presets.back(), tmp / "out.cb");
}

TEST_F(BookTest, ImportThenExportBeforeEnteringACellWritesTheSameBytes) {
    std::string file(1664, '\0');
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    WriteFile(tmp / "in.cb", file);
    chooser.open = tmp / "in.cb";
    chooser.save = tmp / "out.cb";
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    f.Click(commubook::Import);
    EXPECT_EQ(d.BookFilePath, tmp / "in.cb");
    // The index column shows row indexes whatever numbers the file brings.
    for (int r = 1; r <= 128; ++r) EXPECT_EQ(f.MSFlexGrid1().Text(r, 0), std::to_string(r - 1));
    f.Click(commubook::Export);
    EXPECT_EQ(ReadFile(tmp / "out.cb"), file);
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(BookTest, ASuccessfulImportDropsTheOpenEdit) {
    CommBook other{};
    for (int i = 0; i < 128; ++i) {
        other[static_cast<std::size_t>(i)].No = static_cast<Integer>(127 - i);
        other[static_cast<std::size_t>(i)].CallID.Set(std::to_string(100 + i));
        other[static_cast<std::size_t>(i)].Name.SetEmpty();
    }
    WriteFile(tmp / "in.cb", FileOf(other));
    chooser.open = tmp / "in.cb";
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 1, 1);
    SetText(f, "999");
    f.Click(commubook::Import);
    EXPECT_FALSE(f.C(commubook::Editor).visible);
    EXPECT_EQ(f.CurBookEditRow, 0);
    EXPECT_EQ(f.CurBookEditCol, 0);
    EXPECT_EQ(d.BookDataEdit, other);
    f.Click(kOKButton);
    EXPECT_EQ(d.WorkData.BookData, other);
}

TEST_F(BookTest, AFailedOrCancelledImportChangesNothing) {
    const rp::test::HangGuard guard;  // a pipe opened to read would wait for good
    WriteFile(tmp / "short.cb", std::string(1663, '1'));
    for (const auto& kind : rp::test::kNonRegularKinds)
        ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, tmp / (std::string(kind.name) + ".cb")));
    struct Case {
        const char* name;
        std::optional<std::string> path;
        bool error;
        bool notRegular = false;  // the reason told, by the file's own name
    };
    const Case cases[] = {{"short file", tmp / "short.cb", true},
                          {"a folder", tmp / "a folder.cb", true, true},
                          {"a named pipe", tmp / "a named pipe.cb", true, true},
                          {"a device", "/dev/null", true, true},
                          {"a link to a device", tmp / "a device.cb", true, true},
                          {"a socket", tmp / "a socket.cb", true, true},
                          {"missing file", tmp / "missing.cb", true},
                          {"cancelled chooser", std::nullopt, false}};
    for (int language : {1, 2}) {
        for (const Case& c : cases) {
            SetLanguageIndex(d, language);
            notes.shown.clear();
            FrmCommuBook f(d, &chooser);
            f.Form_Load();
            Enter(f, 3, 2);
            SetText(f, "KEEP");
            const CommBook before = d.BookDataEdit;
            chooser.open = c.path;
            f.Click(commubook::Import);
            const std::vector<std::string> error{language == 1 ? "file error." : "文件错误。"};
            EXPECT_EQ(notes.FirstLines(), c.error ? error : std::vector<std::string>{}) << c.name;
            if (c.notRegular) {
                EXPECT_EQ(notes.Texts(), std::vector<std::string>{error[0] + "\n" + FileNamePart(*c.path) + ": " +
                                                                  (language == 1 ? "not a regular file" : "不是普通文件")});
            }
            EXPECT_EQ(d.BookDataEdit, before) << c.name;
            EXPECT_EQ(d.BookFilePath, "new.cb") << c.name;
            EXPECT_TRUE(f.C(commubook::Editor).visible) << c.name;
            EXPECT_EQ(f.CurBookEditRow, 3) << c.name;
            EXPECT_EQ(f.C(commubook::Editor).text, "KEEP") << c.name;
            EXPECT_FALSE(f.unloadRequested) << c.name;
            f.Click(kOKButton);  // the edit is still there to keep
            EXPECT_EQ(d.WorkData.BookData[2].Name.Trim(), "KEEP") << c.name;
        }
    }
}

TEST_F(BookTest, AFailedExportKeepsTheDialogAndItsBuffer) {
    std::filesystem::create_directories(tmp / "folder.cb");
    chooser.save = tmp / "folder.cb";
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 2, 1);
    SetText(f, "31");
    f.Click(commubook::Export);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"file error.\nfolder.cb: Is a directory"});
    EXPECT_FALSE(f.unloadRequested);
    EXPECT_EQ(d.BookFilePath, tmp / "folder.cb");
    EXPECT_EQ(std::string(d.BookDataEdit[1].CallID.Raw()), std::string("31\0  ", 5));
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "folder.cb"));
    // A cancelled export chooser does nothing.
    notes.shown.clear();
    chooser.save.reset();
    f.Click(commubook::Export);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.BookFilePath, tmp / "folder.cb");
}

TEST_F(BookTest, PassingThroughCellsRewritesThemWithoutChangingTheData) {
    ASSERT_FALSE(IsDataChanged(d));
    FrmCommuBook f(d, &chooser);
    f.Form_Load();
    Enter(f, 1, 1);
    Enter(f, 1, 2);
    Enter(f, 2, 1);
    ASSERT_TRUE(CloseWindow(f, CloseRoute::OK));
    EXPECT_EQ(Raw(d.WorkData.BookData[0]), std::string("\0\0   |\0     ", 12));
    EXPECT_FALSE(IsDataChanged(d));
}

// The test-data dialog without widgets: boxes, keys, the value check, Load,
// Save, OK and Cancel.
#include "radio/frmtestdata.h"

#include "core/listutils.h"
#include "core/nonregularfiles.h"
#include "radio/radiofixture.h"

namespace rp {
namespace {

using test::RadioFormTest;

std::string Bytes32(int first) {
    std::string s;
    for (int i = 0; i < 32; ++i) s.push_back(static_cast<char>(first + i));
    return s;
}

class TestData : public RadioFormTest {
protected:
    std::unique_ptr<FrmTestData> form;
    void SetUp() override {
        RadioFormTest::SetUp();
        for (int i = 0; i < 64; ++i) d.TestDataBuf[static_cast<std::size_t>(i)] = static_cast<Byte>(0xA0 + i % 32);
    }
    FrmTestData& Open() {
        form = std::make_unique<FrmTestData>(d);
        form->Form_Load();
        return *form;
    }
    std::string& Text(int i) { return form->C(testdata::Boxes[i]).text; }
};

TEST_F(TestData, LoadShowsTheRowsOfBytes2To16InBothLanguages) {
    FrmTestData& f = Open();
    for (int i = 0; i < 18; ++i) {
        const ControlState& box = f.C(testdata::Boxes[i]);
        EXPECT_EQ(box.text, ByteToHex2(static_cast<Byte>(0xA0 + i))) << i;
        EXPECT_EQ(box.visible, i >= 2 && i <= 16) << i;
        EXPECT_EQ(f.C(testdata::Labels[i]).visible, box.visible) << i;
        EXPECT_EQ(box.max, i <= 1 || i >= 14 ? 3 : 2) << i;
        EXPECT_EQ(box.inputChars, "0123456789ABCDEFabcdef");
    }
    EXPECT_EQ(f.State().caption, "Test Data");
    EXPECT_EQ(f.C(testdata::Labels[7]).text, "Offset frequency of 25K");
    EXPECT_EQ(f.C(testdata::Load).text, "&Load");
    EXPECT_EQ(f.FileFilter(), "Test Data File (*.ted)");

    SetLanguageIndex(d, LangChinese);
    FrmTestData& g = Open();
    EXPECT_EQ(g.State().caption, "测试数据");
    EXPECT_EQ(g.C(testdata::Labels[0]).text, "Freq");
    EXPECT_EQ(g.C(testdata::Labels[10]).text, "25K CTCSS");
    EXPECT_EQ(g.C(testdata::Labels[16]).text, "VHF 静噪");
    EXPECT_EQ(g.C(testdata::Save).text, "保存(&S)");
    EXPECT_EQ(g.FileFilter(), "测试数据文件 (*.ted)");
}

TEST_F(TestData, KeyTable) {
    struct Case {
        int in, out;
    } cases[] = {
        {'0', '0'}, {'9', '9'}, {'A', 'A'}, {'F', 'F'}, {'a', 'A'}, {'f', 'F'}, {'g', 0}, {'G', 0},
        {'-', 0},   {' ', 0},   {3, 0},     {22, 0},    {24, 0},    {8, 8},     {127, 127}, {0xE9, 0},
    };
    FrmTestData& f = Open();
    for (const auto& c : cases) {
        int k = c.in;
        f.KeyPress(testdata::Boxes[5], k);
        EXPECT_EQ(k, c.out) << c.in;
    }
    // Enter is swallowed and moves on in tab order.
    int k = 13;
    f.KeyPress(testdata::Boxes[5], k);
    EXPECT_EQ(k, 0);
    EXPECT_EQ(f.State().focus, testdata::Boxes[6]);
    k = 13;
    f.KeyPress(testdata::Boxes[16], k);
    EXPECT_EQ(f.State().focus, testdata::Load);
    EXPECT_FALSE(f.unloadRequested);
}

TEST_F(TestData, OkCopiesAllBytesAndMarksTheBlockAsEntered) {
    FrmTestData& f = Open();
    Text(2) = "1F";
    Text(16) = "0FF";
    f.Click(kOKButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.TestDataBuf[2], 0x1F);
    EXPECT_EQ(d.TestDataBuf[16], 0xFF);
    EXPECT_EQ(d.TestDataBuf[3], 0xA3);
    EXPECT_EQ(d.TestDataBuf[32], 0xA0);  // the snapshot is not the dialog's
    EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::Entry);
}

TEST_F(TestData, ABoxWithoutAByteValueIsRefusedAtOkAndSave) {
    struct Case {
        int box;
        const char* text;
    } cases[] = {{4, ""}, {15, "100"}, {14, "FFF"}};
    for (const auto& c : cases) {
        for (const char* button : {kOKButton, testdata::Save}) {
            notes.shown.clear();
            files.shown.clear();
            FrmTestData& f = Open();
            Text(c.box) = c.text;
            f.Click(button);
            EXPECT_FALSE(f.unloadRequested) << button;
            ASSERT_EQ(notes.Texts(), std::vector<std::string>{"Each value must be a hexadecimal number from 00 to FF."})
                << button << " " << c.box;
            EXPECT_EQ(f.State().focus, testdata::Boxes[c.box]);
            EXPECT_TRUE(files.shown.empty());  // no save chooser
            EXPECT_EQ(d.TestDataBuf[static_cast<std::size_t>(c.box)], 0xA0 + c.box);
            EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::None);
        }
    }
    // Cancel always closes.
    Text(4) = "";
    form->Click(kCancelButton);
    EXPECT_TRUE(form->unloadRequested);
}

TEST_F(TestData, LoadThenOkTakesTheWholeFileLoadThenCancelNothing) {
    const std::string ted = tmp / "a.ted";
    test::WriteFile(ted, Bytes32(0x10) + "tail");  // a longer file: its first 32 bytes
    files.answers = {ted};
    FrmTestData& f = Open();
    f.Click(testdata::Load);
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_FALSE(files.shown[0].save);
    EXPECT_EQ(files.shown[0].request.filter, "Test Data File (*.ted)");
    EXPECT_EQ(Text(2), "12");
    EXPECT_EQ(d.TestDataFilePath, ted);
    EXPECT_EQ(d.TestDataBuf[0], 0xA0);  // not before OK
    f.Click(kOKButton);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(d.TestDataBuf[static_cast<std::size_t>(i)], 0x10 + i) << i;

    const auto before = d.TestDataBuf;
    files.answers = {ted};
    FrmTestData& g = Open();
    test::WriteFile(ted, Bytes32(0x40));
    g.Click(testdata::Load);
    g.Click(kCancelButton);
    EXPECT_EQ(d.TestDataBuf, before);
}

TEST_F(TestData, AFileThatCannotBeReadOrWrittenIsAFileError) {
    const std::string shortFile = tmp / "short.ted";
    test::WriteFile(shortFile, Bytes32(0).substr(0, 20));
    const std::string pipe = tmp / "pipe.ted";  // no writer: opening it would wait for good
    ASSERT_TRUE(test::MakeNonRegular(test::NonRegular::Pipe, pipe));
    const test::HangGuard guard;
    d.TestDataFilePath = "/earlier/x.ted";
    files.answers = {shortFile, std::string(tmp / "missing.ted"), pipe, std::string(tmp / "no-such-folder/x.ted")};
    FrmTestData& f = Open();
    Text(3) = "55";  // typed, not yet read into the copy
    f.Click(testdata::Load);
    f.Click(testdata::Load);
    f.Click(testdata::Load);
    EXPECT_EQ(notes.Texts(), (std::vector<std::string>{"file error.\nshort.ted: its contents cannot be used",
                                                        "file error.\nmissing.ted: No such file or directory",
                                                        "file error.\npipe.ted: not a regular file"}));
    EXPECT_EQ(Text(3), "55");
    EXPECT_EQ(f.WorkCopy[2], 0xA2);
    EXPECT_EQ(d.TestDataFilePath, "/earlier/x.ted");
    f.Click(testdata::Save);
    ASSERT_EQ(notes.Texts().size(), 4u);
    EXPECT_EQ(notes.Texts()[3], "file error.\nx.ted: No such file or directory");
    EXPECT_EQ(d.TestDataFilePath, "/earlier/x.ted");
    // A cancelled chooser: nothing at all.
    f.Click(testdata::Load);
    EXPECT_EQ(notes.Texts().size(), 4u);
}

TEST_F(TestData, SaveProposesTheLastNameAndWritesTheBoxes) {
    d.TestDataFilePath = tmp / "club.ted";
    const std::string out = tmp / "out.ted";
    files.answers = {out, out};
    FrmTestData& f = Open();
    Text(9) = "7E";
    f.Click(testdata::Save);
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_TRUE(files.shown[0].save);
    EXPECT_EQ(files.shown[0].request.startPath, tmp / "club.ted");
    EXPECT_EQ(files.shown[0].request.filter, "Test Data File (*.ted)");
    const std::string bytes = test::ReadFile(out);
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(static_cast<Byte>(bytes[9]), 0x7E);
    EXPECT_EQ(static_cast<Byte>(bytes[31]), 0xBF);
    EXPECT_EQ(d.TestDataFilePath, out);
    EXPECT_EQ(d.TestDataBuf[9], 0xA9);  // Save does not touch the block
    f.Click(testdata::Save);
    EXPECT_EQ(files.shown[1].request.startPath, out);
}

}  // namespace
}  // namespace rp

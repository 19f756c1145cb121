// The communication-book dialog on real widgets: the floating editor and
// every way into it, Enter, and the sort on every close.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <filesystem>

#include "settings/bookfile.h"
#include "settings/frmcommubook.h"
#include "settings/qt/shellfixture.h"
#include "settings/frmcommubookcontrols.h"
#include "widgets/gridmodel.h"

namespace {

using namespace rp;

class BookShell : public test::ShellTest {
protected:
    FormDialog* dlg = nullptr;
    TextGridView* view = nullptr;
    QLineEdit* editor = nullptr;

    FrmCommuBook& Form() { return dlg->FormAs<FrmCommuBook>(); }
    void OpenBook() {
        dlg = Open("FrmCommuBook");
        ASSERT_NE(dlg, nullptr);
        Activate(dlg);
        view = Get<TextGridView>(dlg, commubook::Grid);
        editor = Get<QLineEdit>(dlg, commubook::Editor);
    }
    void ClickCell(int row, int col) {
        const QRect r = view->CellRect(row, col);
        ASSERT_FALSE(r.isEmpty());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    void Type(const QString& text) { QTest::keyClicks(editor, text); }
};

TEST_F(BookShell, TheEditorDoesNotOpenByItselfOnShow) {
    OpenBook();
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Form().CurBookEditRow, 0);
    EXPECT_EQ(Form().CurBookEditCol, 0);
    // Export now writes the book untouched.
    chooser.save = tmp / "out.cb";
    QTest::mouseClick(Get<QPushButton>(dlg, commubook::Export), Qt::LeftButton);
    const auto bytes = BookFileBytes(d.WorkData.BookData);
    EXPECT_EQ(rp::test::ReadFile(tmp / "out.cb"), std::string(bytes.begin(), bytes.end()));
}

TEST_F(BookShell, TheEditorOpensOverTheCellEnteredAndFollowsIt) {
    OpenBook();
    // A click on the current cell opens it too.
    ClickCell(1, 1);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry(), view->CellRect(1, 1));
    EXPECT_EQ(editor->maxLength(), 5);
    EXPECT_EQ(QApplication::focusWidget(), editor);
    // A keyboard move in the grid.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(Form().CurBookEditRow, 1);
    EXPECT_EQ(Form().CurBookEditCol, 2);
    EXPECT_EQ(editor->geometry(), view->CellRect(1, 2));
    EXPECT_EQ(editor->maxLength(), 6);
    ClickCell(4, 2);
    view->verticalScrollBar()->setValue(3);
    EXPECT_EQ(editor->geometry(), view->CellRect(4, 2));
}

TEST_F(BookShell, OnlyFilteredTypedCharactersReachTheEditor) {
    QGuiApplication::clipboard()->setText("77");
    OpenBook();
    ClickCell(2, 2);
    Type("ab\\~");
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
    QInputMethodEvent im;
    im.setCommitString("xyz");
    QApplication::sendEvent(editor, &im);
    Type(" 9");
    EXPECT_EQ(editor->text(), "AB 9");
    ClickCell(2, 1);
    Type("1a 2");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
    Type("3");
    EXPECT_EQ(editor->text(), "123");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    // Three digits: the digits, a NUL and a blank; the sort put it first.
    EXPECT_EQ(std::string(d.WorkData.BookData[0].CallID.Raw()), std::string("123\0 ", 5));
    EXPECT_EQ(std::string(d.WorkData.BookData[0].Name.Raw()), std::string("AB 9\0 ", 6));
}

TEST_F(BookShell, ACellWithOtherCharactersCanStillBeShortened) {
    d.WorkData.BookData[0].Name.Set("ab\xE9-1");  // as a file may hold it
    OpenBook();
    ClickCell(1, 2);
    ASSERT_EQ(editor->text(), QString::fromUtf8("ab\xC3\xA9-1"));
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    Type("x-");  // typing still goes through the key filter
    EXPECT_EQ(editor->text(), QString::fromUtf8("Xb\xC3\xA9-"));
    QInputMethodEvent im;
    im.setCommitString("~");
    QApplication::sendEvent(editor, &im);
    EXPECT_EQ(editor->text(), QString::fromUtf8("Xb\xC3\xA9-"));
}

TEST_F(BookShell, EnterMovesTheFocusAndKeepsTheDialogOpen) {
    OpenBook();
    ClickCell(3, 1);
    Type("45");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(closed);
    EXPECT_EQ(QApplication::focusWidget(), view);
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_EQ(d.WorkData.BookData[0].CallID.Trim(), "45");
}

TEST_F(BookShell, EveryCloseSortsTheLiveBookAndOnlyOkKeepsTheEdit) {
    enum class Close { Ok, Cancel, Escape, CloseBox };
    for (Close how : {Close::Ok, Close::Cancel, Close::Escape, Close::CloseBox}) {
        InitAllData(d);
        d.WorkData.BookData[0].CallID.Set(std::string("5\0", 2));
        d.WorkData.BookData[2].CallID.Set("12345");
        OpenBook();
        ClickCell(4, 1);
        Type("3");
        switch (how) {
        case Close::Ok: QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton); break;
        case Close::Cancel: QTest::mouseClick(Get<QPushButton>(dlg, kCancelButton), Qt::LeftButton); break;
        case Close::Escape: QTest::keyClick(editor, Qt::Key_Escape); break;
        case Close::CloseBox: dlg->close(); break;
        }
        const int k = static_cast<int>(how);
        EXPECT_TRUE(closed) << k;
        const auto& book = d.WorkData.BookData;
        if (how == Close::Ok) {
            EXPECT_EQ(book[0].CallID.Trim(), "12345") << k;
            EXPECT_EQ(book[1].CallID.Trim(), "3") << k;
            EXPECT_EQ(book[2].CallID.Trim(), "5") << k;
        } else {
            EXPECT_EQ(book[0].CallID.Trim(), "12345") << k;
            EXPECT_EQ(book[1].CallID.Trim(), "5") << k;
            EXPECT_EQ(book[2].CallID.Trim(), "") << k;
        }
        for (int i = 0; i < 128; ++i) EXPECT_EQ(book[static_cast<std::size_t>(i)].No, i) << k;
    }
}

TEST_F(BookShell, ImportShowsRowIndexesAndAFailedExportKeepsTheDialog) {
    CommBook other{};
    for (int i = 0; i < 128; ++i) other[static_cast<std::size_t>(i)].No = static_cast<Integer>(500 + i);
    other[5].CallID.Set("777");
    const auto bytes = BookFileBytes(other);
    rp::test::WriteFile(tmp / "in.cb", std::string(bytes.begin(), bytes.end()));
    std::filesystem::create_directories(tmp / "folder.cb");
    chooser.open = tmp / "in.cb";
    chooser.save = tmp / "folder.cb";
    OpenBook();
    QTest::mouseClick(Get<QPushButton>(dlg, commubook::Import), Qt::LeftButton);
    const QAbstractItemModel* model = view->model();
    EXPECT_EQ(model->headerData(5, Qt::Vertical, Qt::DisplayRole).toString(), "5");
    EXPECT_EQ(model->data(model->index(5, 0)).toString(), "777");
    QTest::mouseClick(Get<QPushButton>(dlg, commubook::Export), Qt::LeftButton);
    // The system's reason in the locale the toolkit set.
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"file error.\nfolder.cb: " + std::string(std::strerror(EISDIR))});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.BookFilePath, tmp / "folder.cb");
    EXPECT_EQ(d.BookDataEdit, other);
}

}  // namespace

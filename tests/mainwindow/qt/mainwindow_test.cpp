// The main window's wiring on real widgets (offscreen).
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/language.h"
#include "mainwindow/frmlanguagecontrols.h"
#include "mainwindow/frmlanguage.h"
#include "mainwindow/mainfixture.h"
#include "mainwindow/qt/frmmainshell.h"
#include "mainwindow/qt/openers.h"
#include "shellchecktest.h"
#include "widgets/screenfit.h"
#include "widgets/shellcheck.h"
#include "widgets/twips.h"
#include "screenshots.h"

namespace rp {
namespace {

// Each test program has a settings store of its own: ctest runs the tests
// of one program in parallel processes.
void ClearPlacement() {
    static QTemporaryDir dir;
    static const bool isolated = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        return true;
    }();
    (void)isolated;
    QSettings s("KEVRA_8R", "KEVRA_8R");
    s.remove("Settings");
}

class MainWindowTest : public ::testing::Test {
protected:
    test::StartedProgram p;
    DialogOpeners openers;
    std::vector<std::string> asked;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        ClearPlacement();
        RegisterMainWindowDialogs(openers);
        // Records dialogs that are not plugged in here.
        for (const char* name : {"FrmPrintList", "FrmBank", "FrmDTMF"}) {
            openers.Register(name, [this, name](FormDialog& dlg) {
                asked.push_back(name);
                dlg.form().Unload();  // shown nowhere
            });
        }
        w = std::make_unique<MainWindow>(p.d, openers);
        p.d.Ui.View = w.get();
        w->Load();
        w->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        w.reset();
        ClearPlacement();
    }
    void ActivateWindow() {
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    QAction* Action(const char* name) { return w->findChild<QAction*>(name); }
    QWidget* Widget(const char* name) { return w->findChild<QWidget*>(name); }
    QTreeWidgetItem* Item(const std::string& key) {
        for (QTreeWidgetItemIterator it(w->tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString().toStdString() == key) return *it;
        return nullptr;
    }
    void Screenshot(const QString& name) {
        w->resize(1100, 650);
        QApplication::processEvents();
        EXPECT_TRUE(test::SaveScreenshot(*w, name));
    }
};

TEST_F(MainWindowTest, EveryControlHasItsWidget) {
    EXPECT_TRUE(CheckShellControls(w->form(), w.get()).empty())
        << ::testing::PrintToString(CheckShellControls(w->form(), w.get()));
    QAbstractItemModelTester tester(w->grid(0)->GridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w->grid(0)->GridModel()->rowCount(), 206);
    EXPECT_TRUE(w->grid(0)->isVisible());
    EXPECT_FALSE(w->grid(1)->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), w->form().CaptionText());
}

TEST_F(MainWindowTest, TreeClickShowsTheListAndKeepsNoSelection) {
    EXPECT_EQ(w->tree()->topLevelItemCount(), 1);
    EXPECT_TRUE(Item("N0")->isExpanded() && Item("N1")->isExpanded());
    EXPECT_TRUE(w->tree()->selectedItems().isEmpty());
    const QRect r = w->tree()->visualItemRect(Item("N102"));
    QTest::mouseClick(w->tree()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(p.d.ShowListType, ListGMRS);
    EXPECT_EQ(w->grid(0)->GridModel()->rowCount(), 23);
}

// The tree by keyboard, in both languages: a move onto a list node shows
// its list, a move onto a dialog or command node does nothing, Enter and
// Space act as the click.
TEST_F(MainWindowTest, TreeByKeyboard) {
    for (int language : {LangEnglish, LangChinese}) {
        SCOPED_TRACE(language);
        SetLanguageIndex(p.d, language);
        w->Form_ReLoad();
        asked.clear();
        ActivateWindow();
        w->tree()->setFocus();
        w->tree()->setCurrentItem(Item("N1"));  // not a key: shows nothing
        auto key = [&](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        key(Qt::Key_Down);
        EXPECT_EQ(p.d.ShowListType, ListMemory);
        key(Qt::Key_Down);
        EXPECT_EQ(p.d.ShowListType, ListGMRS);
        EXPECT_EQ(w->grid(0)->GridModel()->rowCount(), 23);
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        EXPECT_EQ(p.d.ShowListType, ListWeather);
        key(Qt::Key_Down);
        EXPECT_EQ(w->tree()->currentItem(), Item("N3"));
        EXPECT_TRUE(w->grid(2)->isVisible());
        // The options, bank channel and DTMF nodes: passed over, nothing opens.
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        ASSERT_EQ(w->tree()->currentItem(), Item("N5"));
        EXPECT_TRUE(asked.empty());
        EXPECT_TRUE(w->grid(2)->isVisible());
        key(Qt::Key_Return);
        EXPECT_EQ(asked, std::vector<std::string>{"FrmDTMF"});
        key(Qt::Key_Space);
        EXPECT_EQ(asked, (std::vector<std::string>{"FrmDTMF", "FrmDTMF"}));
        // Back up onto the radio list and the channel lists.
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        EXPECT_TRUE(w->grid(2)->isVisible());
        key(Qt::Key_Up);
        EXPECT_TRUE(w->grid(0)->isVisible());
        EXPECT_EQ(p.d.ShowListType, ListWeather);
        key(Qt::Key_Up);
        EXPECT_EQ(p.d.ShowListType, ListMURS);
        EXPECT_EQ(asked.size(), 2u);
    }
}

// The menus by keyboard, in both languages: each menu level has distinct
// letters; Alt with a menu's letter and F10 open the menu, an entry's
// letter in an open menu runs it.
TEST_F(MainWindowTest, MenusByKeyboard) {
    struct Lang {
        int index;
        const char* file;
        const char* settings;
        const char* language;
        const char* shot;
    };
    const Lang langs[] = {{LangEnglish, "&File", "&Settings", "&Language", "en"},
                          {LangChinese, "文件(&F)", "设置(&S)", "语言(&L)", "zh"}};
    for (const Lang& l : langs) {
        SCOPED_TRACE(l.shot);
        SetLanguageIndex(p.d, l.index);
        w->Form_ReLoad();
        ActivateWindow();
        QApplication::processEvents();
        auto* file = w->findChild<QMenu*>(mainform::FileMenu);
        auto* set = w->findChild<QMenu*>(mainform::SetMenu);
        EXPECT_EQ(file->title(), QString::fromUtf8(l.file));
        EXPECT_EQ(set->title(), QString::fromUtf8(l.settings));
        EXPECT_EQ(Action(mainform::SetLanguage)->text(), QString::fromUtf8(l.language));
        auto unique = [](const QList<QAction*>& actions, const QString& where) {
            QSet<QString> seen;
            for (QAction* a : actions) {
                if (a->isSeparator()) continue;
                const QString k = QKeySequence::mnemonic(a->text()).toString();
                EXPECT_FALSE(k.isEmpty()) << a->text().toStdString();
                EXPECT_FALSE(seen.contains(k)) << where.toStdString() << ": " << k.toStdString();
                seen.insert(k);
            }
        };
        unique(w->menuBar()->actions(), "menu bar");
        for (QAction* m : w->menuBar()->actions()) unique(m->menu()->actions(), m->menu()->objectName());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        EXPECT_EQ(QApplication::activePopupWidget(), file);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : w->menuBar(),
                        Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        ASSERT_EQ(QApplication::activePopupWidget(), set);
        // Enlarged, so the underlined letters can be checked by eye.
        const QString dir = test::ScreenshotFolder() + "/";
        auto save = [&](QWidget* widget, const QString& name) {
            const QPixmap pix = widget->grab();
            EXPECT_TRUE(pix.scaled(pix.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(dir + name));
        };
        save(w->menuBar(), "menubar_" + QString(l.shot) + ".png");
        save(set, "menu_settings_" + QString(l.shot) + ".png");
        QTest::keyClick(set, Qt::Key_L);
        ASSERT_EQ(openers.OpenDialogs().size(), 1u);
        EXPECT_EQ(openers.OpenDialogs().front()->objectName(), "FrmLanguage");
        openers.CloseAll();
        QApplication::processEvents();
    }
}

// Enter presses OK and Escape Cancel in the language dialog, in both
// languages; the keyboard picks the language.
TEST_F(MainWindowTest, LanguageDialogByKeyboard) {
    ActivateWindow();
    auto open = [&] {
        Action(mainform::SetLanguage)->trigger();
        EXPECT_EQ(openers.OpenDialogs().size(), 1u);
        QDialog* dlg = openers.OpenDialogs().empty() ? nullptr : openers.OpenDialogs().front();
        if (dlg) {
            // The widgets' active window, which the focus follows.
            EXPECT_TRUE(QTest::qWaitFor([dlg] { return QApplication::activeWindow() == dlg; }));
        }
        return dlg;
    };
    QDialog* dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), dlg->findChild<QComboBox*>(language::List));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(openers.OpenDialogs().empty());
    EXPECT_EQ(p.d.LanguageIndex, LangEnglish);

    dlg = open();
    ASSERT_NE(dlg, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(openers.OpenDialogs().empty());
    EXPECT_EQ(p.d.LanguageIndex, LangChinese);
    EXPECT_EQ(w->findChild<QMenu*>(mainform::FileMenu)->title(), QString::fromUtf8("文件(&F)"));

    dlg = open();
    ASSERT_NE(dlg, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(openers.OpenDialogs().empty());
    EXPECT_EQ(p.d.LanguageIndex, LangEnglish);
    EXPECT_EQ(w->findChild<QMenu*>(mainform::FileMenu)->title(), "&File");
}

TEST_F(MainWindowTest, TheKeyboardStartsInTheChannelGrid) {
    ActivateWindow();
    TextGridView* g = w->grid(0);
    EXPECT_EQ(QApplication::focusWidget(), g);
    ASSERT_TRUE(g->currentIndex().isValid());
    const int row = g->currentIndex().row();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(g->currentIndex().row(), row + 1);
    EXPECT_EQ(w->tree()->currentItem(), nullptr);
}

TEST_F(MainWindowTest, ViewTogglesGiveTheRoomToThePanes) {
    QAction* tb = Action(mainform::ViewToolBar);
    QAction* sb = Action(mainform::ViewStatusBar);
    EXPECT_TRUE(tb->isChecked() && sb->isChecked());
    const QRect before(w->tree()->mapTo(w.get(), QPoint(0, 0)), w->tree()->size());
    tb->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(tb->isChecked());
    EXPECT_FALSE(Widget(mainform::ToolBar)->isVisible());
    const QRect noToolbar(w->tree()->mapTo(w.get(), QPoint(0, 0)), w->tree()->size());
    EXPECT_LT(noToolbar.top(), before.top());
    sb->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w->statusBar()->isVisible());
    const QRect noStatus(w->tree()->mapTo(w.get(), QPoint(0, 0)), w->tree()->size());
    EXPECT_GT(noStatus.bottom(), noToolbar.bottom());
    tb->trigger();
    sb->trigger();
    EXPECT_TRUE(tb->isChecked() && Widget(mainform::ToolBar)->isVisible());
}

TEST_F(MainWindowTest, CommandsHideAnOpenEditor) {
    auto* text2 = w->findChild<QLineEdit*>(mainform::RadioBox);
    auto open = [&] {
        w->binder().Run([&] { w->form().C(mainform::RadioBox).visible = true; });
        ASSERT_FALSE(text2->isHidden());
    };
    open();
    Action(mainform::EditChannel)->trigger();
    EXPECT_TRUE(text2->isHidden());
    open();
    Action(mainform::ToolPort)->trigger();
    EXPECT_TRUE(text2->isHidden());
    open();
    QTest::mouseClick(w->tree()->viewport(), Qt::LeftButton, {}, w->tree()->visualItemRect(Item("N3")).center());
    EXPECT_TRUE(text2->isHidden());
    EXPECT_TRUE(w->grid(2)->isVisible());
    // The hidden print entry still reaches its opener; an entry without one does nothing.
    Action(mainform::FilePrint)->trigger();
    Action(mainform::EditAlert)->trigger();
    EXPECT_EQ(asked, std::vector<std::string>{"FrmPrintList"});
    open();
    w->close();
    EXPECT_TRUE(text2->isHidden());
}

TEST_F(MainWindowTest, ClosePathMayKeepTheWindowOpen) {
    int asks = 0;
    w->form().closeSteps.AskSave = [&] { ++asks; return false; };
    w->close();
    EXPECT_TRUE(w->isVisible());
    Action(mainform::FileExit)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(asks, 2);
    EXPECT_FALSE(QSettings("KEVRA_8R", "KEVRA_8R").contains("Settings/MainLeft"));
    w->form().closeSteps.AskSave = nullptr;
    // A dialog still open is closed before the program ends.
    Action(mainform::SetLanguage)->trigger();
    ASSERT_EQ(openers.OpenDialogs().size(), 1u);
    QPointer<QDialog> dlg = openers.OpenDialogs().front();
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(!dlg || !dlg->isVisible());
    EXPECT_TRUE(QSettings("KEVRA_8R", "KEVRA_8R").contains("Settings/MainLeft"));
}

TEST_F(MainWindowTest, SplitterDragStopsAtItsLimits) {
    w->resize(900, 500);
    QApplication::processEvents();
    w->DragSplitterTo(0);
    EXPECT_EQ(w->SplitterPosition(), 30);
    w->DragSplitterTo(1e6);
    EXPECT_NEAR(w->SplitterPosition(), PixelsToTwipsX(w.get(), w->frameGeometry().width()) / 2, 1);
    EXPECT_LE(w->grid(0)->geometry().right(), w->centralWidget()->width());
}

TEST_F(MainWindowTest, LanguageSwitchAndScreenshots) {
    Screenshot("frmMain_en");
    Action(mainform::SetLanguage)->trigger();
    ASSERT_EQ(openers.OpenDialogs().size(), 1u);
    QDialog* dlg = openers.OpenDialogs().front();
    auto* combo = dlg->findChild<QComboBox*>(language::List);
    emit combo->activated(1);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    EXPECT_EQ(p.d.LanguageIndex, 2);
    EXPECT_EQ(w->findChild<QMenu*>(mainform::FileMenu)->title().toStdString(), GetLanguageString(p.d, 1000) + "(&F)");
    EXPECT_EQ(Item("N4")->text(0).toStdString(), GetLanguageString(p.d, 5021));
    EXPECT_EQ(Action(mainform::ToolNew)->toolTip().toStdString(), GetLanguageString(p.d, 1001));
    EXPECT_EQ(w->findChild<QComboBox*>(mainform::DecodeCtcssList)->itemText(51).toStdString(),
              GetLanguageString(p.d, 4031));
    EXPECT_EQ(w->grid(0)->GridModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(),
              GetLanguageString(p.d, 1101));
    EXPECT_EQ(w->windowTitle().toStdString(), w->form().CaptionText());
    Screenshot("frmMain_zh");

    // The font of text 20 covers Simplified Chinese, and a Chinese label
    // renders differently from unassigned code points.
    const QString family = QString::fromStdString(GetLanguageString(p.d, 20));
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) << family.toStdString();
    auto render = [&](const QString& text) {
        QImage img(200, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        painter.setFont(QFont(family, 14));
        painter.setPen(Qt::black);
        painter.drawText(img.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
        return img;
    };
    const QString chinese = QString::fromStdString(GetLanguageString(p.d, 1000));
    QString unassigned;
    for (int i = 0; i < chinese.size(); ++i) unassigned += QChar(0x0378 + i);
    EXPECT_NE(render(chinese), render(unassigned));

    // Back to English; Cancel changes nothing.
    Action(mainform::SetLanguage)->trigger();
    dlg = openers.OpenDialogs().front();
    emit dlg->findChild<QComboBox*>(language::List)->activated(0);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    EXPECT_EQ(w->findChild<QMenu*>(mainform::FileMenu)->title(), "&File");
    Action(mainform::SetLanguage)->trigger();
    dlg = openers.OpenDialogs().front();
    emit dlg->findChild<QComboBox*>(language::List)->activated(1);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kCancelButton), Qt::LeftButton);
    EXPECT_EQ(p.d.LanguageIndex, 1);
    EXPECT_TRUE(openers.OpenDialogs().empty());
}

// ---- window position ----

TEST(WindowPlacementTest, RoundTripDefaultsAndBadValues) {
    ClearPlacement();
    const WindowPlacement def{0, 0, 15360, 11520};
    WindowPlacement p = ReadWindowPlacement(def);
    EXPECT_EQ(p.width, 15360);
    WriteWindowPlacement({120, 240, 9000, 6000.5});
    p = ReadWindowPlacement(def);
    EXPECT_EQ(p.left, 120);
    EXPECT_EQ(p.height, 6000.5);
    QSettings("KEVRA_8R", "KEVRA_8R").setValue("Settings/MainTop", "abc");
    EXPECT_EQ(ReadWindowPlacement(def).top, 0);
    EXPECT_EQ(QSettings("KEVRA_8R", "KEVRA_8R").value("Settings/MainLeft").toString(), "120");
    ClearPlacement();
}

TEST(WindowPlacementTest, OffScreenComesBackAndMinimisedStoresNothing) {
    ClearPlacement();
    WriteWindowPlacement({-500000, -500000, 9000, 6000});
    test::StartedProgram p;
    DialogOpeners openers;
    {
        MainWindow w(p.d, openers);
        p.d.Ui.View = &w;
        w.Load();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.intersects(QRect(w.pos(), w.size())));
        EXPECT_EQ(w.width(), TwipsToPixelsX(&w, 9000));
        w.show();
        WriteWindowPlacement({1, 2, 9000, 6000});
        w.showMinimized();
        w.close();
        p.d.Ui.View = Seams().View;
    }
    EXPECT_EQ(ReadWindowPlacement({}).left, 1);
    ClearPlacement();
}

// The main window on its screen: read, shown, and closed (which saves its
// bounds) after `use`.
void OpenAndClose(const std::function<void(MainWindow&)>& use) {
    test::StartedProgram p;
    DialogOpeners openers;
    MainWindow w(p.d, openers);
    p.d.Ui.View = &w;
    w.Load();
    w.show();
    QApplication::processEvents();
    use(w);
    w.close();
    p.d.Ui.View = Seams().View;
}

// The screen's device pixels (the offscreen screen grabs at its own size).
QSize DevicePixels(QScreen* screen) { return screen->grabWindow(0).size(); }

// Bounds saved larger than the screen (at another scale) open within the
// screen's free area, and whole device pixels hold them; the next start
// finds the size saved as it was, unless the user resized the window.
TEST(WindowPlacementTest, SavedLargerThanTheScreenIsClampedAndKept) {
    ClearPlacement();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen->availableGeometry();
    const double dpr = screen->devicePixelRatio();
    const QSize device = DevicePixels(screen);
    WindowPlacement saved;
    OpenAndClose([&](MainWindow& w) {
        saved = {PixelsToTwipsX(&w, avail.x() + 40), PixelsToTwipsY(&w, avail.y() + 30),
                 PixelsToTwipsX(&w, 2 * avail.width()), PixelsToTwipsY(&w, 2 * avail.height())};
    });
    WriteWindowPlacement(saved);
    OpenAndClose([&](MainWindow& w) {
        const QRect frame = w.frameGeometry();
        EXPECT_TRUE(avail.contains(frame)) << frame.width() << "x" << frame.height();
        EXPECT_EQ(frame.size(), UsableArea(*screen).size());
        EXPECT_LE(std::lround((frame.x() + frame.width()) * dpr), device.width());
        EXPECT_LE(std::lround((frame.y() + frame.height()) * dpr), device.height());
    });
    EXPECT_EQ(ReadWindowPlacement({}).width, saved.width);
    EXPECT_EQ(ReadWindowPlacement({}).height, saved.height);
    // The user's own size is saved.
    double width = 0;
    OpenAndClose([&](MainWindow& w) {
        w.resize(w.width() / 2, w.height() / 2);
        QApplication::processEvents();
        width = PixelsToTwipsX(&w, w.frameGeometry().width());
    });
    EXPECT_EQ(ReadWindowPlacement({}).width, width);
    ClearPlacement();
}

// A window saved as large as the screen's free area opens no larger than
// the screen, at a fractional scale too (whose pixel sizes are rounded).
TEST(WindowPlacementTest, AFullScreenSizeStaysWithinTheScreen) {
    ClearPlacement();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen->availableGeometry();
    const double dpr = screen->devicePixelRatio();
    const QSize device = DevicePixels(screen);
    OpenAndClose([&](MainWindow& w) {
        WriteWindowPlacement({PixelsToTwipsX(&w, avail.x()), PixelsToTwipsY(&w, avail.y()),
                              PixelsToTwipsX(&w, avail.width()), PixelsToTwipsY(&w, avail.height())});
    });
    OpenAndClose([&](MainWindow& w) {
        const QRect frame = w.frameGeometry();
        EXPECT_LE(std::lround((frame.x() + frame.width()) * dpr), device.width()) << frame.width() << " at " << dpr;
        EXPECT_LE(std::lround((frame.y() + frame.height()) * dpr), device.height()) << frame.height() << " at " << dpr;
        EXPECT_GE(frame.width(), avail.width() - 1);  // by a pixel at most
    });
    ClearPlacement();
}

const test::ShellCase kShells[] = {
    {"FrmLanguage", [] {
         static test::StartedProgram p;
         static MainWindowCalls main;
         return BuildFormDialog(std::make_unique<FrmLanguage>(p.d, main), nullptr, BuildFrmLanguage);
     }},
};
RP_SHELL_CONTROL_CHECK(MainWindowDialogs, kShells);

}  // namespace
}  // namespace rp

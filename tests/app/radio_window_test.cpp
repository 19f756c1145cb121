// The radio commands from the main window (offscreen) against the simulated
// radio on a pseudo-terminal: read, write, the retry prompt, the password
// dialog, refused identities and the information read.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "app/appfixture.h"
#include "app/program.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/fakes.h"
#include "core/settings.h"
#include "core/tempfolder.h"
#include "core/testdata.h"
#include "forms/savequestion.h"
#include "link/codec.h"
#include "link/image.h"
#include "link/skiplist.h"
#include "radio/frmcomsetcontrols.h"
#include "radio/frmpassword.h"
#include "radio/frmtestdatacontrols.h"
#include "tools/ptyradio.h"

namespace rp {
namespace {

// Records each box with whether the progress dialog was up at that moment.
class WatchNotifier : public test::RecordingNotifier {
public:
    std::function<bool()> progressUp;
    std::vector<bool> withProgress;
    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& title) override {
        withProgress.push_back(progressUp && progressUp());
        return RecordingNotifier::Show(text, icon, buttons, title);
    }
};

// The dialog a question opened: the active modal widget, else the visible
// dialog of that name.
template <class W>
W* FindModal(const char* name, int ms = 10000) {
    W* found = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()); w && w->objectName() == name) {
                found = w;
                return true;
            }
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* w = qobject_cast<W*>(t); w && w->isVisible() && w->objectName() == name) {
                    found = w;
                    return true;
                }
            return false;
        },
        ms);
    return found;
}

// Answers the password dialog: types `text` and presses OK, or Cancel.
void AnswerPassWord(const QString& text, bool ok) {
    QDialog* dlg = FindModal<QDialog>("FrmPassWord");
    ASSERT_NE(dlg, nullptr);
    auto* edit = dlg->findChild<QLineEdit*>(password::PassWord);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::mouseClick(dlg->findChild<QPushButton*>(ok ? kOKButton : kCancelButton), Qt::LeftButton);
}

void AnswerRetry(bool retry) {
    auto* box = FindModal<QMessageBox>("RetryPrompt");
    ASSERT_NE(box, nullptr);
    box->button(retry ? QMessageBox::Retry : QMessageBox::Cancel)->click();
}

class RadioWindowTest : public ::testing::Test {
protected:
    test::TempFolder tmp;
    WatchNotifier notes;
    test::ScriptedFileChooser files;
    test::FakePorts ports;  // none
    std::unique_ptr<sim::PtyRadio> radio;
    std::unique_ptr<Program> program;

    void SetUp() override { test::IsolateSettingsStore(); }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
        if (radio) radio->Stop();
    }

    // The radio on its line; not served until Serve().
    void MakeRadio(sim::SimOptions o = {}) {
        radio = std::make_unique<sim::PtyRadio>(std::move(o));
        ASSERT_TRUE(radio->Open()) << radio->Error();
    }
    void Serve() { radio->Start(); }
    void Pause() { radio->Stop(); }

    void StartProgram(bool factory = false) {
        test::ShipLanguageFiles(tmp);
        if (factory) {
            std::ofstream(tmp / kTestModeMarkerFile) << kTestModeMarkerText;
        }
        program = test::ProgramIn(tmp, &notes, ports, files);
        program->Start();
        QTest::mouseClick(program->splash()->findChild<QLabel*>(splash::Logo), Qt::LeftButton);
        ASSERT_TRUE(test::WaitForMainWindow(*program, 5000));
        notes.progressUp = [this] { return program->radio()->progress() && program->radio()->progress()->isVisible(); };
        if (radio) d().ComDevice = radio->SlavePath();
    }

    AppData& d() { return program->data(); }
    MainWindow& win() { return *program->window(); }
    RadioCommands& commands() { return program->radio()->commands(); }
    QAction* Action(const char* name) { return win().findChild<QAction*>(name); }
    void Trigger(const char* name) {
        QAction* a = Action(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    bool WaitIdle(int ms = 60000) {
        return QTest::qWaitFor([&] { return !commands().TransferRunning(); }, ms);
    }
    // Waits for the box of text `key` (or any text holding `part`).
    bool WaitText(const std::string& part, int ms = 10000) {
        return QTest::qWaitFor(
            [&] {
                for (const auto& m : notes.shown)
                    if (m.text.find(part) != std::string::npos) return true;
                return false;
            },
            ms);
    }
    std::string Text(int key) { return d().Ui.Texts->Text(key); }
    // The texts shown after the prompt.
    std::vector<std::string> Shown() { return notes.Texts(); }
    std::vector<std::string> GridTexts(int grid) {
        std::vector<std::string> v;
        TextGrid& g = win().form().GridAt(grid);
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Cols(); ++c) v.push_back(g.Text(r, c));
        return v;
    }
    // The image the data encodes to, over the addresses a write sends.
    void ExpectRadioHoldsTheData() {
        CommBytes image{};
        ClearCommImage(image);
        ImageData data{d().WorkData, d().FreData};
        ASSERT_TRUE(SetCommDataByAll(image, data, d().CurModel, nullptr).ok());
        std::lock_guard<std::mutex> lock(radio->Mutex());
        int differ = 0;
        for (long a = 0x0100; a <= 0x3F7F; ++a)
            if (SkipUnusedAddress(d(), a) == a && image[static_cast<std::size_t>(a)] != radio->Radio().Memory[static_cast<std::size_t>(a)])
                ++differ;
        EXPECT_EQ(differ, 0);
    }
};

// Write an edited data set, spoil it, read it back: the progress dialog,
// the grids, the caption and the order of the messages.
TEST_F(RadioWindowTest, WriteThenReadBackFromTheWindow) {
    MakeRadio();
    Serve();
    StartProgram();
    ASSERT_TRUE(AddFreDataByFre(d(), 17, "438.5125"));
    win().ReShowListByData(d().ShowListType);
    const std::vector<std::string> written = GridTexts(0);

    Trigger(mainform::ProgramWrite);
    EXPECT_EQ(Shown(), std::vector<std::string>{LangText(d(), d().Msg.MsgWritePrompt)});
    ASSERT_NE(program->radio()->progress(), nullptr);
    EXPECT_TRUE(program->radio()->progress()->isModal() || program->radio()->progress()->windowModality() != Qt::NonModal);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitText(Text(2005)));
    EXPECT_EQ(notes.withProgress.back(), false);
    ExpectRadioHoldsTheData();
    EXPECT_TRUE(radio->Radio().Violations().empty());

    // Spoil the data; the read asks to save it first (No), then reads.
    ASSERT_TRUE(AddFreDataByFre(d(), 18, "146.52"));
    win().ReShowListByData(d().ShowListType);
    ASSERT_NE(GridTexts(0), written);
    notes.shown.clear();
    notes.withProgress.clear();
    notes.answers = {MsgAnswer::No, MsgAnswer::Ok};
    std::vector<int> bar;
    Trigger(mainform::ProgramRead);
    ProgressDialog* p = program->radio()->progress();
    ASSERT_NE(p, nullptr);
    auto* barWidget = p->findChild<QProgressBar*>(progress::Bar);
    auto* label2 = p->findChild<QLabel*>(progress::Percent);
    ASSERT_TRUE(barWidget && label2);
    EXPECT_EQ(label2->text(), "0%");
    EXPECT_FALSE(barWidget->isTextVisible());
    EXPECT_EQ(p->windowTitle().toStdString(), LangText(d(), d().Msg.ProgressTitleText[1]));
    std::string lastLabel;
    QObject::connect(p, &ProgressDialog::valueShown, [&](int v) {
        bar.push_back(v);
        EXPECT_EQ(barWidget->value(), v);
        lastLabel = label2->text().toStdString();
    });
    // Neither Escape nor the close box closes it.
    QTest::keyClick(p, Qt::Key_Escape);
    p->close();
    QApplication::processEvents();
    EXPECT_TRUE(p->isVisible());
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitText(Text(2004)));
    EXPECT_EQ(program->radio()->progress(), nullptr);
    ASSERT_FALSE(bar.empty());
    EXPECT_NE(std::find(bar.begin(), bar.end(), 98), bar.end());  // the end of the first phase
    EXPECT_EQ(lastLabel, std::to_string(bar.back()) + "%");
    EXPECT_GE(bar.back(), 90);
    ASSERT_EQ(notes.shown.size(), 3u);
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(notes.shown[2].text, Text(2004));
    EXPECT_FALSE(notes.withProgress[2]);  // after the dialog had closed
    EXPECT_EQ(GridTexts(0), written);
    EXPECT_NE(win().windowTitle().toStdString().find("new.dat"), std::string::npos);
    EXPECT_FALSE(IsDataChanged(d()));
}

// The read's save question: Cancel, and Yes with a failing save, end the
// read before the port opens.
TEST_F(RadioWindowTest, SaveQuestionCancelAndFailedSaveEndTheRead) {
    MakeRadio();
    Serve();
    StartProgram();
    ASSERT_TRUE(AddFreDataByFre(d(), 17, "438.5125"));
    for (MsgAnswer a : {MsgAnswer::Cancel, MsgAnswer::Yes}) {
        notes.shown.clear();
        notes.answers = {a};  // Yes: the save chooser is cancelled
        Trigger(mainform::ProgramRead);
        QTest::qWait(100);
        EXPECT_EQ(notes.shown.size(), 1u);
        EXPECT_FALSE(commands().TransferRunning());
        EXPECT_EQ(program->radio()->progress(), nullptr);
        EXPECT_EQ(radio->BytesIn(), 0u);  // nothing reached the radio
    }
    EXPECT_EQ(files.shown.size(), 1u);
    EXPECT_TRUE(IsDataChanged(d()));
}

// No answer: after the prompt Retry resumes and the transfer ends well;
// Cancel ends it with its failure text and the data unchanged.
TEST_F(RadioWindowTest, TimeOutRetryAndCancel) {
    MakeRadio();
    Serve();
    StartProgram();
    struct Case {
        const char* name;
        const char* command;
        bool retry;
        int endKey;
        bool partly;
    };
    const Case cases[] = {
        {"WriteRetry", mainform::ProgramWrite, true, 2005, false},
        {"WriteCancel", mainform::ProgramWrite, false, 2007, true},
        {"ReadRetry", mainform::ProgramRead, true, 2004, false},
        {"ReadCancel", mainform::ProgramRead, false, 2006, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notes.shown.clear();
        const RadioDataRec before = d().WorkData;
        const auto channelsBefore = d().FreData;
        Trigger(c.command);
        // Let some blocks pass, then the radio stops answering.
        ASSERT_TRUE(QTest::qWaitFor([&] { return commands().engine().CommAddress() >= 0x0400; }, 20000));
        Pause();
        // The frames sent meanwhile reach the radio once it serves again;
        // their replies come while the prompt is open and are dropped.
        ASSERT_NE(FindModal<QMessageBox>("RetryPrompt"), nullptr);
        Serve();
        QTest::qWait(200);
        AnswerRetry(c.retry);
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(WaitText(Text(c.endKey)));
        const std::string& last = notes.shown.back().text;
        EXPECT_EQ(last.rfind(Text(c.endKey), 0), 0u) << last;
        EXPECT_EQ(last.find("Part of the data was already written") != std::string::npos, c.partly) << last;
        if (!c.retry) {
            EXPECT_TRUE(d().WorkData == before);
            EXPECT_TRUE(d().FreData == channelsBefore);
        }
    }
}

TEST_F(RadioWindowTest, PassWordDialogFromTheEngineAndFromTheMenu) {
    sim::SimOptions o;
    o.PassWord = "1234";
    MakeRadio(o);
    Serve();
    StartProgram();
    struct Case {
        const char* name;
        const char* answer;
        bool ok;
        int endKey;
    };
    const Case cases[] = {
        {"Right", "1234", true, 2004},
        {"Wrong", "9999", true, 2006},
        {"Cancelled", "1234", false, 2006},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        d().InputPassWord.clear();
        notes.shown.clear();
        Trigger(mainform::ProgramRead);
        AnswerPassWord(c.answer, c.ok);
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(WaitText(Text(c.endKey)));
    }
    // Program > Password offers the last one masked; Cancel keeps it.
    d().InputPassWord = "1234";
    Trigger(mainform::ProgramPassWord);
    QDialog* dlg = FindModal<QDialog>("FrmPassWord");
    ASSERT_NE(dlg, nullptr);
    auto* edit = dlg->findChild<QLineEdit*>(password::PassWord);
    EXPECT_EQ(edit->displayText(), "****");
    EXPECT_EQ(edit->maxLength(), 4);
    EXPECT_EQ(dlg->windowTitle().toStdString(), Text(3100));
    QTest::keyClicks(edit, "x");
    QTest::mouseClick(dlg->findChild<QPushButton*>(kCancelButton), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(d().InputPassWord, "1234");
    // OK only sets it.
    Trigger(mainform::ProgramPassWord);
    AnswerPassWord("77", true);
    QTest::qWait(50);
    EXPECT_EQ(d().InputPassWord, "77");
    EXPECT_FALSE(commands().TransferRunning());
}

// A refused identity: its message through the window, then the failure text.
TEST_F(RadioWindowTest, RefusedIdentities) {
    struct Case {
        const char* name;
        sim::SimOptions radio;
        const char* command;
        int endKey;
        std::vector<std::string> parts;  // in the first box
    };
    auto opts = [](auto f) {
        sim::SimOptions o;
        f(o);
        return o;
    };
    const Case cases[] = {
        {"OtherModel", opts([](sim::SimOptions& o) { o.Model = "OTHER12"; }), mainform::ProgramRead, 2006,
         {"PC is ", "Radio is "}},
        {"OtherBand", opts([](sim::SimOptions& o) { o.Band = 0x01; }), mainform::ProgramWrite, 2007, {}},
        {"Killed", opts([](sim::SimOptions& o) { o.Killed = true; }), mainform::ProgramWrite, 2007, {}},
        {"Stunned", opts([](sim::SimOptions& o) { o.Stunned = true; }), mainform::ProgramWrite, 2007, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notes.shown.clear();
        notes.withProgress.clear();
        MakeRadio(c.radio);
        Serve();
        StartProgram();
        Trigger(c.command);
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(WaitText(Text(c.endKey)));
        ASSERT_EQ(notes.shown.size(), 3u);  // prompt, refusal, failure
        for (const auto& part : c.parts) EXPECT_NE(notes.shown[1].text.find(part), std::string::npos);
        EXPECT_EQ(notes.shown[2].text, Text(c.endKey));
        {
            std::lock_guard<std::mutex> lock(radio->Mutex());
            EXPECT_EQ(radio->Radio().WriteFrames(), 0);
        }
        program.reset();
        radio->Stop();
    }
}

// The information read: no dialog, the commands disabled while it runs, the
// information view once after the engine has finished.
TEST_F(RadioWindowTest, InformationReadFromMenuAndTree) {
    MakeRadio();
    Serve();
    StartProgram();
    int opened = 0;
    long modeAtOpen = -1;
    std::string emgModel;
    program->openers().Register("FrmEMG", [&](FormDialog& dlg) {
        ++opened;
        modeAtOpen = commands().engine().CommMode();
        emgModel = d().EmgData.Model;
        dlg.form().Unload();  // shown nowhere
    });
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        opened = 0;
        if (run == 0) {
            Trigger(mainform::ReadInformation);
        } else {
            QTreeWidget* tree = win().tree();
            QTreeWidgetItem* n9 = nullptr;
            for (QTreeWidgetItem* i : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
                if (i->data(0, Qt::UserRole).toString() == "N9") n9 = i;
            ASSERT_NE(n9, nullptr);
            emit tree->itemClicked(n9, 0);
        }
        EXPECT_EQ(commands().engine().CommMode(), CommModeInfo);
        for (const char* a : {mainform::FileNew, mainform::FileOpen, mainform::FileSave, mainform::ProgramRead,
                              mainform::ProgramWrite, mainform::ReadInformation, mainform::SetPort, mainform::ToolRead,
                              mainform::ToolWrite, mainform::ToolNew})
            EXPECT_FALSE(Action(a)->isEnabled()) << a;
        EXPECT_TRUE(Action(mainform::ViewToolBar)->isEnabled());
        for (QTreeWidgetItem* i : win().tree()->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
            const std::string key = i->data(0, Qt::UserRole).toString().toStdString();
            if (key == "N9" || key == "N4" || key == "N101") {
                EXPECT_EQ(bool(i->flags() & Qt::ItemIsEnabled), key == "N101") << key;
            }
        }
        EXPECT_EQ(program->radio()->progress(), nullptr);
        ASSERT_TRUE(WaitIdle());
        EXPECT_TRUE(QTest::qWaitFor([&] { return opened > 0; }, 2000));
        QTest::qWait(50);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(modeAtOpen, CommModeIdle);
        EXPECT_FALSE(emgModel.empty());
        EXPECT_TRUE(Action(mainform::FileNew)->isEnabled());
    }
    EXPECT_TRUE(notes.shown.empty());
}

// With no radio: text 2008 after three ProgramCommands, no retry prompt.
// While it runs the shortcuts are dead; closing the window ends it quietly
// and asks the save question.
TEST_F(RadioWindowTest, InformationReadWithoutRadioAndClosedDuringIt) {
    MakeRadio();  // not served: nothing answers
    StartProgram();
    Trigger(mainform::ReadInformation);
    ASSERT_TRUE(WaitIdle(10000));
    ASSERT_TRUE(WaitText(Text(2008)));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Text(2008)});
    EXPECT_EQ(FindModal<QMessageBox>("RetryPrompt", 100), nullptr);
    Serve();  // what waited on the line reaches the radio now
    EXPECT_TRUE(QTest::qWaitFor([&] {
        std::lock_guard<std::mutex> lock(radio->Mutex());
        return radio->Radio().ProgramCommands() == 3;
    }, 3000));
    Pause();

    notes.shown.clear();
    ASSERT_TRUE(AddFreDataByFre(d(), 17, "438.5125"));
    Trigger(mainform::ReadInformation);
    ASSERT_TRUE(commands().TransferRunning());
    QTest::keyClick(&win(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&win(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&win(), Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_TRUE(files.shown.empty());
    notes.answers = {MsgAnswer::Cancel};  // the save question keeps the window
    win().close();
    EXPECT_FALSE(commands().TransferRunning());
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{SaveQuestionText(d())});
    QTest::qWait(1500);
    EXPECT_EQ(notes.shown.size(), 1u);  // no text 2008
    EXPECT_TRUE(win().isVisible());
    EXPECT_TRUE(Action(mainform::FileNew)->isEnabled());
}

// Factory mode: the test-data entry shows; a write carries the block entered
// in its dialog and a read brings the radio's back.
TEST_F(RadioWindowTest, FactoryModeReadAndWriteCarryTheTestBlock) {
    MakeRadio();
    Serve();
    StartProgram(true);
    ASSERT_TRUE(d().FactoryTestMode);
    EXPECT_TRUE(Action(mainform::EditTestData)->isVisible());
    bool n14 = false;
    for (const TreeNode& n : win().form().TreeNodes()) n14 |= n.key == "N14";
    EXPECT_TRUE(n14);

    // The block is entered in the test-data dialog, opened from its menu entry.
    std::array<Byte, 32> entered{};
    for (int i = 0; i < 32; ++i) entered[static_cast<std::size_t>(i)] = static_cast<Byte>(0x40 + i);
    Trigger(mainform::EditTestData);
    QDialog* dlg = FindModal<QDialog>("FrmTestData");
    ASSERT_NE(dlg, nullptr);
    for (int i = 2; i <= 16; ++i) {
        auto* box = dlg->findChild<QLineEdit*>(QString::fromStdString(testdata::Boxes[i]));
        ASSERT_NE(box, nullptr) << i;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString("%1").arg(0x40 + i, 2, 16).toLower());
    }
    QPointer<QDialog> open(dlg);
    QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !open || !open->isVisible(); }, 5000));
    EXPECT_EQ(d().TestDataOrigin, AppData::TestDataSource::Entry);
    for (int i = 2; i <= 16; ++i) EXPECT_EQ(d().TestDataBuf[static_cast<std::size_t>(i)], entered[static_cast<std::size_t>(i)]) << i;
    Trigger(mainform::ProgramWrite);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitText(Text(2005)));
    std::array<Byte, 32> inRadio{};
    {
        std::lock_guard<std::mutex> lock(radio->Mutex());
        EXPECT_GE(radio->Radio().EntryWords(), 1);
        std::copy(radio->Radio().Memory.begin(), radio->Radio().Memory.begin() + 32, inRadio.begin());
    }
    for (int i = 2; i <= 16; ++i) EXPECT_EQ(inRadio[static_cast<std::size_t>(i)], entered[static_cast<std::size_t>(i)]) << i;

    d().TestDataBuf.fill(0);
    Trigger(mainform::ProgramRead);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitText(Text(2004)));
    EXPECT_TRUE(std::equal(inRadio.begin(), inRadio.end(), d().TestDataBuf.begin()));
    EXPECT_EQ(d().TestDataOrigin, AppData::TestDataSource::Read);
}

// A device the system does not list, typed in the port dialog: a file is
// refused with its name and the setting kept; the radio's line is taken,
// saved, and the next read runs over it.
TEST_F(RadioWindowTest, ADevicePathTypedInThePortDialogCarriesTheNextRead) {
    StartProgram();  // no port listed, none saved
    MakeRadio();
    Serve();
    const std::string file = tmp / "channels.dat";
    test::WriteFile(file, "not a port");
    auto typeAndOk = [&](const std::string& path) -> QDialog* {
        const auto open = program->openers().OpenDialogs();
        if (open.empty()) Trigger(mainform::ToolPort);
        QDialog* dlg = program->openers().OpenDialogs().front();
        EXPECT_EQ(dlg->objectName(), "FrmComSet");
        auto* edit = dlg->findChild<QComboBox*>(comset::PortList)->lineEdit();
        EXPECT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(path));
        QTest::mouseClick(dlg->findChild<QPushButton*>(kOKButton), Qt::LeftButton);
        QApplication::processEvents();
        const auto still = program->openers().OpenDialogs();
        return still.empty() ? nullptr : still.front();
    };

    const std::string savedBefore = LoadSettings(d()).comDevice;
    ASSERT_NE(typeAndOk(file), nullptr);  // stays open
    EXPECT_EQ(Shown(), std::vector<std::string>{file + ": not a serial (terminal) device"});
    EXPECT_EQ(d().ComDevice, "");
    EXPECT_EQ(LoadSettings(d()).comDevice, savedBefore);

    notes.shown.clear();
    ASSERT_EQ(typeAndOk(radio->SlavePath()), nullptr);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d().ComDevice, radio->SlavePath());
    EXPECT_EQ(LoadSettings(d()).comDevice, radio->SlavePath());

    EXPECT_EQ(radio->BytesIn(), 0u);
    Trigger(mainform::ProgramRead);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitText(Text(2004)));
    EXPECT_GT(radio->BytesIn(), 0u);
    EXPECT_GT(radio->BytesOut(), 0u);
}

}  // namespace
}  // namespace rp

// The radio commands without widgets: their questions, the engine's ends
// and the information read's lock, against the simulated radio on the fake
// clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/datafiles.h"
#include "core/fakes.h"
#include "core/messages.h"
#include "formhostfake.h"
#include "link/linkfakes.h"
#include "link/protocol.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/frmmaincontrols.h"
#include "mainwindow/radiomenu.h"
#include "radio/radiocommands.h"
#include "radio/radiofixture.h"

using namespace rp;
using namespace rp::test;

namespace {

// Messages go into the rig's log beside the progress dialog's opening and
// closing, so their order shows.
class LogMessages : public MessagePort {
public:
    explicit LogMessages(std::vector<std::string>& log) : log_(log) {}
    std::vector<CommMessage> posted;
    void Post(const CommMessage& m) override {
        posted.push_back(m);
        log_.push_back("msg " + std::to_string(CommTextKey(m.Key)));
    }

private:
    std::vector<std::string>& log_;
};

struct CommandRig {
    AppData d;
    FakeLoop loop;
    sim::SimRadio radio;
    FakeTimer timer{loop};
    SimTransport port{loop, radio};
    std::vector<std::string> log;
    LogMessages messages{log};
    ScriptedQuestions questions{loop};
    RecordingNotifier notes;
    FixedTexts texts;
    RecordingProgress progress;
    FrmMain main{d};
    test::FakePorts portList;
    RadioCommands commands{d, main, port, timer, messages, questions, portList};
    std::vector<std::function<void()>> later;
    test::FakeHost host;
    std::vector<std::string>& dialogs = host.opened;
    int saves = 0;
    SaveOutcome saveOutcome = SaveOutcome::Saved;

    explicit CommandRig(sim::SimOptions o = {}) {
        radio = sim::SimRadio(std::move(o));
        SetUpLinkData(d, texts);
        d.Ui.Notify = &notes;
        d.CurBandIndex = 0;
        d.ComDevice = "/dev/fake0";
        CopyWorkDataToFileCopy(d);
        AttachRadioCommands(main, commands);
        commands.hooks.OpenProgress = [this]() -> ProgressSink* {
            log.push_back("open progress");
            return &progress;
        };
        commands.hooks.CloseProgress = [this] { log.push_back("close progress"); };
        commands.hooks.Later = [this](std::function<void()> f) { later.push_back(std::move(f)); };
        main.SetHost(&host);
        main.fileSave = [this] {
            ++saves;
            return saveOutcome;
        };
    }
    bool Finish() {
        return loop.RunUntil([this] { return !commands.TransferRunning(); }, loop.now + 600000);
    }
    void RunLater() {
        auto v = std::move(later);
        later.clear();
        for (auto& f : v) f();
    }
    void Change() { d.WorkData.FreDataCount = static_cast<Integer>(d.WorkData.FreDataCount + 1); }
    std::vector<MsgButtons> Buttons() const {
        std::vector<MsgButtons> b;
        for (const auto& m : notes.shown) b.push_back(m.buttons);
        return b;
    }
};

}  // namespace

// The read's save question: Cancel, or Yes with a save that fails or is
// cancelled, ends the read before the port opens; No and a good save go on.
TEST(RadioRead, SaveQuestionDecidesBeforeThePortOpens) {
    struct Case {
        const char* name;
        bool changed;
        MsgAnswer answer;
        SaveOutcome save;
        bool reads;
        int saves;
    };
    const Case cases[] = {
        {"Unchanged", false, MsgAnswer::Ok, SaveOutcome::Saved, true, 0},
        {"Cancel", true, MsgAnswer::Cancel, SaveOutcome::Saved, false, 0},
        {"No", true, MsgAnswer::No, SaveOutcome::Saved, true, 0},
        {"YesSaved", true, MsgAnswer::Yes, SaveOutcome::Saved, true, 1},
        {"YesSaveFails", true, MsgAnswer::Yes, SaveOutcome::Failed, false, 1},
        {"YesSaveCancelled", true, MsgAnswer::Yes, SaveOutcome::Cancelled, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandRig rig;
        if (c.changed) rig.Change();
        ASSERT_EQ(IsDataChanged(rig.d), c.changed);
        rig.saveOutcome = c.save;
        if (c.changed) rig.notes.answers = {c.answer};
        rig.notes.answers.push_back(MsgAnswer::Cancel);  // the read prompt
        rig.main.RunCommand(mainform::ProgramRead);
        EXPECT_EQ(rig.saves, c.saves);
        EXPECT_EQ(rig.port.opens, c.reads ? 1 : 0);
        std::vector<MsgButtons> asked;
        if (c.changed) asked.push_back(MsgButtons::YesNoCancel);
        if (c.reads) asked.push_back(MsgButtons::OkCancel);
        EXPECT_EQ(rig.Buttons(), asked);
        if (c.changed) {
            EXPECT_EQ(rig.notes.shown[0].icon, MsgIcon::Warning);
        }
        EXPECT_FALSE(rig.commands.TransferRunning());
        EXPECT_FALSE(rig.port.IsOpen());
        EXPECT_TRUE(rig.port.sent.empty());
    }
}

// Read and write: the prompt, the progress dialog up until the engine's
// finish, the end message after it has closed.
TEST(RadioCommandFlow, ReadAndWriteRunUnderTheProgressDialog) {
    struct Case {
        const char* name;
        const char* command;
        int failOpens;
        MsgAnswer prompt;
        std::vector<std::string> log;
        bool sends;
    };
    const Case cases[] = {
        {"Read", mainform::ProgramRead, 0, MsgAnswer::Ok, {"open progress", "close progress", "msg 2004"}, true},
        {"ReadPromptCancelled", mainform::ProgramRead, 0, MsgAnswer::Cancel, {}, false},
        {"ReadPortBusy", mainform::ProgramRead, 1, MsgAnswer::Ok, {"msg 2002"}, false},
        {"Write", mainform::ProgramWrite, 0, MsgAnswer::Ok, {"open progress", "close progress", "msg 2005"}, true},
        {"WritePromptCancelled", mainform::ProgramWrite, 0, MsgAnswer::Cancel, {}, false},
        {"WritePortBusy", mainform::ProgramWrite, 1, MsgAnswer::Ok, {"msg 2002"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandRig rig;
        rig.radio.FillPattern(7);
        rig.port.failOpens = c.failOpens;
        rig.notes.answers = {c.prompt};
        const bool write = std::string(c.command) == mainform::ProgramWrite;
        rig.main.RunCommand(c.command);
        if (c.failOpens == 0) {
            ASSERT_EQ(rig.notes.shown.size(), 1u);
            EXPECT_EQ(rig.notes.shown[0].text, LangText(rig.d, write ? rig.d.Msg.MsgWritePrompt : rig.d.Msg.MsgReadPrompt));
            EXPECT_EQ(rig.notes.shown[0].icon, MsgIcon::Question);
        } else {
            EXPECT_TRUE(rig.notes.shown.empty());  // no prompt after text 2002
        }
        ASSERT_TRUE(rig.Finish());
        EXPECT_EQ(rig.log, c.log);
        EXPECT_EQ(!rig.port.sent.empty(), c.sends);
        EXPECT_FALSE(rig.port.IsOpen());
        if (c.sends) {
            // The bar ends at its last value: 100 for a write, the second
            // phase's last for a read; 0 on each ProgramAck.
            ASSERT_FALSE(rig.progress.values.empty());
            EXPECT_EQ(rig.progress.values.front(), 0);
            if (write) {
                EXPECT_EQ(rig.progress.values.back(), 100);
            }
        }
        if (c.sends && !write) {
            EXPECT_EQ(rig.d.DataFilePath, "new.dat");
            EXPECT_FALSE(IsDataChanged(rig.d));
        }
    }
}

TEST(RadioCommandFlow, WriteWithEncoderFailureShowsNoProgress) {
    CommandRig rig;
    rig.d.WorkData.FreDataCount = 1;
    rig.d.FreData[0].No = 1;
    rig.d.FreData[0].Used = 1;
    rig.d.FreData[0].RxFre.Set("4X0.12500");
    rig.main.RunCommand(mainform::ProgramWrite);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.notes.shown.size(), 2u);  // the prompt, then the encoder's message
    EXPECT_FALSE(rig.commands.TransferRunning());
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_TRUE(rig.port.sent.empty());
}

// The information read: no question and no dialog; the window's commands
// locked while it runs; the information view once, after the engine has
// finished.
TEST(RadioInformation, ReadLocksCommandsAndOpensTheViewOnce) {
    CommandRig rig;
    int news = 0;
    rig.main.commands[mainform::FileNew] = [&] { ++news; };
    rig.main.LoadShowTree();
    rig.main.tvTreeView_NodeClick("N9");
    EXPECT_TRUE(rig.commands.TransferRunning());
    EXPECT_TRUE(rig.main.CommandsLocked());
    EXPECT_TRUE(rig.notes.shown.empty());
    rig.main.RunCommand(mainform::FileNew);
    rig.main.tbToolBar_ButtonClick(mainform::ToolRead);
    EXPECT_EQ(news, 0);
    EXPECT_EQ(rig.port.opens, 1);
    EXPECT_FALSE(rig.main.C(mainform::FileNew).enabled);
    EXPECT_FALSE(rig.main.C(mainform::ProgramPassWord).enabled);
    EXPECT_TRUE(rig.main.C(mainform::ViewToolBar).enabled);
    EXPECT_TRUE(rig.main.C(mainform::FileMenu).enabled);
    for (const TabState& t : rig.main.C(mainform::ToolBar).tabs) EXPECT_FALSE(t.enabled) << t.name;
    for (const TreeNode& n : rig.main.TreeNodes()) {
        const bool showsGrid = n.key == "N0" || n.key == "N1" || n.key.rfind("N10", 0) == 0 || n.key == "N3";
        EXPECT_EQ(n.enabled, showsGrid) << n.key;
    }
    ASSERT_TRUE(rig.Finish());
    EXPECT_TRUE(rig.dialogs.empty());  // not from inside the engine
    rig.RunLater();
    EXPECT_EQ(rig.dialogs, std::vector<std::string>{"FrmEMG"});
    EXPECT_TRUE(rig.log.empty());  // no progress dialog, no message
    EXPECT_FALSE(rig.main.CommandsLocked());
    EXPECT_TRUE(rig.main.C(mainform::FileNew).enabled);
    rig.main.RunCommand(mainform::FileNew);
    EXPECT_EQ(news, 1);
}

TEST(RadioInformation, NoRadioEndsWithText2008WithoutRetryPrompt) {
    CommandRig rig;
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    rig.main.RunCommand(mainform::ReadInformation);
    ASSERT_TRUE(rig.Finish());
    rig.RunLater();
    EXPECT_EQ(rig.port.CountSent(BuildProgramCommand()), 3);
    EXPECT_EQ(rig.questions.retryAsked, 0);
    EXPECT_EQ(rig.log, std::vector<std::string>{"msg 2008"});
    EXPECT_TRUE(rig.dialogs.empty());
    EXPECT_FALSE(rig.main.CommandsLocked());
}

// Closing the window during an information read ends it quietly, then the
// save question comes.
TEST(RadioInformation, CloseDuringTheReadStopsItBeforeTheSaveQuestion) {
    CommandRig rig;
    std::vector<std::string> order;
    rig.main.closeSteps.AskSave = [&] {
        order.push_back(rig.commands.TransferRunning() ? "save question, running" : "save question");
        return true;
    };
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};  // it waits for the radio
    rig.main.RunCommand(mainform::ReadInformation);
    rig.loop.RunFor(100);
    ASSERT_TRUE(rig.commands.TransferRunning());
    EXPECT_TRUE(rig.main.QueryClose());
    EXPECT_EQ(order, std::vector<std::string>{"save question"});
    EXPECT_FALSE(rig.port.IsOpen());
    rig.loop.RunFor(2000);
    rig.RunLater();
    EXPECT_TRUE(rig.log.empty());  // no text 2008
    EXPECT_TRUE(rig.dialogs.empty());
    EXPECT_FALSE(rig.main.CommandsLocked());
}

// While locked the grids open no editor and ignore the clipboard keys.
TEST(RadioInformation, LockedGridsOpenNoEditorAndKeepTheClipboard) {
    CommandRig rig;
    rig.main.Form_Load();
    rig.main.LockCommands(true);
    TextGrid& g = rig.main.GridAt(0);
    g.row = 1;
    g.col = 1;
    rig.main.MSFlexGrid1_DblClick(0);
    EXPECT_EQ(rig.main.OpenChannelEditor(), "");
    rig.main.MSFlexGrid1_KeyDown(0, 'C', kCtrlMask);
    EXPECT_FALSE(rig.d.ClipFilled[0]);
    rig.main.LockCommands(false);
    rig.main.MSFlexGrid1_KeyDown(0, 'C', kCtrlMask);
    EXPECT_TRUE(rig.d.ClipFilled[0]);
}

namespace {

// Answers the save question and notes whether a transfer still ran then.
class SaveQuestionProbe : public Notifier {
public:
    explicit SaveQuestionProbe(RadioCommands& c) : commands_(c) {}
    std::vector<bool> runningWhenAsked;
    MsgAnswer Show(const std::string&, MsgIcon, MsgButtons, const std::string&) override {
        runningWhenAsked.push_back(commands_.TransferRunning());
        return MsgAnswer::Cancel;
    }

private:
    RadioCommands& commands_;
};

}  // namespace

// The file commands' save question comes after the information read has
// ended, though they were plugged in after the radio commands here (the
// program plugs them in first).
TEST(RadioInformation, TheSaveQuestionFollowsTheStopWhicheverAttachedFirst) {
    CommandRig rig;
    FileCommands files{rig.d, rig.main};
    files.Attach();
    SaveQuestionProbe probe{rig.commands};
    rig.port.answeringSettings = {{"nowhere", {0, 1}}};
    rig.main.RunCommand(mainform::ReadInformation);
    rig.loop.RunFor(100);
    ASSERT_TRUE(rig.commands.TransferRunning());
    rig.d.Ui.Notify = &probe;
    rig.d.FileData.BandIndex = static_cast<Integer>(rig.d.CurBandIndex + 1);  // the data changed
    EXPECT_FALSE(rig.main.QueryClose());  // Cancel keeps the window open
    EXPECT_EQ(probe.runningWhenAsked, std::vector<bool>{false});
    EXPECT_FALSE(rig.port.IsOpen());
}

// The radio's own dialogs are made by its commands and open over the main
// window; the information view opens once the read has ended.
TEST(RadioDialogs, PortTestDataAndPasswordOpenOverTheMainWindow) {
    CommandRig rig;
    for (const char* menu : {mainform::SetPort, mainform::EditTestData, mainform::ProgramPassWord}) rig.main.RunCommand(menu);
    EXPECT_EQ(rig.dialogs, (std::vector<std::string>{"FrmComSet", "FrmTestData", "FrmPassWord"}));
    rig.main.SetHost(nullptr);  // no window: nothing opens
    rig.main.RunCommand(mainform::SetPort);
    EXPECT_EQ(rig.dialogs.size(), 3u);
}

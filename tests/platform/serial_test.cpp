// The real QSerialPort adapter on a pseudo-terminal against the simulated
// radio. Only end states are asserted here: a pseudo-terminal ignores stop
// bits and flow control, and its timing is the machine's.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "link/image.h"
#include "link/skiplist.h"
#include "link/ports.h"
#include "link/search.h"
#include "link/linkfakes.h"
#include "platform/portlist.h"
#include "platform/serialtransport.h"
#include "core/tempfolder.h"
#include "tools/ptyradio.h"

namespace rp {
namespace {

// Questions answered a little later on the Qt event loop.
class QtQuestions : public QuestionPort {
public:
    std::deque<bool> retry;
    std::deque<std::pair<bool, std::string>> passWords;
    int retryAsked = 0, passWordAsked = 0;
    void AskRetry() override {
        ++retryAsked;
        bool a = false;
        if (!retry.empty()) {
            a = retry.front();
            retry.pop_front();
        }
        QTimer::singleShot(10, [this, a] {
            if (Connected()) Connected()->OnRetryAnswer(a);
        });
    }
    void AskPassWord(const std::string&) override {
        ++passWordAsked;
        std::pair<bool, std::string> a{false, ""};
        if (!passWords.empty()) {
            a = passWords.front();
            passWords.pop_front();
        }
        QTimer::singleShot(10, [this, a] {
            if (Connected()) Connected()->OnPassWordAnswer(a.first, a.second);
        });
    }
};

// Runs the event loop until done() or the limit, sleeping between events as
// the program's own loop does (processEvents with a time limit never sleeps:
// a loop of it spins). The tick wakes the wait to look at the clock.
bool RunUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    QTimer tick;
    tick.start(20);
    while (!done() && t.elapsed() < limitMs) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

struct PtyRig {
    AppData d;
    sim::PtyRadio pty;
    QtSerialTransport port;
    QtReplyTimer timer;
    test::RecordingMessages messages;
    QtQuestions questions;
    test::RecordingProgress progress;
    test::RecordingEvents events;
    test::FixedTexts texts;
    test::RecordingListener view;
    CommEngine engine;

    explicit PtyRig(sim::SimOptions o = {})
        : pty(std::move(o)), engine(d, CommPorts{port, timer, messages, questions, &progress, &events}) {
        test::SetUpLinkData(d, texts);
        d.Ui.View = &view;
    }
    // Opens the line and serves it; the device becomes the chosen port.
    void Up() {
        ASSERT_TRUE(pty.Open()) << pty.Error();
        d.ComDevice = pty.SlavePath();
        pty.Start();
    }
    bool Run(int limitMs = 60000) {
        RunUntil([this] { return !engine.Busy(); }, limitMs);
        pty.Stop();
        return !engine.Busy();
    }
    sim::SimRadio& Radio() { return pty.Radio(); }
};

bool InSkipRange(const AppData& d, long a) { return SkipUnusedAddress(d, a) != a; }

TEST(SerialPty, FullReadMatchesTheRadio) {
    PtyRig rig;
    rig.Radio().FillPattern(21);
    rig.Radio().SetPassWord("");
    const auto memory = rig.Radio().Memory;
    rig.Up();
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    CommBytes preset{};
    ClearCommImage(preset);
    for (long a = 0x0010; a <= 0x3F7F; ++a)
        ASSERT_EQ(rig.d.CommData[a], InSkipRange(rig.d, a) ? preset[a] : memory[a]) << a;
    // Percentages: 0 at the ProgramAck, the first phase ends at 98.
    ASSERT_FALSE(rig.progress.values.empty());
    EXPECT_EQ(rig.progress.values.front(), 0);
    EXPECT_NE(std::find(rig.progress.values.begin(), rig.progress.values.end(), 98), rig.progress.values.end());
    EXPECT_FALSE(rig.port.IsOpen());
    // The pseudo-terminal answers at once: its replies showed it unpaced.
    EXPECT_TRUE(rig.engine.LineUnpaced());
}

TEST(SerialPty, FullWriteChangesOnlyTheSentBlocks) {
    PtyRig rig;
    rig.Radio().FillPattern(22);
    const auto before = rig.Radio().Memory;
    rig.Up();
    ASSERT_TRUE(rig.engine.StartWrite());
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    for (long a = 0; a < 0x4000; ++a) {
        const bool sent = a >= 0x0100 && a <= 0x3F7F && !InSkipRange(rig.d, a);
        ASSERT_EQ(rig.Radio().Memory[a], sent ? rig.d.CommData[a] : before[a]) << a;
    }
    EXPECT_TRUE(rig.Radio().Violations().empty());
    EXPECT_EQ(rig.progress.values.front(), 0);
    EXPECT_EQ(rig.progress.values.back(), 100);
}

TEST(SerialPty, InformationRead) {
    PtyRig rig;
    rig.Radio().FillPattern(23);
    rig.Radio().SetPassWord("");
    rig.Up();
    ASSERT_TRUE(rig.engine.StartInformationRead());
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.events.infoShown, 1);
    EXPECT_TRUE(rig.messages.posted.empty());
    for (long a = 0x0010; a <= 0x00FF; ++a) ASSERT_EQ(rig.d.CommData[a], rig.Radio().Memory[a]);
}

TEST(SerialPty, FactoryReadAndWrite) {
    {
        PtyRig rig;
        rig.d.FactoryTestMode = true;
        rig.Radio().FillPattern(24);
        rig.Radio().SetPassWord("");
        const auto memory = rig.Radio().Memory;
        rig.Up();
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.Run());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
        for (int i = 0; i < 32; ++i) EXPECT_EQ(rig.d.TestDataBuf[i], memory[i]);
    }
    {
        PtyRig rig;
        rig.d.FactoryTestMode = true;
        rig.d.TestDataOrigin = AppData::TestDataSource::Entry;
        for (int i = 0; i < 32; ++i) rig.d.TestDataBuf[i] = static_cast<Byte>(0xC0 + i);
        rig.Radio().FillPattern(25);
        const auto before = rig.Radio().Memory;
        rig.Up();
        ASSERT_TRUE(rig.engine.StartWrite());
        ASSERT_TRUE(rig.Run());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(rig.Radio().Memory[i], (i >= 2 && i <= 16) ? 0xC0 + i : before[i]) << i;
        EXPECT_TRUE(rig.Radio().Violations().empty());
        EXPECT_EQ(rig.Radio().EntryWords(), 1);
    }
}

TEST(SerialPty, PassWordCases) {
    struct Case {
        std::string radio;
        std::string entered;
        std::vector<std::pair<bool, std::string>> answers;
        CommMsg text;
        int asked;
    } cases[] = {
        {"", "x", {}, CommMsg::ReadOK, 0},
        {"pw12", "", {{true, "pw12"}}, CommMsg::ReadOK, 1},
        {"pw12", "", {{true, "PW12"}}, CommMsg::ReadFailed, 1},
        {"pw12", "", {{false, "pw12"}}, CommMsg::ReadFailed, 1},
    };
    for (const auto& c : cases) {
        sim::SimOptions o;
        o.PassWord = c.radio;
        PtyRig rig(o);
        rig.d.InputPassWord = c.entered;
        rig.questions.passWords.assign(c.answers.begin(), c.answers.end());
        rig.Up();
        ASSERT_TRUE(rig.engine.StartRead());
        ASSERT_TRUE(rig.Run());
        EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{c.text}) << c.radio << "/" << c.entered;
        EXPECT_EQ(rig.questions.passWordAsked, c.asked);
    }
}

TEST(SerialPty, DroppedReplyAndRetryAfterSilence) {
    sim::SimOptions o;
    o.DropReply = 30;
    PtyRig rig(o);
    rig.Up();
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_EQ(rig.questions.retryAsked, 0);
}

TEST(SerialPty, HangUpMidTransferFails) {
    sim::SimOptions o;
    o.HangUpAfter = 40;
    PtyRig rig(o);
    const auto before = rig.d.WorkData;
    rig.Up();
    ASSERT_TRUE(rig.engine.StartRead());
    ASSERT_TRUE(rig.Run());
    EXPECT_EQ(rig.messages.Keys(), (std::vector<CommMsg>{CommMsg::PortError, CommMsg::ReadFailed}));
    EXPECT_EQ(rig.messages.posted[0].AddedLine, rig.d.ComDevice + ": the device was lost");
    EXPECT_EQ(rig.questions.retryAsked, 0);
    EXPECT_TRUE(rig.d.WorkData == before);
    EXPECT_FALSE(rig.port.IsOpen());
}

// A lone 06 after every fifth reply (and, in one write, a 0x0A for every
// fiftieth write frame) on a line paced at 9600 baud both ways: the stray
// byte arrives after the next frame has gone out and must not pass for its
// reply. The pseudo-terminal stands in for a paced line (a serial bridge
// with the radio at its far end); the radio paces itself, and the adapter
// is told nothing: the engine judges the pace from the replies.
TEST(SerialPaced, StrayAckNeverFakesAReply) {
    struct Case {
        const char* name;
        long mode;
        int refuseEvery;
    } cases[] = {{"Read", CommModeRead, 0}, {"Write", CommModeWrite, 0}, {"WriteRefused", CommModeWrite, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimOptions o;
        o.Paced = true;
        o.StrayAckEvery = 5;
        o.ResendEvery = c.refuseEvery;
        PtyRig rig(o);
        rig.Radio().LogEnabled = false;
        const auto before = rig.Radio().Memory;
        rig.Up();
        ASSERT_TRUE(c.mode == CommModeRead ? rig.engine.StartRead() : rig.engine.StartWrite());
        ASSERT_TRUE(rig.Run(180000));
        EXPECT_FALSE(rig.engine.LineUnpaced());
        ASSERT_EQ(rig.events.ended.size(), 1u);
        // Never a false success: a success means the memories agree.
        ASSERT_TRUE(rig.events.ended[0].Ok) << static_cast<int>(rig.events.ended[0].Reason);
        EXPECT_EQ(rig.messages.Keys(),
                  std::vector<CommMsg>{c.mode == CommModeRead ? CommMsg::ReadOK : CommMsg::WriteOK});
        for (long a = 0x0010; a <= 0x3F7F; ++a) {
            if (c.mode == CommModeRead && !InSkipRange(rig.d, a)) {
                ASSERT_EQ(rig.d.CommData[a], before[a]) << a;
            }
            if (c.mode == CommModeWrite && a >= 0x0100 && !InSkipRange(rig.d, a)) {
                ASSERT_EQ(rig.Radio().Memory[a], rig.d.CommData[a]) << a;
            }
        }
    }
}

TEST(SerialPty, MissingDeviceGivesPortText) {
    PtyRig rig;
    rig.d.ComDevice = "/dev/no-such-serial-device";
    EXPECT_FALSE(rig.engine.StartRead());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::PortError});
    EXPECT_EQ(rig.messages.posted[0].AddedLine, "/dev/no-such-serial-device: No such file or directory");
    EXPECT_EQ(rig.engine.CommMode(), 0);
}

// A USB adapter chosen by its stable name and not plugged in at start-up:
// the name stays saved, and the transfer says that device is not there.
TEST(SerialPty, ASavedDeviceMissingAtStartUpIsNamedByTheTransfer) {
    PtyRig rig;
    test::TempFolder t;
    rig.d.AppFolder = t / "app";
    rig.d.UserConfigDir = t / "user";
    std::filesystem::create_directories(t / "app/language");
    std::filesystem::create_directories(t / "by-id");
    const std::string device = t / "by-id/usb-Not_Plugged_In-if00-port0";
    ASSERT_TRUE(WriteSetting(rig.d, "comDevice", device));
    QtPortListProvider provider(t / "by-id");
    CheckComPortAtStartup(rig.d, provider, LoadSettings(rig.d));
    EXPECT_EQ(LoadSettings(rig.d).comDevice, device);
    EXPECT_FALSE(rig.engine.StartRead());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::PortError});
    EXPECT_EQ(rig.messages.posted[0].AddedLine, device + ": No such file or directory");
}

TEST(SerialPty, ATakenPortGivesThePortTextAndWhy) {
    PtyRig rig;
    rig.Up();
    QtSerialTransport holder;
    PortSettings s;
    s.Device = rig.d.ComDevice;
    ASSERT_EQ(holder.Open(s), OpenResult::Ok);
    EXPECT_FALSE(rig.engine.StartRead());
    EXPECT_EQ(rig.messages.Keys(), std::vector<CommMsg>{CommMsg::PortError});
    EXPECT_EQ(rig.messages.posted[0].AddedLine.rfind(rig.d.ComDevice + ": ", 0), 0u);
    EXPECT_EQ(rig.engine.CommMode(), 0);
    rig.pty.Stop();
}

// The link's own view of the port: bytes and losses as they come.
class RecordingLink : public LinkEvents {
public:
    Bytes received;
    int lost = 0;
    void OnBytesReceived(ByteView b) override { received.insert(received.end(), b.begin(), b.end()); }
    void OnReplyTimeout() override {}
    void OnPortLost() override { ++lost; }
};

bool Pump(const std::function<bool()>& done, int limitMs = 20000) { return RunUntil(done, limitMs); }

TEST(SerialPty, SettingsAPseudoTerminalIgnoresKeepThePortUp) {
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    pty.Start();
    QtSerialTransport port;
    RecordingLink link;
    port.Connect(&link);
    for (int stop : {1, 2}) {
        for (int hs = 0; hs <= 3; ++hs) {
            PortSettings s;
            s.Device = pty.SlavePath();
            s.Handshaking = hs;
            s.StopBits = stop;
            ASSERT_EQ(port.Open(s), OpenResult::Ok) << hs << "/" << stop;
            link.received.clear();
            port.ClearInput();
            ASSERT_TRUE(port.Write(BuildProgramCommand()));
            EXPECT_TRUE(Pump([&] { return link.received.size() >= 3 || link.lost > 0; })) << hs << "/" << stop;
            EXPECT_EQ(link.received, (Bytes{'R', 'Z', 0x06})) << hs << "/" << stop;
            EXPECT_EQ(link.lost, 0);
            EXPECT_TRUE(port.IsOpen());
        }
    }
    port.Close();
    pty.Stop();
}

// A send that empties the receive buffer while a reply already waits in it (a
// question answered, say, in the same event-loop turn as late bytes) leaves
// QSerialPort reading nothing; that is no lost port, and reading goes on.
TEST(SerialPty, BytesEmptiedBeforeTheyAreReadAreNoLostPort) {
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    pty.Start();
    QtSerialTransport port;
    RecordingLink link;
    port.Connect(&link);
    PortSettings s;
    s.Device = pty.SlavePath();
    ASSERT_EQ(port.Open(s), OpenResult::Ok);
    ASSERT_TRUE(port.Write(BuildProgramCommand()));
    ASSERT_TRUE(Pump([&] { return link.received.size() >= 3; }));

    // The next reply is left waiting on the line, unread.
    const Bytes program = BuildProgramCommand();
    ASSERT_TRUE(port.Write(program));
    QCoreApplication::processEvents();  // lets the bytes go out
    for (int i = 0; i < 500 && pty.BytesOut() < 6; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (pty.BytesIn() < 14) QCoreApplication::processEvents();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QMetaObject::invokeMethod(
        &port,
        [&] {
            port.ClearInput();
            port.Write(program);
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(Pump([&] { return link.received.size() >= 6 || link.lost > 0; }));
    EXPECT_EQ(link.lost, 0);
    ASSERT_TRUE(port.IsOpen());

    const std::size_t before = link.received.size();
    port.ClearInput();
    ASSERT_TRUE(port.Write(program));
    EXPECT_TRUE(Pump([&] { return link.received.size() >= before + 3 || link.lost > 0; }));
    EXPECT_EQ(link.lost, 0);
    port.Close();
    pty.Stop();
}

// A bare pseudo-terminal pair with nobody serving the far end: the test
// reads what the adapter sent, or hangs the line up, by hand.
struct BareLine {
    int master = -1;
    std::string slave;
    BareLine() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        if (const char* name = ptsname(master)) slave = name;
        termios t{};
        if (tcgetattr(master, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(master, TCSANOW, &t);
        }
    }
    ~BareLine() { HangUp(); }
    void HangUp() {
        if (master >= 0) close(master);
        master = -1;
    }
    // Everything the line holds now, without waiting.
    Bytes Drain() {
        Bytes got;
        Byte buf[4096];
        ssize_t n = 0;
        while ((n = read(master, buf, sizeof buf)) > 0) got.insert(got.end(), buf, buf + n);
        return got;
    }
};

// A frame is on the line when Write returns, not a pass of the event loop
// later: the next frame leaves in the same pass that read the reply.
TEST(SerialLine, AFrameIsOnTheLineWhenWriteReturns) {
    BareLine line;
    ASSERT_FALSE(line.slave.empty());
    QtSerialTransport port;
    PortSettings s;
    s.Device = line.slave;
    ASSERT_EQ(port.Open(s), OpenResult::Ok);
    line.Drain();
    for (const Bytes& frame : {BuildProgramCommand(), BuildReadRequest(0x0040), BuildEndCommand()}) {
        ASSERT_TRUE(port.Write(frame));
        EXPECT_EQ(line.Drain(), frame);
    }
    port.Close();
}

// What the line cannot take at once waits in the adapter and follows in
// order, ahead of anything written after it.
TEST(SerialLine, WhatTheLineCannotTakeFollowsInOrder) {
    BareLine line;
    ASSERT_FALSE(line.slave.empty());
    QtSerialTransport port;
    PortSettings s;
    s.Device = line.slave;
    ASSERT_EQ(port.Open(s), OpenResult::Ok);
    line.Drain();
    Bytes big(1 << 20);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<Byte>(i * 7 + i / 251);
    const Bytes next = BuildEndCommand();
    ASSERT_TRUE(port.Write(big));
    Bytes got = line.Drain();
    EXPECT_GT(got.size(), 0u);          // part went at once
    ASSERT_LT(got.size(), big.size());  // the rest waits
    ASSERT_TRUE(port.Write(next));
    Bytes expected = big;
    expected.insert(expected.end(), next.begin(), next.end());
    EXPECT_TRUE(Pump([&] {
        const Bytes more = line.Drain();
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= expected.size();
    }));
    EXPECT_TRUE(got == expected);
    EXPECT_TRUE(port.IsOpen());
    port.Close();
}

// A write the line refuses is a failed port, said at once; a line that hung
// up leaves the words to the engine ("the device was lost"). Nothing is
// delivered from inside the call.
TEST(SerialLine, AWriteToAHungUpLineFails) {
    BareLine line;
    ASSERT_FALSE(line.slave.empty());
    QtSerialTransport port;
    RecordingLink link;
    port.Connect(&link);
    PortSettings s;
    s.Device = line.slave;
    ASSERT_EQ(port.Open(s), OpenResult::Ok);
    line.HangUp();
    EXPECT_FALSE(port.Write(BuildProgramCommand()));
    EXPECT_EQ(port.FailureReason(), "");
    EXPECT_EQ(link.lost, 0);
    EXPECT_TRUE(link.received.empty());
    port.Close();
}

// Only our own access check's EACCES adds the group hint; a missing device
// is a plain failure.
TEST(SerialAccess, OnlyARefusalIsAccessDenied) {
    test::TempFolder t;
    const std::string open = t / "open";
    const std::string shut = t / "shut";
    test::WriteFile(open, "x");
    test::WriteFile(shut, "x");
    ASSERT_EQ(chmod(shut.c_str(), 0), 0);
    EXPECT_EQ(CheckDeviceAccess(""), OpenResult::Failed);
    EXPECT_EQ(CheckDeviceAccess(t / "missing"), OpenResult::Failed);
    EXPECT_EQ(CheckDeviceAccess(open), OpenResult::Ok);
    if (geteuid() != 0) {
        EXPECT_EQ(CheckDeviceAccess(shut), OpenResult::AccessDenied);
        return;
    }
    // As root every file is open to us: ask as an unprivileged user.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
        _exit(static_cast<int>(CheckDeviceAccess(shut)));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(OpenResult::AccessDenied));
}

TEST(SerialPty, PortListKeepsASavedPseudoTerminal) {
    PtyRig rig;
    rig.Up();
    QtPortListProvider provider;
    std::vector<std::string> list;
    FillComPortList(provider, rig.d.ComDevice, list);
    EXPECT_NE(std::find(list.begin(), list.end(), rig.d.ComDevice), list.end());
    EXPECT_TRUE(IsComPortPresent(provider, rig.d.ComDevice));
    rig.pty.Stop();
}

TEST(SerialPortList, ADeviceIsShownByItsStableName) {
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    test::TempFolder byId;
    const std::string link = byId / "usb-Test_Cable_0001-if00-port0";
    ASSERT_EQ(symlink(pty.SlavePath().c_str(), link.c_str()), 0);
    ASSERT_EQ(symlink("/dev/no-such-serial-device", (byId / "usb-Gone-if00").c_str()), 0);
    QtPortListProvider provider(byId.path());
    EXPECT_EQ(provider.ShownName(pty.SlavePath()), link);
    EXPECT_EQ(provider.ShownName("/dev/null"), "/dev/null");  // no link: its own path
    EXPECT_EQ(provider.ShownName("/dev/no-such-serial-device"), "/dev/no-such-serial-device");
    EXPECT_TRUE(provider.Exists(link));
    EXPECT_FALSE(provider.Exists(byId / "usb-Gone-if00"));  // a dangling link
}

}  // namespace
}  // namespace rp

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

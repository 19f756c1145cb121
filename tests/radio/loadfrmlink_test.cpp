// The link-test window without widgets, over a scripted port and timer: the
// port it opens, the acknowledgement that starts the close, the messages.
#include "radio/loadfrmlink.h"

#include "core/settings.h"
#include "link/protocol.h"
#include "radio/radiofixture.h"

namespace rp {
namespace {

using test::RadioFormTest;

class ScriptPort : public Transport {
public:
    std::vector<PortSettings> opened;
    std::vector<Bytes> written;
    bool open = false;
    bool refuse = false;
    OpenResult Open(const PortSettings& s) override {
        opened.push_back(s);
        if (refuse) return OpenResult::Failed;
        open = true;
        return OpenResult::Ok;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    void ClearInput() override {}
    bool Write(ByteView b) override {
        written.emplace_back(b.begin(), b.end());
        return open;
    }
    double ByteTimeMs() const override { return 0; }
    void Receive(const Bytes& b) { Connected()->OnBytesReceived(b); }
};

class ScriptTimer : public ReplyTimer {
public:
    bool running = false;
    void Start(int) override { running = true; }
    void Stop() override { running = false; }
    double NowMs() const override { return 0; }
    void Fire() {
        running = false;
        Connected()->OnReplyTimeout();
    }
};

class Messages : public MessagePort {
public:
    std::vector<CommMessage> posted;
    void Post(const CommMessage& m) override { posted.push_back(m); }
};

class LinkWindow : public RadioFormTest {
protected:
    ScriptPort port;
    ScriptTimer timer;
    Messages messages;
    std::unique_ptr<LoadFrmLink> form;
    LoadFrmLink& Open() {
        form = std::make_unique<LoadFrmLink>(d, ports, port, timer, messages);
        form->Form_Load();
        return *form;
    }
};

TEST_F(LinkWindow, LoadShowsTheInstructionsAndTakesTheListedPort) {
    ports.Add("/dev/ttyS1");
    ports.Add("/dev/ttyUSB0");
    d.ComDevice = "/dev/ttyUSB0";
    LoadFrmLink& f = Open();
    EXPECT_EQ(f.State().caption, "Initial Setup");
    EXPECT_EQ(f.C(linktest::Prompt).text, "Com Port");
    EXPECT_EQ(f.C(linktest::OK).text, "&OK");
    EXPECT_EQ(f.C(linktest::Cancel).text, "&Cancel");
    const std::string t = f.C(linktest::Instructions).text;
    EXPECT_EQ(t, GetLanguageMsgString(d, "9014") + "\n\n" + GetLanguageMsgString(d, "9010") + "\n" +
                     GetLanguageMsgString(d, "9011") + "\n" + GetLanguageMsgString(d, "9012") + "\n" +
                     GetLanguageMsgString(d, "9013"));
    EXPECT_FALSE(GetLanguageMsgString(d, "9013").empty());
    EXPECT_EQ(f.C(linktest::PortList).SelectedItem(), "/dev/ttyUSB0");
    EXPECT_TRUE(f.C(linktest::RescanTimer).enabled);

    // The chosen port goes when unplugged: the first one is taken.
    ports.ports.pop_back();
    f.Timer(linktest::RescanTimer);
    EXPECT_EQ(d.ComDevice, "/dev/ttyS1");
    EXPECT_EQ(d.ComPortNumber, 2);
    ports.ports.clear();
    f.Timer(linktest::RescanTimer);
    EXPECT_EQ(d.ComDevice, "");
    EXPECT_EQ(d.ComPortNumber, 0);
}

TEST_F(LinkWindow, AnAcknowledgementStartsTheCloseAndNoEndIsSent) {
    ports.Add("/dev/ttyUSB0");
    d.FirstRunFlag = true;
    LoadFrmLink& f = Open();
    f.Click(linktest::OK);
    ASSERT_EQ(port.opened.size(), 1u);
    EXPECT_EQ(port.opened[0].Device, "/dev/ttyUSB0");
    EXPECT_EQ(port.opened[0].BaudRate, 9600);
    EXPECT_EQ(LoadSettings(d).comDevice, "/dev/ttyUSB0");  // stored as the port dialog does
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(port.written[0], BuildProgramCommand());
    EXPECT_TRUE(timer.running);

    port.Receive({'R'});
    EXPECT_FALSE(f.C(linktest::CloseTimer).enabled);
    port.Receive({'Z', AckByte, 0x55});  // bytes after the third are not looked at
    EXPECT_TRUE(f.C(linktest::CloseTimer).enabled);
    EXPECT_EQ(f.C(linktest::CloseTimer).max, 100);
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(d.FirstRunFlag);
    EXPECT_FALSE(f.unloadRequested);

    f.Timer(linktest::CloseTimer);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_FALSE(port.open);
    EXPECT_EQ(port.written.size(), 1u);  // no END
    EXPECT_TRUE(messages.posted.empty());
}

TEST_F(LinkWindow, NoAnswerIsACommunicationErrorAndTheWindowStays) {
    ports.Add("/dev/ttyUSB0");
    LoadFrmLink& f = Open();
    f.Click(linktest::OK);
    timer.Fire();
    ASSERT_EQ(messages.posted.size(), 1u);
    EXPECT_EQ(CommMessageText(d, messages.posted[0]), "Communication Error!");
    EXPECT_FALSE(f.unloadRequested);
    EXPECT_TRUE(port.open);
    // An answer under the open message is dropped; OK again tries again.
    f.MessageOpen = true;
    port.Receive({'R', 'Z', AckByte});
    EXPECT_FALSE(f.C(linktest::CloseTimer).enabled);
    f.MessageOpen = false;
    f.Click(linktest::OK);
    EXPECT_EQ(port.written.size(), 2u);
    port.Receive({'R', 'Z', AckByte});
    EXPECT_TRUE(f.C(linktest::CloseTimer).enabled);
}

TEST_F(LinkWindow, NoPortOrARefusedOneCannotBeOpened) {
    LoadFrmLink& f = Open();  // no port listed
    EXPECT_EQ(f.C(linktest::PortList).index, -1);
    f.Click(linktest::OK);
    ASSERT_EQ(messages.posted.size(), 1u);
    EXPECT_EQ(CommMessageText(d, messages.posted[0]), "Cannot Open Communication Port.");
    EXPECT_EQ(messages.posted[0].Icon, MsgIcon::Critical);
    EXPECT_TRUE(port.written.empty());

    ports.Add("/dev/ttyUSB0");
    port.refuse = true;
    LoadFrmLink& g = Open();
    g.Click(linktest::OK);
    EXPECT_EQ(messages.posted.size(), 2u);
    EXPECT_FALSE(g.unloadRequested);
}

TEST_F(LinkWindow, CancelAndTheCloseBoxCloseThePort) {
    ports.Add("/dev/ttyUSB0");
    LoadFrmLink& f = Open();
    f.Click(linktest::OK);
    ASSERT_TRUE(port.open);
    f.Click(linktest::Cancel);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_FALSE(port.open);
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(f.C(linktest::RescanTimer).enabled);

    LoadFrmLink& g = Open();
    g.Click(linktest::OK);
    EXPECT_TRUE(g.QueryUnload());
    EXPECT_FALSE(port.open);
}

}  // namespace
}  // namespace rp

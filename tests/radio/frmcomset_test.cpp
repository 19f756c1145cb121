// The port dialog without widgets: the list, its rescan and what OK and
// Cancel store.
#include "radio/frmcomset.h"

#include "core/settings.h"
#include "radio/radiofixture.h"
#include "tools/ptyradio.h"

namespace rp {
namespace {

using test::RadioFormTest;

constexpr const char* kUsbA = "/dev/serial/by-id/usb-A-if00";
constexpr const char* kUsbB = "/dev/serial/by-id/usb-B-if00";

class ComSet : public RadioFormTest {
protected:
    std::unique_ptr<FrmComSet> form;
    FrmComSet& Open() {
        form = std::make_unique<FrmComSet>(d, ports);
        form->Form_Load();
        return *form;
    }
    const ControlState& List() { return form->C(comset::PortList); }
    void Pick(int index) {
        ControlState& c = form->C(comset::PortList);
        c.index = index;
        c.text = c.items[static_cast<std::size_t>(index)];
        form->Click(comset::PortList);
    }
    // The user types into the list.
    void Type(const std::string& text) {
        form->C(comset::PortList).text = text;
        form->Change(comset::PortList);
    }
};

TEST_F(ComSet, LoadShowsTextsAndChoosesTheSavedDeviceElseTheFirst) {
    struct Case {
        const char* saved;
        std::vector<std::string> existing;
        std::vector<std::string> items;
        const char* chosen;
    } cases[] = {
        {kUsbB, {}, {kUsbA, kUsbB, "/dev/ttyS0"}, kUsbB},
        {"/dev/ttyUSB7", {}, {kUsbA, kUsbB, "/dev/ttyS0"}, kUsbA},  // not listed: the first
        {"/dev/pts/4", {"/dev/pts/4"}, {kUsbA, kUsbB, "/dev/ttyS0", "/dev/pts/4"}, "/dev/pts/4"},  // saved, not enumerated
        {"/dev/ttyUSB1", {}, {kUsbA, kUsbB, "/dev/ttyS0"}, kUsbB},  // saved by its device path
    };
    ports.ports = {{kUsbA, "/dev/ttyUSB0"}, {kUsbB, "/dev/ttyUSB1"}, {"/dev/ttyS0", "/dev/ttyS0"}};
    for (const auto& c : cases) {
        d.ComDevice = c.saved;
        ports.existing = {c.existing.begin(), c.existing.end()};
        FrmComSet& f = Open();
        EXPECT_EQ(List().items, c.items) << c.saved;
        EXPECT_EQ(List().SelectedItem(), c.chosen) << c.saved;
        EXPECT_EQ(f.PortID, c.chosen) << c.saved;
        EXPECT_TRUE(f.C(comset::RescanTimer).enabled);
        EXPECT_EQ(f.C(comset::RescanTimer).max, 1000);
    }
    EXPECT_EQ(form->State().caption, "COM Port Setting");
    EXPECT_EQ(form->C(comset::Prompt).text, "COM Port:");
    EXPECT_EQ(form->C(kOKButton).text, GetLanguageString(d, 101));
    EXPECT_EQ(form->C(kCancelButton).text, GetLanguageString(d, 102));
}

TEST_F(ComSet, RescanAddsDevicesKeepsTheChoiceAndFallsBackToTheFirst) {
    ports.Add(kUsbA);
    ports.Add(kUsbB);
    d.ComDevice = kUsbA;
    FrmComSet& f = Open();
    Pick(1);
    EXPECT_EQ(f.PortID, kUsbB);

    ports.Add("/dev/ttyUSB3");  // plugged in
    f.Timer(comset::RescanTimer);
    EXPECT_EQ(List().items.size(), 3u);
    EXPECT_EQ(List().SelectedItem(), kUsbB);

    ports.ports.erase(ports.ports.begin() + 1);  // the chosen one unplugged
    f.Timer(comset::RescanTimer);
    EXPECT_EQ(List().items, (std::vector<std::string>{kUsbA, "/dev/ttyUSB3"}));
    EXPECT_EQ(List().SelectedItem(), kUsbA);
    EXPECT_EQ(f.PortID, kUsbA);

    ports.ports.clear();
    f.Timer(comset::RescanTimer);
    EXPECT_TRUE(List().items.empty());
    EXPECT_EQ(List().index, -1);
    EXPECT_EQ(f.PortID, "");

    // While the list is dropped down nothing is rebuilt.
    ports.Add(kUsbA);
    bool dropped = true;
    f.ListDroppedDown = [&] { return dropped; };
    f.Timer(comset::RescanTimer);
    EXPECT_TRUE(List().items.empty());
    dropped = false;
    f.Timer(comset::RescanTimer);
    EXPECT_EQ(List().SelectedItem(), kUsbA);
}

TEST_F(ComSet, OkStoresTheChosenDevice) {
    LoadSettings(d);  // the settings file as start-up leaves it
    ports.Add(kUsbA);
    ports.Add("/dev/ttyS2");
    d.ComDevice = kUsbA;
    d.ComPortNumber = 5;
    FrmComSet& f = Open();
    Pick(1);
    f.Click(kOKButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_FALSE(f.C(comset::RescanTimer).enabled);
    EXPECT_EQ(d.ComDevice, "/dev/ttyS2");
    EXPECT_EQ(d.ComPortNumber, 3);
    const Settings s = LoadSettings(d);
    EXPECT_EQ(s.comDevice, "/dev/ttyS2");
    EXPECT_EQ(s.comPort, 3);
}

TEST_F(ComSet, NothingChosenOrCancelLeavesTheSettingsFileAsItWas) {
    LoadSettings(d);
    d.ComDevice = "/dev/ttyUSB9";  // gone since start-up
    d.ComPortNumber = 4;
    const auto before = Files();

    FrmComSet& f = Open();
    EXPECT_EQ(f.PortID, "");
    f.Click(kOKButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.ComDevice, "");
    EXPECT_EQ(d.ComPortNumber, 0);
    EXPECT_EQ(Files(), before);

    ports.Add(kUsbA);
    ports.Add(kUsbB);
    d.ComDevice = kUsbA;
    FrmComSet& g = Open();
    Pick(1);
    g.Click(kCancelButton);
    EXPECT_TRUE(g.unloadRequested);
    EXPECT_EQ(d.ComDevice, kUsbA);
    EXPECT_EQ(Files(), before);
}

TEST_F(ComSet, ATypedPathMustBeATerminalDeviceElseNothingChanges) {
    LoadSettings(d);
    ports.ports = {{kUsbA, "/dev/ttyUSB0"}};
    d.ComDevice = kUsbA;
    test::WriteFile(tmp / "data.dat", "not a port");
    struct Case {
        const char* name;
        std::string typed;
        int language;
        std::string message;
    } cases[] = {
        {"File", tmp / "data.dat", LangEnglish, tmp / "data.dat: not a serial (terminal) device"},
        {"Missing", tmp / "missing", LangEnglish, tmp / "missing: No such file or directory"},
        {"NoTerminal", "/dev/null", LangEnglish, "/dev/null: not a serial (terminal) device"},
        {"Chinese", tmp / "data.dat", LangChinese, tmp / "data.dat: 不是串口（终端）设备"},
        {"ChineseMissing", "/dev/foo", LangChinese, "/dev/foo: 没有那个文件或目录"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLanguageIndex(d, c.language);
        const auto before = Files();
        notes.shown.clear();
        FrmComSet& f = Open();
        f.State().focus.clear();
        Type(c.typed);
        f.Click(kOKButton);
        ASSERT_EQ(notes.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
        EXPECT_FALSE(f.unloadRequested);  // open, the path there to mend
        EXPECT_TRUE(f.C(comset::RescanTimer).enabled);
        EXPECT_EQ(List().text, c.typed);
        EXPECT_EQ(f.State().focus, comset::PortList);
        EXPECT_EQ(d.ComDevice, kUsbA);
        EXPECT_EQ(Files(), before);
    }
}

TEST_F(ComSet, ATypedTerminalDeviceIsSavedAndOfferedAgain) {
    LoadSettings(d);
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    ports.ports = {{kUsbA, "/dev/ttyUSB0"}};
    d.ComDevice = kUsbA;
    d.ComPortNumber = 2;

    FrmComSet& f = Open();
    Type(" " + pty.SlavePath() + " ");
    f.Click(kOKButton);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.ComDevice, pty.SlavePath());
    EXPECT_EQ(d.ComPortNumber, 2);
    EXPECT_EQ(LoadSettings(d).comDevice, pty.SlavePath());

    // Next time it is the last entry, chosen; the system's ports before it.
    ports.existing = {pty.SlavePath()};
    FrmComSet& g = Open();
    EXPECT_EQ(List().items, (std::vector<std::string>{kUsbA, pty.SlavePath()}));
    EXPECT_EQ(List().text, pty.SlavePath());
    EXPECT_EQ(g.PortID, pty.SlavePath());

    // A listed port typed by its device path is that entry, as picked.
    Type("/dev/ttyUSB0");
    g.Click(kOKButton);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.ComDevice, kUsbA);

    // The text erased: nothing chosen, the settings file untouched.
    const auto before = Files();
    FrmComSet& h = Open();
    Type("");
    h.Click(kOKButton);
    EXPECT_TRUE(h.unloadRequested);
    EXPECT_EQ(d.ComDevice, "");
    EXPECT_EQ(Files(), before);
}

TEST_F(ComSet, RescanKeepsATypedPathAndFollowsAPickedOne) {
    ports.Add(kUsbA);
    FrmComSet& f = Open();
    Type("/dev/rfcomm0");
    ports.Add(kUsbB);
    f.Timer(comset::RescanTimer);
    EXPECT_EQ(List().items, (std::vector<std::string>{kUsbA, kUsbB}));
    EXPECT_EQ(List().text, "/dev/rfcomm0");
    ports.ports.clear();
    f.Timer(comset::RescanTimer);
    EXPECT_TRUE(List().items.empty());
    EXPECT_EQ(List().text, "/dev/rfcomm0");

    ports.Add(kUsbA);
    FrmComSet& g = Open();
    ports.ports.clear();  // the chosen port unplugged: its name goes too
    g.Timer(comset::RescanTimer);
    EXPECT_EQ(List().text, "");
    EXPECT_EQ(g.PortID, "");
}

}  // namespace
}  // namespace rp

// The port dialog and the test-data dialog on real widgets (offscreen),
// opened through their openers as the main window opens them.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/settings.h"
#include "forms/mainwindowcalls.h"
#include "radio/frmcomset.h"
#include "radio/frmtestdata.h"
#include "radio/loadfrmlink.h"
#include "radio/qt/openers.h"
#include "radio/radiofixture.h"
#include "shellchecktest.h"
#include "tools/ptyradio.h"
#include "screenshots.h"

namespace rp {
namespace {

constexpr const char* kUsbA = "/dev/serial/by-id/usb-A-if00";
constexpr const char* kUsbB = "/dev/serial/by-id/usb-B-if00";

class RadioDialog : public test::RadioFormTest {
protected:
    DialogOpeners openers;
    QPointer<QDialog> dlg;
    bool closed = false;

    void SetUp() override {
        RadioFormTest::SetUp();
        RegisterRadioDialogs(openers);
    }
    void TearDown() override {
        openers.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The form of dialog `name`, as the radio commands make it.
    std::unique_ptr<Form> MakeForm(const std::string& name) {
        if (name == "FrmComSet") return std::make_unique<FrmComSet>(d, ports);
        if (name == "FrmTestData") return std::make_unique<FrmTestData>(d);
        return std::make_unique<Form>(name);
    }
    FormDialog* Open(const std::string& name) {
        closed = false;
        dlg = openers.Open(MakeForm(name), nullptr, [this] { closed = true; });
        EXPECT_TRUE(dlg) << name;
        if (!dlg) return nullptr;
        QApplication::setActiveWindow(dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        return qobject_cast<FormDialog*>(dlg.data());
    }
    template <class W>
    W* Get(const char* name) {
        W* w = dlg->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* button) { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    std::string Focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : "";
    }
    void Screenshot(const QString& name) {
        QApplication::processEvents();
        EXPECT_TRUE(test::SaveScreenshot(*dlg, name));
    }
};

// ---- the port dialog ----

class PortDialog : public RadioDialog {
protected:
    QComboBox* list = nullptr;
    FormDialog* OpenPorts() {
        FormDialog* f = Open("FrmComSet");
        list = Get<QComboBox>(comset::PortList);
        return f;
    }
    QStringList Items() {
        QStringList s;
        for (int i = 0; i < list->count(); ++i) s << list->itemText(i);
        return s;
    }
    // One tick of the rescan, as its timer gives it.
    void Rescan() {
        auto* f = qobject_cast<FormDialog*>(dlg.data());
        f->binder()->Run([f] { f->form().Timer(comset::RescanTimer); });
    }
    // The user's pick.
    void Pick(int i) {
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
};

TEST_F(PortDialog, ADeviceAddedIsListedAtTheNextRescanAndTheChoiceKept) {
    ports.Add(kUsbA);
    ports.Add(kUsbB);
    d.ComDevice = kUsbA;
    OpenPorts();
    EXPECT_EQ(dlg->windowTitle(), "COM Port Setting");
    EXPECT_EQ(Get<QLabel>(comset::Prompt)->text(), "COM Port:");
    EXPECT_EQ(list->currentText().toStdString(), kUsbA);
    Screenshot("FrmComSet");
    Pick(1);
    int changes = 0;
    QObject::connect(list, &QComboBox::currentIndexChanged, [&] { ++changes; });

    // The timer itself rescans about once a second.
    ports.Add("/dev/ttyUSB5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->count() == 3; }, 5000));
    EXPECT_EQ(list->currentText().toStdString(), kUsbB);
    EXPECT_EQ(changes, 0);  // the rebuild is not a choice

    // No rebuild while the list is dropped down.
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    ports.Add("/dev/ttyUSB6");
    Rescan();
    EXPECT_EQ(list->count(), 3);
    list->hidePopup();
    Rescan();
    EXPECT_EQ(list->count(), 4);

    // The chosen device unplugged: the first is chosen.
    ports.ports.erase(ports.ports.begin() + 1);
    Rescan();
    EXPECT_EQ(Items(), (QStringList{kUsbA, "/dev/ttyUSB5", "/dev/ttyUSB6"}));
    EXPECT_EQ(list->currentText().toStdString(), kUsbA);

    Pick(2);
    Click(kOKButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ComDevice, "/dev/ttyUSB6");
    EXPECT_EQ(LoadSettings(d).comDevice, "/dev/ttyUSB6");
}

TEST_F(PortDialog, AnEmptyListChoosesNothingAndOkWritesNothing) {
    LoadSettings(d);
    d.ComDevice = "/dev/ttyUSB2";  // gone
    const auto before = Files();
    OpenPorts();
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(list->currentIndex(), -1);
    Click(kOKButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ComDevice, "");
    EXPECT_EQ(Files(), before);
}

TEST_F(PortDialog, CancelAndEscapeChangeNothing) {
    LoadSettings(d);
    ports.Add(kUsbA);
    ports.Add(kUsbB);
    d.ComDevice = kUsbA;
    const auto before = Files();
    OpenPorts();
    Pick(1);
    Click(kCancelButton);
    EXPECT_TRUE(closed);
    OpenPorts();
    Pick(1);
    QTest::keyClick(dlg.data(), Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ComDevice, kUsbA);
    EXPECT_EQ(Files(), before);
}

TEST_F(PortDialog, ATypedPathIsCheckedOnOkAndATerminalDeviceSaved) {
    LoadSettings(d);
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    const QString ptyPath = QString::fromStdString(pty.SlavePath());
    ports.Add(kUsbA);
    d.ComDevice = kUsbA;
    const auto before = Files();
    OpenPorts();
    ASSERT_TRUE(list->isEditable());
    QLineEdit* edit = list->lineEdit();

    // A prefix of a listed name stays as typed: no completion, and Enter
    // adds no entry but presses OK, which finds no such device; a rescan
    // keeps the text.
    const QString prefix = "/dev/serial/by-id/usb-A";
    list->setFocus();
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), prefix);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{prefix.toStdString() + ": No such file or directory"});
    EXPECT_EQ(edit->text(), prefix);
    EXPECT_EQ(list->count(), 1);
    Rescan();
    EXPECT_EQ(edit->text(), prefix);
    EXPECT_EQ(d.ComDevice, kUsbA);
    EXPECT_EQ(Files(), before);

    // A terminal device typed, then Enter: OK takes it.
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), ptyPath);
    Screenshot("FrmComSet_typed");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ComDevice, pty.SlavePath());
    EXPECT_EQ(LoadSettings(d).comDevice, pty.SlavePath());

    // Offered again, after the system's ports, in either language.
    ports.existing = {pty.SlavePath()};
    SetLanguageIndex(d, LangChinese);
    OpenPorts();
    EXPECT_EQ(Items(), (QStringList{kUsbA, ptyPath}));
    EXPECT_EQ(list->currentText(), ptyPath);
    Screenshot("FrmComSet_zh");
    notes.shown.clear();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), "/dev/null");
    Click(kOKButton);
    EXPECT_FALSE(closed);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"/dev/null: 不是串口（终端）设备"});
}

// ---- the test-data dialog ----

class TestDataDialog : public RadioDialog {
protected:
    QLineEdit* Box(int i) { return Get<QLineEdit>(testdata::Boxes[i].c_str()); }
    void OpenTestData() { Open("FrmTestData"); }
};

TEST_F(TestDataDialog, OnlyHexDigitsAreTypedAndEnterMovesToTheNextBox) {
    d.TestDataBuf[5] = 0x3C;
    OpenTestData();
    EXPECT_EQ(dlg->windowTitle(), "Test Data");
    EXPECT_FALSE(Box(0)->isVisible());
    EXPECT_FALSE(Box(17)->isVisible());
    EXPECT_TRUE(Box(2)->isVisible() && Box(16)->isVisible());
    EXPECT_EQ(Box(5)->text(), "3C");
    Screenshot("FrmTestData");

    QLineEdit* box = Box(5);
    box->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->selectedText(), "3C");  // the whole text on focus
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "g-a");
    EXPECT_EQ(box->text(), "A");
    QTest::keyClicks(box, "b9");  // two characters at most
    EXPECT_EQ(box->text(), "AB");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Focused(), testdata::Boxes[6]);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->isVisible());
    // A three-character box.
    Box(14)->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(Box(14), "0fF");
    EXPECT_EQ(Box(14)->text(), "0FF");

    Click(kOKButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.TestDataBuf[5], 0xAB);
    EXPECT_EQ(d.TestDataBuf[14], 0xFF);
}

TEST_F(TestDataDialog, OkAfterLoadTakesTheFileCancelAfterLoadNothing) {
    std::string bytes;
    for (int i = 0; i < 32; ++i) bytes.push_back(static_cast<char>(0x60 + i));
    const std::string ted = tmp / "bench.ted";
    test::WriteFile(ted, bytes);
    files.answers = {ted};
    OpenTestData();
    Click(testdata::Load);
    EXPECT_EQ(Box(2)->text(), "62");
    Click(kOKButton);
    EXPECT_TRUE(closed);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(d.TestDataBuf[static_cast<std::size_t>(i)], 0x60 + i) << i;
    EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::Entry);

    d.TestDataBuf.fill(0);
    d.TestDataOrigin = AppData::TestDataSource::None;
    files.answers = {ted};
    OpenTestData();
    Click(testdata::Load);
    Click(kCancelButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.TestDataBuf, (std::array<Byte, 64>{}));
    EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::None);

    // Save proposes the name loaded last.
    files.answers = {};
    OpenTestData();
    Click(testdata::Save);
    ASSERT_FALSE(files.shown.empty());
    EXPECT_EQ(files.shown.back().request.startPath, ted);
}

TEST_F(TestDataDialog, AnEmptyBoxOrAShortFileIsRefusedWithItsMessage) {
    const std::string shortFile = tmp / "short.ted";
    test::WriteFile(shortFile, std::string(20, '\x11'));
    files.answers = {shortFile};
    OpenTestData();
    Click(testdata::Load);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"file error.\nshort.ted: its contents cannot be used"});
    EXPECT_EQ(Box(2)->text(), "00");

    Box(9)->setFocus();
    QApplication::processEvents();
    QTest::keyClick(Box(9), Qt::Key_Delete);
    QTest::keyClick(Box(9), Qt::Key_Backspace);
    ASSERT_EQ(Box(9)->text(), "");
    Box(3)->setFocus();  // the check waits for OK
    QApplication::processEvents();
    EXPECT_EQ(notes.Texts().size(), 1u);
    Click(kOKButton);
    EXPECT_FALSE(closed);
    EXPECT_EQ(notes.Texts().back(), "Each value must be a hexadecimal number from 00 to FF.");
    EXPECT_EQ(Focused(), testdata::Boxes[9]);
    EXPECT_EQ(d.TestDataOrigin, AppData::TestDataSource::None);
    Click(kCancelButton);
    EXPECT_TRUE(closed);
}

// ---- every control has its widget ----

const test::ShellCase kShells[] = {
    {"FrmComSet",
     [] {
         static AppData d;
         static test::FakePorts ports;
         return BuildFormDialog(std::make_unique<FrmComSet>(d, ports), nullptr, BuildFrmComSet);
     }},
    {"FrmTestData",
     [] {
         static AppData d;
         return BuildFormDialog(std::make_unique<FrmTestData>(d), nullptr, BuildFrmTestData);
     }},
    {"LoadFrmLink",
     [] {
         static AppData d;
         static test::FakePorts ports;
         return MakeLoadFrmLink(d, ports);
     }},
};
RP_SHELL_CONTROL_CHECK(RadioShells, kShells);

}  // namespace
}  // namespace rp

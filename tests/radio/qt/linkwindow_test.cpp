// The link-test window on real widgets against the simulated radio on a
// pseudo-terminal (listed by a fake port list: the system never lists one).
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "forms/mainwindowcalls.h"
#include "radio/loadfrmlink.h"
#include "radio/qt/openers.h"
#include "radio/radiofixture.h"
#include "tools/ptyradio.h"
#include "screenshots.h"

namespace rp {
namespace {

class LinkWindowQt : public test::RadioFormTest {
protected:
    sim::PtyRadio pty;
    QPointer<FormDialog> dlg;
    bool finished = false;

    void TearDown() override {
        delete dlg.data();
        pty.Stop();
        QApplication::processEvents();
    }
    // The line up and listed; `serve` false: nobody answers.
    void Line(bool serve) {
        ASSERT_TRUE(pty.Open()) << pty.Error();
        ports.Add(pty.SlavePath());
        if (serve) pty.Start();
    }
    void Show() {
        dlg = MakeLoadFrmLink(d, ports);
        QObject::connect(dlg.data(), &QDialog::finished, [this] { finished = true; });
        dlg->open();
        QApplication::setActiveWindow(dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    }
    LoadFrmLink& Form() { return dlg->FormAs<LoadFrmLink>(); }
    void ClickOk() { QTest::mouseClick(dlg->findChild<QPushButton*>(linktest::OK), Qt::LeftButton); }
};

TEST_F(LinkWindowQt, TheAcknowledgementClosesTheWindowAboutATenthOfASecondLater) {
    Line(true);
    d.FirstRunFlag = true;
    Show();
    EXPECT_EQ(dlg->windowTitle(), "Initial Setup");
    EXPECT_TRUE(test::SaveScreenshot(*dlg, "LoadFrmLink"));
    EXPECT_EQ(dlg->findChild<QComboBox*>(linktest::PortList)->currentText().toStdString(), pty.SlavePath());
    ClickOk();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form().Link().Acknowledged(); }, 5000));
    QElapsedTimer since;
    since.start();
    EXPECT_FALSE(d.FirstRunFlag);
    EXPECT_FALSE(finished);  // not at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 5000));
    EXPECT_GE(since.elapsed(), 80);
    EXPECT_TRUE(notes.shown.empty());
    QTest::qWait(50);  // anything still on its way to the radio
    std::lock_guard<std::mutex> lock(pty.Mutex());
    EXPECT_EQ(pty.Radio().ProgramCommands(), 1);
    EXPECT_EQ(pty.Radio().EndCommands(), 0);
}

TEST_F(LinkWindowQt, NoRadioIsACommunicationErrorAndTheWindowStaysOpen) {
    Line(false);
    Show();
    ClickOk();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notes.shown.empty(); }, 5000));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Communication Error!"});
    QTest::qWait(150);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(dlg->isVisible());

    // Cancel closes it and its port.
    QTest::mouseClick(dlg->findChild<QPushButton*>(linktest::Cancel), Qt::LeftButton);
    EXPECT_TRUE(finished);
}

TEST_F(LinkWindowQt, AnEmptyPortListCannotOpenAPort) {
    Show();
    ClickOk();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notes.shown.empty(); }, 5000));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Cannot Open Communication Port."});
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(dlg->isVisible());
}

}  // namespace
}  // namespace rp

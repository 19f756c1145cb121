// The batch channel editor opened from the main window's Edit menu: Apply
// fills the store and the memory list shows the new channels at once.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "channels/batchfun.h"
#include "channels/frmchbatchcontrols.h"
#include "core/channelstore.h"

namespace rp {
namespace {

class ChBatchFromMenu : public test::MainWindowWithDialogs {
protected:
    void ClickOn(QWidget* dlg, const char* name) {
        auto* b = dlg->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(b) << name;
        const bool box = qobject_cast<QCheckBox*>(b) != nullptr;
        QTest::mouseClick(b, Qt::LeftButton, {}, box ? QPoint(6, b->height() / 2) : QPoint());
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(ChBatchFromMenu, ApplyFillsTheMemoryListShown) {
    w->findChild<QAction*>(mainform::ChannelBatch)->trigger();
    FormDialog* dlg = Dialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->form().Name(), "FrmCHBatch");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    ASSERT_FALSE(IsFreDataExist(d, 150));
    EXPECT_EQ(w->form().GridAt(0).Text(150, 1), "");
    // Only the RX frequency, over all channels.
    ClickOn(dlg, chbatch::PanelSwitch);
    ClickOn(dlg, chbatch::SelectNone);
    ClickOn(dlg, chbatch::FunctionChoices[0].c_str());
    ClickOn(dlg, chbatch::PanelSwitch);
    ClickOn(dlg, chbatch::ApplyButton);
    EXPECT_TRUE(IsFreDataExist(d, 150));
    EXPECT_NE(w->form().GridAt(0).Text(150, 1), "");
    ClickOn(dlg, kCloseButton);
    EXPECT_TRUE(openers.OpenDialogs().empty());
    // The choice outlives the dialog.
    EXPECT_EQ(d.BatchFunFlag[0], 1);
    EXPECT_EQ(d.BatchFunFlag[1], 0);
}

}  // namespace rp

// The radio dialogs reached from the program's main window: in factory test
// mode the test-data entry is in the menu and the tree and opens its
// dialog; the port dialog lists the program's port list.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include "app/appfixture.h"
#include "app/program.h"
#include "core/fakes.h"
#include "core/tempfolder.h"
#include "core/testdata.h"
#include "radio/frmcomsetcontrols.h"

namespace rp {
namespace {

class RadioFromMain : public ::testing::Test {
protected:
    QTemporaryDir store;
    test::TempFolder tmp;
    test::RecordingNotifier notes;
    test::ScriptedFileChooser files;
    test::FakePorts ports;
    std::unique_ptr<Program> program;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        test::ShipLanguageFiles(tmp);
    }
    void TearDown() override {
        if (program) program->openers().CloseAll();
        program.reset();
        QApplication::processEvents();
    }
    MainWindow& Start() {
        program = test::ProgramIn(tmp, &notes, ports, files);
        program->Start();
        EXPECT_TRUE(test::WaitForMainWindow(*program, 8000));
        return *program->window();
    }
    QTreeWidgetItem* Node(MainWindow& w, const std::string& key) {
        for (QTreeWidgetItemIterator it(w.tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString().toStdString() == key) return *it;
        return nullptr;
    }
    std::string OpenDialog() {
        const auto open = program->openers().OpenDialogs();
        return open.empty() ? "" : open.front()->objectName().toStdString();
    }
};

TEST_F(RadioFromMain, FactoryModeShowsTheTestDataEntryInTheMenuAndTheTree) {
    test::WriteFile(tmp / kTestModeMarkerFile, kTestModeMarkerText);
    MainWindow& w = Start();
    ASSERT_TRUE(program->data().FactoryTestMode);
    QAction* entry = w.findChild<QAction*>(mainform::EditTestData);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    QTreeWidgetItem* node = Node(w, "N14");
    ASSERT_NE(node, nullptr);

    entry->trigger();
    EXPECT_EQ(OpenDialog(), "FrmTestData");
    program->openers().CloseAll();
    QApplication::processEvents();
    w.tree()->scrollToItem(node);
    QTest::mouseClick(w.tree()->viewport(), Qt::LeftButton, {}, w.tree()->visualItemRect(node).center());
    EXPECT_EQ(OpenDialog(), "FrmTestData");
}

TEST_F(RadioFromMain, OutsideFactoryModeThereIsNoTestDataEntry) {
    MainWindow& w = Start();
    EXPECT_FALSE(w.findChild<QAction*>(mainform::EditTestData)->isVisible());
    EXPECT_EQ(Node(w, "N14"), nullptr);
}

TEST_F(RadioFromMain, ThePortDialogListsTheProgramsPorts) {
    ports.ports = {{"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/dev/ttyUSB1", "/dev/ttyUSB1"}};
    MainWindow& w = Start();
    w.findChild<QAction*>(mainform::ToolPort)->trigger();
    ASSERT_EQ(OpenDialog(), "FrmComSet");
    auto* list = program->openers().OpenDialogs().front()->findChild<QComboBox*>(comset::PortList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), "/dev/ttyUSB0");
}

}  // namespace
}  // namespace rp

#pragma once
// The main window's Qt shell: menus, toolbar, status bar, the tree, the
// splitter, the four grids with their floating editors, bound to FrmMain.
// It is the program's Listener (AppData::Ui.View), the dialogs'
// MainWindowCalls (each call runs the form's procedure, then mirrors it) and
// the form's host: the dialogs the form opens show over it.
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

#include "core/appdata.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/mainlayout.h"
#include "widgets/binder.h"
#include "widgets/dialoghost.h"
#include "widgets/gridmodel.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

namespace rp {

// The window position keys and their store ("KEVRA_8R", group "Settings").
struct WindowPlacement {
    double left = 0, top = 0, width = 0, height = 0;  // twips
};
// The stored bounds; a missing key or one that is not a number gives the
// default (0, 0, the screen's width and height).
WindowPlacement ReadWindowPlacement(const WindowPlacement& defaults);
void WriteWindowPlacement(const WindowPlacement& p);

class GridEditors;
class ProfileData;

class MainWindow : public QMainWindow, public Listener, public MainWindowCalls, public FormHost {
    Q_OBJECT
public:
    MainWindow(AppData& d, DialogOpeners& openers, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Form_Load and the first mirror; call before show().
    void Load();

    FrmMain& form() { return form_; }
    FormBinder& binder() { return *binder_; }
    QTreeWidget* tree() const { return tree_; }
    TextGridView* grid(int i) const { return grids_.at(static_cast<std::size_t>(i)); }
    QWidget* splitter() const { return imgSplitter_; }
    // The splitter's position in twips.
    double SplitterPosition() const { return splitterX_; }
    void DragSplitterTo(double twips);  // a drag, as the mouse would end it

    // Listener and MainWindowCalls: the form's procedure, then a mirror.
    void ReShowListByData(int listType) override;
    void ReShowRadioListByData() override;
    void ReShowAMListByData() override;
    void LoadShowByModel() override;
    void LoadShowTree() override;
    void ReShowGrid() override;
    void Form_ReLoad() override;
    void ReShowGrid(int type, int row, int col) override;
    SaveOutcome mnuFileSave_Click() override;

    // FormHost: the dialog over this window, its callback run in the form.
    void Open(std::unique_ptr<Form> child, std::function<void()> onClosed) override;

    // Lays the panes out (SizeControls with the splitter's position).
    void SizeControls();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPanes();
    void RebuildTree();
    void AfterSync();
    // The menus' keyboard letters, added to the captions the binder shows.
    void ApplyMnemonics();
    void LoadPosition();
    void SavePosition();
    void RunInForm(const std::function<void()>& f);

    AppData& d_;
    DialogOpeners& openers_;
    FrmMain form_;
    FormBinder* binder_ = nullptr;
    QWidget* central_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QWidget* imgSplitter_ = nullptr;
    QWidget* picSplitter_ = nullptr;
    std::array<TextGridView*, 4> grids_{};
    GridEditors* gridEditors_ = nullptr;  // the cell editors' placement and keys
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    QTimer* clock_ = nullptr;
    double splitterX_ = kStartTreeWidth;
    bool splitterDragged_ = false;  // the user placed the splitter
    int treeRevision_ = -1;
    bool toolbarShown_ = true, statusShown_ = true;
    bool closed_ = false;
    bool fitOnShow_ = false;  // the bounds just read, fitted again with the frame
    // The size read at start and the size the window opened at: unless the
    // user resized the window, the size read is saved again, not the one
    // brought onto a smaller screen.
    std::optional<WindowPlacement> read_;
    QSize openedSize_;
    // The English texts, whose letters the menus' mnemonics follow.
    std::shared_ptr<const ProfileData> englishTexts_;
};

}  // namespace rp

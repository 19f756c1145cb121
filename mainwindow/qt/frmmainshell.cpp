#include "mainwindow/qt/frmmainshell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "core/numtext.h"
#include "core/paths.h"
#include "core/profile.h"
#include "mainwindow/mainlayout.h"
#include "mainwindow/mnemonics.h"
#include "mainwindow/qt/grideditors.h"
#include "mainwindow/qt/icons.h"
#include "widgets/screenfit.h"
#include "widgets/twips.h"

namespace rp {

using namespace mainform;

namespace {

const char* const kSettingsApp = "KEVRA_8R";

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

struct MenuLayout {
    const char* menu;
    std::vector<const char*> entries;  // "-" is a separator
};

const MenuLayout kMenuBar[] = {
    {FileMenu, {FileNew, FileOpen, FileSave, FileSaveAs, "-", FilePrint, "-", FileExit}},
    {ModelMenu, {ModelInfo}},
    {EditMenu, {EditChannel, EditOptions, EditBanks, ShowRadioList, ShowAirBandList, EditMsk, EditDtmf,
                EditTwoTone, EditFiveTone, EditScan, EditAlert, EditCommBook, ReadInformation, EditTestData, "-",
                ChannelBatch}},
    {SetMenu, {SetPort, SetLanguage, SetInit}},
    {ProgramMenu, {ProgramRead, ProgramWrite, ProgramPassWord}},
    {ViewMenu, {ViewToolBar, ViewStatusBar}},
    {HelpMenu, {HelpContents, HelpAbout}},
};

// Toolbar positions 1..10: "" is a separator.
const char* const kToolBar[] = {"",       ToolNew,  ToolOpen,  ToolSave, "",
                                ToolRead, ToolPort, ToolWrite, "",       ToolAbout};

// The tree as the keyboard drives it: a key that moves the current node
// reports the node it reached; Enter and Space report the current node as
// a click.
class NodeTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void(QTreeWidgetItem*)> movedByKey, pressedByKey;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const int k = e->key();
        if (plain && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
            if (currentItem() && pressedByKey) pressedByKey(currentItem());
            e->accept();
            return;
        }
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(e);
        if (currentItem() && currentItem() != before && movedByKey) movedByKey(currentItem());
    }
};

double Number(const QVariant& v, double def) {
    if (!v.isValid()) return def;
    const auto n = ParseNumber(v.toString().toStdString());
    return n ? *n : def;
}

}  // namespace

WindowPlacement ReadWindowPlacement(const WindowPlacement& def) {
    QSettings s(kSettingsApp, kSettingsApp);
    s.beginGroup("Settings");
    WindowPlacement p;
    p.left = Number(s.value("MainLeft"), def.left);
    p.top = Number(s.value("MainTop"), def.top);
    p.width = Number(s.value("MainWidth"), def.width);
    p.height = Number(s.value("MainHeight"), def.height);
    return p;
}

void WriteWindowPlacement(const WindowPlacement& p) {
    QSettings s(kSettingsApp, kSettingsApp);
    s.beginGroup("Settings");
    auto text = [](double v) { return Q(PlainNumberText(static_cast<float>(v))); };
    s.setValue("MainLeft", text(p.left));
    s.setValue("MainTop", text(p.top));
    s.setValue("MainWidth", text(p.width));
    s.setValue("MainHeight", text(p.height));
}

MainWindow::MainWindow(AppData& d, DialogOpeners& openers, QWidget* parent)
    : QMainWindow(parent), d_(d), openers_(openers), form_(d) {
    setObjectName(FrmMain::kName);
    setWindowIcon(WindowIcon());
    // No context menu of the main window: its toggles would hide the bars
    // behind the View ticks' back.
    setContextMenuPolicy(Qt::NoContextMenu);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildPanes();
    setMinimumWidth(TwipsToPixelsX(this, kMinWindowWidth));

    form_.SetHost(this);
    form_.dialogCalls = this;
    form_.hooks.LoadPosition = [this] { LoadPosition(); };
    form_.hooks.SavePosition = [this] { SavePosition(); };
    form_.hooks.CloseOtherWindows = [this] { openers_.CloseAll(); };
    form_.hooks.CloseWindow = [this] { QTimer::singleShot(0, this, [this] { close(); }); };
    form_.hooks.Layout = [this] { binder_->Sync(); };
}

MainWindow::~MainWindow() {
    if (d_.Ui.View == this) d_.Ui.View = Seams().View;
    delete gridEditors_;  // it reads the binder
    gridEditors_ = nullptr;
    delete binder_;
    binder_ = nullptr;
    // The grids belong to the form, which goes before the widgets do.
    for (auto* g : grids_) g->Attach(nullptr);
}

void MainWindow::BuildMenus() {
    for (const auto& m : kMenuBar) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(m.menu);
        for (const char* e : m.entries) {
            if (std::string(e) == "-") {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString());
            a->setObjectName(e);
            a->setShortcutContext(Qt::WindowShortcut);
            if (std::string(e) == ViewToolBar || std::string(e) == ViewStatusBar) a->setCheckable(true);
        }
    }
    // F10 opens the first menu, as Alt with a menu's letter opens that one.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        for (QAction* a : menuBar()->actions()) {
            if (a->isVisible() && a->isEnabled()) {
                menuBar()->setActiveAction(a);
                return;
            }
        }
    });
}

void MainWindow::ApplyMnemonics() {
    if (!englishTexts_) {
        auto english = ProfileData::Load(ShippedPath(d_, "/language/english.ini"));
        englishTexts_ = std::make_shared<ProfileData>(english ? std::move(*english) : ProfileData());
    }
    auto caption = [this](const std::string& name) -> MnemonicCaption {
        const std::string key = std::to_string(FrmMain::MenuTextKey(name));
        return {form_.C(name).text, ReadProfileValue(*englishTexts_, "OTHER", key, kProfileBufferSize)};
    };
    std::vector<MnemonicCaption> tops;
    for (const auto& m : kMenuBar) tops.push_back(caption(m.menu));
    const std::vector<std::string> topTexts = WithMnemonics(tops);
    for (std::size_t i = 0; i < std::size(kMenuBar); ++i) {
        const MenuLayout& m = kMenuBar[i];
        auto* menu = menuBar()->findChild<QMenu*>(m.menu);
        if (!menu) continue;
        if (menu->title() != Q(topTexts[i])) menu->setTitle(Q(topTexts[i]));
        std::vector<MnemonicCaption> entries;
        std::vector<QAction*> actions;
        for (const char* e : m.entries) {
            if (std::string(e) == "-") continue;
            for (QAction* a : menu->actions())
                if (a->objectName() == e) {
                    entries.push_back(caption(e));
                    actions.push_back(a);
                }
        }
        const std::vector<std::string> texts = WithMnemonics(entries);
        for (std::size_t k = 0; k < actions.size(); ++k)
            if (actions[k]->text() != Q(texts[k])) actions[k]->setText(Q(texts[k]));
    }
}

void MainWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(ToolBar);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const char* key : kToolBar) {
        if (!*key) {
            bar->addSeparator();
            continue;
        }
        // Icon only: a button without a tool tip (the port's) shows none.
        QAction* a = bar->addAction(ToolIcon(key), QString());
        a->setObjectName(key);
    }
}

void MainWindow::BuildStatusBar() {
    QStatusBar* sb = new QStatusBar(this);
    sb->setObjectName(StatusBar);
    setStatusBar(sb);
    auto* status = new QLabel(QStringLiteral("Status"), sb);
    statusDate_ = new QLabel(sb);
    statusTime_ = new QLabel(sb);
    sb->addWidget(status, 1);
    sb->addPermanentWidget(statusDate_);
    sb->addPermanentWidget(statusTime_);
    clock_ = new QTimer(this);
    auto tick = [this] {
        statusDate_->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        statusTime_->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
    };
    connect(clock_, &QTimer::timeout, this, tick);
    tick();
    clock_->start(1000);
}

void MainWindow::BuildPanes() {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    central_->installEventFilter(this);
    auto* tree = new NodeTree(central_);
    tree_ = tree;
    tree_->setObjectName(Tree);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    // As wide as its widest item: a narrow pane scrolls sideways, never cuts.
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto click = [this](QTreeWidgetItem* item) {
        // Take the key now: the command may rebuild the tree.
        const std::string key = item->data(0, Qt::UserRole).toString().toStdString();
        binder_->Run([this, key] { form_.tvTreeView_NodeClick(key); });
    };
    connect(tree_, &QTreeWidget::itemClicked, this, [click](QTreeWidgetItem* item, int) { click(item); });
    tree->pressedByKey = click;
    // Moving onto a node that shows a list shows it; a node that opens a
    // dialog or runs a command waits for Enter or a click.
    tree->movedByKey = [click](QTreeWidgetItem* item) {
        if (FrmMain::IsListNode(item->data(0, Qt::UserRole).toString().toStdString())) click(item);
    };
    imgSplitter_ = new QWidget(central_);
    imgSplitter_->setObjectName(Splitter);
    imgSplitter_->setCursor(Qt::SplitHCursor);
    imgSplitter_->installEventFilter(this);
    picSplitter_ = new QWidget(central_);
    picSplitter_->setObjectName(SplitterDrag);
    picSplitter_->setAutoFillBackground(true);
    QPalette pal = picSplitter_->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    picSplitter_->setPalette(pal);
    picSplitter_->hide();
    for (int i = 0; i < kGridCount; ++i) {
        auto* g = new TextGridView(central_);
        g->setObjectName(Q(Grids[i]));
        g->SetLastColumnStretches(i == kChannelGrid || i == kVfoGrid);
        grids_[static_cast<std::size_t>(i)] = g;
    }
    // The floating editors over the cells, hidden until the grid editing
    // opens them.
    QWidget* chView = grids_[0]->viewport();
    for (const char* name : {RxBox, TxBox, NameBox}) {
        auto* e = new QLineEdit(chView);
        e->setObjectName(name);
        e->hide();
    }
    for (const char* name : {StepList, BandwidthList, PowerList, DecodeTypeList, EncodeTypeList, DecodeCtcssList,
                             EncodeCtcssList, DecodeDcsList, EncodeDcsList, OptSigList}) {
        auto* c = new QComboBox(chView);
        c->setObjectName(name);
        c->setMaxVisibleItems(16);
        c->hide();
    }
    auto* bank = new QListWidget(chView);
    bank->setObjectName(BankChecks);
    bank->setFixedHeight(TwipsToPixelsY(this, 1680));
    bank->hide();
    const char* const texts[] = {VfoBox, RadioBox, AirBandBox};
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(grids_[static_cast<std::size_t>(i + 1)]->viewport());
        e->setObjectName(texts[i]);
        e->hide();
    }
}

void MainWindow::Load() {
    form_.Form_Load();
    if (!binder_) {
        binder_ = new FormBinder(form_, this, nullptr);
        binder_->SetHandleClose(false);
        connect(binder_, &FormBinder::synced, this, [this] { AfterSync(); });
        gridEditors_ = new GridEditors(form_, *binder_, grids_, this);
    }
    binder_->Sync();
    // The keyboard starts in the channel grid, on its current cell.
    grids_[0]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::RunInForm(const std::function<void()>& f) {
    if (binder_) {
        binder_->Run(f);
    } else {
        f();
    }
}

void MainWindow::AfterSync() {
    if (treeRevision_ != form_.treeRevision) RebuildTree();
    ApplyMnemonics();
    const bool tb = form_.C(ToolBar).visible, sb = form_.C(StatusBar).visible;
    if (tb != toolbarShown_ || sb != statusShown_) {
        toolbarShown_ = tb;
        statusShown_ = sb;
        // The central widget's resize lays the panes out again; do it now
        // as well for a window not yet shown.
        SizeControls();
    }
}

void MainWindow::RebuildTree() {
    treeRevision_ = form_.treeRevision;
    tree_->clear();
    std::map<std::string, QTreeWidgetItem*> items;
    for (const TreeNode& n : form_.TreeNodes()) {
        QTreeWidgetItem* item = nullptr;
        auto parent = items.find(n.parent);
        if (n.parent.empty() || parent == items.end()) {
            item = new QTreeWidgetItem(tree_);
        } else {
            item = new QTreeWidgetItem(parent->second);
        }
        item->setText(0, Q(n.text));
        item->setData(0, Qt::UserRole, Q(n.key));
        if (!n.enabled) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        items[n.key] = item;
        if (n.expanded) item->setExpanded(true);
    }
    tree_->clearSelection();
    tree_->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
    // Until the user drags the splitter, the tree's pane starts wide enough
    // for its widest item in the current language.
    if (!splitterDragged_) {
        tree_->resizeColumnToContents(0);
        const int need = tree_->columnWidth(0) + 2 * tree_->frameWidth();
        splitterX_ = std::max(kStartTreeWidth, PixelsToTwipsX(this, need));
        SizeControls();
    }
}

void MainWindow::SizeControls() {
    if (!central_) return;
    const double outer = PixelsToTwipsX(this, frameGeometry().width());
    const double cw = PixelsToTwipsX(this, central_->width());
    const double ch = PixelsToTwipsY(this, central_->height());
    const PaneLayout l = rp::SizeControls(splitterX_, outer, cw, ch);
    auto px = [this](double t) { return TwipsToPixelsX(this, t); };
    auto py = [this](double t) { return TwipsToPixelsY(this, t); };
    tree_->setGeometry(0, 0, px(l.treeWidth), py(l.treeHeight));
    imgSplitter_->setGeometry(px(l.treeWidth), 0, px(l.gridLeft) - px(l.treeWidth), py(l.treeHeight));
    for (auto* g : grids_) g->setGeometry(px(l.gridLeft), 0, px(l.gridWidth), py(l.gridHeight));
}

void MainWindow::DragSplitterTo(double twips) {
    const double outer = PixelsToTwipsX(this, frameGeometry().width());
    splitterX_ = SplitterDragPosition(twips, outer);
    splitterDragged_ = true;
    SizeControls();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) SizeControls();
    if (watched == imgSplitter_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            form_.SplitterMoving = true;
            picSplitter_->setGeometry(imgSplitter_->x(), imgSplitter_->y(), std::max(1, imgSplitter_->width() / 2),
                                      std::max(1, imgSplitter_->height() - TwipsToPixelsY(this, 20)));
            picSplitter_->show();
            picSplitter_->raise();
            return true;
        case QEvent::MouseMove:
            if (form_.SplitterMoving) {
                const auto* me = static_cast<QMouseEvent*>(event);
                const double p = PixelsToTwipsX(this, imgSplitter_->x() + me->position().toPoint().x());
                const double at = SplitterDragPosition(p, PixelsToTwipsX(this, frameGeometry().width()));
                picSplitter_->move(TwipsToPixelsX(this, at), picSplitter_->y());
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (form_.SplitterMoving) {
                splitterX_ = PixelsToTwipsX(this, picSplitter_->x());
                splitterDragged_ = true;
                picSplitter_->hide();
                form_.SplitterMoving = false;
                SizeControls();
            }
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Open(std::unique_ptr<Form> child, std::function<void()> onClosed) {
    openers_.Open(std::move(child), this, [this, onClosed] {
        if (onClosed) RunInForm(onClosed);
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    bool ok = true;
    RunInForm([&] { ok = form_.QueryClose(); });
    if (!ok) {
        event->ignore();
        return;
    }
    form_.Form_Unload();
    closed_ = true;
    event->accept();
}

void MainWindow::LoadPosition() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect sg = primary ? primary->geometry() : QRect(0, 0, 1024, 768);
    WindowPlacement def;
    def.width = PixelsToTwipsX(this, sg.width());
    def.height = PixelsToTwipsY(this, sg.height());
    const WindowPlacement p = ReadWindowPlacement(def);
    QRect r(TwipsToPixelsX(this, p.left), TwipsToPixelsY(this, p.top), TwipsToPixelsX(this, p.width),
            TwipsToPixelsY(this, p.height));
    r.setWidth(std::max(r.width(), minimumWidth()));
    r.setHeight(std::max(r.height(), 200));
    // The screen under the window's centre, else the primary one; bounds
    // saved at another scale or on a larger screen are brought onto it.
    const QScreen* screen = QGuiApplication::screenAt(r.center());
    if (!screen) screen = primary;
    if (screen) {
        const QRect avail = UsableArea(*screen);
        if (minimumWidth() > avail.width()) setMinimumWidth(avail.width());
        r = FitToScreen(r, avail);
    }
    // Outer bounds: the frame is added by the window system once shown,
    // when the window is fitted again with it.
    resize(r.size());
    move(r.topLeft());
    fitOnShow_ = true;
    read_ = p;
    openedSize_ = size();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!fitOnShow_) return;
    fitOnShow_ = false;
    const QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect outer = frameGeometry();
    const QRect fit = FitToScreen(outer, UsableArea(*screen));
    if (fit != outer) {
        resize(size() - (outer.size() - fit.size()));
        move(fit.topLeft());
    }
    openedSize_ = size();
}

void MainWindow::SavePosition() {
    if (isMinimized()) return;
    const QRect r = frameGeometry();
    WindowPlacement p;
    p.left = PixelsToTwipsX(this, r.x());
    p.top = PixelsToTwipsY(this, r.y());
    p.width = PixelsToTwipsX(this, r.width());
    p.height = PixelsToTwipsY(this, r.height());
    if (read_ && size() == openedSize_) {
        p.width = read_->width;
        p.height = read_->height;
    }
    WriteWindowPlacement(p);
}

// ---- calls from the core and the dialogs ----

void MainWindow::ReShowListByData(int listType) { RunInForm([&] { form_.ReShowListByData(listType); }); }
void MainWindow::ReShowRadioListByData() { RunInForm([&] { form_.ReShowRadioListByData(); }); }
void MainWindow::ReShowAMListByData() { RunInForm([&] { form_.ReShowAMListByData(); }); }
void MainWindow::LoadShowByModel() { RunInForm([&] { form_.LoadShowByModel(); }); }
void MainWindow::LoadShowTree() { RunInForm([&] { form_.LoadShowTree(); }); }
void MainWindow::ReShowGrid() { RunInForm([&] { form_.ReShowGrid(); }); }
void MainWindow::Form_ReLoad() { RunInForm([&] { form_.Form_ReLoad(); }); }
void MainWindow::ReShowGrid(int type, int row, int col) {
    RunInForm([&] { form_.ReShowGrid(type, row, col); });
}
SaveOutcome MainWindow::mnuFileSave_Click() {
    SaveOutcome r = SaveOutcome::Cancelled;
    RunInForm([&] { r = form_.mnuFileSave_Click(); });
    return r;
}

}  // namespace rp

// Opening a dialog from the main window and closing it again (offscreen),
// for dialogs that fit the screen and, on a small screen, ones that do not.
// The screen is the offscreen platform's: a small one with
//   QT_QPA_PLATFORM=offscreen:configfile=<file> (a JSON "screens" list).
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "app/openers.h"
#include "fivetone/frm5tone.h"
#include "mainwindow/mainfixture.h"
#include "mainwindow/qt/frmmainshell.h"
#include "settings/frmoption.h"
#include "signalling/frmdtmf.h"

namespace {

struct Window {
    QTemporaryDir settings;
    rp::test::StartedProgram p;
    rp::DialogOpeners openers;
    std::unique_ptr<rp::MainWindow> w;

    Window() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        rp::RegisterAllDialogs(openers);
        w = std::make_unique<rp::MainWindow>(p.d, openers);
        p.d.Ui.View = w.get();
        w->Load();
        w->show();
        QApplication::processEvents();
    }
    ~Window() {
        openers.CloseAll();
        p.d.Ui.View = rp::Seams().View;
    }
};

template <class F>
void BM_OpenDialog(benchmark::State& state) {
    Window win;
    for (auto _ : state) {
        QDialog* dlg = win.openers.Open(std::make_unique<F>(win.p.d), win.w.get());
        QApplication::processEvents();
        benchmark::DoNotOptimize(dlg);
        win.openers.CloseAll();
        QApplication::processEvents();
    }
}
BENCHMARK_TEMPLATE(BM_OpenDialog, rp::FrmDTMF)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, rp::FrmOption)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, rp::Frm5Tone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The program: start-up, then the main window until it closes.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "app/program.h"

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName("KEVRA_8R");
    // --startup-time: print the time from start to the main window shown, then end.
    bool timeOnly = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--startup-time") == 0) timeOnly = true;

    rp::Program program;
    program.Start();
    program.window().show();
    if (timeOnly) {
        QTimer::singleShot(0, [&] {
            std::printf("main window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
            program.window().close();
            QApplication::quit();
        });
    }
    return app.exec();
}

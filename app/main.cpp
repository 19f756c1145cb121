// The program: start-up with the splash window, then the main window until
// it closes.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KEVRA_8R");
    rp::Program program;
    program.Start();
    return app.exec();
}

#include "errorbox.h"
#include "programwindows.h"
#include "qtfiledialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installErrorBox();
    ProgramWindows windows(std::make_unique<QtFileDialogs>());
    windows.Qvl.show();
    return app.exec();
}

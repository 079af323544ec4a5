#include "errorbox.h"
#include "guardedapplication.h"
#include "language.h"
#include "programwindows.h"
#include "qtfiledialogs.h"
#include "startupdesign.h"

#include <QTimer>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quarvel.Quarvel"));
    // Where QSettings keeps the user's preferences (the prices).
    QCoreApplication::setOrganizationName(QStringLiteral("Quarvel"));
    installLanguage();
    installQtLanguage();
    installErrorBox();
    ProgramWindows windows(std::make_unique<QtFileDialogs>());
    applyRegionDefaults(windows.Qvl, regionDefaults(QLocale::system().territory()));
    windows.Qvl.show();
    // A design named on the command line opens once the event loop runs, so
    // that an error box or a warning window comes up over the main window.
    if (const auto path = designPathArgument(app.arguments()))
        QTimer::singleShot(0, &windows.Qvl,
                           [&windows, path = *path] { openDesignAtStartUp(windows.Qvl, path); });
    return app.exec();
}

#include "guardedapplication.h"

#include "commandrunner.h"

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    try {
        runCommand([&] { handled = QApplication::notify(receiver, event); });
    } catch (...) {
        // Not an exception of ours nor of the standard library: there is no
        // message to show, but it must not end the program either.
        reportCommandError(tr("Erreur inattendue"));
    }
    return handled;
}

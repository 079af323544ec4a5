#pragma once

#include "quarvelerror.h"

#include <exception>
#include <functional>
#include <new>
#include <QCoreApplication>
#include <QString>
#include <utility>

// Every user command runs through runCommand(): a failure abandons the command
// at the point it was raised and is handed, as a message, to the one error
// display the program installs (the message box). No exception ever leaves an
// event handler, so none crosses Qt's event loop.
using CommandErrorHandler = std::function<void(const QString& message)>;

// Installs the display for failed commands and returns the previous one.
// Without one, failures are written to standard error.
CommandErrorHandler setCommandErrorHandler(CommandErrorHandler handler);

// Shows a failure through the installed display.
void reportCommandError(const QString& message);

// Runs f; returns true when it completed, false when it failed (the failure
// has then been reported).
template <class F> bool runCommand(F&& f) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const QuarvelError& error) {
        reportCommandError(error.message());
    } catch (const std::bad_alloc&) {
        reportCommandError(QCoreApplication::translate("CommandRunner", "Mémoire insuffisante"));
    } catch (const std::exception& error) {
        reportCommandError(QString::fromUtf8(error.what()));
    }
    return false;
}

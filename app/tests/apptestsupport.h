#pragma once

// Shared by the window tests: dialogs that answer from a queue, a recorder of
// failed commands, and the program's windows started headless.

#include "commandrunner.h"
#include "filedialogs.h"
#include "programwindows.h"
#include "tchart.h"

#include <functional>
#include <QList>
#include <QStringList>
#include <QTest>

// Each call takes the next queued answer (nothing = cancel). A hook runs
// while the dialog would be open.
class ScriptedDialogs : public FileDialogs {
public:
    QList<std::optional<QString>> answers;
    std::function<void()> whileOpen;
    QStringList asked;

    std::optional<QString> openDesignPath(QWidget*) override { return next("open"); }
    std::optional<QString> saveDesignPath(QWidget*) override { return next("save"); }
    std::optional<QString> exportImagePath(QWidget*) override { return next("export"); }
    std::optional<QString> templatesPath(QWidget*) override { return next("templates"); }
    std::optional<QString> cutFilePath(QWidget*) override { return next("cut"); }
    std::optional<QString> cutListPath(QWidget*) override { return next("csv"); }

private:
    std::optional<QString> next(const char* which) {
        asked << QLatin1String(which);
        if (whileOpen) whileOpen();
        if (answers.isEmpty()) return std::nullopt;
        return answers.takeFirst();
    }
};

// Replaces the error box for the lifetime of the object.
class ErrorRecorder {
public:
    ErrorRecorder()
        : m_previous(setCommandErrorHandler([this](const QString& m) { messages << m; })) {}
    ~ErrorRecorder() { setCommandErrorHandler(m_previous); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList messages;

private:
    CommandErrorHandler m_previous;
};

// The windows as start-up leaves them: the main window shown and its chart
// drawn once, so that its plotting rectangle is known.
struct StartedProgram {
    ScriptedDialogs* dialogs;
    std::unique_ptr<ProgramWindows> windows;

    StartedProgram() {
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        windows = std::make_unique<ProgramWindows>(std::move(owned));
        windows->Qvl.show();
    }
    bool waitUntilDrawn() {
        if (!QTest::qWaitForWindowExposed(&windows->Qvl)) return false;
        return QTest::qWaitFor([&] { return windows->Qvl.profil->PlotWidth() > 0; });
    }
    TQvl& qvl() { return windows->Qvl; }
};

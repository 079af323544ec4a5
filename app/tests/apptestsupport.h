#pragma once

// Shared by the window tests: dialogs that answer from a queue, a recorder of
// failed commands, the program's windows started headless, typing into
// fields and the settings dialog while it is open.

#include "commandrunner.h"
#include "constructionsettingsdialog.h"
#include "filedialogs.h"
#include "programwindows.h"
#include "tchart.h"

#include <functional>
#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    std::optional<QString> modelPath(QWidget*) override { return next("model"); }
    std::optional<QString> bookPath(QWidget*) override { return next("book"); }

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

// The user's settings kept, empty at first, in a folder of the test's own
// under an organisation of its own: a test never reads or writes the user's.
inline void useEmptyTestSettings() {
    static QTemporaryDir dir;
    QCoreApplication::setOrganizationName(QStringLiteral("QuarvelTests"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings().clear();
}

// The windows as start-up leaves them: the main window shown and its chart
// drawn once, so that its plotting rectangle is known.
struct StartedProgram {
    ScriptedDialogs* dialogs;
    std::unique_ptr<ProgramWindows> windows;

    StartedProgram() {
        useEmptyTestSettings();
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

// Types into a field as a user would: textEdited is what the forms check on.
inline void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Runs act() once the modal settings dialog that trigger() opens is up.
inline void withModalDialog(const std::function<void()>& trigger,
                            const std::function<void(ConstructionSettingsDialog&)>& act) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; })) return;
        auto* dialog = qobject_cast<ConstructionSettingsDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        act(*dialog);
        // A test that left it open: cancel.
        if (dialog->isVisible()) dialog->reject();
    });
    trigger();
    QVERIFY(seen);
}

#pragma once

#include <QApplication>

// The program's application object. Every command runs through the command
// runner, which keeps its failures inside it; should an exception still
// escape an event handler, it is caught here, where Qt hands the event over,
// and shown in the error box like a failed command. The program carries on.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

#pragma once

#include <memory>
#include <QString>

class QMessageBox;
class QWidget;

// The application's title, the caption of the error box. It is a constant of
// ours rather than Qt's applicationDisplayName, which Qt would append to every
// window title.
QString applicationTitle();

// The box that shows a failed command: error icon, a single OK button, the
// application title as caption, the message with its final period.
std::unique_ptr<QMessageBox> makeErrorBox(const QString& message, QWidget* parent = nullptr);

// Shows the box modally over the active window and returns once it is closed.
void showErrorBox(const QString& message);

// Makes the error box the display of every failed command.
void installErrorBox();

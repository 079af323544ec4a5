#include "errorbox.h"

#include "commandrunner.h"
#include "messagetext.h"

#include <QApplication>
#include <QMessageBox>

QString applicationTitle() {
    return QStringLiteral("Quarvel");
}

std::unique_ptr<QMessageBox> makeErrorBox(const QString& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, applicationTitle(),
                                             withFinalPeriod(message), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void showErrorBox(const QString& message) {
    auto box = makeErrorBox(message, QApplication::activeWindow());
    box->exec();
}

void installErrorBox() {
    setCommandErrorHandler(showErrorBox);
}

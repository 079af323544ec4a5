#pragma once

#include <exception>
#include <QByteArray>
#include <QString>

// The failure of a command: it abandons the command and travels up to the one
// top-level handler that shows the message box. Messages are the program's own
// texts, without the final period (the handler adds it).
class QuarvelError : public std::exception {
public:
    explicit QuarvelError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8()) {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

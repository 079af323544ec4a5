#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QStringView>

// Pieces of JSON text for the command-line output.

// The shortest decimal form that reads back as the same double; non-finite
// values, which JSON cannot carry, become null.
QByteArray jsonNumber(double value);

// An extended-precision value: exactly when it is a whole number within 64
// bits, otherwise as the double it rounds to.
QByteArray jsonNumber(long double value);

QByteArray jsonNumber(qint64 value);

// A quoted, escaped string in UTF-8.
QByteArray jsonString(QStringView text);
QByteArray jsonString(QLatin1String text);

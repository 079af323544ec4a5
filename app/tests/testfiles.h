#pragma once

// Whole files for the tests that write and read them back.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The whole file; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

// Writes bytes as the whole file; a failed write fails the test.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

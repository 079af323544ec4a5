#include "commandrunner.h"
#include "messagetext.h"

#include <QTest>

class TestMessageText : public QObject {
    Q_OBJECT
private slots:
    void finalPeriod_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Fichier introuvable"
                                << "Fichier introuvable.";
        QTest::newRow("digit") << "Erreur E/S 32"
                               << "Erreur E/S 32.";
        QTest::newRow("period") << "Fin."
                                << "Fin.";
        QTest::newRow("comma") << "a,"
                               << "a,";
        QTest::newRow("dash") << "a-"
                              << "a-";
        QTest::newRow("bracket") << "a)"
                                 << "a)";
        QTest::newRow("bang") << "a!"
                              << "a!";
        QTest::newRow("slash (code 47)") << "a/"
                                         << "a/.";
        QTest::newRow("accent") << "Accès refusé"
                                << "Accès refusé.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void finalPeriod() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(withFinalPeriod(message), shown);
    }

    void failedCommandReachesTheHandlerOnce() {
        QStringList seen;
        auto previous = setCommandErrorHandler([&](const QString& m) { seen << m; });
        int after = 0;
        const bool completed = runCommand([&] {
            throw QuarvelError(QStringLiteral("Débordement d'entier"));
            ++after;
        });
        QVERIFY(!completed);
        QCOMPARE(after, 0);
        QCOMPARE(seen, QStringList{QStringLiteral("Débordement d'entier")});
        QVERIFY(runCommand([] {}));
        QCOMPARE(seen.size(), 1);
        setCommandErrorHandler(previous);
    }
};

QTEST_APPLESS_MAIN(TestMessageText)
#include "test_messagetext.moc"

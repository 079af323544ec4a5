#include "language.h"

#include <QTest>

Q_DECLARE_METATYPE(Language)

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void chooseLanguage_data() {
        QTest::addColumn<QString>("override");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<Language>("expected");
        // What QLocale::system().uiLanguages() gives on Linux for LANGUAGE and LANG.
        QTest::newRow("LANGUAGE=de:en")
            << QString() << QStringList{"de", "en"} << Language::English;
        QTest::newRow("en_CA") << QString() << QStringList{"en-CA", "en-Latn-CA", "en"}
                               << Language::English;
        QTest::newRow("en_US.UTF-8")
            << QString() << QStringList{"en-US", "en"} << Language::English;
        QTest::newRow("fr_CA") << QString() << QStringList{"fr-CA", "fr"} << Language::French;
        QTest::newRow("German then French then English")
            << QString() << QStringList{"de-DE", "fr-CH", "en"} << Language::French;
        QTest::newRow("C") << QString() << QStringList{"C"} << Language::French;
        QTest::newRow("POSIX") << QString() << QStringList{"POSIX"} << Language::French;
        QTest::newRow("none") << QString() << QStringList{} << Language::French;
        QTest::newRow("German alone")
            << QString() << QStringList{"de-DE", "de"} << Language::French;
        QTest::newRow("override en") << "en" << QStringList{"fr-FR"} << Language::English;
        QTest::newRow("override fr") << "fr" << QStringList{"en-US"} << Language::French;
        QTest::newRow("unknown override") << "de" << QStringList{"en-GB"} << Language::English;
        QTest::newRow("no word starting en")
            << QString() << QStringList{"eo", "fr"} << Language::French;
    }
    void chooseLanguage() {
        QFETCH(QString, override);
        QFETCH(QStringList, uiLanguages);
        QFETCH(Language, expected);
        QCOMPARE(::chooseLanguage(override, uiLanguages), expected);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "test_language.moc"

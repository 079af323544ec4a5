#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

Language chosen = Language::French;

// "en", "en-CA", "en_US.UTF-8" -> "en"; "C", "POSIX" -> "c", "posix".
QString languageCode(const QString& name) {
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetter())
        ++end;
    return name.left(end).toLower();
}

} // namespace

Language chooseLanguage(const QString& override, const QStringList& uiLanguages) {
    if (override == u"fr") return Language::French;
    if (override == u"en") return Language::English;
    for (const QString& name : uiLanguages) {
        const QString code = languageCode(name);
        if (code == u"fr") return Language::French;
        if (code == u"en") return Language::English;
    }
    return Language::French;
}

Language installLanguage() {
    chosen =
        chooseLanguage(qEnvironmentVariable("QUARVEL_LANGUAGE"), QLocale::system().uiLanguages());
    if (chosen == Language::English) {
        // Lives as long as the program: the application keeps a pointer.
        static QTranslator english;
        // Without its translation the program stays French throughout, numbers included.
        if (english.load(QStringLiteral(":/i18n/quarvel_en.qm")))
            QCoreApplication::installTranslator(&english);
        else
            chosen = Language::French;
    }
    return chosen;
}

void installQtLanguage() {
    if (chosen != Language::French) return;
    static QTranslator qt; // lives as long as the program, as above
    if (qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

Language currentLanguage() {
    return chosen;
}

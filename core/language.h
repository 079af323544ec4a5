#pragma once

#include <QString>
#include <QStringList>

// The language people read: French (the source texts) or English (the
// embedded translation). Chosen once at start; machine formats (JSON, the
// .qvl file, settings keys, the construction line) never change with it.
enum class Language { French, English };

// QUARVEL_LANGUAGE ("fr" or "en") wins; otherwise the first of the system's
// UI languages that is French or English decides ("de", "en-CA" -> English);
// none of them (C and POSIX included): French.
Language chooseLanguage(const QString& override, const QStringList& uiLanguages);

// Chooses from the environment and the system's locale, installs the English
// translation when chosen and makes it the current language. Call once,
// after the application object exists.
Language installLanguage();

// Qt's own texts in the window (standard dialog buttons, file dialogs) in
// the language chosen, from Qt's translations where the system has them
// (Debian: qt6-translations-l10n); Qt's source texts are English. Call
// after installLanguage.
void installQtLanguage();

// The language chosen at start (French until installLanguage runs).
Language currentLanguage();

#pragma once

#include <QString>
#include <QTranslator>

// The user-interface languages, by index (the value of the language setting
// and the row of the settings dialog's language list).
struct JXLanguageEntry
{
    const char *resource; // translation resource below ":/translate/"
    const char *itemText; // settings dialog item, source text
    const char *qtName;   // suffix of Qt's own translation, "qtbase_<qtName>.qm"
};

constexpr int kLanguageCount = 8;
extern const JXLanguageEntry g_languageTable[kLanguageCount];

// The one application-wide translator of the program's own texts: installed
// once, later only reloaded.
extern QTranslator g_translator;
// Qt's own texts in the same language (file dialogs, standard buttons, the
// line edits' context menus), from the translations Qt is installed with
// (Debian: qttranslations5-l10n). Installed and reloaded with g_translator.
extern QTranslator g_qtTranslator;

// Loads the translation of `language` into g_translator, and Qt's own into
// g_qtTranslator, and returns the path of the program's translation. An
// index outside the table loads English and sets `language` to 2. Where Qt's
// translation is missing, Qt's texts stay English (logged).
QString loadTranslator(int &language);

// Installs both translators into the application (once, at start).
void installTranslators();

// The file of Qt's own translation for `language`, whether or not it exists.
QString qtTranslationFile(int language);

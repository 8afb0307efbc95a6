#pragma once

#include <QString>
#include <QTranslator>

// The user-interface languages, by index (the value of the language setting
// and the row of the settings dialog's language list).
struct JXLanguageEntry
{
    const char *resource; // translation resource below ":/translate/"
    const char *itemText; // settings dialog item, source text
};

constexpr int kLanguageCount = 8;
extern const JXLanguageEntry g_languageTable[kLanguageCount];

// The one application-wide translator: installed once, later only reloaded.
extern QTranslator g_translator;

// Loads the translation of `language` into g_translator and returns the path
// it tried. An index outside the table loads English and sets `language` to 2.
QString loadTranslator(int &language);

#include "app/JXLanguage.h"

#include "app/KoLogging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

const JXLanguageEntry g_languageTable[kLanguageCount] = {
    {"tr_zh_CN", QT_TRANSLATE_NOOP("KoAppSettingDialog", "简体中文"), "zh_CN"},
    {"tr_zh_TW", QT_TRANSLATE_NOOP("KoAppSettingDialog", "繁体中文"), "zh_TW"},
    {"tr_en_US", QT_TRANSLATE_NOOP("KoAppSettingDialog", "English"), "en"},
    {"tr_ja_JA", QT_TRANSLATE_NOOP("KoAppSettingDialog", "Japanese"), "ja"},
    {"tr_ru_RU", QT_TRANSLATE_NOOP("KoAppSettingDialog", "俄文"), "ru"},
    {"tr_de_DE", QT_TRANSLATE_NOOP("KoAppSettingDialog", "德文"), "de"},
    {"tr_it_IT", QT_TRANSLATE_NOOP("KoAppSettingDialog", "意大利"), "it"},
    {"tr_es_ES", QT_TRANSLATE_NOOP("KoAppSettingDialog", "西班牙"), "es"},
};

QTranslator g_translator;
QTranslator g_qtTranslator;

QString qtTranslationFile(int language)
{
    if (language < 0 || language >= kLanguageCount)
        language = 2;
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") +
           QLatin1String(g_languageTable[language].qtName) + QStringLiteral(".qm");
}

QString loadTranslator(int &language)
{
    if (language < 0 || language >= kLanguageCount)
        language = 2;
    const QString path = QStringLiteral(":/translate/") + QLatin1String(g_languageTable[language].resource);
    const bool loaded = g_translator.load(path);
    qCInfo(lcApp) << "load translate" << loaded;

    // A failed load leaves the translator empty: Qt's texts then show in
    // English rather than in the language chosen before.
    const QString qtFile = qtTranslationFile(language);
    if (g_qtTranslator.load(qtFile))
        qCDebug(lcApp) << "Qt's own texts from" << qtFile;
    else if (language != 2 && !QFileInfo::exists(qtFile))
        qCWarning(lcApp) << "Qt's own texts stay English:" << qtFile
                         << "is not installed (Debian package qttranslations5-l10n)";
    else if (language != 2)
        qCWarning(lcApp) << "Qt's own texts stay English:" << qtFile << "cannot be read";
    return path;
}

void installTranslators()
{
    // The last one installed is asked first: the program's own texts win.
    QCoreApplication::installTranslator(&g_qtTranslator);
    QCoreApplication::installTranslator(&g_translator);
}

#include "app/JXLanguage.h"

#include <QCoreApplication>
#include <QDebug>

const JXLanguageEntry g_languageTable[kLanguageCount] = {
    {"tr_zh_CN", QT_TRANSLATE_NOOP("KoAppSettingDialog", "简体中文")},
    {"tr_zh_TW", QT_TRANSLATE_NOOP("KoAppSettingDialog", "繁体中文")},
    {"tr_en_US", QT_TRANSLATE_NOOP("KoAppSettingDialog", "English")},
    {"tr_ja_JA", QT_TRANSLATE_NOOP("KoAppSettingDialog", "Japanese")},
    {"tr_ru_RU", QT_TRANSLATE_NOOP("KoAppSettingDialog", "俄文")},
    {"tr_de_DE", QT_TRANSLATE_NOOP("KoAppSettingDialog", "德文")},
    {"tr_it_IT", QT_TRANSLATE_NOOP("KoAppSettingDialog", "意大利")},
    {"tr_es_ES", QT_TRANSLATE_NOOP("KoAppSettingDialog", "西班牙")},
};

QTranslator g_translator;

QString loadTranslator(int &language)
{
    if (language < 0 || language >= kLanguageCount)
        language = 2;
    const QString path = QStringLiteral(":/translate/") + QLatin1String(g_languageTable[language].resource);
    const bool loaded = g_translator.load(path);
    qWarning() << "load translate" << loaded;
    return path;
}

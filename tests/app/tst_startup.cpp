#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "app/JXFileManager.h"
#include "app/JXFirstRun.h"
#include "app/JXLanguage.h"

#include <QSettings>

static QString markerPath()
{
    return JXFileManager::instance()->getAppDataPath() + QStringLiteral("/myapp.conf");
}

// The start-up sequence of the program: first-run check, language read,
// translation load.
static int startUp()
{
    checkFirstInstall();
    int language = JXDefaultSettings::instance()->getLanguage();
    loadTranslator(language);
    return language;
}

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.clear();
        settings.sync();
        QFile::remove(markerPath());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void firstStartResetsAndDerivesLanguage()
    {
        auto *s = JXDefaultSettings::instance();
        s->setLanguage(5);
        s->setVolume(80);
        s->setMapType(KoMapType::OpenStreetMap);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(startUp(), 7);
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        QCOMPARE(settings.value(g_settingKey_language).toInt(), 7);
        QVERIFY(!settings.contains(g_settingKey_mapType));
        QCOMPARE(settings.value(g_settingKey_volume).toInt(), 80);
        QCOMPARE(g_translator.translate("KoAppSettingDialog", "语言设置："), QStringLiteral("Idioma:"));

        QFile marker(markerPath());
        QVERIFY(marker.open(QIODevice::ReadOnly));
        const QByteArray content = marker.readAll();
        QCOMPARE(content.size(), 19);
        const QDateTime written =
            QDateTime::fromString(QString::fromUtf8(content), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(written.isValid());
        QVERIFY(written >= before && written <= QDateTime::currentDateTime().addSecs(1));
    }

    void markerPresentLeavesSettingsAlone()
    {
        checkFirstInstall();
        auto *s = JXDefaultSettings::instance();
        s->setLanguage(5);
        s->setMapType(KoMapType::OpenStreetMap);
        QLocale::setDefault(QLocale(QLocale::Spanish));
        QCOMPARE(startUp(), 5);
        QCOMPARE(s->getMapType(), KoMapType::OpenStreetMap);
        QCOMPARE(g_translator.translate("KoAppSettingDialog", "语言设置："), QStringLiteral("Sprache:"));
    }

    void outOfRangeLanguageLoadsEnglishAndStaysStored()
    {
        checkFirstInstall();
        JXDefaultSettings::instance()->setLanguage(9);
        int language = JXDefaultSettings::instance()->getLanguage();
        QCOMPARE(loadTranslator(language), QStringLiteral(":/translate/tr_en_US"));
        QCOMPARE(language, 2);
        QCOMPARE(JXDefaultSettings::instance()->getLanguage(), 9);
        QCOMPARE(g_translator.translate("KoAppSettingDialog", "语言设置："), QStringLiteral("Language:"));
    }

    void portugueseAndChineseFirstStart_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("expected");
        QTest::newRow("Portuguese") << QLocale(QLocale::Portuguese, QLocale::Brazil) << 2;
        QTest::newRow("traditional Chinese")
            << QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan) << 0;
        QTest::newRow("simplified Chinese") << QLocale(QLocale::Chinese, QLocale::China) << 0;
    }

    void portugueseAndChineseFirstStart()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, expected);
        QLocale::setDefault(locale);
        QCOMPARE(startUp(), expected);
        QCOMPARE(QSettings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"))
                     .value(g_settingKey_language)
                     .toInt(),
                 expected);
    }

    void everyTranslationLoads_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("languageLabel");
        QTest::addColumn<QString>("qtLookIn");
        const char *expected[] = {"语言设置：",       "語言設定：", "Language:", "言語：",
                                  "Язык интерфейса:", "Sprache:",   "Lingua:",   "Idioma:"};
        // Qt's own file dialog (English is Qt's source language: no text).
        const char *lookIn[] = {
            "查找范围：", "尋找於：", "", "アドレス:", "Перейти к:", "Suchen in:", "Cerca in:", "Ver en:"};
        for (int i = 0; i < kLanguageCount; ++i)
            QTest::newRow(g_languageTable[i].resource)
                << i << QString::fromLatin1(g_languageTable[i].resource) << QString::fromUtf8(expected[i])
                << QString::fromUtf8(lookIn[i]);
    }

    void everyTranslationLoads()
    {
        QFETCH(int, language);
        QFETCH(QString, resource);
        QFETCH(QString, languageLabel);
        QFETCH(QString, qtLookIn);
        QCOMPARE(loadTranslator(language), QStringLiteral(":/translate/") + resource);
        QVERIFY(!g_translator.isEmpty());
        QCOMPARE(g_translator.translate("KoAppSettingDialog", "语言设置："), languageLabel);
        QCOMPARE(g_qtTranslator.translate("QFileDialog", "Look in:"), qtLookIn);
    }
};

TAVRIN_TEST_MAIN(tst_startup, QCoreApplication)
#include "tst_startup.moc"

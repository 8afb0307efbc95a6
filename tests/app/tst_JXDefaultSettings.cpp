#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "app/JXFileManager.h"

#include <QSettings>

// Reads the settings file as another process would, so that a test sees what
// really reached storage.
static QVariant stored(const QString &key)
{
    QSettings file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/T561/TavrinPlayer.conf"),
                   QSettings::IniFormat);
    return file.value(key);
}

class tst_JXDefaultSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.clear();
        settings.sync();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void storeIsTheUsersConfigFile()
    {
        // The volume slider's steps are written once they pause.
        for (int volume = 0; volume <= 42; ++volume)
            JXDefaultSettings::instance()->setVolume(volume);
        QVERIFY(!stored(g_settingKey_volume).isValid());
        const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/T561/TavrinPlayer.conf");
        QVERIFY(path.startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))));
        QTRY_COMPARE(stored(g_settingKey_volume).toInt(), 42);
        QVERIFY(QFile::exists(path));
    }

    void plainDefaultsAreNotStored()
    {
        auto *s = JXDefaultSettings::instance();
        QCOMPARE(s->getVolume(), 100);
        QCOMPARE(s->getKeepOriginalSize(), true);
        QCOMPARE(s->getLastCaptureIndex(), 0);
        QCOMPARE(s->getVideoDir(), QString());
        QCOMPARE(s->getLastFileList(), QStringList());
        for (const QString &key :
             {g_settingKey_volume, g_settingKey_keepOriginalSize, g_settingKey_last_capture_index,
              g_settingKey_videoDir, g_settingKey_last_filelist})
            QVERIFY2(!stored(key).isValid(), qPrintable(key));
    }

    // A map service without a key in this build would show an empty map:
    // OpenStreetMap (2) stands in for it.
    void mapTypeStoresLanguageToo()
    {
        const int expected = TAVRIN_HAS_GOOGLE_MAPS_KEY ? 0 : 2;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(int(JXDefaultSettings::instance()->getMapType()), expected);
        QCOMPARE(stored(g_settingKey_language).toInt(), 5);
        QCOMPARE(stored(g_settingKey_mapType).toInt(), expected);
    }

    void chineseLanguageDefaultsToBaiduMap()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
        QCOMPARE(int(JXDefaultSettings::instance()->getMapType()), TAVRIN_HAS_BAIDU_MAPS_KEY ? 1 : 2);
        QCOMPARE(stored(g_settingKey_language).toInt(), 0);
    }

    void storedMapTypeIsKept()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (int type : {0, 1, 2}) {
            QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
            settings.setValue(g_settingKey_mapType, type);
            settings.sync();
            QCOMPARE(int(JXDefaultSettings::instance()->getMapType()), type);
        }
        // A number no map has shows the Google page.
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.setValue(g_settingKey_mapType, 7);
        settings.sync();
        QCOMPARE(JXDefaultSettings::instance()->getMapType(), KoMapType::Google);
    }

    void languageFromSystemLocale_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("expected");
        QTest::newRow("Chinese simplified") << int(QLocale::Chinese) << 0;
        QTest::newRow("Japanese") << int(QLocale::Japanese) << 3;
        QTest::newRow("Russian") << int(QLocale::Russian) << 4;
        QTest::newRow("German") << int(QLocale::German) << 5;
        QTest::newRow("Italian") << int(QLocale::Italian) << 6;
        QTest::newRow("Spanish") << int(QLocale::Spanish) << 7;
        QTest::newRow("Portuguese") << int(QLocale::Portuguese) << 2;
        QTest::newRow("English") << int(QLocale::English) << 2;
    }

    void languageFromSystemLocale()
    {
        QFETCH(int, language);
        QFETCH(int, expected);
        QLocale::setDefault(QLocale(QLocale::Language(language)));
        // What --help shows in: the same language, nothing stored yet.
        QCOMPARE(JXDefaultSettings::instance()->currentLanguage(), expected);
        QVERIFY(!stored(g_settingKey_language).isValid());
        QCOMPARE(JXDefaultSettings::instance()->getLanguage(), expected);
        QCOMPARE(stored(g_settingKey_language).toInt(), expected);
        // Once stored, the system locale no longer matters.
        QLocale::setDefault(QLocale(QLocale::Russian));
        QCOMPARE(JXDefaultSettings::instance()->getLanguage(), expected);
    }

    void speedUnitAndSnapDirAreStoredOnFirstRead()
    {
        auto *s = JXDefaultSettings::instance();
        QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::KilometresPerHour);
        QCOMPARE(stored(g_settingKey_speedUnit).toInt(), 0);

        // The user's pictures, never the cache that cleaners empty; made
        // when first asked for.
        const QString expected = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                                 QStringLiteral("/Tavrin Player");
        QVERIFY(expected.startsWith(QString::fromLocal8Bit(qgetenv("TAVRIN_TEST_HOME"))));
        QVERIFY(!QFileInfo::exists(expected));
        QCOMPARE(s->getSnapDir(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(stored(g_settingKey_snapDir).toString(), expected);

        // A stored folder is kept as it is, and a missing one (a drive not
        // plugged in) is not made.
        const QString unplugged = QDir::tempPath() + QStringLiteral("/tavrin-unplugged-drive/snaps");
        s->setSnapDir(unplugged);
        QCOMPARE(s->getSnapDir(), unplugged);
        QVERIFY(!QFileInfo::exists(unplugged));
    }

    void pairGetters()
    {
        auto *s = JXDefaultSettings::instance();
        QCOMPARE(s->getMainSizes(), QList<int>());
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.setValue(g_settingKey_mainsizes_1, 300);
        settings.sync();
        QCOMPARE(s->getMainSizes(), QList<int>()); // "_1" alone does not count

        s->setMainSizes({700, 320});
        QCOMPARE(s->getMainSizes(), (QList<int>{700, 320}));
        QCOMPARE(stored(g_settingKey_mainsizes_0).toInt(), 700);

        s->setRightSizes({200, 400});
        QCOMPARE(s->getRightSizes(), (QList<int>{200, 400}));
        settings.remove(g_settingKey_rightsizes_1);
        settings.sync();
        QCOMPARE(s->getRightSizes(), (QList<int>{200, 0}));

        // A short list is refused instead of writing half a pair.
        s->setRightSizes({5});
        QCOMPARE(s->getRightSizes(), (QList<int>{200, 0}));
    }

    void typedRoundTrips()
    {
        auto *s = JXDefaultSettings::instance();
        s->setKeepOriginalSize(false);
        QCOMPARE(s->getKeepOriginalSize(), false);
        s->setLastFileList({QStringLiteral("/v/a.MP4"), QStringLiteral("/v/b.MP4")});
        QCOMPARE(s->getLastFileList(), (QStringList{QStringLiteral("/v/a.MP4"), QStringLiteral("/v/b.MP4")}));
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.setValue(g_settingKey_volume, QStringLiteral("loud"));
        settings.sync();
        QCOMPARE(s->getVolume(), 0); // wrong type converts by the toolkit's rules
    }

    void resetKeepsVolumeVideoDirAndCaptureIndex()
    {
        auto *s = JXDefaultSettings::instance();
        s->setVolume(150);
        s->setVideoDir(QStringLiteral("/media/card"));
        s->setLastCaptureIndex(17);
        s->setLanguage(4);
        s->setMapType(KoMapType::OpenStreetMap);
        s->setSpeedUnit(KoSpeedUnit::MilesPerHour);
        s->setSnapDir(QStringLiteral("/tmp/snaps"));
        s->setKeepOriginalSize(false);
        s->setMainSizes({1, 2});
        s->setRightSizes({3, 4});
        s->setLastFileList({QStringLiteral("/v/a.MP4")});
        QSettings settings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"));
        settings.setValue(g_settingKey_screenSplitType, 2);
        settings.setValue(g_settingKey_videoSolution, 1);
        settings.sync();

        s->resetSettings();
        s->setVolume(150); // any flush carries the removals to storage

        for (const QString &key :
             {g_settingKey_screenSplitType, g_settingKey_snapDir, g_settingKey_language, g_settingKey_mapType,
              g_settingKey_speedUnit, g_settingKey_videoSolution, g_settingKey_keepOriginalSize,
              g_settingKey_mainsizes_0, g_settingKey_mainsizes_1, g_settingKey_rightsizes_0,
              g_settingKey_rightsizes_1, g_settingKey_last_filelist})
            QVERIFY2(!stored(key).isValid(), qPrintable(key));
        QCOMPARE(s->getVolume(), 150);
        QCOMPARE(s->getVideoDir(), QStringLiteral("/media/card"));
        QCOMPARE(s->getLastCaptureIndex(), 17);
        QCOMPARE(s->getLastFileList(), QStringList());
    }

    void pathsAreCreated()
    {
        auto *files = JXFileManager::instance();
        const QString root = files->getAppDataPath();
        QVERIFY(root.startsWith(QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME"))));
        QVERIFY(QFileInfo(root).isDir());
        QDir(root).removeRecursively();
        QCOMPARE(files->getGpsDir(), root + QStringLiteral("/GPS"));
        QVERIFY(QFileInfo(root + QStringLiteral("/GPS")).isDir());
        QCOMPARE(files->getPreviewDir(), root + QStringLiteral("/Previews"));
        QVERIFY(QFileInfo(root + QStringLiteral("/Previews")).isDir());
        QCOMPARE(joinPath(QStringLiteral("/a"), "/b.txt"), QStringLiteral("/a/b.txt"));
        QCOMPARE(joinPath(QStringLiteral("/a"), "/é"), QStringLiteral("/a/é"));
    }
};

TAVRIN_TEST_MAIN(tst_JXDefaultSettings, QCoreApplication)
#include "tst_JXDefaultSettings.moc"

#include "app/JXDefaultSettings.h"

#include "app/JXFileManager.h"
#include "app/KoLogging.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

const QString g_settingKey_language = QStringLiteral("g_settingKey_language");
const QString g_settingKey_mapType = QStringLiteral("g_settingKey_mapType");
const QString g_settingKey_speedUnit = QStringLiteral("g_settingKey_speedUnit");
const QString g_settingKey_snapDir = QStringLiteral("g_settingKey_snapDir");
const QString g_settingKey_videoDir = QStringLiteral("g_settingKey_videoDir");
const QString g_settingKey_volume = QStringLiteral("g_settingKey_volume");
const QString g_settingKey_keepOriginalSize = QStringLiteral("g_settingKey_keepOriginalSize");
const QString g_settingKey_last_capture_index = QStringLiteral("g_settingKey_last_capture_index");
const QString g_settingKey_last_filelist = QStringLiteral("g_settingKey_last_filelist");
const QString g_settingKey_mainsizes_0 = QStringLiteral("g_settingKey_mainsizes_0");
const QString g_settingKey_mainsizes_1 = QStringLiteral("g_settingKey_mainsizes_1");
const QString g_settingKey_rightsizes_0 = QStringLiteral("g_settingKey_rightsizes_0");
const QString g_settingKey_rightsizes_1 = QStringLiteral("g_settingKey_rightsizes_1");
const QString g_settingKey_screenSplitType = QStringLiteral("g_settingKey_screenSplitType");
const QString g_settingKey_videoSolution = QStringLiteral("g_settingKey_videoSolution");

QString getSystemLanguage()
{
    const QLocale locale;
    const QString name = QLocale::languageToString(locale.language());
    qWarning() << "系统语言为: " + name;
    return name;
}

static int languageFromSystemName(const QString &name)
{
    if (name == QLatin1String("Chinese"))
        return 0;
    if (name == QLatin1String("Japanese"))
        return 3;
    if (name == QLatin1String("Russian"))
        return 4;
    if (name == QLatin1String("German"))
        return 5;
    if (name == QLatin1String("Italian"))
        return 6;
    if (name == QLatin1String("Spanish"))
        return 7;
    return 2;
}

JXDefaultSettings *JXDefaultSettings::instance()
{
    static JXDefaultSettings *s_instance = new JXDefaultSettings;
    return s_instance;
}

JXDefaultSettings::JXDefaultSettings()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("T561"), QStringLiteral("TavrinPlayer")))
{}

JXDefaultSettings::~JXDefaultSettings() = default;

QVariant JXDefaultSettings::plainValue(const QString &key, const QVariant &fallback) const
{
    return m_settings->contains(key) ? m_settings->value(key) : fallback;
}

void JXDefaultSettings::store(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QList<int> JXDefaultSettings::pairValue(const QString &key0, const QString &key1) const
{
    if (!m_settings->contains(key0))
        return {};
    return {m_settings->value(key0).toInt(), m_settings->value(key1).toInt()};
}

void JXDefaultSettings::storePair(const QString &key0, const QString &key1, const QList<int> &values)
{
    // A shorter list would leave a half-written pair behind; keep what is stored.
    if (values.size() < 2) {
        qWarning() << "JXDefaultSettings::storePair" << __LINE__ << key0 << values.size();
        return;
    }
    m_settings->setValue(key0, values.at(0));
    m_settings->setValue(key1, values.at(1));
    m_settings->sync();
}

int JXDefaultSettings::getLanguage()
{
    if (!m_settings->contains(g_settingKey_language))
        store(g_settingKey_language, languageFromSystemName(getSystemLanguage()));
    return m_settings->value(g_settingKey_language).toInt();
}

int JXDefaultSettings::currentLanguage() const
{
    if (m_settings->contains(g_settingKey_language))
        return m_settings->value(g_settingKey_language).toInt();
    return languageFromSystemName(QLocale::languageToString(QLocale().language()));
}

void JXDefaultSettings::setLanguage(int language)
{
    store(g_settingKey_language, language);
}

// Baidu for simplified Chinese, Google otherwise; OpenStreetMap, which needs no
// key, when this build has no key for that service (its page would stay empty).
static int defaultMapType(int language)
{
    if (language == 0)
        return TAVRIN_HAS_BAIDU_MAPS_KEY ? 1 : 2;
    return TAVRIN_HAS_GOOGLE_MAPS_KEY ? 0 : 2;
}

int JXDefaultSettings::getMapType()
{
    if (!m_settings->contains(g_settingKey_mapType))
        store(g_settingKey_mapType, defaultMapType(getLanguage()));
    return m_settings->value(g_settingKey_mapType).toInt();
}

void JXDefaultSettings::setMapType(int mapType)
{
    store(g_settingKey_mapType, mapType);
}

int JXDefaultSettings::getSpeedUnit()
{
    if (!m_settings->contains(g_settingKey_speedUnit))
        store(g_settingKey_speedUnit, 0);
    return m_settings->value(g_settingKey_speedUnit).toInt();
}

void JXDefaultSettings::setSpeedUnit(int unit)
{
    store(g_settingKey_speedUnit, unit);
}

QString JXDefaultSettings::getSnapDir()
{
    const QString defaultDir = JXFileManager::instance()->getDefaultSnapDir();
    if (!m_settings->contains(g_settingKey_snapDir))
        store(g_settingKey_snapDir, defaultDir);
    const QString dir = m_settings->value(g_settingKey_snapDir).toString();
    // The default folder is made when it is first asked for (a snapshot, the
    // settings' folder chooser). A folder the user chose is left as it is: a
    // missing one may be a drive not plugged in.
    if (dir == defaultDir && !QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        qCWarning(lcApp) << "cannot create the snapshot folder" << dir;
    return dir;
}

void JXDefaultSettings::setSnapDir(QString dir)
{
    store(g_settingKey_snapDir, dir);
}

QString JXDefaultSettings::getVideoDir()
{
    return plainValue(g_settingKey_videoDir, QString()).toString();
}

void JXDefaultSettings::setVideoDir(QString dir)
{
    store(g_settingKey_videoDir, dir);
}

int JXDefaultSettings::getVolume()
{
    return plainValue(g_settingKey_volume, 100).toInt();
}

void JXDefaultSettings::setVolume(int volume)
{
    store(g_settingKey_volume, volume);
}

bool JXDefaultSettings::getKeepOriginalSize()
{
    return plainValue(g_settingKey_keepOriginalSize, true).toBool();
}

void JXDefaultSettings::setKeepOriginalSize(bool keep)
{
    store(g_settingKey_keepOriginalSize, keep);
}

int JXDefaultSettings::getLastCaptureIndex()
{
    return plainValue(g_settingKey_last_capture_index, 0).toInt();
}

void JXDefaultSettings::setLastCaptureIndex(int index)
{
    store(g_settingKey_last_capture_index, index);
}

QStringList JXDefaultSettings::getLastFileList()
{
    return plainValue(g_settingKey_last_filelist, QStringList()).toStringList();
}

void JXDefaultSettings::setLastFileList(QStringList files)
{
    store(g_settingKey_last_filelist, files);
}

QList<int> JXDefaultSettings::getMainSizes()
{
    return pairValue(g_settingKey_mainsizes_0, g_settingKey_mainsizes_1);
}

void JXDefaultSettings::setMainSizes(QList<int> sizes)
{
    storePair(g_settingKey_mainsizes_0, g_settingKey_mainsizes_1, sizes);
}

QList<int> JXDefaultSettings::getRightSizes()
{
    return pairValue(g_settingKey_rightsizes_0, g_settingKey_rightsizes_1);
}

void JXDefaultSettings::setRightSizes(QList<int> sizes)
{
    storePair(g_settingKey_rightsizes_0, g_settingKey_rightsizes_1, sizes);
}

void JXDefaultSettings::resetSettings()
{
    // The removals reach storage with the next flush (start-up stores the
    // language right after this).
    const QString keys[] = {
        g_settingKey_screenSplitType,  g_settingKey_snapDir,      g_settingKey_language,
        g_settingKey_mapType,          g_settingKey_speedUnit,    g_settingKey_videoSolution,
        g_settingKey_keepOriginalSize, g_settingKey_mainsizes_0,  g_settingKey_mainsizes_1,
        g_settingKey_rightsizes_0,     g_settingKey_rightsizes_1, g_settingKey_last_filelist,
    };
    for (const QString &key : keys)
        m_settings->remove(key);
}

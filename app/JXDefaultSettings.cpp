#include "app/JXDefaultSettings.h"

#include "app/JXFileManager.h"
#include "app/KoLogging.h"
#include "gps/KoDrivingEvents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QSettings>
#include <QTimer>

#include <cmath>

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
const QString g_settingKey_eventBrakingG = QStringLiteral("g_settingKey_eventBrakingG");
const QString g_settingKey_eventAccelerationG = QStringLiteral("g_settingKey_eventAccelerationG");
const QString g_settingKey_eventCorneringG = QStringLiteral("g_settingKey_eventCorneringG");
const QString g_settingKey_eventImpactG = QStringLiteral("g_settingKey_eventImpactG");
const QString g_settingKey_eventImpactJoltG = QStringLiteral("g_settingKey_eventImpactJoltG");

QString getSystemLanguage()
{
    const QLocale locale;
    const QString name = QLocale::languageToString(locale.language());
    qCDebug(lcApp) << "system language" << name;
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
    , m_writeTimer(new QTimer(this))
{
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(DeferredWriteMs);
    connect(m_writeTimer, &QTimer::timeout, this, &JXDefaultSettings::flush);
}

JXDefaultSettings::~JXDefaultSettings()
{
    flush();
}

QString JXDefaultSettings::fileName() const
{
    return m_settings->fileName();
}

QVariant JXDefaultSettings::plainValue(const QString &key, const QVariant &fallback) const
{
    const auto waiting = m_waiting.constFind(key);
    if (waiting != m_waiting.constEnd())
        return *waiting;
    return m_settings->contains(key) ? m_settings->value(key) : fallback;
}

void JXDefaultSettings::store(const QString &key, const QVariant &value)
{
    m_waiting.remove(key);
    m_settings->setValue(key, value);
    sync();
}

void JXDefaultSettings::storeLater(const QString &key, const QVariant &value)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app == nullptr) {
        store(key, value); // no event loop to wait in
        return;
    }
    if (!m_quitHooked) {
        connect(app, &QCoreApplication::aboutToQuit, this, &JXDefaultSettings::flush);
        m_quitHooked = true;
    }
    // Not even handed to QSettings yet: it would write the file from the
    // event loop on its own.
    m_waiting.insert(key, value);
    m_writeTimer->start();
}

void JXDefaultSettings::flush()
{
    if (!m_waiting.isEmpty())
        sync();
}

void JXDefaultSettings::sync()
{
    m_writeTimer->stop();
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    m_waiting.clear();
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError && !m_storeFailed) {
        m_storeFailed = true;
        qCWarning(lcApp) << "settings cannot be saved to" << m_settings->fileName();
        emit storeFailed(m_settings->fileName());
    }
}

double JXDefaultSettings::thresholdValue(const QString &key, double fallback) const
{
    if (!m_settings->contains(key))
        return fallback;
    bool ok = false;
    const double value = m_settings->value(key).toDouble(&ok);
    // Above 20 g no threshold means anything: a slip of the decimal point.
    if (!ok || !std::isfinite(value) || value <= 0 || value > 20) {
        // Once per key: the thresholds are read for every recording summed up.
        static QSet<QString> reported;
        if (!reported.contains(key)) {
            reported.insert(key);
            qCWarning(lcApp) << "setting" << key << "is not a threshold in g:" << m_settings->value(key)
                             << "- using" << fallback;
        }
        return fallback;
    }
    return value;
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
        qCWarning(lcApp) << "a pair of sizes needs two values:" << key0 << values.size();
        return;
    }
    m_waiting.remove(key0);
    m_waiting.remove(key1);
    m_settings->setValue(key0, values.at(0));
    m_settings->setValue(key1, values.at(1));
    sync();
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
static KoMapType defaultMapType(int language)
{
    if (language == 0)
        return TAVRIN_HAS_BAIDU_MAPS_KEY ? KoMapType::Baidu : KoMapType::OpenStreetMap;
    return TAVRIN_HAS_GOOGLE_MAPS_KEY ? KoMapType::Google : KoMapType::OpenStreetMap;
}

KoMapType JXDefaultSettings::getMapType()
{
    if (!m_settings->contains(g_settingKey_mapType))
        store(g_settingKey_mapType, int(defaultMapType(getLanguage())));
    const int stored = m_settings->value(g_settingKey_mapType).toInt();
    // Any other stored number shows the Google page, as it always did.
    return stored == int(KoMapType::Baidu) || stored == int(KoMapType::OpenStreetMap) ? KoMapType(stored)
                                                                                      : KoMapType::Google;
}

void JXDefaultSettings::setMapType(KoMapType mapType)
{
    store(g_settingKey_mapType, int(mapType));
}

KoSpeedUnit JXDefaultSettings::getSpeedUnit()
{
    if (!m_settings->contains(g_settingKey_speedUnit))
        store(g_settingKey_speedUnit, int(KoSpeedUnit::KilometresPerHour));
    return m_settings->value(g_settingKey_speedUnit).toInt() == int(KoSpeedUnit::MilesPerHour)
               ? KoSpeedUnit::MilesPerHour
               : KoSpeedUnit::KilometresPerHour;
}

void JXDefaultSettings::setSpeedUnit(KoSpeedUnit unit)
{
    store(g_settingKey_speedUnit, int(unit));
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
    storeLater(g_settingKey_volume, volume);
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

double JXDefaultSettings::getEventBrakingG()
{
    return thresholdValue(g_settingKey_eventBrakingG, KoDrivingEvents::Thresholds().brakingG);
}

void JXDefaultSettings::setEventBrakingG(double g)
{
    store(g_settingKey_eventBrakingG, g);
}

double JXDefaultSettings::getEventAccelerationG()
{
    return thresholdValue(g_settingKey_eventAccelerationG, KoDrivingEvents::Thresholds().accelerationG);
}

void JXDefaultSettings::setEventAccelerationG(double g)
{
    store(g_settingKey_eventAccelerationG, g);
}

double JXDefaultSettings::getEventCorneringG()
{
    return thresholdValue(g_settingKey_eventCorneringG, KoDrivingEvents::Thresholds().corneringG);
}

void JXDefaultSettings::setEventCorneringG(double g)
{
    store(g_settingKey_eventCorneringG, g);
}

double JXDefaultSettings::getEventImpactG()
{
    return thresholdValue(g_settingKey_eventImpactG, KoDrivingEvents::Thresholds().impactG);
}

void JXDefaultSettings::setEventImpactG(double g)
{
    store(g_settingKey_eventImpactG, g);
}

double JXDefaultSettings::getEventImpactJoltG()
{
    return thresholdValue(g_settingKey_eventImpactJoltG, KoDrivingEvents::Thresholds().impactJoltG);
}

void JXDefaultSettings::setEventImpactJoltG(double g)
{
    store(g_settingKey_eventImpactJoltG, g);
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
    for (const QString &key : keys) {
        m_waiting.remove(key);
        m_settings->remove(key);
    }
}

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantHash>

#include <memory>

class QSettings;
class QTimer;

extern const QString g_settingKey_language;
extern const QString g_settingKey_mapType;
extern const QString g_settingKey_speedUnit;
extern const QString g_settingKey_snapDir;
extern const QString g_settingKey_videoDir;
extern const QString g_settingKey_volume;
extern const QString g_settingKey_keepOriginalSize;
extern const QString g_settingKey_last_capture_index;
extern const QString g_settingKey_last_filelist;
extern const QString g_settingKey_mainsizes_0;
extern const QString g_settingKey_mainsizes_1;
extern const QString g_settingKey_rightsizes_0;
extern const QString g_settingKey_rightsizes_1;
extern const QString g_settingKey_screenSplitType;
extern const QString g_settingKey_videoSolution;
// Driving event thresholds, in g (KoDrivingEvents::Thresholds).
extern const QString g_settingKey_eventBrakingG;
extern const QString g_settingKey_eventAccelerationG;
extern const QString g_settingKey_eventCorneringG;
extern const QString g_settingKey_eventImpactG;
extern const QString g_settingKey_eventImpactJoltG;

// The map services; the numbers are the stored values and the settings
// dialog's items.
enum class KoMapType
{
    Google = 0,
    Baidu = 1,
    OpenStreetMap = 2
};

// The speed units; stored as their numbers.
enum class KoSpeedUnit
{
    KilometresPerHour = 0,
    MilesPerHour = 1
};

// English name of the system locale's language ("Chinese", "German", ...).
QString getSystemLanguage();

// Process-wide settings store. Every write reaches storage before the
// setter returns, but for the volume: a slider sends a value per step, and
// each write rewrites the whole file (the playlist included), so the volume
// is written once the changes pause, with the next other write, or when the
// application quits, whichever comes first.
class JXDefaultSettings : public QObject
{
    Q_OBJECT

public:
    static JXDefaultSettings *instance();
    ~JXDefaultSettings() override;

    // How long the volume waits for the next change before it is written.
    static constexpr int DeferredWriteMs = 500;

    // Writes what is waiting now.
    void flush();
    // Whether a write has failed (a folder that cannot be written, or full).
    bool hasStoreFailed() const { return m_storeFailed; }
    // The settings file.
    QString fileName() const;

    int getLanguage();
    // What getLanguage() gives, without storing a default or logging.
    int currentLanguage() const;
    void setLanguage(int language);
    KoMapType getMapType();
    void setMapType(KoMapType mapType);
    KoSpeedUnit getSpeedUnit();
    void setSpeedUnit(KoSpeedUnit unit);
    QString getSnapDir();
    void setSnapDir(QString dir);
    QString getVideoDir();
    void setVideoDir(QString dir);
    int getVolume();
    void setVolume(int volume);
    bool getKeepOriginalSize();
    void setKeepOriginalSize(bool keep);
    int getLastCaptureIndex();
    void setLastCaptureIndex(int index);
    QStringList getLastFileList();
    void setLastFileList(QStringList files);
    QList<int> getMainSizes();
    void setMainSizes(QList<int> sizes);
    QList<int> getRightSizes();
    void setRightSizes(QList<int> sizes);
    // Driving event thresholds in g. A stored value that is not a positive
    // number reads as the default (KoDrivingEvents::Thresholds).
    double getEventBrakingG();
    void setEventBrakingG(double g);
    double getEventAccelerationG();
    void setEventAccelerationG(double g);
    double getEventCorneringG();
    void setEventCorneringG(double g);
    double getEventImpactG();
    void setEventImpactG(double g);
    double getEventImpactJoltG();
    void setEventImpactJoltG(double g);

    void resetSettings();

signals:
    // The first write that fails; later failures are not reported again.
    void storeFailed(const QString &fileName);

private:
    JXDefaultSettings();

    QVariant plainValue(const QString &key, const QVariant &fallback) const;
    void store(const QString &key, const QVariant &value);
    // Kept until the changes pause (see DeferredWriteMs), then stored.
    void storeLater(const QString &key, const QVariant &value);
    // Writes the waiting values, then the file; notes a failure.
    void sync();
    double thresholdValue(const QString &key, double fallback) const;
    QList<int> pairValue(const QString &key0, const QString &key1) const;
    void storePair(const QString &key0, const QString &key1, const QList<int> &values);

    std::unique_ptr<QSettings> m_settings;
    QVariantHash m_waiting;
    QTimer *m_writeTimer = nullptr;
    bool m_quitHooked = false;
    bool m_storeFailed = false;
};

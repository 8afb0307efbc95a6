#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

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

// English name of the system locale's language ("Chinese", "German", ...).
QString getSystemLanguage();

// Process-wide settings store. Every write reaches storage before the
// setter returns.
class JXDefaultSettings : public QObject
{
    Q_OBJECT

public:
    static JXDefaultSettings *instance();
    ~JXDefaultSettings() override;

    int getLanguage();
    // What getLanguage() gives, without storing a default or logging.
    int currentLanguage() const;
    void setLanguage(int language);
    int getMapType();
    void setMapType(int mapType);
    int getSpeedUnit();
    void setSpeedUnit(int unit);
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

    void resetSettings();

private:
    JXDefaultSettings();

    QVariant plainValue(const QString &key, const QVariant &fallback) const;
    void store(const QString &key, const QVariant &value);
    QList<int> pairValue(const QString &key0, const QString &key1) const;
    void storePair(const QString &key0, const QString &key1, const QList<int> &values);

    std::unique_ptr<QSettings> m_settings;
};

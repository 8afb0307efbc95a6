#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QModelIndex>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class KoDirectoryListing;
class KoGPSModel;
class QIODevice;

// One channel file of a dash-camera recording: its sibling channel files
// found by name (KoRecording groups the listed files by them), its track
// cache and, once loaded, its GPS track with the map point lists and the
// G-sensor series.
class KoFileInfoModel : public QObject
{
    Q_OBJECT

public:
    // Derives the cache paths and looks for the sibling channel files. When a
    // listing is given, existence tests go through it (one folder listing
    // instead of up to 50 file-system calls per file).
    KoFileInfoModel(const QString &fileName, const QString &filePath, QObject *parent = nullptr,
                    KoDirectoryListing *listing = nullptr);
    ~KoFileInfoModel() override;

    // Ordered candidate paths of the sibling channel files of `path`; the
    // channel index (1 to 3) goes to `channelIndex`, which is left untouched
    // when the name carries no channel suffix (the list is then empty).
    static QStringList getBackPath(const QString &path, int *channelIndex);

    // The camera's clock at the start of the recording, read from its file
    // name ("2019_0523_143005_001A.MP4" or "20190523143025_00.MOV"), in UTC
    // as the camera has no time zone; invalid when the name carries none.
    static QDateTime cameraTimeOf(const QString &fileName);

    // The name of the track cache of a track found in direct chunks (its
    // G-sensor counts are 1/4096 g): ".../name_123.txt" -> ".../name_123_haisi.txt".
    static QString directChunksCachePath(const QString &cachePath);

    // Makes sure the track cache exists and was made from this recording as
    // it is now (else extracts it again), then reads it. Does nothing once the
    // track is loaded.
    void loadGPS();
    // Frees the loaded track (samples, map point lists, G-sensor series) and
    // goes back to not loaded; the next loadGPS() reads the cache again.
    // Whoever shows the track must let go of it first.
    void unloadTrack();

    float videoDuration() const { return m_videoDuration; }
    void setVideoDuration(float seconds) { m_videoDuration = seconds; }
    QString fileName() const { return m_fileName; }
    QString filePath() const { return m_filePath; }
    QString previewPath() const { return m_previewPath; }
    QString displayName() const { return m_displayName; }
    QString gpsCachePath() const { return m_gpsCachePath; }
    // 0: this file; 1 and 2: the first and second sibling channel files found.
    QString channelPath(int i) const { return i >= 0 && i < 3 ? m_channelPaths[i] : QString(); }
    bool isPlaying() const { return m_isPlaying; }
    void setPlaying(bool playing) { m_isPlaying = playing; }
    QModelIndex listIndex() const { return m_listIndex; }
    void setListIndex(const QModelIndex &index) { m_listIndex = index; }
    QFileInfo fileInfo() const { return m_fileInfo; }
    int channelCount() const { return m_channelCount; }
    int channelIndex() const { return m_channelIndex; }

    // Track fields: valid once gpsLoaded() is true.
    bool gpsLoaded() const { return m_gpsLoaded; }
    const QList<KoGPSModel *> &gpsSamples() const { return m_gpsSamples; }
    QString mapPointsBd() const { return m_mapPointsBd; }
    QString mapPointsWgs() const { return m_mapPointsWgs; }
    QString mapPointsWgs2() const { return m_mapPointsWgs2; }
    const QList<float> &gForceXs() const { return m_gForceXs; }
    const QList<float> &gForceYs() const { return m_gForceYs; }
    const QList<float> &gForceZs() const { return m_gForceZs; }
    bool hasGSensor() const { return m_hasGSensor; }
    bool haisiTrack() const { return m_haisiTrack; }

    // The loaded preview thumbnail, kept here by the display side
    // (KoPreviewLoader) so that it lives and dies with the recording; this
    // GUI-free class never looks inside. Invalid until a preview is loaded.
    QVariant previewPixmap() const { return m_previewPixmap; }
    void setPreviewPixmap(const QVariant &pixmap) { m_previewPixmap = pixmap; }

private:
    // Extracts the track into *track and stores it as the cache with `stamp`.
    bool extractTrackToCache(const QByteArray &stamp, QByteArray *track);
    void readTrack(QIODevice *device);
    void buildSeries();

    float m_videoDuration = 0;
    QString m_fileName;
    QString m_filePath;
    QString m_previewPath;
    QString m_displayName;
    QVariant m_previewPixmap;
    QString m_gpsCachePath;
    bool m_isPlaying = false;
    QModelIndex m_listIndex;
    QFileInfo m_fileInfo;
    bool m_gpsLoaded = false;
    QMutex m_gpsMutex;
    QList<KoGPSModel *> m_gpsSamples;
    QString m_mapPointsBd;
    QString m_mapPointsWgs;
    QString m_mapPointsWgs2;
    QList<float> m_gForceXs;
    QList<float> m_gForceYs;
    QList<float> m_gForceZs;
    bool m_hasGSensor = false;
    int m_channelCount = 1;
    int m_channelIndex = 0;
    QString m_channelPaths[3];
    bool m_haisiTrack = false;
};

#include "TestMain.h"

#include "tools/samples/KoVideoSource.h"

#include <QTemporaryDir>

class tst_KoVideoSource : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static KoVideoParams tinySpec()
    {
        KoVideoParams params;
        params.size = QSize(64, 36);
        params.fps = 4;
        params.seconds = 3;
        params.channel = QLatin1Char('B');
        params.clock = QDateTime(QDate(2019, 5, 23), QTime(14, 30, 6), Qt::UTC);
        return params;
    }

private slots:
    void framesOfTheRequestedVideo()
    {
        KoVideoSource video;
        QString error;
        QVERIFY2(video.encode(tinySpec(), m_dir.filePath(QStringLiteral("v.mp4")), &error),
                 qPrintable(error));
        QCOMPARE(video.frameCount(), 12);
        QCOMPARE(video.timescale(), 4000u);
        // A keyframe at every whole second, so that seeking by seconds is cheap.
        for (int i = 0; i < 12; ++i)
            QCOMPARE(video.isKeyframe(i), i % 4 == 0);
        const QByteArray entry = video.sampleEntry();
        QCOMPARE(entry.mid(4, 4), QByteArray("avc1"));
        QVERIFY(entry.contains("avcC"));
        for (int i = 0; i < 12; ++i) {
            const QByteArray frame = video.frame(i);
            QCOMPARE(quint32(frame.size()), video.frameSize(i));
            // Length-prefixed NAL units: the first length fits in the frame.
            QVERIFY(frame.size() > 4);
            const quint32 nal = quint32(uchar(frame[0])) << 24 | quint32(uchar(frame[1])) << 16 |
                                quint32(uchar(frame[2])) << 8 | uchar(frame[3]);
            QVERIFY(nal + 4 <= quint32(frame.size()));
        }
        QVERIFY(video.frame(-1).isEmpty());
        QVERIFY(video.frame(12).isEmpty());
    }

    void transportStream()
    {
        QString error;
        const QString path = m_dir.filePath(QStringLiteral("v.ts"));
        QVERIFY2(KoVideoSource::encodeTransportStream(tinySpec(), path, &error), qPrintable(error));
        QFile ts(path);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QCOMPARE(ts.size() % 188, 0);
        QCOMPARE(ts.read(1), QByteArray("\x47"));
    }

    void failuresAreReported()
    {
        KoVideoSource video;
        QString error;
        QVERIFY(video.encode(tinySpec(), m_dir.filePath(QStringLiteral("u.mp4")), &error));
        QVERIFY(!video.encode(tinySpec(), m_dir.filePath(QStringLiteral("no/such/dir/v.mp4")), &error));
        QCOMPARE(video.frameCount(), 0);
        QVERIFY2(error.startsWith(QLatin1String("ffmpeg failed")), qPrintable(error));

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_dir.path().toLocal8Bit());
        const bool encoded = video.encode(tinySpec(), m_dir.filePath(QStringLiteral("w.mp4")), &error);
        qputenv("PATH", path);
        QVERIFY(!encoded);
        QVERIFY2(error.contains(QLatin1String("ffmpeg was not found")), qPrintable(error));
        QCOMPARE(video.frameCount(), 0);
    }
};

TAVRIN_TEST_MAIN(tst_KoVideoSource, QCoreApplication)
#include "tst_KoVideoSource.moc"

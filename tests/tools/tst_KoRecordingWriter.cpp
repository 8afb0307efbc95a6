#include "TestMain.h"

#include "tools/samples/KoRecordingWriter.h"
#include "tools/samples/KoSyntheticDrive.h"
#include "tools/samples/KoVideoSource.h"

#include <QTemporaryDir>
#include <QtEndian>

namespace {

struct Box
{
    QByteArray type;
    qint64 offset = 0; // in the file
    QByteArray data;   // the whole box
};

quint32 be32(const QByteArray &d, qint64 at)
{
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(d.constData() + at));
}

quint16 be16(const QByteArray &d, qint64 at)
{
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar *>(d.constData() + at));
}

// The boxes inside `data` from `from` on (`base`: file offset of data[0]).
QList<Box> boxes(const QByteArray &data, qint64 from = 0, qint64 base = 0)
{
    QList<Box> list;
    qint64 at = from;
    while (at + 8 <= data.size()) {
        const qint64 size = be32(data, at);
        if (size < 8 || at + size > data.size())
            break;
        list.append({data.mid(int(at) + 4, 4), base + at, data.mid(int(at), int(size))});
        at += size;
    }
    return list;
}

QByteArray types(const QList<Box> &list)
{
    QByteArrayList t;
    for (const Box &b : list)
        t.append(b.type);
    return t.join(',');
}

Box find(const QList<Box> &list, const char *type, int nth = 0)
{
    for (const Box &b : list) {
        if (b.type == type && nth-- == 0)
            return b;
    }
    return {};
}

// Children of a container box (after its 8-byte header).
QList<Box> inside(const Box &b)
{
    return boxes(b.data, 8, b.offset);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime Start(QDate(2019, 5, 23), QTime(14, 30, 5), Qt::UTC);

} // namespace

class tst_KoRecordingWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    KoVideoSource m_video;
    KoSyntheticDrive m_drive{KoSyntheticDrive::Munich, Start, 3};

    QVector<KoDriveSample> samples(KoRecordingWriter::Layout layout) const
    {
        return m_drive.samples(0, 3, KoRecordingWriter::storesFourDigitYear(layout),
                               KoRecordingWriter::countsPerG(layout));
    }

    QByteArray written(KoRecordingWriter::Layout layout, const QString &name)
    {
        KoRecordingWriter writer(layout, &m_video);
        writer.setSamples(samples(layout));
        writer.setCreationTime(Start);
        QString error;
        const QString path = m_dir.filePath(name);
        if (!writer.write(path, &error))
            qWarning() << error;
        return readFile(path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        KoVideoParams params;
        params.size = QSize(64, 36);
        params.fps = 5;
        params.seconds = 3;
        params.clock = Start;
        QString error;
        QVERIFY2(m_video.encode(params, m_dir.filePath(QStringLiteral("video.mp4")), &error),
                 qPrintable(error));
        QCOMPARE(m_video.frameCount(), 15);
        QVERIFY(m_video.isKeyframe(0));
        QVERIFY(!m_video.isKeyframe(1));
        QVERIFY(m_video.isKeyframe(5));
        QCOMPARE(m_video.sampleEntry().mid(4, 4), QByteArray("avc1"));
    }

    void gpsDistanceFromTheSoundDescription()
    {
        QCOMPARE(KoRecordingWriter::gpsDistance(1, 16, 16000), qint64(32768));
        QCOMPARE(KoRecordingWriter::gpsDistance(2, 16, 48000), qint64(196608));
        QCOMPARE(KoRecordingWriter::gpsDistance(1, 16, 8000), qint64(16384));
    }

    void indexBoxListsTheRecords()
    {
        const QByteArray file = written(KoRecordingWriter::GpsIndexBox, QStringLiteral("index.MP4"));
        const QList<Box> top = boxes(file);
        QCOMPARE(types(top), QByteArray("ftyp,mdat,moov,gps "));
        QCOMPARE(types(inside(find(top, "moov"))), QByteArray("mvhd,trak"));
        const QByteArray gps = find(top, "gps ").data;
        QCOMPARE(be32(gps, 12), 3u);
        const QVector<KoDriveSample> s = samples(KoRecordingWriter::GpsIndexBox);
        for (int i = 0; i < 3; ++i) {
            const qint64 record = be32(gps, 16 + 8 * i);
            QCOMPARE(file.mid(int(record) + 4, 8), QByteArray("freeGPS "));
            QCOMPARE(file.mid(int(record) + 16, 120), s[i].toBlock());
            QCOMPARE(s[i].year, 2019);
        }
    }

    void movRecordsBehindEachSoundChunk()
    {
        const QByteArray file = written(KoRecordingWriter::FreeGpsChunks, QStringLiteral("free.MOV"));
        const QList<Box> top = boxes(file);
        QCOMPARE(types(top), QByteArray("ftyp,mdat,moov"));
        QCOMPARE(find(top, "ftyp").data.mid(8, 4), QByteArray("qt  "));
        const QList<Box> moov = inside(find(top, "moov"));
        QCOMPARE(types(moov), QByteArray("mvhd,trak,trak"));

        // The sound track holds only the boxes a dash-camera reader walks past,
        // in this order: no edit list, no extension of the sound description.
        const Box trak = find(moov, "trak", 1);
        QCOMPARE(types(inside(trak)), QByteArray("tkhd,mdia"));
        const Box mdia = find(inside(trak), "mdia");
        QCOMPARE(types(inside(mdia)), QByteArray("mdhd,hdlr,minf"));
        const Box minf = find(inside(mdia), "minf");
        QCOMPARE(types(inside(minf)), QByteArray("smhd,hdlr,dinf,stbl"));
        const Box stbl = find(inside(minf), "stbl");
        QCOMPARE(types(inside(stbl)), QByteArray("stsd,stts,stsc,stsz,stco"));

        const QByteArray stsd = find(inside(stbl), "stsd").data;
        const int n = stsd.size();
        QCOMPARE(n, 52);
        QCOMPARE(stsd.mid(20, 4), QByteArray("sowt"));
        QCOMPARE(be16(stsd, n - 12), quint16(1));
        QCOMPARE(be16(stsd, n - 10), quint16(16));
        QCOMPARE(be16(stsd, n - 4), quint16(16000));

        // The sound track's header reads as 0 x 0, the video's as its size.
        const QByteArray soundHeader = find(inside(trak), "tkhd").data;
        QCOMPARE(be32(soundHeader, soundHeader.size() - 10), 0u);
        const QByteArray videoHeader = find(inside(find(moov, "trak")), "tkhd").data;
        QCOMPARE(be32(videoHeader, videoHeader.size() - 10), 64u);
        QCOMPARE(be32(videoHeader, videoHeader.size() - 6), 36u);

        const QByteArray stco = find(inside(stbl), "stco").data;
        QCOMPARE(be32(stco, 12), 3u);
        const QVector<KoDriveSample> s = samples(KoRecordingWriter::FreeGpsChunks);
        for (int i = 0; i < 3; ++i) {
            const qint64 chunk = be32(stco, 16 + 4 * i);
            const qint64 box = chunk + 32768;
            QCOMPARE(be32(file, box), 136u);
            QCOMPARE(file.mid(int(box) + 4, 7), QByteArray("freeGPS"));
            QCOMPARE(file.mid(int(box) + 16, 120), s[i].toBlock());
            QCOMPARE(s[i].year, 19);
        }
    }

    void directChunksAreTheBlocks()
    {
        const QByteArray file = written(KoRecordingWriter::DirectChunks, QStringLiteral("direct.MP4"));
        const QList<Box> top = boxes(file);
        QCOMPARE(types(top), QByteArray("ftyp,mdat,moov"));
        const QList<Box> moov = inside(find(top, "moov"));
        QCOMPARE(types(moov), QByteArray("mvhd,trak,trak"));
        const Box trak = find(moov, "trak", 1);
        QCOMPARE(types(inside(trak)), QByteArray("tkhd,mdia"));
        const Box mdia = find(inside(trak), "mdia");
        QCOMPARE(find(inside(mdia), "hdlr").data.mid(16, 4), QByteArray("meta"));
        const Box minf = find(inside(mdia), "minf");
        QCOMPARE(types(inside(minf)), QByteArray("gmhd,dinf,stbl"));
        const Box stbl = find(inside(minf), "stbl");
        QCOMPARE(types(inside(stbl)), QByteArray("stsd,stts,stsc,stsz,stco"));
        const QByteArray header = find(inside(trak), "tkhd").data;
        QCOMPARE(be32(header, header.size() - 6), 0u);

        const QByteArray stco = find(inside(stbl), "stco").data;
        QCOMPARE(be32(stco, 12), 3u);
        const QVector<KoDriveSample> s = samples(KoRecordingWriter::DirectChunks);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(file.mid(int(be32(stco, 16 + 4 * i)), 120), s[i].toBlock());
    }

    void plainMovieHasNoTrack()
    {
        const QByteArray file = written(KoRecordingWriter::NoTrack, QStringLiteral("plain.MP4"));
        const QList<Box> top = boxes(file);
        QCOMPARE(types(top), QByteArray("ftyp,mdat,moov"));
        QCOMPARE(types(inside(find(top, "moov"))), QByteArray("mvhd,trak"));
        QVERIFY(!file.contains("velmortech"));
    }

    void refusesWhatItCannotWrite()
    {
        QString error;
        KoRecordingWriter few(KoRecordingWriter::GpsIndexBox, &m_video);
        few.setSamples(m_drive.samples(0, 2, true, 256));
        QVERIFY(!few.write(m_dir.filePath(QStringLiteral("few.MP4")), &error));
        QVERIFY(error.contains(QLatin1String("2 GPS samples for 3 s")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("few.MP4"))));

        KoRecordingWriter nowhere(KoRecordingWriter::NoTrack, &m_video);
        QVERIFY(!nowhere.write(m_dir.filePath(QStringLiteral("missing/x.MP4")), &error));
        QVERIFY(error.startsWith(QLatin1String("cannot write")));
    }

    void transportStreamGetsCameraPackets()
    {
        KoVideoParams params = m_video.params();
        QString error;
        const QString source = m_dir.filePath(QStringLiteral("source.ts"));
        QVERIFY2(KoVideoSource::encodeTransportStream(params, source, &error), qPrintable(error));
        const QString path = m_dir.filePath(QStringLiteral("camera.TS"));
        const QVector<KoDriveSample> s = samples(KoRecordingWriter::NoTrack);
        QVERIFY2(KoRecordingWriter::writeTransportStream(source, path, s, &error), qPrintable(error));

        const QByteArray in = readFile(source);
        const QByteArray out = readFile(path);
        QCOMPARE(out.size(), in.size() + 3 * 188);
        QByteArray others;
        int camera = 0;
        for (int p = 0; p < out.size() / 188; ++p) {
            const QByteArray packet = out.mid(p * 188, 188);
            QCOMPARE(packet.at(0), char(0x47));
            if (packet.at(1) == 0x43) {
                QCOMPARE(packet.at(2), '\0');
                QCOMPARE(packet.at(3) & 0x0f, camera);
                QCOMPARE(packet.mid(4, 120), s[camera].toBlock());
                ++camera;
            } else {
                others += packet;
            }
        }
        QCOMPARE(camera, 3);
        QCOMPARE(others, in);

        QVERIFY(!KoRecordingWriter::writeTransportStream(path + QStringLiteral(".none"), path, s, &error));
        QFile notTs(m_dir.filePath(QStringLiteral("zeros.ts")));
        QVERIFY(notTs.open(QIODevice::WriteOnly));
        notTs.write(QByteArray(2 * 188, '\0'));
        notTs.close();
        QVERIFY(!KoRecordingWriter::writeTransportStream(notTs.fileName(), path, s, &error));
        QVERIFY(error.contains(QLatin1String("not a transport stream")));
    }
};

TAVRIN_TEST_MAIN(tst_KoRecordingWriter, QCoreApplication)
#include "tst_KoRecordingWriter.moc"

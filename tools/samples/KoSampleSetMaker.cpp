#include "tools/samples/KoSampleSetMaker.h"

#include "tools/samples/KoVideoSource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const char StampName[] = "samples.stamp";
const char ManifestName[] = "manifest.tsv";

// 2019_0523_143005_001A.MP4: start time, sequence number, channel letter.
QString channelName(const QDateTime &start, int sequence, QChar channel, const char *extension)
{
    return start.toString(QStringLiteral("yyyy_MMdd_HHmmss_")) +
           QStringLiteral("%1").arg(sequence, 3, 10, QLatin1Char('0')) + channel + QLatin1String(extension);
}

// 20190523143025_00.MOV, 20190523143025_01_b.MOV
QString movName(const QDateTime &start, const char *suffix)
{
    return start.toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1String(suffix);
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

void say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

// Deterministic bytes for the damaged files of the soak set: the same name
// gives the same damage on every machine.
QByteArray noiseBytes(const QString &seedName, qint64 count)
{
    const QByteArray name = seedName.toUtf8();
    quint32 state = qChecksum(name.constData(), uint(name.size())) * 2654435761u + 1u;
    QByteArray bytes(int(count), Qt::Uninitialized);
    for (char &b : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = char(state >> 24);
    }
    return bytes;
}

} // namespace

const char *KoSampleSetMaker::Recording::layoutName() const
{
    switch (damage) {
    case CutShort:
        return "cut-short";
    case Scrambled:
        return "scrambled";
    case RandomBytes:
        return "random";
    case Intact:
        break;
    }
    return kind == TransportStream ? "ts" : KoRecordingWriter::layoutName(layout);
}

KoTrackExtractor::Kind KoSampleSetMaker::Recording::extractorKind() const
{
    if (kind == TransportStream)
        return KoTrackExtractor::TsScan;
    return fileName.endsWith(QLatin1String(".MOV"), Qt::CaseInsensitive) ? KoTrackExtractor::MovWalk
                                                                         : KoTrackExtractor::Mp4Walk;
}

bool KoSampleSetMaker::parseSet(const QString &name, Set *set)
{
    for (Set s : {Tests, Bench, Hour, Soak}) {
        if (name == setName(s)) {
            *set = s;
            return true;
        }
    }
    return false;
}

QString KoSampleSetMaker::setName(Set set)
{
    switch (set) {
    case Bench:
        return QStringLiteral("bench");
    case Hour:
        return QStringLiteral("hour");
    case Soak:
        return QStringLiteral("soak");
    case Tests:
        break;
    }
    return QStringLiteral("tests");
}

KoSampleSetMaker::Options KoSampleSetMaker::resolved(const Options &options)
{
    Options o = options;
    switch (o.set) {
    case Tests:
        if (!o.size.isValid())
            o.size = QSize(640, 360);
        if (o.fps <= 0)
            o.fps = 10;
        if (o.seconds <= 0)
            o.seconds = 10;
        break;
    case Bench:
        if (!o.size.isValid())
            o.size = QSize(1920, 1080);
        if (o.fps <= 0)
            o.fps = 30;
        if (o.seconds <= 0)
            o.seconds = 60;
        break;
    case Hour:
        // An hour of track behind an hour of tiny, slow video: the track is
        // what the set is for, and the files stay small and quick to make.
        if (!o.size.isValid())
            o.size = QSize(160, 90);
        if (o.fps <= 0)
            o.fps = 1;
        if (o.seconds <= 0)
            o.seconds = 3600;
        break;
    case Soak:
        // Many short, small recordings: what is measured is what each one
        // leaves behind, not the decoding.
        if (!o.size.isValid())
            o.size = QSize(160, 90);
        if (o.fps <= 0)
            o.fps = 10;
        if (o.seconds <= 0)
            o.seconds = 2;
        if (o.recordings <= 0)
            o.recordings = 300;
        break;
    }
    if (o.set != Soak)
        o.recordings = 0;
    return o;
}

KoSampleSetMaker::KoSampleSetMaker(const Options &options)
    : m_options(resolved(options))
{
    plan();
}

int KoSampleSetMaker::addDrive(const KoDrivePlace &place, const QDateTime &start, int seconds)
{
    m_drives.emplace_back(place, start, seconds);
    return int(m_drives.size()) - 1;
}

void KoSampleSetMaker::addRecording(const QString &fileName, Recording::Kind kind,
                                    KoRecordingWriter::Layout layout, QChar channel, int drive,
                                    int firstSecond, Recording::Damage damage)
{
    Recording r;
    r.fileName = fileName;
    r.kind = kind;
    r.layout = layout;
    r.channel = channel;
    r.drive = drive;
    r.firstSecond = firstSecond;
    r.seconds = m_options.seconds;
    r.damage = damage;
    m_recordings.append(r);
}

void KoSampleSetMaker::plan()
{
    using W = KoRecordingWriter;
    const int L = m_options.seconds;
    const QChar A('A'), B('B'), C('C');

    // Three channels: the rear camera (B) starts a second later and takes the
    // next sequence number, as cameras do.
    auto threeChannels = [&](int drive, int k, W::Layout layout) {
        const QDateTime t = m_drives[size_t(drive)].start().addSecs(qint64(k) * L);
        addRecording(channelName(t, 1 + k, A, ".MP4"), Recording::Movie, layout, A, drive, k * L);
        addRecording(channelName(t.addSecs(1), 2 + k, B, ".MP4"), Recording::Movie, layout, B, drive,
                     k * L + 1);
        addRecording(channelName(t, 1 + k, C, ".MP4"), Recording::Movie, layout, C, drive, k * L);
    };

    switch (m_options.set) {
    case Tests: {
        // One drive through Munich in consecutive recordings of different
        // cameras: three channels with the 'gps ' index box, three channels
        // with direct chunks, then a two-channel MOV.
        const int munich = addDrive(KoSyntheticDrive::Munich, at(2019, 5, 23, 14, 30, 5), 3 * L + 1);
        threeChannels(munich, 0, W::GpsIndexBox);
        threeChannels(munich, 1, W::DirectChunks);
        const QDateTime mov = m_drives[size_t(munich)].start().addSecs(2 * L);
        addRecording(movName(mov, "_00.MOV"), Recording::Movie, W::FreeGpsChunks, A, munich, 2 * L);
        addRecording(movName(mov, "_01_b.MOV"), Recording::Movie, W::FreeGpsChunks, B, munich, 2 * L);
        // One-channel recordings: inside China, in the southern and western
        // hemispheres, a transport stream and a movie without a track.
        const int shanghai = addDrive(KoSyntheticDrive::Shanghai, at(2019, 6, 1, 8, 0, 0), L);
        addRecording(channelName(at(2019, 6, 1, 8, 0, 0), 1, A, ".MP4"), Recording::Movie, W::GpsIndexBox, A,
                     shanghai, 0);
        const int south = addDrive(KoSyntheticDrive::BuenosAires, at(2019, 7, 14, 16, 45, 30), L);
        addRecording(channelName(at(2019, 7, 14, 16, 45, 30), 1, A, ".MOV"), Recording::Movie,
                     W::FreeGpsChunks, A, south, 0);
        const int ts = addDrive(KoSyntheticDrive::Munich, at(2019, 8, 1, 10, 10, 10), L);
        addRecording(channelName(at(2019, 8, 1, 10, 10, 10), 1, A, ".TS"), Recording::TransportStream,
                     W::NoTrack, A, ts, 0);
        const int plain = addDrive(KoSyntheticDrive::Munich, at(2019, 8, 1, 10, 15, 0), L);
        addRecording(channelName(at(2019, 8, 1, 10, 15, 0), 1, A, ".MP4"), Recording::Movie, W::NoTrack, A,
                     plain, 0);
        break;
    }
    case Bench: {
        const int munich = addDrive(KoSyntheticDrive::Munich, at(2019, 5, 23, 14, 30, 5), L + 1);
        threeChannels(munich, 0, W::GpsIndexBox);
        break;
    }
    case Hour: {
        const int index = addDrive(KoSyntheticDrive::Munich, at(2019, 5, 23, 15, 0, 0), L);
        addRecording(channelName(at(2019, 5, 23, 15, 0, 0), 1, A, ".MP4"), Recording::Movie, W::GpsIndexBox,
                     A, index, 0);
        const int direct = addDrive(KoSyntheticDrive::Munich, at(2019, 5, 23, 16, 0, 0), L);
        addRecording(channelName(at(2019, 5, 23, 16, 0, 0), 1, A, ".MP4"), Recording::Movie, W::DirectChunks,
                     A, direct, 0);
        const int mov = addDrive(KoSyntheticDrive::Munich, at(2019, 5, 23, 17, 0, 0), L);
        addRecording(movName(at(2019, 5, 23, 17, 0, 0), "_00.MOV"), Recording::Movie, W::FreeGpsChunks, A,
                     mov, 0);
        break;
    }
    case Soak:
        planSoak();
        break;
    }
}

// A day of driving in short recordings, one every `seconds` + 3 s (so that
// the channels of neighbouring recordings are never taken for each other's),
// one drive through them all. Ten recordings repeat: three-channel and
// one-channel ones in every layout, without a track, and damaged ones whose
// first channel still plays (a recording whose first channel cannot play
// does not move on by itself).
void KoSampleSetMaker::planSoak()
{
    using W = KoRecordingWriter;
    using R = Recording;
    const int L = m_options.seconds;
    const int gap = L + 3;
    const int count = m_options.recordings;
    const QDateTime start = at(2019, 5, 24, 6, 0, 0);
    const int drive = addDrive(KoSyntheticDrive::Munich, start, count * gap + 1);
    const QChar A('A'), B('B'), C('C');

    for (int k = 0; k < count; ++k) {
        const QDateTime t = start.addSecs(qint64(k) * gap);
        const int first = k * gap;
        auto three = [&](W::Layout layout, R::Damage rear, R::Damage interior) {
            addRecording(channelName(t, 1 + k, A, ".MP4"), R::Movie, layout, A, drive, first);
            addRecording(channelName(t.addSecs(1), 2 + k, B, ".MP4"), R::Movie, layout, B, drive, first + 1,
                         rear);
            addRecording(channelName(t, 1 + k, C, ".MP4"), R::Movie, layout, C, drive, first, interior);
        };
        auto one = [&](const char *extension, R::Kind kind, W::Layout layout, R::Damage damage) {
            addRecording(channelName(t, 1 + k, A, extension), kind, layout, A, drive, first, damage);
        };
        switch (k % 10) {
        case 0:
            three(W::GpsIndexBox, R::Intact, R::Intact);
            break;
        case 1:
            one(".MP4", R::Movie, W::GpsIndexBox, R::Intact);
            break;
        case 2:
            one(".MOV", R::Movie, W::FreeGpsChunks, R::Intact);
            break;
        case 3:
            three(W::DirectChunks, R::Intact, R::Intact);
            break;
        case 4:
            one(".MP4", R::Movie, W::NoTrack, R::Intact);
            break;
        case 5:
            one(".TS", R::TransportStream, W::NoTrack, R::Intact);
            break;
        case 6:
            three(W::GpsIndexBox, R::CutShort, R::Intact);
            break;
        case 7:
            one(".MP4", R::Movie, W::DirectChunks, R::Intact);
            break;
        case 8:
            one(".MP4", R::Movie, W::GpsIndexBox, R::Scrambled);
            break;
        default:
            three(W::DirectChunks, R::Intact, R::RandomBytes);
            break;
        }
    }
}

QVector<KoDriveSample> KoSampleSetMaker::samplesOf(const Recording &r) const
{
    return m_drives[size_t(r.drive)].samples(r.firstSecond, r.seconds,
                                             KoRecordingWriter::storesFourDigitYear(r.layout),
                                             KoRecordingWriter::countsPerG(r.layout));
}

QByteArray KoSampleSetMaker::expectedTrack(const Recording &r) const
{
    QByteArray text;
    if (!r.hasTrack())
        return text;
    const bool reduceYear = r.layout == KoRecordingWriter::GpsIndexBox;
    for (const KoDriveSample &s : samplesOf(r))
        text += s.toTrackLine(reduceYear);
    return text;
}

QByteArray KoSampleSetMaker::signature() const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QFile self(QCoreApplication::applicationFilePath());
    if (self.open(QIODevice::ReadOnly))
        hash.addData(&self);
    QString text = QStringLiteral("tavrin-make-samples %1 set=%2 size=%3x%4 fps=%5 seconds=%6")
                       .arg(QString::fromLatin1(hash.result().toHex()), setName(m_options.set))
                       .arg(m_options.size.width())
                       .arg(m_options.size.height())
                       .arg(m_options.fps)
                       .arg(m_options.seconds);
    if (m_options.set == Soak)
        text += QStringLiteral(" recordings=%1").arg(m_options.recordings);
    return text.toUtf8();
}

bool KoSampleSetMaker::isComplete(const QString &outDir) const
{
    QFile stamp(outDir + QLatin1Char('/') + QLatin1String(StampName));
    if (!stamp.open(QIODevice::ReadOnly) || stamp.readLine().trimmed() != signature())
        return false;
    // The files the stamp lists, each with the size it was written with.
    int files = 0;
    while (!stamp.atEnd()) {
        const QList<QByteArray> fields = stamp.readLine().trimmed().split('\t');
        if (fields.size() != 2)
            return false;
        const QFileInfo info(outDir + QLatin1Char('/') + QString::fromUtf8(fields[1]));
        if (!info.isFile() || info.size() != fields[0].toLongLong())
            return false;
        ++files;
    }
    return files > 0;
}

bool KoSampleSetMaker::make(const QString &outDir, bool *kept, QString *error)
{
    *kept = false;
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create the folder %1").arg(outDir);
        return false;
    }
    if (!m_options.force && isComplete(outDir)) {
        *kept = true;
        return true;
    }
    dir.remove(QLatin1String(StampName));

    QTemporaryDir work(dir.filePath(QStringLiteral(".work-XXXXXX")));
    if (!work.isValid()) {
        *error = QStringLiteral("cannot create a work folder in %1").arg(outDir);
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray manifest = "# file\tlayout\tkind\tchannel\tsamples\tplace\n";
    QByteArray listing;
    for (const Recording &r : m_recordings) {
        if (!makeRecording(r, dir.absolutePath(), work.path(), error))
            return false;
        const qint64 size = QFileInfo(dir.filePath(r.fileName)).size();
        const char *layout = r.layoutName();
        say(QStringLiteral("%1  %2  %3 s  %4 KiB")
                .arg(r.fileName, -28)
                .arg(QLatin1String(layout), -9)
                .arg(r.seconds)
                .arg(size / 1024));
        manifest += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                        .arg(r.fileName, QLatin1String(layout))
                        .arg(int(r.extractorKind()))
                        .arg(r.channel)
                        .arg(r.hasTrack() ? r.seconds : 0)
                        .arg(QLatin1String(m_drives[size_t(r.drive)].place().name))
                        .toUtf8();
        listing += QByteArray::number(size) + '\t' + r.fileName.toUtf8() + '\n';
        if (r.hasTrack()) {
            const QString expected = expectedName(r.fileName);
            listing += QByteArray::number(QFileInfo(dir.filePath(expected)).size()) + '\t' +
                       expected.toUtf8() + '\n';
        }
    }
    QSaveFile manifestFile(dir.filePath(QLatin1String(ManifestName)));
    QSaveFile stamp(dir.filePath(QLatin1String(StampName)));
    if (!manifestFile.open(QIODevice::WriteOnly) || manifestFile.write(manifest) != manifest.size() ||
        !manifestFile.commit() || !stamp.open(QIODevice::WriteOnly) ||
        stamp.write(signature() + '\n' + listing) < 0 || !stamp.commit()) {
        *error = QStringLiteral("cannot write the file list in %1").arg(outDir);
        return false;
    }
    say(QStringLiteral("made %1 files (set \"%2\", %3x%4, %5 fps, %6 s) in %7 s")
            .arg(m_recordings.size())
            .arg(setName(m_options.set))
            .arg(m_options.size.width())
            .arg(m_options.size.height())
            .arg(m_options.fps)
            .arg(m_options.seconds)
            .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return true;
}

bool KoSampleSetMaker::makeRecording(const Recording &r, const QString &outDir, const QString &workDir,
                                     QString *error)
{
    const KoSyntheticDrive &drive = m_drives[size_t(r.drive)];
    KoVideoParams params;
    params.size = m_options.size;
    params.fps = m_options.fps;
    params.seconds = r.seconds;
    params.channel = r.channel;
    params.clock = drive.start().addSecs(r.firstSecond);

    // Written under a temporary name, renamed when complete.
    const QString path = outDir + QLatin1Char('/') + r.fileName;
    const QString part = path + QStringLiteral(".part");
    bool ok;
    if (r.damage == Recording::RandomBytes) {
        // About the size of a real channel file of the set, nothing of one.
        QSaveFile noise(part);
        const QByteArray bytes = noiseBytes(r.fileName, 24 * 1024);
        ok = noise.open(QIODevice::WriteOnly) && noise.write(bytes) == bytes.size() && noise.commit();
        if (!ok)
            *error = QStringLiteral("cannot write %1").arg(part);
    } else if (r.kind == Recording::TransportStream) {
        const QString ts = workDir + QStringLiteral("/video.ts");
        ok = KoVideoSource::encodeTransportStream(params, ts, error) &&
             KoRecordingWriter::writeTransportStream(ts, part, samplesOf(r), error);
    } else {
        KoVideoSource video;
        ok = video.encode(params, workDir + QStringLiteral("/video.mp4"), error);
        if (ok) {
            KoRecordingWriter writer(r.layout, &video);
            writer.setSoundRate(m_options.set == Hour ? 8000 : 16000);
            writer.setCreationTime(params.clock);
            writer.setSamples(samplesOf(r));
            ok = writer.write(part, error);
        }
        ok = ok && damage(r, part, error);
    }
    QFile::remove(path);
    if (!ok || !QFile::rename(part, path)) {
        QFile::remove(part);
        if (ok)
            *error = QStringLiteral("cannot rename %1").arg(part);
        return false;
    }

    const QString expectedPath = outDir + QLatin1Char('/') + expectedName(r.fileName);
    if (!r.hasTrack()) {
        QFile::remove(expectedPath);
        return true;
    }
    QSaveFile expected(expectedPath);
    const QByteArray text = expectedTrack(r);
    if (!expected.open(QIODevice::WriteOnly) || expected.write(text) != text.size() || !expected.commit()) {
        *error = QStringLiteral("cannot write %1").arg(expectedPath);
        return false;
    }
    return true;
}

bool KoSampleSetMaker::damage(const Recording &r, const QString &path, QString *error)
{
    QFile file(path);
    const qint64 size = file.size();
    bool ok = true;
    switch (r.damage) {
    case Recording::CutShort:
        // The movie box and the track index are written last: both go.
        ok = file.resize(size / 2);
        break;
    case Recording::Scrambled: {
        // The second quarter of the file: video frames and GPS records in the
        // media data; the boxes at its start and end stay readable.
        const QByteArray bytes = noiseBytes(r.fileName, size / 4);
        ok = file.open(QIODevice::ReadWrite) && file.seek(size / 4) && file.write(bytes) == bytes.size();
        file.close();
        break;
    }
    case Recording::Intact:
    case Recording::RandomBytes:
        break;
    }
    if (!ok)
        *error = QStringLiteral("cannot damage %1: %2").arg(path, file.errorString());
    return ok;
}

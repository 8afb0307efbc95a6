#include "TestMain.h"

#include "gps/KoGPSModel.h"
#include "gps/KoTrackExport.h"
#include "library/KoClipExport.h"
#include "library/KoMediaProbe.h"
#include "library/KoRecording.h"
#include "library/KoTrips.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <thread>

namespace {

// Two three-channel recordings of ten seconds, one following on the other,
// with a keyframe every second at 10 fps.
const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);
const QString Front = QStringLiteral("2019_0523_143005_001A.MP4");
const QString Rear = QStringLiteral("2019_0523_143006_002B.MP4");
const QString Inside = QStringLiteral("2019_0523_143005_001C.MP4");
const QStringList NextRecording = {QStringLiteral("2019_0523_143015_002A.MP4"),
                                   QStringLiteral("2019_0523_143016_003B.MP4"),
                                   QStringLiteral("2019_0523_143015_002C.MP4")};
constexpr double KeyframeInterval = 1.0;

QString sample(const QString &name)
{
    return Samples + QLatin1Char('/') + name;
}

QStringList samples(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << sample(name);
    return paths;
}

double durationOf(const QString &path)
{
    const KoMediaProbe::Info info = KoMediaProbe::probe(KoMediaProbe::Query{path});
    return info.ok ? info.duration : -1;
}

// Everything below `folder`, hidden files included.
QStringList everything(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    return found;
}

// The camera times of the track points in a GPX file.
QStringList gpxTimes(const QString &path)
{
    QFile file(path);
    QStringList times;
    if (!file.open(QIODevice::ReadOnly))
        return times;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("time"))
            times << xml.readElementText();
        else if (!xml.isStartElement())
            xml.readNext();
    }
    return times;
}

// The track lines the sample maker wrote for seconds [first, first + count).
QByteArrayList expectedLines(const QString &recording, int first, int count)
{
    QFile file(sample(recording) + QStringLiteral(".expected.txt"));
    QByteArrayList lines;
    if (file.open(QIODevice::ReadOnly))
        while (!file.atEnd())
            lines << file.readLine();
    return lines.mid(first, count);
}

QStringList fixTimes(const QByteArrayList &lines)
{
    QStringList times;
    for (const QByteArray &line : lines) {
        const KoGPSModel sample(line);
        if (sample.status == 'A')
            times << sample.dateTimeValue().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    }
    return times;
}

// One frame as 8-bit grey, `filter` applied (ffmpeg seeks exactly).
QByteArray greyFrame(const QString &path, double at, const QString &filter)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"),
                  QString::number(at, 'f', 3), QStringLiteral("-i"), path, QStringLiteral("-frames:v"),
                  QStringLiteral("1"), QStringLiteral("-vf"), filter + QStringLiteral(",format=gray"),
                  QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-")});
    ffmpeg.waitForFinished(60000);
    return ffmpeg.readAllStandardOutput();
}

double meanDifference(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size() || a.isEmpty())
        return 1e9;
    double sum = 0;
    for (int i = 0; i < a.size(); ++i)
        sum += std::abs(int(uchar(a[i])) - int(uchar(b[i])));
    return sum / a.size();
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}

KoClipExport::Request request(const QString &folder, double from, double to, bool oneVideo = false)
{
    KoClipExport::Request r;
    r.channels = samples({Front, Rear, Inside});
    r.nextChannels = samples(NextRecording);
    r.from = from;
    r.to = to;
    r.folder = folder;
    r.oneVideo = oneVideo;
    r.videoSize = QSize(640, 360);
    return r;
}

} // namespace

class tst_KoClipExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(sample(Front))); }

    void rangeArithmetic()
    {
        using Span = KoClipRange::Span;
        auto same = [](Span a, double from, double to) {
            return qAbs(a.from - from) < 1e-9 && qAbs(a.to - to) < 1e-9;
        };
        // The dialog's start: marks, else 20 s before to 10 s after, held to the recording.
        QVERIFY(same(KoClipRange::initial(40, 60), 20, 50));
        QVERIFY(same(KoClipRange::initial(5, 60), 0, 15));
        QVERIFY(same(KoClipRange::initial(55, 60), 35, 60));
        QVERIFY(same(KoClipRange::initial(40, 60, 12, 18), 12, 18));
        QVERIFY(same(KoClipRange::initial(40, 60, 45), 45, 50));
        QVERIFY(same(KoClipRange::initial(40, 60, 52), 52, 60)); // in after the default out: 30 s
        QVERIFY(same(KoClipRange::initial(40, 60, -1, 15), 0, 15));
        // I and O: a mark on the wrong side of the other drops it.
        KoClipRange::Marks marks = KoClipRange::mark({}, true, 12);
        marks = KoClipRange::mark(marks, false, 18);
        QCOMPARE(marks.in, 12.0);
        QCOMPARE(marks.out, 18.0);
        QCOMPARE(KoClipRange::mark(marks, true, 20).out, -1.0);
        QCOMPARE(KoClipRange::mark(marks, false, 11).in, -1.0);
        QCOMPARE(KoClipRange::mark(marks, true, 15).out, 18.0);
        // Past the end: held to it, or empty when wholly outside.
        QVERIFY(same(KoClipRange::clamp({50, 70}, 60), 50, 60));
        QVERIFY(KoClipRange::clamp({61, 70}, 60).isEmpty());
        QVERIFY(KoClipRange::clamp({5, 5}, 60).isEmpty());
        // Into the next recording: two pieces in each recording's own seconds.
        const QVector<KoClipRange::Piece> pieces = KoClipRange::split({55, 70}, {60, 60});
        QCOMPARE(pieces.size(), 2);
        QCOMPARE(pieces[0].recording, 0);
        QCOMPARE(pieces[0].in, 55.0);
        QCOMPARE(pieces[0].out, 60.0);
        QCOMPARE(pieces[1].recording, 1);
        QCOMPARE(pieces[1].in, 0.0);
        QCOMPARE(pieces[1].out, 10.0);
        QCOMPARE(KoClipRange::split({10, 20}, {60, 60}).size(), 1);
        // The keyframe at or before the in point, rounding allowed.
        const QVector<double> keyframes{0, 2.002, 4.004, 6.006};
        QCOMPARE(KoClipRange::keyframeAtOrBefore(keyframes, 5), 4.004);
        QCOMPARE(KoClipRange::keyframeAtOrBefore(keyframes, 4.0039999), 4.004);
        QCOMPARE(KoClipRange::keyframeAtOrBefore(keyframes, 4.003), 2.002);
        QCOMPARE(KoClipRange::keyframeAtOrBefore(keyframes, 100), 6.006);
        QCOMPARE(KoClipRange::keyframeAtOrBefore({3}, 1), 3.0);
        QCOMPARE(KoClipRange::keyframeAtOrBefore({}, 1.5), 1.5);
        // Track seconds: every second the piece touches, within the track.
        const auto seconds = KoClipRange::trackSeconds(2.5, 7, 10);
        QCOMPARE(seconds.first, 2);
        QCOMPARE(seconds.count, 5);
        QCOMPARE(KoClipRange::trackSeconds(5, 15, 10).count, 5);
        QCOMPARE(KoClipRange::trackSeconds(12, 15, 10).count, 0);
    }

    void findsTheChannelsAndTheNextRecording()
    {
        const KoRecording recording = KoRecording::ofFile(sample(Rear));
        QCOMPARE(recording.paths(), samples({Front, Rear, Inside}));
        QCOMPARE(KoRecording::nextInFolder(recording).paths(), samples(NextRecording));
        QVERIFY(KoTrips::followsOn(sample(Front), 10, sample(NextRecording.first())));
        QVERIFY(!KoTrips::followsOn(sample(Front), 10, sample(QStringLiteral("2019_0601_080000_001A.MP4"))));
        QVERIFY(!KoTrips::followsOn(sample(NextRecording.first()), 10, sample(Front)));
        QCOMPARE(
            KoRecording::ofFile(sample(QStringLiteral("20190523143025_01_b.MOV"))).paths(),
            samples({QStringLiteral("20190523143025_00.MOV"), QStringLiteral("20190523143025_01_b.MOV")}));
    }

    // Every channel cut from the keyframe at or before the in point, nothing
    // of the range lost; the GPX and CSV hold exactly the range's seconds.
    void separateFilesHoldEveryChannelAndTheTrackOfTheRange()
    {
        QTemporaryDir out;
        const KoClipExport::Result result = KoClipExport::run(request(out.path(), 2.5, 7));
        QCOMPARE(result.status, KoClipExport::Ok);
        QCOMPARE(QFileInfo(result.path).fileName(), QStringLiteral("2019_0523_143005_001A_clip_0m02s-0m07s"));
        QCOMPARE(result.backOff, 0.5);
        for (const QString &channel : {Front, Rear, Inside}) {
            const QString cut = QDir(result.path).filePath(channel);
            QVERIFY2(result.files.contains(cut), qPrintable(cut));
            const double duration = durationOf(cut);
            QVERIFY2(duration >= 4.5 - 0.05 && duration <= 4.5 + KeyframeInterval, qPrintable(cut));
            QCOMPARE(duration, 5.0); // from the keyframe at 2 s
        }
        const QByteArrayList lines = expectedLines(Front, 2, 5);
        QCOMPARE(
            gpxTimes(QDir(result.path).filePath(QFileInfo(result.path).fileName() + QStringLiteral(".gpx"))),
            fixTimes(lines));
        QFile csv(QDir(result.path).filePath(QFileInfo(result.path).fileName() + QStringLiteral(".csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), KoTrackExport::toCsv(lines, false));
        QCOMPARE(everything(out.path()).size(), 6); // the folder and its five files, nothing hidden
    }

    // The range runs into the next recording: each channel joined by stream
    // copy, the track continued from the next recording (whose G-sensor is in
    // finer counts).
    void aRangeIntoTheNextRecordingJoinsBoth()
    {
        QTemporaryDir out;
        const KoClipExport::Result result = KoClipExport::run(request(out.path(), 7.5, 13));
        QCOMPARE(result.status, KoClipExport::Ok);
        QCOMPARE(result.files.size(), 5);
        for (const QString &channel : {Front, Rear, Inside})
            QCOMPARE(durationOf(QDir(result.path).filePath(channel)), 6.0); // 7 to 10, then 0 to 3
        QFile csv(QDir(result.path).filePath(QFileInfo(result.path).fileName() + QStringLiteral(".csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QByteArray expected = KoTrackExport::toCsv(expectedLines(Front, 7, 3), false);
        const QByteArray next = KoTrackExport::toCsv(expectedLines(NextRecording.first(), 0, 3), true);
        expected += next.mid(next.indexOf('\n') + 1);
        QCOMPARE(csv.readAll(), expected);

        // A next recording that does not follow on is left alone: the range
        // ends with this one.
        QTemporaryDir alone;
        KoClipExport::Request notNext = request(alone.path(), 7.5, 13);
        notNext.nextChannels = samples({QStringLiteral("2019_0601_080000_001A.MP4")});
        const KoClipExport::Result held = KoClipExport::run(notNext);
        QCOMPARE(held.status, KoClipExport::Ok);
        QCOMPARE(held.range.to, 10.0);
        QCOMPARE(durationOf(QDir(held.path).filePath(Front)), 3.0);
    }

    // The command: exit 0 with the files listed, 1 for an empty range or one
    // outside the recording, 2 for a file that cannot be read or written.
    void theCommandsExitCodes()
    {
        QTemporaryDir out;
        auto run = [&](const QStringList &arguments, QByteArray *output = nullptr) {
            QProcess command;
            command.start(QStringLiteral(TAVRIN_CLIP), arguments);
            command.waitForFinished(120000);
            if (output)
                *output = command.readAllStandardOutput();
            return command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1;
        };
        const QString dir = out.path();
        QByteArray listed;
        QCOMPARE(run({sample(Inside), QStringLiteral("--from"), QStringLiteral("8"), QStringLiteral("--to"),
                      QStringLiteral("12"), QStringLiteral("-o"), dir},
                     &listed),
                 0);
        QCOMPARE(listed.count('\n'), 5);
        QVERIFY(listed.contains("2019_0523_143005_001A_clip_0m08s-0m12s/2019_0523_143005_001C.MP4"));
        const QStringList written = everything(dir);
        QCOMPARE(run({sample(Front), QStringLiteral("--from"), QStringLiteral("25"), QStringLiteral("--to"),
                      QStringLiteral("30"), QStringLiteral("-o"), dir}),
                 1);
        QCOMPARE(run({sample(Front), QStringLiteral("--from"), QStringLiteral("5"), QStringLiteral("--to"),
                      QStringLiteral("5"), QStringLiteral("-o"), dir}),
                 1);
        QCOMPARE(run({sample(QStringLiteral("2019_0101_000000_001A.MP4")), QStringLiteral("--from"),
                      QStringLiteral("1"), QStringLiteral("--to"), QStringLiteral("2"), QStringLiteral("-o"),
                      dir}),
                 2);
        QCOMPARE(run({sample(Front), QStringLiteral("--from"), QStringLiteral("1"), QStringLiteral("--to"),
                      QStringLiteral("2"), QStringLiteral("-o"), QStringLiteral("/dev/null/clips")}),
                 2);
        QCOMPARE(everything(dir), written);
    }

    // Cancelled at any moment, nothing is left: no clip, no hidden folder.
    void cancelLeavesNothing()
    {
        for (bool oneVideo : {false, true}) {
            QTemporaryDir out;
            std::atomic<bool> cancel{false};
            int reports = 0;
            const KoClipExport::Result result = KoClipExport::run(
                request(out.path(), 0, 10, oneVideo),
                [&](double fraction) {
                    ++reports;
                    if (fraction > 0)
                        cancel = true;
                },
                &cancel);
            QCOMPARE(result.status, KoClipExport::Cancelled);
            QVERIFY(reports > 0);
            QCOMPARE(everything(out.path()), QStringList());
        }
    }

    // A clip of the same name exists: the new one gets a name of its own and
    // the old one is left as it was.
    void nothingIsOverwritten()
    {
        QTemporaryDir out;
        const QString taken =
            QDir(out.path()).filePath(QStringLiteral("2019_0523_143005_001A_clip_0m01s-0m03s.mp4"));
        {
            QFile file(taken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the user's own file");
        }
        const KoClipExport::Result video = KoClipExport::run(request(out.path(), 1, 3, true));
        QCOMPARE(video.status, KoClipExport::Ok);
        QCOMPARE(QFileInfo(video.path).fileName(),
                 QStringLiteral("2019_0523_143005_001A_clip_0m01s-0m03s_2.mp4"));
        QCOMPARE(hashOf(taken), QCryptographicHash::hash("the user's own file", QCryptographicHash::Sha1));

        const KoClipExport::Result first = KoClipExport::run(request(out.path(), 1, 3));
        const QByteArray before = hashOf(QDir(first.path).filePath(Front));
        const KoClipExport::Result second = KoClipExport::run(request(out.path(), 1, 3));
        QCOMPARE(second.status, KoClipExport::Ok);
        QCOMPARE(second.path, first.path + QStringLiteral("_2"));
        QCOMPARE(hashOf(QDir(first.path).filePath(Front)), before);
    }

    // Each channel's box in a frame of the one video shows that channel at
    // the same offset from the recording's start, closer than at the frames
    // around it; the readings are burned into the strip below.
    void aFrameOfTheOneVideoShowsEveryChannelAtTheSameMoment()
    {
        QTemporaryDir out;
        const double from = 3;
        const KoClipExport::Result result = KoClipExport::run(request(out.path(), from, 6, true));
        QCOMPARE(result.status, KoClipExport::Ok);
        const QString video = result.path;
        QCOMPARE(durationOf(video), 3.0);
        const KoClipExport::VideoLayout layout = KoClipExport::videoLayout(QSize(640, 360), 3);
        const double at = 1.5;
        const QString small = QStringLiteral("scale=64:36:flags=area");
        int channel = 0;
        for (const QString &source : {Front, Rear, Inside}) {
            const QRect box = layout.pictures[channel++];
            const QByteArray shown = greyFrame(video, at,
                                               QStringLiteral("crop=%1:%2:%3:%4,")
                                                       .arg(box.width())
                                                       .arg(box.height())
                                                       .arg(box.x())
                                                       .arg(box.y()) +
                                                   small);
            QVector<double> differences;
            for (int frames = -3; frames <= 3; ++frames)
                differences << meanDifference(
                    shown,
                    greyFrame(sample(source), from + at + frames * 0.1,
                              QStringLiteral("scale=%1:%2,").arg(box.width()).arg(box.height()) + small));
            const int best =
                int(std::min_element(differences.begin(), differences.end()) - differences.begin());
            QVERIFY2(best == 3, qPrintable(QStringLiteral("%1: %2").arg(source).arg([&] {
                         QStringList text;
                         for (double d : differences)
                             text << QString::number(d, 'f', 2);
                         return text.join(QLatin1Char(' '));
                     }())));
        }
        const QByteArray strip = greyFrame(
            video, at, QStringLiteral("crop=640:%1:0:%2").arg(layout.strip).arg(360 - layout.strip));
        QVERIFY(!strip.isEmpty());
        // White text on black.
        QVERIFY(std::any_of(strip.begin(), strip.end(), [](char c) { return uchar(c) > 150; }));
    }
};

TAVRIN_TEST_MAIN(tst_KoClipExport, QCoreApplication)
#include "tst_KoClipExport.moc"

#include "TestMain.h"

#include "gps/KoGPSModel.h"
#include "gps/KoTrackExport.h"
#include "gps/KoTrackExtractor.h"
#include "tests/gps/TrackFixtures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <limits>

namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);

struct Entry
{
    QString file;
    QString layout;
    int kind = 0;
    int samples = 0;
    QString path() const { return Samples + QLatin1Char('/') + file; }
    QByteArray expected() const
    {
        QFile f(path() + QStringLiteral(".expected.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QList<Entry> manifest()
{
    QList<Entry> entries;
    QFile f(Samples + QStringLiteral("/manifest.tsv"));
    if (f.open(QIODevice::ReadOnly)) {
        while (!f.atEnd()) {
            const QList<QByteArray> c = f.readLine().trimmed().split('\t');
            if (c.size() == 6 && !c[0].startsWith('#'))
                entries.append(
                    {QString::fromUtf8(c[0]), QString::fromUtf8(c[1]), c[2].toInt(), c[4].toInt()});
        }
    }
    return entries;
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run trackExport(const QStringList &arguments, const QByteArray &loggingRules = QByteArray())
{
    QProcess p;
    if (!loggingRules.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(loggingRules));
        p.setProcessEnvironment(env);
    }
    p.start(QStringLiteral(TRACK_EXPORT), arguments);
    Run r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int fixes(const QByteArray &track)
{
    int n = 0;
    for (const QByteArray &line : track.split('\n'))
        n += line.startsWith('A');
    return n;
}

} // namespace

class tst_KoTrackExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(manifest().size() >= 10, "the sample set is missing"); }

    void extractorReadsEveryLayout()
    {
        QTemporaryDir dir;
        int layouts = 0;
        for (const Entry &e : manifest()) {
            if (e.samples == 0)
                continue;
            const QString out = dir.filePath(e.file + QStringLiteral(".txt"));
            bool direct = true;
            QCOMPARE(extractTrack(QFile::encodeName(e.path()), QFile::encodeName(out),
                                  KoTrackExtractor::Kind(e.kind), &direct),
                     0);
            QFile f(out);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), e.expected());
            QCOMPARE(direct, e.layout == QLatin1String("direct"));
            ++layouts;
        }
        QCOMPARE(layouts, 10);
    }

    void trackFormatIsTheExtractedText()
    {
        for (const Entry &e : manifest()) {
            if (e.samples == 0)
                continue;
            const Run r = trackExport({e.path()});
            QCOMPARE(r.exitCode, 0);
            QVERIFY2(r.err.isEmpty(), r.err.constData());
            QCOMPARE(r.out, e.expected());
        }
    }

    void traceStaysOffTheData()
    {
        for (const Entry &e : manifest()) {
            const QByteArray expected = e.samples > 0 ? e.expected() : QByteArray();
            // --verbose: the extractor's trace on standard error, a line per
            // message, the tool's own message on a line of its own.
            const Run verbose = trackExport({e.path(), QStringLiteral("--verbose")});
            QCOMPARE(verbose.exitCode, e.samples > 0 ? 0 : int(KoTrackExport::NoTrack));
            QCOMPARE(verbose.out, expected);
            QVERIFY2(verbose.err.contains(e.file.endsWith(QLatin1String(".TS")) ? "\nTS survey done: "
                                                                                : "\nbox 'moov' at "),
                     verbose.err.constData());
            if (e.samples == 0)
                QVERIFY2(verbose.err.contains("\ntrack-export: "), verbose.err.constData());
            // Debug output turned on from outside goes nowhere without --verbose.
            const Run rules = trackExport({e.path()}, "tavrin.*.debug=true");
            QCOMPARE(rules.out, expected);
            if (e.samples > 0)
                QVERIFY2(rules.err.isEmpty(), rules.err.constData());
        }
    }

    void gpxHoldsOnePointPerFix()
    {
        for (const Entry &e : manifest()) {
            if (e.samples == 0)
                continue;
            const Run r = trackExport({e.path(), QStringLiteral("--format"), QStringLiteral("gpx")});
            QCOMPARE(r.exitCode, 0);
            const QByteArray expected = e.expected();
            QByteArray firstFix;
            for (const QByteArray &line : expected.split('\n')) {
                if (line.startsWith('A') && firstFix.isEmpty())
                    firstFix = line;
            }
            const KoGPSModel first(firstFix);

            QXmlStreamReader xml(r.out);
            int points = 0;
            bool isGpx11 = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("gpx"))
                    isGpx11 = xml.namespaceUri() == QLatin1String("http://www.topografix.com/GPX/1/1") &&
                              xml.attributes().value(QLatin1String("version")) == QLatin1String("1.1");
                if (xml.name() == QLatin1String("trkpt")) {
                    if (points++ == 0) {
                        // WGS-84 signed degrees, also inside China.
                        QVERIFY(qAbs(xml.attributes().value(QLatin1String("lat")).toDouble() -
                                     first.wgsLatitude) < 1e-6);
                        QVERIFY(qAbs(xml.attributes().value(QLatin1String("lon")).toDouble() -
                                     first.wgsLongitude) < 1e-6);
                    }
                }
                if (xml.name() == QLatin1String("time") && points == 1)
                    QCOMPARE(xml.readElementText(), first.dateTimeValue().toString(Qt::ISODate));
            }
            QVERIFY2(!xml.hasError(), qPrintable(e.file + QLatin1String(": ") + xml.errorString()));
            QVERIFY(isGpx11);
            QCOMPARE(points, fixes(expected));
            QVERIFY(points >= 8);
        }
    }

    void csvHasARowPerSampleInG()
    {
        for (const QString &file :
             {QStringLiteral("2019_0523_143005_001A.MP4"), QStringLiteral("2019_0523_143015_002A.MP4")}) {
            const Run r = trackExport(
                {Samples + QLatin1Char('/') + file, QStringLiteral("--format"), QStringLiteral("csv")});
            QCOMPARE(r.exitCode, 0);
            const QList<QByteArray> rows = r.out.trimmed().split('\n');
            QCOMPARE(rows.size(), 11);
            QVERIFY(rows[0].startsWith("time,status,latitude,longitude"));
            for (const QByteArray &row : rows.mid(1)) {
                const QList<QByteArray> c = row.split(',');
                QCOMPARE(c.size(), 10);
                // Gravity reads as 1 g in both G-sensor scales.
                QVERIFY2(qAbs(c[9].toDouble() - 1.0) < 0.1, row.constData());
                QCOMPARE(c[2].isEmpty(), c[1] == "V");
            }
        }
        // The first recording starts without a fix.
        const Run r = trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4"),
                                   QStringLiteral("--format"), QStringLiteral("csv")});
        QVERIFY(r.out.split('\n')[1].startsWith("2019-05-23T14:30:05,V,,,"));
    }

    // The one hard braking of the sample drives, where the sample set puts
    // it: in the Munich drive's MOV recording at 14:30:27, in the Shanghai
    // and Buenos Aires drives in their eighth second; a header alone for the
    // rest; no output and the usual exit code without a track.
    void eventsFormatFindsTheSampleBraking()
    {
        const QByteArray header = "offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh";
        int withEvent = 0;
        for (const Entry &e : manifest()) {
            const Run r = trackExport({e.path(), QStringLiteral("--format"), QStringLiteral("events")});
            if (e.samples == 0) {
                QCOMPARE(r.exitCode, int(KoTrackExport::NoTrack));
                QVERIFY(r.out.isEmpty());
                continue;
            }
            QCOMPARE(r.exitCode, 0);
            QList<QByteArray> rows = r.out.split('\n');
            QCOMPARE(rows.takeLast(), QByteArray());
            QCOMPARE(rows.takeFirst(), header);
            const bool braking = e.file.startsWith(QLatin1String("20190523143025_")) ||
                                 e.file.startsWith(QLatin1String("2019_0601_")) ||
                                 e.file.startsWith(QLatin1String("2019_0714_"));
            QCOMPARE(rows.size(), braking ? 1 : 0);
            if (!braking)
                continue;
            ++withEvent;
            const QList<QByteArray> f = rows.first().split(',');
            QCOMPARE(f.size(), 6);
            QCOMPARE(f[2], QByteArray("harsh_braking"));
            QVERIFY2(f[3].toDouble() > 0.7 && f[3].toDouble() < 1.1, rows.first().constData());
            QVERIFY(f[4].toDouble() > f[5].toDouble() + 20);
            if (e.file.startsWith(QLatin1String("20190523143025_"))) {
                QCOMPARE(f[0], QByteArray("2"));
                QCOMPARE(f[1], QByteArray("2019-05-23T14:30:27"));
            } else {
                QVERIFY2(qAbs(f[0].toInt() - 7) <= 1, rows.first().constData());
            }
        }
        QCOMPARE(withEvent, 4);
    }

    void filesWithoutATrackFail()
    {
        const Run ts = trackExport({Samples + QStringLiteral("/2019_0801_101010_001A.TS")});
        QCOMPARE(ts.exitCode, int(KoTrackExport::NoTrack));
        QVERIFY(ts.out.isEmpty());
        QVERIFY2(ts.err.contains("a TS recording holds no GPS track"), ts.err.constData());

        const Run plain = trackExport({Samples + QStringLiteral("/2019_0801_101500_001A.MP4"),
                                       QStringLiteral("--format"), QStringLiteral("gpx")});
        QCOMPARE(plain.exitCode, int(KoTrackExport::NoTrack));
        QVERIFY(plain.out.isEmpty());
        QVERIFY2(plain.err.contains("no GPS track found"), plain.err.constData());
    }

    void unreadableInputAndOutput()
    {
        QTemporaryDir dir;
        const Run missing = trackExport({dir.filePath(QStringLiteral("gone.MP4"))});
        QCOMPARE(missing.exitCode, int(KoTrackExport::Unreadable));
        QVERIFY(missing.err.contains("cannot read") && missing.err.contains("no such file"));

        const QString truncated = dir.filePath(QStringLiteral("cut.MOV"));
        QVERIFY(QFile::copy(Samples + QStringLiteral("/20190523143025_00.MOV"), truncated));
        QVERIFY(QFile::resize(truncated, 5000));
        const Run cut = trackExport({truncated});
        QCOMPARE(cut.exitCode, int(KoTrackExport::NoTrack));

        const Run badFormat = trackExport({truncated, QStringLiteral("--format"), QStringLiteral("kml")});
        QCOMPARE(badFormat.exitCode, int(KoTrackExport::Unreadable));
        QVERIFY(badFormat.err.contains("unknown format"));

        const Run noWay =
            trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4"), QStringLiteral("-o"),
                         dir.filePath(QStringLiteral("no/such/dir.txt"))});
        QCOMPARE(noWay.exitCode, int(KoTrackExport::Unreadable));
        QVERIFY(noWay.err.contains("cannot write"));

        const QString written = dir.filePath(QStringLiteral("track.csv"));
        const Run toFile =
            trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4"), QStringLiteral("-o"),
                         written, QStringLiteral("--format"), QStringLiteral("csv")});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QCOMPARE(QFileInfo(written).size() > 500, true);

        // A pipe (as /dev/stdout or /dev/null are devices) is written into,
        // not replaced by a file of its name.
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        QProcess reader;
        reader.start(QStringLiteral("cat"), {pipe});
        QVERIFY(reader.waitForStarted());
        const Run toPipe =
            trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4"), QStringLiteral("-o"), pipe});
        QCOMPARE(toPipe.exitCode, 0);
        QVERIFY(reader.waitForFinished(10000));
        const QByteArray track = trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4")}).out;
        QCOMPARE(reader.readAllStandardOutput(), track);
        QVERIFY(!QFileInfo(pipe).isFile());
        // "-o -" is standard output, not a file named "-".
        const Run dash = trackExport({Samples + QStringLiteral("/2019_0523_143005_001A.MP4"),
                                      QStringLiteral("-o"), QStringLiteral("-")});
        QCOMPARE(dash.exitCode, 0);
        QCOMPARE(dash.out, track);
        QVERIFY(!QFileInfo::exists(QStringLiteral("-")));
    }

    // -o naming the recording itself, by any path or link: exit code 2,
    // the recording untouched.
    void exportOntoTheRecordingIsRefused()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        const QString recording = dir.filePath(name), link = dir.filePath(QStringLiteral("link.MP4"));
        QVERIFY(QFile::copy(Samples + QLatin1Char('/') + name, recording) && QFile::link(recording, link));
        const QByteArray before = readAll(recording);
        const QString folder = QFileInfo(dir.path()).fileName();
        for (const QString &target : {recording, link, dir.path() + "/../" + folder + "/./" + name}) {
            const Run r = trackExport(
                {recording, QStringLiteral("--format"), QStringLiteral("gpx"), QStringLiteral("-o"), target});
            QCOMPARE(r.exitCode, int(KoTrackExport::Unreadable));
            QVERIFY2(r.err.contains("over the recording itself"), r.err.constData());
        }
        QCOMPARE(trackExport({link, QStringLiteral("-o"), recording}).exitCode,
                 int(KoTrackExport::Unreadable));
        QCOMPARE(readAll(recording), before);
    }

    // One sample whose latitude is no number ("nan" in the track text): the
    // GPX leaves that point out and keeps the others.
    void pointWithoutANumberIsLeftOut()
    {
        QTemporaryDir dir;
        QVector<fixtures::Sample> drive = fixtures::drive(5);
        drive[2].latitude = std::numeric_limits<float>::quiet_NaN();
        const QString recording = dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4"));
        QVERIFY(fixtures::indexBoxMp4(drive).write(recording));
        const Run gpx = trackExport({recording, QStringLiteral("--format"), QStringLiteral("gpx")});
        QCOMPARE(gpx.out.count("<trkpt "), 4);
        QVERIFY(!gpx.out.contains("nan"));
        const Run csv = trackExport({recording, QStringLiteral("--format"), QStringLiteral("csv")});
        QVERIFY2(csv.out.split('\n').value(3).contains(",A,,,,"), csv.out.constData());
    }

    void formatsAndKinds()
    {
        KoTrackExport::Format f;
        QVERIFY(KoTrackExport::parseFormat(QStringLiteral("gpx"), &f) && f == KoTrackExport::Gpx);
        QVERIFY(!KoTrackExport::parseFormat(QStringLiteral("GPX"), &f));
        KoTrackExtractor::Kind kind = KoTrackExtractor::TsScan;
        QVERIFY(KoTrackExport::kindOf(QStringLiteral("/a/b_00.MOV"), &kind) &&
                kind == KoTrackExtractor::MovWalk);
        QVERIFY(KoTrackExport::kindOf(QStringLiteral("x.mp4"), &kind) && kind == KoTrackExtractor::Mp4Walk);
        QVERIFY(KoTrackExport::kindOf(QStringLiteral("x.Ts"), &kind) && kind == KoTrackExtractor::TsScan);
        QVERIFY(!KoTrackExport::kindOf(QStringLiteral("x.avi"), &kind));
        QVERIFY(!KoTrackExport::kindOf(QStringLiteral("mp4"), &kind));
    }
};

TAVRIN_TEST_MAIN(tst_KoTrackExport, QCoreApplication)
#include "tst_KoTrackExport.moc"

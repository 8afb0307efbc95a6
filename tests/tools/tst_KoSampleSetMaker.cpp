#include "TestMain.h"

#include "library/KoPlaylist.h"
#include "library/KoRecording.h"
#include "tools/samples/KoSampleSetMaker.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <mpv/client.h>

namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);

struct Entry
{
    QString file;
    QString layout;
    int kind;
    QString channel;
    int samples;
    QString place;
};

QList<Entry> manifest(const QString &dir)
{
    QList<Entry> entries;
    QFile f(dir + QStringLiteral("/manifest.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return entries;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = line.split(QLatin1Char('\t'));
        if (c.size() == 6)
            entries.append({c[0], c[1], c[2].toInt(), c[3], c[4].toInt(), c[5]});
    }
    return entries;
}

QByteArrayList lines(const QString &path)
{
    QFile f(path);
    QByteArrayList list;
    if (f.open(QIODevice::ReadOnly)) {
        while (!f.atEnd())
            list.append(f.readLine());
    }
    return list;
}

// How libmpv played a file (as fast as it decodes, no output).
struct Played
{
    int reason = -1; // MPV_END_FILE_REASON_*, -1 when it never ended
    double duration = -1;
    double position = -1;
};

Played playToEnd(const QString &path)
{
    Played played;
    mpv_handle *mpv = mpv_create();
    if (!mpv)
        return played;
    for (const auto &[name, value] : {std::pair{"vo", "null"},
                                      {"ao", "null"},
                                      {"ao-null-untimed", "yes"},
                                      {"untimed", "yes"},
                                      {"terminal", "no"},
                                      {"config", "no"},
                                      {"idle", "yes"}})
        mpv_set_option_string(mpv, name, value);
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        return played;
    }
    mpv_observe_property(mpv, 0, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv, 0, "duration", MPV_FORMAT_DOUBLE);
    const QByteArray file = QFile::encodeName(path);
    const char *load[] = {"loadfile", file.constData(), nullptr};
    mpv_command(mpv, load);
    QElapsedTimer timer;
    timer.start();
    while (played.reason < 0 && timer.elapsed() < 60000) {
        mpv_event *event = mpv_wait_event(mpv, 1.0);
        if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
            const auto *p = static_cast<mpv_event_property *>(event->data);
            if (p->format == MPV_FORMAT_DOUBLE) {
                const double v = *static_cast<double *>(p->data);
                if (qstrcmp(p->name, "time-pos") == 0)
                    played.position = std::max(played.position, v);
                else
                    played.duration = v;
            }
        } else if (event->event_id == MPV_EVENT_END_FILE) {
            played.reason = static_cast<mpv_event_end_file *>(event->data)->reason;
        }
    }
    mpv_terminate_destroy(mpv);
    return played;
}

int identifiersIn(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().count("velmortech") : -1;
}

} // namespace

class tst_KoSampleSetMaker : public QObject
{
    Q_OBJECT

private:
    KoSampleSetMaker::Options m_defaults = KoSampleSetMaker::resolved({});

private slots:
    void theDocumentedSet()
    {
        // The names and layouts other tests and tools/samples/README.md rely on.
        const QStringList expected = {
            "2019_0523_143005_001A.MP4 gps-index 1 A 10 Munich",
            "2019_0523_143006_002B.MP4 gps-index 1 B 10 Munich",
            "2019_0523_143005_001C.MP4 gps-index 1 C 10 Munich",
            "2019_0523_143015_002A.MP4 direct 1 A 10 Munich",
            "2019_0523_143016_003B.MP4 direct 1 B 10 Munich",
            "2019_0523_143015_002C.MP4 direct 1 C 10 Munich",
            "20190523143025_00.MOV free-gps 0 A 10 Munich",
            "20190523143025_01_b.MOV free-gps 0 B 10 Munich",
            "2019_0601_080000_001A.MP4 gps-index 1 A 10 Shanghai",
            "2019_0714_164530_001A.MOV free-gps 0 A 10 Buenos Aires",
            "2019_0801_101010_001A.TS ts 2 A 0 Munich",
            "2019_0801_101500_001A.MP4 none 1 A 0 Munich",
        };
        QStringList listed;
        for (const Entry &e : manifest(Samples)) {
            listed.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                              .arg(e.file, e.layout)
                              .arg(e.kind)
                              .arg(e.channel)
                              .arg(e.samples)
                              .arg(e.place));
            QVERIFY2(QFileInfo(Samples + QLatin1Char('/') + e.file).size() > 10000, qPrintable(e.file));
        }
        QCOMPARE(listed, expected);
    }

    void expectedTextBesideEveryTrack()
    {
        // (That the player's extractor reads exactly these lines is checked by
        // tst_KoTrackExport.)
        for (const Entry &e : manifest(Samples)) {
            const QString path = Samples + QLatin1Char('/') + e.file;
            const QString expectedPath = path + QStringLiteral(".expected.txt");
            QCOMPARE(QFile::exists(expectedPath), e.samples > 0);
            QCOMPARE(lines(expectedPath).size(), e.samples);
            if (e.samples > 0)
                QCOMPARE(identifiersIn(path), e.samples);
        }
        // The transport stream carries the camera's blocks but no track.
        QCOMPARE(identifiersIn(Samples + QStringLiteral("/2019_0801_101010_001A.TS")), 10);
        QCOMPARE(identifiersIn(Samples + QStringLiteral("/2019_0801_101500_001A.MP4")), 0);
    }

    void channelsOfARecordingShareTheDrive()
    {
        const QByteArrayList a = lines(Samples + QStringLiteral("/2019_0523_143005_001A.MP4.expected.txt"));
        const QByteArrayList b = lines(Samples + QStringLiteral("/2019_0523_143006_002B.MP4.expected.txt"));
        const QByteArrayList c = lines(Samples + QStringLiteral("/2019_0523_143005_001C.MP4.expected.txt"));
        QCOMPARE(a.size(), 10);
        QCOMPARE(c, a);
        // The rear channel starts a second later.
        QCOMPARE(b.mid(0, 9), a.mid(1, 9));
        QVERIFY(a[0].startsWith("V20190523143005,0.000000,N,0.000000,E,"));
        QVERIFY(a[1].startsWith("V20190523143006"));
        QVERIFY(a[2].startsWith("A20190523143007,48"));
        // The next recording goes on with the same drive.
        const QByteArrayList next =
            lines(Samples + QStringLiteral("/2019_0523_143015_002A.MP4.expected.txt"));
        QVERIFY(next[0].startsWith("A20190523143015,48"));
    }

    void placesAndHemispheres()
    {
        const QByteArrayList shanghai =
            lines(Samples + QStringLiteral("/2019_0601_080000_001A.MP4.expected.txt"));
        const QList<QByteArray> s = shanghai.last().split(',');
        QVERIFY(s[1].startsWith("31") && s[2] == "N" && s[3].startsWith("121") && s[4] == "E");
        const QByteArrayList south =
            lines(Samples + QStringLiteral("/2019_0714_164530_001A.MOV.expected.txt"));
        const QList<QByteArray> w = south.last().split(',');
        QVERIFY(w[1].startsWith("34") && w[2] == "S" && w[3].startsWith("58") && w[4] == "W");
    }

    void ffprobeReadsEveryFrame()
    {
        const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
        QVERIFY2(!ffprobe.isEmpty(), "ffprobe is not installed");
        for (const Entry &e : manifest(Samples)) {
            QProcess p;
            p.start(ffprobe,
                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                     QStringLiteral("-select_streams"), QStringLiteral("v"), QStringLiteral("-show_entries"),
                     QStringLiteral("stream=nb_read_frames:format=duration"), QStringLiteral("-of"),
                     QStringLiteral("default=nw=1:nk=1"), Samples + QLatin1Char('/') + e.file});
            QVERIFY(p.waitForFinished(60000));
            const QByteArray errors = p.readAllStandardError();
            QVERIFY2(errors.isEmpty() && p.exitCode() == 0,
                     qPrintable(e.file + QLatin1String(": ") + errors));
            // Frames read (a transport stream lists its program's stream too),
            // then the duration.
            const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split('\n');
            QVERIFY(out.size() >= 2);
            QCOMPARE(out.first().toInt(), m_defaults.fps * m_defaults.seconds);
            QVERIFY2(qAbs(out.last().toDouble() - m_defaults.seconds) < 0.1, out.last().constData());
        }
    }

    void libmpvPlaysEveryFileToItsEnd()
    {
        for (const Entry &e : manifest(Samples)) {
            const Played p = playToEnd(Samples + QLatin1Char('/') + e.file);
            QVERIFY2(p.reason == MPV_END_FILE_REASON_EOF, qPrintable(e.file));
            QVERIFY2(qAbs(p.duration - m_defaults.seconds) < 0.1, qPrintable(e.file));
            QVERIFY2(
                p.position >= p.duration - 2.0 / m_defaults.fps,
                qPrintable(
                    QStringLiteral("%1 stopped at %2 of %3").arg(e.file).arg(p.position).arg(p.duration)));
        }
    }

    // The soak set: a day of short recordings that the player groups one
    // by one in the folder's order, every first channel playable to its end
    // (damaged or not), the damaged rear and interior channels not.
    void soakSetGroupsAsPlannedAndItsFirstChannelsPlay()
    {
        QTemporaryDir dir;
        KoSampleSetMaker::Options options;
        options.set = KoSampleSetMaker::Soak;
        options.recordings = 20;
        options.size = QSize(64, 36);
        const KoSampleSetMaker::Options resolved = KoSampleSetMaker::resolved(options);
        QCOMPARE(resolved.fps, 10);
        QCOMPARE(resolved.seconds, 2);
        KoSampleSetMaker::Options other;
        other.set = KoSampleSetMaker::Soak;
        QCOMPARE(KoSampleSetMaker::resolved(other).recordings, 300);
        other.set = KoSampleSetMaker::Tests;
        other.recordings = 20;
        QCOMPARE(KoSampleSetMaker::resolved(other).recordings, 0);
        KoSampleSetMaker maker(options);
        bool kept = true;
        QString error;
        QVERIFY2(maker.make(dir.path(), &kept, &error), qPrintable(error));

        const QList<Entry> entries = manifest(dir.path());
        QCOMPARE(entries.size(), 36);
        QMap<QString, int> layouts;
        QStringList paths;
        for (const Entry &e : entries) {
            ++layouts[e.layout];
            paths << dir.filePath(e.file);
            QCOMPARE(QFile::exists(dir.filePath(e.file + ".expected.txt")), e.samples > 0);
        }
        QCOMPARE(layouts, (QMap<QString, int>{{"gps-index", 12},
                                              {"direct", 12},
                                              {"free-gps", 2},
                                              {"none", 2},
                                              {"ts", 2},
                                              {"cut-short", 2},
                                              {"scrambled", 2},
                                              {"random", 2}}));

        KoPlaylist playlist;
        playlist.addAll(paths);
        playlist.regroup();
        QCOMPARE(playlist.recordings().size(), 20);
        QString previous;
        for (int k = 0; k < 20; ++k) {
            const KoRecording &r = playlist.recordings().at(k);
            QCOMPARE(r.channelCount(), k % 10 == 0 || k % 10 == 3 || k % 10 == 6 || k % 10 == 9 ? 3 : 1);
            QVERIFY(r.firstPath() > previous);
            previous = r.firstPath();
            const Played first = playToEnd(r.firstPath());
            QVERIFY2(first.reason == MPV_END_FILE_REASON_EOF, qPrintable(r.firstPath()));
        }
        for (const Entry &e : entries) {
            if (e.layout == QLatin1String("cut-short") || e.layout == QLatin1String("random"))
                QVERIFY2(playToEnd(dir.filePath(e.file)).reason == MPV_END_FILE_REASON_ERROR,
                         qPrintable(e.file));
        }
        // Cut short: the movie box and the track index at the end are gone.
        auto content = [&dir](const char *name) {
            QFile f(dir.filePath(QLatin1String(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QVERIFY(content("2019_0524_060030_007A.MP4").contains("moov"));
        QVERIFY(!content("2019_0524_060031_008B.MP4").contains("moov"));
        QVERIFY(content("2019_0524_060040_009A.MP4").contains("moov"));
    }

    void completeSetIsKeptAndAnIncompleteOneRemade()
    {
        QTemporaryDir dir;
        KoSampleSetMaker::Options options;
        options.set = KoSampleSetMaker::Bench; // three files: quick
        options.size = QSize(64, 36);
        options.fps = 2;
        options.seconds = 2;
        KoSampleSetMaker maker(options);
        bool kept = true;
        QString error;
        QVERIFY2(maker.make(dir.path(), &kept, &error), qPrintable(error));
        QVERIFY(!kept);
        QCOMPARE(manifest(dir.path()).size(), 3);
        QVERIFY(QDir(dir.path())
                    .entryList(QDir::Hidden | QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)
                    .filter(QStringLiteral("work"))
                    .isEmpty());

        QVERIFY(maker.make(dir.path(), &kept, &error));
        QVERIFY(kept);

        // Other options are another set.
        options.seconds = 3;
        KoSampleSetMaker longer(options);
        QVERIFY(longer.make(dir.path(), &kept, &error));
        QVERIFY(!kept);
        QCOMPARE(lines(dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4.expected.txt"))).size(), 3);

        // A damaged file is noticed.
        QFile::resize(dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4")), 100);
        QVERIFY(longer.make(dir.path(), &kept, &error));
        QVERIFY(!kept);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4"))).size() > 1000);

        options.force = true;
        QVERIFY(KoSampleSetMaker(options).make(dir.path(), &kept, &error));
        QVERIFY(!kept);
    }

    void unwritableFolderFailsCleanly()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        KoSampleSetMaker maker({});
        bool kept = true;
        QString error;
        QVERIFY(!maker.make(blocker.fileName() + QStringLiteral("/sub"), &kept, &error));
        QVERIFY(error.contains(QLatin1String("cannot create")));
    }
};

TAVRIN_TEST_MAIN(tst_KoSampleSetMaker, QCoreApplication)
#include "tst_KoSampleSetMaker.moc"

#include "TestMain.h"
#include "TrackFixtures.h"
#include "gps/KoTrackExtractor.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <thread>

using namespace fixtures;

namespace {

const QByteArray kDefaultLine =
    "A20190523143005,3112.345703,N,12130.123047,E,12.34,181.50,12,-34,1021,35.500000\n";

struct Run
{
    int result = -2;
    bool direct = false;
    QByteArray track;
    KoTrackExtractor::Diagnostics diag;

    QList<QByteArray> lines() const
    {
        QList<QByteArray> all = track.split('\n');
        all.removeLast(); // after the last line break
        return all;
    }
};

Run extract(const QByteArray &file, KoTrackExtractor::Kind kind)
{
    Run r;
    r.track = "not written";
    r.result = extractTrackFromBuffer(file, kind, &r.track, &r.direct, &r.diag);
    return r;
}

// The boxes of the walk over the top level, as type and size.
QStringList boxesOf(const Run &r)
{
    QStringList boxes;
    for (const KoTrackExtractor::Diagnostics::Box &b : r.diag.boxes)
        boxes += QStringLiteral("%1 %2%3%4")
                     .arg(QString::fromLatin1(b.type))
                     .arg(b.size)
                     .arg(b.largeSize ? QStringLiteral(" large") : QString())
                     .arg(b.wellFormed ? QString() : QStringLiteral(" malformed"));
    return boxes;
}

Sample withYear(int year)
{
    Sample s;
    s.year = year;
    return s;
}

// ftyp, moov, then an 'mdat' with the given records (each 16 bytes after its
// listed offset) and a 'gps ' box listing them; `count` overrides the count.
QByteArray indexBoxFile(const QVector<QByteArray> &records, qint64 count = -1,
                        const QVector<quint32> &extraOffsets = {})
{
    Recording r;
    r.append(makeFtyp("isom") + makeBox("moov", makeBox("mvhd", zeros(100))));
    const QVector<quint32> offsets = appendMdat(&r, records.size(), 8, 16, [&](int i) { return records[i]; });
    QByteArray index = be32(1) + be32(quint32(count >= 0 ? count : offsets.size() + extraOffsets.size()));
    for (quint32 offset : offsets + extraOffsets)
        index += be32(offset) + be32(0);
    r.append(makeBox("gps ", index));
    return r.bytes();
}

// ftyp, moov with one data trak whose 'stco' lists the records (placed in
// 'mdat') and then `extra` offsets; `count` overrides the entry count.
QByteArray directChunksFile(const QVector<QByteArray> &records, const QVector<quint32> &extra = {},
                            qint64 count = -1)
{
    auto build = [&](QVector<quint32> chunks) {
        chunks += extra;
        QByteArray stco = makeStco(chunks);
        if (count >= 0)
            stco.replace(12, 4, be32(quint32(count)));
        const QByteArray stbl = makeBox("stsd", zeros(8)) + stco;
        return makeFtyp("isom") + makeBox("moov", makeTrak(makeTkhd(0, 0), "gmhd", stbl));
    };
    Recording probe;
    probe.size = build(QVector<quint32>(records.size(), 0)).size();
    const QVector<quint32> chunks =
        appendMdat(&probe, records.size(), 8, 0, [&](int i) { return records[i]; });
    Recording r;
    r.append(build(chunks));
    appendMdat(&r, records.size(), 8, 0, [&](int i) { return records[i]; });
    return r.bytes();
}

} // namespace

class tst_KoTrackExtractor : public QObject
{
    Q_OBJECT

private slots:
    // GPS index box (MP4)
    void indexBoxWritesOneLinePerSample();
    void indexBoxReducesYearModulo1000();
    void indexBoxShortSamplesSwitchLayout();
    void indexBoxShortSamplesAfterIdentifiedBlock();
    void indexBoxEmptyCount_data();
    void indexBoxEmptyCount();
    void indexBoxCountLargerThanTable();
    void indexBoxOffsetPastEnd();
    void repeatedEntriesStopAtTheLineLimit();
    // Rules shared by the decoders
    void voidRuleClearsZeroFix();
    void identifierGatesWriting();
    void identifierComparedWithinItsField();
    void otherStatusNotWritten();
    void truncatedBlockReadsZeros();
    void nonLetterHemisphereWrittenAsDefault();
    void overlongLineDropped();
    void lineOfExactlyTheLimitKept();
    void linesMatchPrintfFormat();
    // Box walks
    void largeSizeBoxSkipped();
    void malformedBoxEndsWalk_data();
    void malformedBoxEndsWalk();
    void unknownBoxesSkipped_data();
    void unknownBoxesSkipped();
    void trackWalkStaysInsideItsTrak();
    void tinyTrackHeaderIsNotVideo();
    // Direct chunks (MP4)
    void directChunksBehindVideoTrack();
    void directChunksWithoutIdentifierFail();
    void directChunksCountClampedToTable();
    void directChunksOffsetPastEnd();
    // Free-GPS chunks (MOV)
    void freeGpsWritesYearAsStored();
    void freeGpsDistanceFromSampleDescription();
    void freeGpsDistanceDoubling();
    void freeGpsDoublingStaysBounded();
    void movWalkHasNoLargeSize();
    // TS survey
    void tsEmptyFile();
    void tsOtherPidsNotReported();
    void tsCounterContinuesAcrossFiles();
    // Files and threads
    void fileExtractionMatchesBuffer();
    void missingSourceFails();
    void unwritableOutputFails();
    void outputNeverOverwritesSource();
    void failedWriteIsNoSuccess();
    void concurrentExtractionsKeepTheirState();
};

void tst_KoTrackExtractor::indexBoxWritesOneLinePerSample()
{
    QVector<Sample> samples(3, withYear(2019));
    samples[1].second = 6;
    samples[2].second = 7;
    const Run r = extract(indexBoxMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.direct, false);
    QCOMPARE(r.lines().size(), 3);
    QCOMPARE(r.lines()[0] + '\n', kDefaultLine);
    QVERIFY(r.lines()[2].startsWith("A20190523143007,"));
    QVERIFY(r.diag.indexBox);
    QCOMPARE(r.diag.indexVersion, 1);
    QCOMPARE(r.diag.indexCount, 3);
    QCOMPARE(r.diag.shortSamples, false);
    QCOMPARE(r.diag.blocksChecked, 3);
    QCOMPARE(r.diag.identifiers, QByteArrayList({"velmortech", "velmortech", "velmortech"}));
}

void tst_KoTrackExtractor::indexBoxReducesYearModulo1000()
{
    const Run r =
        extract(indexBoxMp4({withYear(2019), withYear(119), withYear(5)}).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(r.lines()[0].startsWith("A20190523"));
    QVERIFY(r.lines()[1].startsWith("A20119"));
    QVERIFY(r.lines()[2].startsWith("A2005"));
}

void tst_KoTrackExtractor::indexBoxShortSamplesSwitchLayout()
{
    Options o;
    o.shortSamples = true;
    const Run r = extract(indexBoxMp4(drive(4), o).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.track, QByteArray()); // written, and empty: nothing was identified
    QCOMPARE(r.diag.shortSamples, true);
    QCOMPARE(r.diag.blocksChecked, 0);
}

void tst_KoTrackExtractor::indexBoxShortSamplesAfterIdentifiedBlock()
{
    Sample second;
    second.second = 6;
    second.altitude = 99;
    const Run r = extract(indexBoxFile({makeBlock(Sample()), makeShortSample(second) + zeros(80)}),
                          KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
    QCOMPARE(r.lines()[0] + '\n', kDefaultLine);
    // No G-sensor counts and no altitude in the short form.
    QCOMPARE(r.lines()[1],
             QByteArray("A20190523143006,3112.345703,N,12130.123047,E,12.34,181.50,0,0,0,0.000000"));
    QCOMPARE(r.diag.shortSamples, true);
}

void tst_KoTrackExtractor::indexBoxEmptyCount_data()
{
    QTest::addColumn<qint64>("count");
    QTest::newRow("zero") << qint64(0);
    QTest::newRow("negative") << qint64(0xfffffffb);
}

void tst_KoTrackExtractor::indexBoxEmptyCount()
{
    QFETCH(qint64, count);
    const Run r = extract(indexBoxFile({makeBlock(Sample())}, count), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.track, QByteArray());
}

void tst_KoTrackExtractor::indexBoxCountLargerThanTable()
{
    const Run r = extract(indexBoxFile({makeBlock(Sample()), makeBlock(Sample())}, 0x7fffffff),
                          KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
    QCOMPARE(r.diag.indexCount, 2147483647);
}

void tst_KoTrackExtractor::indexBoxOffsetPastEnd()
{
    // The listed offset reads as zeros: not a block, so the short layout is
    // tried, and a zero status is not written.
    const Run r = extract(indexBoxFile({makeBlock(Sample())}, -1, {0xfffffff0u}), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 1);
    QCOMPARE(r.diag.shortSamples, true);
}

void tst_KoTrackExtractor::repeatedEntriesStopAtTheLineLimit()
{
    // One block listed far more often than any recording has seconds: the
    // output stops at the limit instead of growing with every entry.
    const QByteArray file = indexBoxFile({makeBlock(Sample())});
    const qint32 blockOffset = qFromBigEndian<qint32>(file.constData() + file.size() - 8);
    QByteArray hostile = file.left(file.size() - 8 - 16);
    const int entries = kMaxTrackLines + 5000;
    QByteArray index = be32(1) + be32(quint32(entries));
    index.reserve(8 + entries * 8);
    for (int i = 0; i < entries; ++i)
        index += be32(quint32(blockOffset)) + be32(0);
    hostile += makeBox("gps ", index);
    QByteArray track;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^track cut at 200000 lines"));
    const int result = extractTrackFromBuffer(hostile, KoTrackExtractor::Mp4Walk, &track);
    QCOMPARE(result, 0);
    QCOMPARE(track.count('\n'), kMaxTrackLines);
    QCOMPARE(track.left(track.indexOf('\n') + 1), kDefaultLine);
}

void tst_KoTrackExtractor::voidRuleClearsZeroFix()
{
    Sample zeroLat;
    zeroLat.latitude = 0;
    Sample zeroLng;
    zeroLng.longitude = -0.0f;
    Sample voidKeeps;
    voidKeeps.status = 'V';
    const Run r = extract(indexBoxMp4({zeroLat, zeroLng, voidKeeps}).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.lines().size(), 3);
    const QByteArray cleared = "V20190523143005,0.000000,N,0.000000,E,12.34,181.50,12,-34,1021,35.500000";
    QCOMPARE(r.lines()[0], cleared);
    QCOMPARE(r.lines()[1], cleared);
    QCOMPARE(r.lines()[2] + '\n', "V" + kDefaultLine.mid(1));
}

void tst_KoTrackExtractor::identifierGatesWriting()
{
    QVector<Sample> samples = drive(4);
    samples[0].identifier = "other";
    samples[2].identifier = "";
    samples[3].identifier = "velmortec";
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    // Nothing before the first match; everything after it.
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(r.lines()[0].startsWith("A20190523140001,"));
    QCOMPARE(r.diag.identifiers, QByteArrayList({"other", "velmortech", "", "velmortec"}));
}

void tst_KoTrackExtractor::identifierComparedWithinItsField()
{
    Sample s;
    s.identifier = "velmortechvelmor"; // 16 bytes, no terminator inside the field
    const Run r = extract(directChunksMp4({s}).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.track, QByteArray());
    // The noted text stops at the field's end (the status byte 'A' follows it).
    QCOMPARE(r.diag.identifiers, QByteArrayList{"velmortechvelmor"});
}

void tst_KoTrackExtractor::otherStatusNotWritten()
{
    QVector<Sample> samples = drive(3);
    samples[1].status = 'X';
    QCOMPARE(extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk).lines().size(), 2);
    QCOMPARE(extract(freeGpsMov(samples).bytes(), KoTrackExtractor::MovWalk).lines().size(), 2);
}

void tst_KoTrackExtractor::truncatedBlockReadsZeros()
{
    QByteArray file = directChunksFile({makeBlock(Sample())});
    file.chop(120 - 60); // the block ends after its month field
    const Run r = extract(file, KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines(), QList<QByteArray>{"V20190500000000,0.000000,N,0.000000,E,0.00,0.00,0,0,0,0.000000"});
}

void tst_KoTrackExtractor::nonLetterHemisphereWrittenAsDefault()
{
    QVector<Sample> samples = drive(3);
    samples[0].latHemisphere = '\0';
    samples[0].lngHemisphere = '\n';
    samples[1].latHemisphere = ',';
    samples[2].latHemisphere = 'S';
    samples[2].lngHemisphere = 'W';
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(r.lines()[0].contains(",N,") && r.lines()[0].contains(",E,"));
    QCOMPARE(r.lines()[0].count(','), 10);
    QCOMPARE(r.lines()[1].count(','), 10);
    QVERIFY(r.lines()[2].contains(",S,") && r.lines()[2].contains(",W,"));
}

void tst_KoTrackExtractor::overlongLineDropped()
{
    QVector<Sample> samples = drive(2);
    samples[0].latitude = samples[0].longitude = samples[0].altitude = 3e38f;
    samples[0].speed = samples[0].heading = -3e38f;
    samples[0].year = samples[0].month = INT_MIN;
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    // A reader takes lines of at most 255 characters: the absurd one is left out.
    QCOMPARE(r.lines().size(), 1);
    QVERIFY(r.lines()[0].startsWith("A20190523140001,"));
}

void tst_KoTrackExtractor::lineOfExactlyTheLimitKept()
{
    // Four fields near the float maximum make a 253-byte line with G-sensor
    // 0,0,0; a three-digit count then gives 255 bytes (kept), "-100" 256.
    QVector<Sample> samples = drive(3);
    for (int i = 0; i < 2; ++i) {
        Sample &s = samples[i];
        s.latitude = s.longitude = s.speed = s.heading = s.altitude = 3e38f;
        s.gX = i == 0 ? 100 : -100;
        s.gY = s.gZ = 0;
    }
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
    QCOMPARE(r.lines()[0].size() + 1, 255);
    QVERIFY(r.lines()[0].contains(",100,0,0,"));
    QVERIFY(r.lines()[1].startsWith("A20190523140002,"));
}

void tst_KoTrackExtractor::linesMatchPrintfFormat()
{
    // The line writer stands in for the printf format: any field values
    // (binary ties, NaN, infinities, huge and tiny values) give its bytes.
    QRandomGenerator random(11);
    auto randomFloat = [&]() -> float {
        const float special[] = {NAN,   -NAN,   INFINITY, -INFINITY, 0.0f,
                                 -0.0f, 0.005f, 0.125f,   1e9f,      99999999.0f};
        switch (random.bounded(5)) {
        case 0: {
            const quint32 bits = random.generate();
            float f;
            memcpy(&f, &bits, sizeof f);
            return f;
        }
        case 1:
            return float(random.bounded(2e6) - 1e6);
        case 2:
            return float(random.bounded(2000) - 1000) / 8.0f;
        case 3:
            return float(random.bounded(1e-5));
        default:
            return special[random.bounded(10)];
        }
    };
    auto randomInt = [&]() -> qint32 {
        return random.bounded(2) ? qint32(random.generate()) : qint32(random.bounded(-200, 200));
    };
    QVector<Sample> samples(3000);
    QByteArray expected;
    for (Sample &s : samples) {
        s.status = 'V';
        s.latHemisphere = "NSEW"[random.bounded(4)];
        s.lngHemisphere = "NSEW"[random.bounded(4)];
        s.year = randomInt();
        s.month = randomInt();
        s.day = randomInt();
        s.hour = randomInt();
        s.minute = randomInt();
        s.second = randomInt();
        s.latitude = randomFloat();
        s.longitude = randomFloat();
        s.speed = randomFloat();
        s.heading = randomFloat();
        s.altitude = randomFloat();
        s.gX = randomInt();
        s.gY = randomInt();
        s.gZ = randomInt();
        char line[512];
        const int n =
            snprintf(line, sizeof line, "%c20%.2d%.2d%.2d%.2d%.2d%.2d,%f,%c,%f,%c,%.2f,%.2f,%d,%d,%d,%f\n",
                     s.status, s.year, s.month, s.day, s.hour, s.minute, s.second, double(s.latitude),
                     s.latHemisphere, double(s.longitude), s.lngHemisphere, double(s.speed),
                     double(s.heading), s.gX, s.gY, s.gZ, double(s.altitude));
        if (n <= 255)
            expected.append(line, n);
    }
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = r.track.split('\n');
    QVERIFY(want.size() > 1000);
    for (int i = 0; i < qMin(want.size(), got.size()); ++i)
        QCOMPARE(got[i], want[i]);
    QCOMPARE(got.size(), want.size());
}

void tst_KoTrackExtractor::largeSizeBoxSkipped()
{
    // Boxes with a 64-bit size at the top level, inside 'moov' and before the index box.
    Options o;
    o.betweenBoxes = makeLargeBox("skip", zeros(20));
    const Run r = extract(indexBoxMp4(drive(2), o).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
    QCOMPARE(boxesOf(r).filter(QStringLiteral("skip 36 large")).size(), 3);
}

void tst_KoTrackExtractor::malformedBoxEndsWalk_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("size 0") << QByteArray(be32(0) + "free" + zeros(8));
    QTest::newRow("size 7") << QByteArray(be32(7) + "free" + zeros(8));
    QTest::newRow("size 1, large size 8") << QByteArray(be32(1) + "free" + be64(8));
    QTest::newRow("size 1, large size over 4 GiB") << QByteArray(be32(1) + "mdat" + be64(0x100000010ull));
    QTest::newRow("size 1, large size missing") << QByteArray(be32(1) + "mdat" + be32(0));
    QTest::newRow("past the end") << QByteArray(be32(0x10000) + "mdat" + zeros(8));
}

void tst_KoTrackExtractor::malformedBoxEndsWalk()
{
    QFETCH(QByteArray, box);
    const QByteArray head = makeFtyp("isom");
    const Run r = extract(head + box, KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.diag.boxesRead, 2);
    QVERIFY(r.diag.boxes[0].wellFormed && !r.diag.boxes[1].wellFormed);
    QCOMPARE(r.diag.boxes[1].type, box.mid(4, 4));
    // An index box behind it is not reached.
    const Run behind = extract(head + box + makeBox("gps ", be32(1) + be32(0)), KoTrackExtractor::Mp4Walk);
    QCOMPARE(behind.result, -1);
    QCOMPARE(behind.diag.indexBox, false);
    QCOMPARE(extract(head + box, KoTrackExtractor::MovWalk).result, -1);
}

void tst_KoTrackExtractor::unknownBoxesSkipped_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("index box") << 0;
    QTest::newRow("direct chunks") << 1;
    QTest::newRow("free GPS") << 2;
}

void tst_KoTrackExtractor::unknownBoxesSkipped()
{
    QFETCH(int, layout);
    Options o;
    o.betweenBoxes = makeBox("free", zeros(4)) + makeBox("wide") + makeBox("uuid", zeros(16)) +
                     makeBox("meta", zeros(4) + makeBox("hdlr", zeros(25)));
    const QVector<Sample> samples = drive(3);
    const Run r = layout == 0 ? extract(indexBoxMp4(samples, o).bytes(), KoTrackExtractor::Mp4Walk)
                  : layout == 1
                      ? extract(directChunksMp4(samples, o).bytes(), KoTrackExtractor::Mp4Walk)
                      : extract(freeGpsMov(samples, 1, 16, 8000, o).bytes(), KoTrackExtractor::MovWalk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(boxesOf(r).contains(QStringLiteral("uuid 24")));
}

void tst_KoTrackExtractor::trackWalkStaysInsideItsTrak()
{
    // A data trak without a chunk table, followed (inside 'moov') by a stray
    // 'stco' that lists a valid block: it belongs to no track.
    const QByteArray trak = makeTrak(makeTkhd(0, 0), "gmhd", makeBox("stsd", zeros(8)));
    const QByteArray head = makeFtyp("isom");
    const int moovSize = 8 + trak.size() + 20;
    const quint32 block = quint32(head.size() + moovSize + 8);
    const QByteArray file =
        head + makeBox("moov", trak + makeStco({block})) + makeBox("mdat", makeBlock(Sample()));
    QCOMPARE(file.indexOf(makeBlock(Sample())), int(block));
    const Run r = extract(file, KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.direct, false);
    QCOMPARE(r.diag.blocksChecked, 0);
}

void tst_KoTrackExtractor::tinyTrackHeaderIsNotVideo()
{
    // A header with no payload: its "width" falls before the box and reads as 0.
    QByteArray file = directChunksMp4(drive(2)).bytes();
    const int tkhd = file.lastIndexOf("tkhd") - 4;
    file.replace(tkhd, 92, makeBox("tkhd") + makeBox("free", zeros(92 - 16)));
    const Run r = extract(file, KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.diag.trackFrames.size(), 2);
    QCOMPARE(r.diag.trackFrames[1].width(), 0);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
}

void tst_KoTrackExtractor::directChunksBehindVideoTrack()
{
    QVector<Sample> samples = drive(3);
    samples[2].year = 2019;
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.direct, true);
    QCOMPARE(r.diag.trackFrames, QVector<QSize>({QSize(1920, 1080), QSize(0, 0)}));
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(r.lines()[0].startsWith("A20190523140000,3112.000000,N,12130.000000,E,0.00,0.00,-25,"));
    QVERIFY(r.lines()[2].startsWith("A202019")); // year as stored
}

void tst_KoTrackExtractor::directChunksWithoutIdentifierFail()
{
    QVector<Sample> samples = drive(2);
    for (Sample &s : samples)
        s.identifier = "someoneelse";
    const Run r = extract(directChunksMp4(samples).bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.direct, true);
    QCOMPARE(r.track, QByteArray());
}

void tst_KoTrackExtractor::directChunksCountClampedToTable()
{
    const Run r = extract(directChunksFile({makeBlock(Sample()), makeBlock(Sample())}, {}, 0x7fffffff),
                          KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 2);
}

void tst_KoTrackExtractor::directChunksOffsetPastEnd()
{
    const Run r = extract(directChunksFile({makeBlock(Sample())}, {0xffffff00u, 0x7fffffffu}),
                          KoTrackExtractor::Mp4Walk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines(), QList<QByteArray>{kDefaultLine.chopped(1)});
}

void tst_KoTrackExtractor::freeGpsWritesYearAsStored()
{
    QVector<Sample> samples = drive(3);
    samples[1].year = 2019;
    const Run r = extract(freeGpsMov(samples).bytes(), KoTrackExtractor::MovWalk);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.direct, false);
    QCOMPARE(r.lines().size(), 3);
    QVERIFY(r.lines()[0].startsWith("A20190523140000,"));
    QVERIFY(r.lines()[1].startsWith("A202019"));
    QVERIFY(r.diag.soundFormatRead);
    QCOMPARE(r.diag.soundFormat.channels, 1);
    QCOMPARE(r.diag.soundFormat.bits, 16);
    QCOMPARE(r.diag.soundFormat.rate, 8000);
    QCOMPARE(r.diag.soundFormat.gpsDistance, qint64(16384));
    QCOMPARE(r.diag.freeGpsTagsMissed, 0);
}

void tst_KoTrackExtractor::freeGpsDistanceFromSampleDescription()
{
    QCOMPARE(gpsDistance(2, 16, 48000), qint64(196608));
    const Run r = extract(freeGpsMov(drive(2), 2, 16, 48000).bytes(), KoTrackExtractor::MovWalk);
    QCOMPARE(r.diag.soundFormat.channels, 2);
    QCOMPARE(r.diag.soundFormat.bits, 16);
    QCOMPARE(r.diag.soundFormat.rate, 48000);
    QCOMPARE(r.diag.soundFormat.gpsDistance, qint64(196608));
    QCOMPARE(r.lines().size(), 2);
}

void tst_KoTrackExtractor::freeGpsDistanceDoubling()
{
    // The description gives 32768, the boxes stand at twice that: the first
    // chunk finds it out and the doubled distance serves every later chunk.
    Options o;
    o.distance = 65536;
    const Run r = extract(freeGpsMov(drive(3), 1, 16, 16000, o).bytes(), KoTrackExtractor::MovWalk);
    QCOMPARE(r.diag.soundFormat.gpsDistance, qint64(32768));
    QCOMPARE(r.diag.freeGpsTagsMissed, 1);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.lines().size(), 3);
}

void tst_KoTrackExtractor::freeGpsDoublingStaysBounded()
{
    // No tag anywhere: the distance doubles at every one of 200 chunks and
    // must neither overflow nor read anything but zeros.
    Options o;
    o.distance = 100;
    const Run r = extract(freeGpsMov(drive(200), 1, 16, 16000, o).bytes(), KoTrackExtractor::MovWalk);
    QCOMPARE(r.diag.freeGpsTagsMissed, 200);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.track, QByteArray());
}

void tst_KoTrackExtractor::movWalkHasNoLargeSize()
{
    const QByteArray file = freeGpsMov(drive(1)).bytes();
    const QByteArray ftyp = makeFtyp("qt  ");
    const QByteArray large = makeLargeBox("ftyp", ftyp.mid(8));
    QByteArray shifted = large + file.mid(ftyp.size());
    const Run r = extract(shifted, KoTrackExtractor::MovWalk);
    QCOMPARE(r.result, -1);
    QCOMPARE(boxesOf(r), QStringList{QStringLiteral("ftyp 0 malformed")});
}

void tst_KoTrackExtractor::tsEmptyFile()
{
    const Run r = extract(QByteArray(), KoTrackExtractor::TsScan);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.track, QByteArray());
    QCOMPARE(r.diag.fileSize, qint64(0));
    QCOMPARE(r.diag.tsDataPackets, 0);
}

void tst_KoTrackExtractor::tsOtherPidsNotReported()
{
    QByteArray ts;
    for (int i = 0; i < 20; ++i)
        ts += makeTsPacket(0x100, i % 2 == 0) + makeTsPacket(0x300, false);
    const Run r = extract(ts, KoTrackExtractor::TsScan);
    QCOMPARE(r.result, -1);
    QCOMPARE(r.diag.fileSize, qint64(40 * 188));
    QCOMPARE(r.diag.tsDataPackets, 0);
}

void tst_KoTrackExtractor::tsCounterContinuesAcrossFiles()
{
    QByteArray ts = makeTsPacket(0x100, true) + makeTsPacket(0x300, true) + makeTsPacket(0x3ab, true);
    ts += QByteArray("\x47\x43", 2); // a cut packet at the end: its identifier byte reads as 0
    const int before = KoTrackExtractor::tsDataPacketCount();
    auto packets = [](const Run &r) {
        QVector<QPair<int, int>> numberAndPid;
        for (const KoTrackExtractor::Diagnostics::TsPacket &p : r.diag.tsPackets)
            numberAndPid.append({p.number, p.pid});
        return numberAndPid;
    };
    const Run first = extract(ts, KoTrackExtractor::TsScan);
    QCOMPARE(first.diag.fileSize, qint64(566));
    QCOMPARE(first.diag.tsDataPackets, 3);
    QCOMPARE(packets(first),
             (QVector<QPair<int, int>>{{before + 1, 0x300}, {before + 2, 0x3ab}, {before + 3, 0x300}}));
    const Run second = extract(ts, KoTrackExtractor::TsScan);
    QCOMPARE(packets(second).value(2), qMakePair(before + 6, 0x300));
    QCOMPARE(KoTrackExtractor::tsDataPacketCount(), before + 6);
}

void tst_KoTrackExtractor::fileExtractionMatchesBuffer()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("行车记录 ü.MP4"));
    const QString output = dir.filePath(QStringLiteral("轨迹.txt.tmp"));
    const Recording rec = directChunksMp4(drive(50));
    QVERIFY(rec.write(source));
    bool direct = false;
    KoTrackExtractor::Diagnostics diag;
    const int result = extractTrack(QFile::encodeName(source), QFile::encodeName(output),
                                    KoTrackExtractor::Mp4Walk, &direct, &diag);
    QCOMPARE(result, 0);
    QCOMPARE(direct, true);
    QFile f(output);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const Run fromBuffer = extract(rec.bytes(), KoTrackExtractor::Mp4Walk);
    QCOMPARE(f.readAll(), fromBuffer.track);
    QCOMPARE(fromBuffer.lines().size(), 50);
    QCOMPARE(diag.fileSize, qint64(rec.bytes().size()));
    QCOMPARE(diag.blocksChecked, 50);
    QCOMPARE(boxesOf(fromBuffer), boxesOf(Run{0, false, {}, diag}));
}

void tst_KoTrackExtractor::missingSourceFails()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.txt"));
    bool direct = true;
    KoTrackExtractor::Diagnostics diag;
    diag.boxesRead = 7;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot open the recording .*none.mp4"));
    QCOMPARE(extractTrack(QFile::encodeName(dir.filePath("none.mp4")), QFile::encodeName(output),
                          KoTrackExtractor::Mp4Walk, &direct, &diag),
             -1);
    QCOMPARE(direct, false);
    QCOMPARE(diag.boxesRead, 0); // no record of an earlier run is left
    QVERIFY(!QFile::exists(output));
}

void tst_KoTrackExtractor::unwritableOutputFails()
{
    QTemporaryDir dir;
    const QByteArray output = QFile::encodeName(dir.filePath(QStringLiteral("missing/out.txt")));
    const QString mp4 = dir.filePath(QStringLiteral("a.mp4"));
    const QString mov = dir.filePath(QStringLiteral("a.mov"));
    QVERIFY(indexBoxMp4(drive(3)).write(mp4));
    QVERIFY(freeGpsMov(drive(3)).write(mov));
    const QList<QPair<QString, KoTrackExtractor::Kind>> runs = {
        {mov, KoTrackExtractor::MovWalk}, {mp4, KoTrackExtractor::Mp4Walk}, {mp4, KoTrackExtractor::TsScan}};
    for (const auto &run : runs) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot write the track to .*out.txt"));
        QCOMPARE(extractTrack(QFile::encodeName(run.first), output, run.second), -1);
    }
}

void tst_KoTrackExtractor::outputNeverOverwritesSource()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.mp4"));
    QVERIFY(indexBoxMp4(drive(3)).write(source));
    const qint64 size = QFileInfo(source).size();
    QVERIFY(QFile::link(source, dir.filePath(QStringLiteral("link.mp4"))));
    for (const QString &output :
         {source, dir.filePath(QStringLiteral("./a.mp4")), dir.filePath(QStringLiteral("link.mp4"))}) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^not extracted: the track output is the recording"));
        QCOMPARE(
            extractTrack(QFile::encodeName(source), QFile::encodeName(output), KoTrackExtractor::Mp4Walk),
            -1);
        QCOMPARE(QFileInfo(source).size(), size);
    }
}

void tst_KoTrackExtractor::failedWriteIsNoSuccess()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full");
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.mp4"));
    QVERIFY(indexBoxMp4(drive(100)).write(source));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^the track written to \"/dev/full\" is incomplete"));
    QCOMPARE(extractTrack(QFile::encodeName(source), "/dev/full", KoTrackExtractor::Mp4Walk), -1);
}

void tst_KoTrackExtractor::concurrentExtractionsKeepTheirState()
{
    const QByteArray direct = directChunksMp4(drive(200)).bytes();
    const QByteArray index = indexBoxMp4(drive(200)).bytes();
    const Run directAlone = extract(direct, KoTrackExtractor::Mp4Walk);
    const Run indexAlone = extract(index, KoTrackExtractor::Mp4Walk);
    QVERIFY(directAlone.direct && !indexAlone.direct);
    auto worker = [](const QByteArray *file, const Run *expected, int *mismatches) {
        for (int i = 0; i < 100; ++i) {
            QByteArray track;
            bool wasDirect = !expected->direct;
            KoTrackExtractor::Diagnostics diag;
            const int result =
                extractTrackFromBuffer(*file, KoTrackExtractor::Mp4Walk, &track, &wasDirect, &diag);
            if (result != expected->result || wasDirect != expected->direct || track != expected->track ||
                diag.boxesRead != expected->diag.boxesRead ||
                diag.blocksChecked != expected->diag.blocksChecked)
                ++*mismatches;
        }
    };
    int directMismatches = 0;
    int indexMismatches = 0;
    std::thread a(worker, &direct, &directAlone, &directMismatches);
    std::thread b(worker, &index, &indexAlone, &indexMismatches);
    a.join();
    b.join();
    QCOMPARE(directMismatches, 0);
    QCOMPARE(indexMismatches, 0);
}

TAVRIN_TEST_MAIN(tst_KoTrackExtractor, QCoreApplication)
#include "tst_KoTrackExtractor.moc"

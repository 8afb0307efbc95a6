// Writes the seed corpus of the fuzz targets from the recordings the tests
// build: make_seeds <folder> gives <folder>/<target>/<seed>.

#include "TrackFixtures.h"
#include "gps/KoTrackExtractor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace fixtures;

namespace {

bool save(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString root = QFile::decodeName(argv[1]);
    const QVector<Sample> samples = drive(3);
    Options small;
    small.gap = 8;
    Options between = small;
    between.betweenBoxes = makeBox("free", zeros(4)) + makeLargeBox("uuid", zeros(16));
    Options shortSamples = small;
    shortSamples.shortSamples = true;
    Options doubled = small;
    doubled.distance = 2048;

    bool ok = true;
    const QString mp4 = root + QStringLiteral("/mp4_walk");
    ok &= save(mp4, QStringLiteral("index_box"), indexBoxMp4(samples, small).bytes());
    ok &= save(mp4, QStringLiteral("index_box_short"), indexBoxMp4(samples, shortSamples).bytes());
    ok &= save(mp4, QStringLiteral("index_box_between"), indexBoxMp4(samples, between).bytes());
    ok &= save(mp4, QStringLiteral("direct_chunks"), directChunksMp4(samples, small).bytes());
    ok &= save(mp4, QStringLiteral("direct_chunks_between"), directChunksMp4(samples, between).bytes());

    const QString mov = root + QStringLiteral("/mov_walk");
    ok &= save(mov, QStringLiteral("free_gps"), freeGpsMov(samples, 1, 8, 1000, small).bytes());
    ok &= save(mov, QStringLiteral("free_gps_doubled"), freeGpsMov(samples, 1, 8, 1000, doubled).bytes());
    ok &= save(mov, QStringLiteral("free_gps_between"), freeGpsMov(samples, 1, 8, 1000, between).bytes());

    const QString ts = root + QStringLiteral("/ts_scan");
    ok &= save(ts, QStringLiteral("packets"),
               makeTsPacket(0x100, true) + makeTsPacket(0x300, true) + makeTsPacket(0x3ab, false, 0x47));

    const QString lines = root + QStringLiteral("/track_line");
    QByteArray track;
    extractTrackFromBuffer(directChunksMp4(samples, small).bytes(), KoTrackExtractor::Mp4Walk, &track);
    int n = 0;
    for (const QByteArray &line : track.split('\n')) {
        if (!line.isEmpty())
            ok &= save(lines, QStringLiteral("extracted_%1").arg(n++), line + '\n');
    }
    ok &= save(lines, QStringLiteral("south_west"),
               "A20190523143005,3112.500000,S,12130.000000,W,10.00,90.00,256,-256,4096,-12.5\r\n");
    ok &= save(lines, QStringLiteral("void"), "V");
    ok &= save(lines, QStringLiteral("long_date"),
               "A2019052314300512345678,3199.9999999999,N,1e999,E,-0,nan,+1,2,3");
    return ok ? 0 : 1;
}

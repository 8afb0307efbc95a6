#include "tools/samples/KoSampleSetMaker.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

// tavrin-make-samples OUTDIR [--size WxH] [--fps N] [--seconds N] [--set tests|bench|hour|soak]
//                     [--recordings N] [--force]
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrin-make-samples"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a folder of playable dash-camera recordings made from synthetic drives, with the expected\n"
        "track text of each recording beside it.\n"
        "Sets: tests (default; 640x360, 10 fps, 10 s), bench (three channels, 1920x1080, 30 fps, 60 s),\n"
        "hour (one-hour tracks in the three layouts behind 160x90 video at 1 fps),\n"
        "soak (300 recordings of 2 s at 160x90, 10 fps: three-channel, one-channel, without a track, "
        "damaged)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QStringLiteral("Folder to write the recordings into."));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Video size."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption fps(QStringLiteral("fps"), QStringLiteral("Frames per second."),
                                 QStringLiteral("N"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Length of each recording."),
                                     QStringLiteral("N"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("Which set: tests, bench, hour or soak."),
                                 QStringLiteral("NAME"), QStringLiteral("tests"));
    const QCommandLineOption recordings(QStringLiteral("recordings"),
                                        QStringLiteral("Recordings of the soak set (default 300)."),
                                        QStringLiteral("N"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Make the set again even when a complete one is there."));
    parser.addOptions({size, fps, seconds, set, recordings, force});
    parser.process(app);

    auto fail = [](const QString &message) {
        std::fprintf(stderr, "tavrin-make-samples: %s\n", qPrintable(message));
        return 1;
    };
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("give one output folder (see --help)"));

    KoSampleSetMaker::Options options;
    if (!KoSampleSetMaker::parseSet(parser.value(set), &options.set))
        return fail(QStringLiteral("unknown set \"%1\" (tests, bench, hour or soak)").arg(parser.value(set)));
    if (parser.isSet(size)) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^(\\d{2,4})x(\\d{2,4})$")).match(parser.value(size));
        const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
        if (w < 32 || h < 32 || w > 4096 || h > 4096 || w % 2 || h % 2)
            return fail(QStringLiteral("--size wants even WxH from 32x32 to 4096x4096, not \"%1\"")
                            .arg(parser.value(size)));
        options.size = QSize(w, h);
    }
    auto number = [&](const QCommandLineOption &option, int low, int high, int *out) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        const int v = parser.value(option).toInt(&ok);
        if (!ok || v < low || v > high)
            return false;
        *out = v;
        return true;
    };
    if (!number(fps, 1, 120, &options.fps))
        return fail(QStringLiteral("--fps wants a number from 1 to 120"));
    if (!number(seconds, 1, 4 * 3600, &options.seconds))
        return fail(QStringLiteral("--seconds wants a number from 1 to 14400"));
    // Three-digit sequence numbers in the names.
    if (!number(recordings, 1, 900, &options.recordings))
        return fail(QStringLiteral("--recordings wants a number from 1 to 900"));
    if (parser.isSet(recordings) && options.set != KoSampleSetMaker::Soak)
        return fail(QStringLiteral("--recordings is for the soak set"));
    options.force = parser.isSet(force);

    const QString outDir = parser.positionalArguments().constFirst();
    KoSampleSetMaker maker(options);
    bool kept = false;
    QString error;
    if (!maker.make(outDir, &kept, &error))
        return fail(error);
    if (kept)
        std::printf("sample set in %s is complete and up to date\n", qPrintable(outDir));
    return 0;
}

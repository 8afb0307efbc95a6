#include "library/KoClipExport.h"
#include "library/KoRecording.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool g_verbose = false;

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (g_verbose || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool parseSeconds(const QString &text, double *seconds)
{
    bool ok = false;
    *seconds = text.toDouble(&ok);
    return ok && std::isfinite(*seconds);
}

} // namespace

// tavrin-clip FILE --from S --to S -o DIR [--one-video] [--size WxH] [--mph] [--verbose]
int main(int argc, char **argv)
{
    // The track extractor reports on standard output; the command owns it.
    std::fflush(stdout);
    const int out = dup(STDOUT_FILENO);
    bool verbose = false;
    for (int i = 1; i < argc; ++i)
        verbose = verbose || qstrcmp(argv[i], "--verbose") == 0;
    const int sink = verbose ? dup(STDERR_FILENO) : open("/dev/null", O_WRONLY);
    if (out < 0 || sink < 0 || dup2(sink, STDOUT_FILENO) < 0) {
        std::fprintf(stderr, "tavrin-clip: cannot set up the output\n");
        return KoClipExport::Unreadable;
    }
    close(sink);
    g_verbose = verbose;
    qInstallMessageHandler(messageHandler);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrin-clip"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Exports seconds FROM to TO of a dash-camera recording (seconds from its start) into DIR.\n"
        "FILE is any channel file of the recording; its other channels are found by name, as the player\n"
        "finds them. Without --one-video: every channel cut by stream copy (from the keyframe at or before\n"
        "FROM, original quality) in a new folder named after the recording and the range, with the range's\n"
        "track as GPX and CSV. With --one-video: one MP4 (H.264) with the channels side by side and the\n"
        "camera time, speed, position and G-sensor burned in. A range running past the end continues in\n"
        "the next recording of the folder when that follows on. Nothing existing is replaced.\n"
        "Exit code 1: the range is empty or outside the recording; 2: a file cannot be read or written."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A channel file of the recording."));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("Start, seconds from the recording's start."),
                                  QStringLiteral("S"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("End, seconds from the recording's start."),
                                QStringLiteral("S"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The folder the clip goes into (made when missing)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption oneVideo(
        QStringLiteral("one-video"),
        QStringLiteral("One video of all channels with the readings burned in."));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Frame size of the one video (1920x1080)."),
                                  QStringLiteral("WxH"), QStringLiteral("1920x1080"));
    const QCommandLineOption mph(QStringLiteral("mph"),
                                 QStringLiteral("Burn the speed in mph instead of km/h."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Report the work on standard error."));
    parser.addOptions({from, to, output, oneVideo, size, mph, verboseOption});

    auto fail = [](int code, const QString &message) {
        std::fprintf(stderr, "tavrin-clip: %s\n", qPrintable(message));
        return code;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(KoClipExport::Unreadable, parser.errorText());
    if (parser.isSet(help)) {
        const QByteArray text = parser.helpText().toLocal8Bit();
        return write(out, text.constData(), size_t(text.size())) == text.size() ? 0 : 1;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(from) || !parser.isSet(to) ||
        !parser.isSet(output))
        return fail(KoClipExport::Unreadable, QStringLiteral("give FILE, --from, --to and -o (see --help)"));

    KoClipExport::Request request;
    if (!parseSeconds(parser.value(from), &request.from) || !parseSeconds(parser.value(to), &request.to))
        return fail(KoClipExport::BadRange, QStringLiteral("--from and --to take seconds"));
    const QStringList sizeParts = parser.value(size).split(QLatin1Char('x'));
    request.videoSize = sizeParts.size() == 2 ? QSize(sizeParts[0].toInt(), sizeParts[1].toInt()) : QSize();
    if (request.videoSize.width() < 320 || request.videoSize.height() < 180 ||
        request.videoSize.width() > 7680 || request.videoSize.height() > 4320)
        return fail(KoClipExport::Unreadable, QStringLiteral("--size takes WxH from 320x180 to 7680x4320"));
    const QString file = parser.positionalArguments().constFirst();
    const KoRecording recording = KoRecording::ofFile(file);
    request.channels = recording.paths();
    request.folder = parser.value(output);
    request.oneVideo = parser.isSet(oneVideo);
    request.mph = parser.isSet(mph);
    // Used only when the range runs into it and it follows on.
    request.nextChannels = KoRecording::nextInFolder(recording).paths();

    const KoClipExport::Result result = KoClipExport::run(request);
    if (result.status != KoClipExport::Ok)
        return fail(result.status == KoClipExport::BadRange ? 1 : 2, result.message);
    QByteArray report;
    for (const QString &left : result.leftOut)
        std::fprintf(stderr, "tavrin-clip: left out (cannot be read): %s\n", qPrintable(left));
    if (!result.hasTrack)
        std::fprintf(stderr, "tavrin-clip: the recording holds no GPS track\n");
    for (const QString &written : result.files)
        report += QFile::encodeName(QDir::toNativeSeparators(written)) + '\n';
    return write(out, report.constData(), size_t(report.size())) == report.size() ? 0 : 2;
}

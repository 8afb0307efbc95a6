#include "gps/KoTrackExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <cstdio>
#include <unistd.h>

namespace {

bool g_verbose = false;

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (g_verbose || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

// track-export FILE [--format track|gpx|csv|events] [--output PATH] [--verbose]
int main(int argc, char **argv)
{
    // Standard output carries the export alone. The extractor's messages go
    // to standard error with --verbose (its trace of the file included), else
    // nowhere.
    const int out = STDOUT_FILENO;
    for (int i = 1; i < argc; ++i)
        g_verbose = g_verbose || qstrcmp(argv[i], "--verbose") == 0;
    if (g_verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("tavrin.gps.debug=true"));
    qInstallMessageHandler(messageHandler);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("track-export"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Extracts the GPS track of a dash-camera recording (MP4 or MOV) with the player's own extractor.\n"
        "Formats: track (the player's track text lines), gpx (GPX 1.1: WGS-84 positions of the samples with "
        "a\n"
        "fix, elevation, camera time, speed and course), csv (every sample), events (the driving events:\n"
        "offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh, with the player's thresholds).\n"
        "Exit code 1: no track in the file (TS recordings never have one); 2: the file cannot be read."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The recording."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("track, gpx, csv or events (default track)."),
                                    QStringLiteral("FORMAT"), QStringLiteral("track"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write to PATH instead of standard output (- is standard output)."),
        QStringLiteral("PATH"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Show the extractor's report on standard error."));
    parser.addOptions({format, output, verboseOption});

    auto fail = [](int code, const QString &message) {
        std::fprintf(stderr, "track-export: %s\n", qPrintable(message));
        return code;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(KoTrackExport::Unreadable, parser.errorText());
    if (parser.isSet(help)) {
        const QByteArray text = parser.helpText().toLocal8Bit();
        return write(out, text.constData(), size_t(text.size())) == text.size() ? 0 : 1;
    }
    if (parser.positionalArguments().size() != 1)
        return fail(KoTrackExport::Unreadable, QStringLiteral("give one recording (see --help)"));
    KoTrackExport::Format chosen;
    if (!KoTrackExport::parseFormat(parser.value(format), &chosen))
        return fail(
            KoTrackExport::Unreadable,
            QStringLiteral("unknown format \"%1\" (track, gpx, csv or events)").arg(parser.value(format)));

    const QString source = parser.positionalArguments().constFirst();
    // "-o -" is standard output, as for most commands, not a file named "-".
    const bool toFile = parser.isSet(output) && parser.value(output) != QLatin1String("-");
    if (toFile) {
        QString error;
        if (KoTrackExport::checkTarget(parser.value(output), source, {}, &error) != KoTrackExport::Ok)
            return fail(KoTrackExport::Unreadable, error);
    }
    const KoTrackExport::Result result = KoTrackExport::run(source, chosen);
    if (result.status != KoTrackExport::Ok)
        return fail(result.status, result.message);

    if (toFile) {
        QString error;
        if (KoTrackExport::writeFile(parser.value(output), result.output, true, &error) != KoTrackExport::Ok)
            return fail(KoTrackExport::Unreadable, error);
        return KoTrackExport::Ok;
    }
    QFile target;
    if (!target.open(out, QIODevice::WriteOnly) || target.write(result.output) != result.output.size() ||
        !target.flush())
        return fail(KoTrackExport::Unreadable,
                    QStringLiteral("cannot write the output: %1").arg(target.errorString()));
    return KoTrackExport::Ok;
}

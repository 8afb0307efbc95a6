#include "app/KoCommandLine.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace {

// Options the toolkit takes from the command line itself (given with one or
// two dashes); those followed by a value take the next argument too.
const char *const kToolkitOptionsWithValue[] = {
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "style",         "stylesheet",
    "session",       "display",
    "name",          "title",
    "geometry",      "qwindowgeometry",
    "qwindowicon",   "qwindowtitle",
    "qmljsdebugger",
};
const char *const kToolkitFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

template <size_t N> bool isIn(const QString &name, const char *const (&list)[N])
{
    for (const char *entry : list)
        if (name == QLatin1String(entry))
            return true;
    return false;
}

} // namespace

KoCommandLine KoCommandLine::parse(const QStringList &arguments, const QString &workingDir)
{
    KoCommandLine result;
    if (!arguments.isEmpty())
        result.m_program = QFileInfo(arguments.first()).fileName();
    const QDir base(workingDir);
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (arg == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
                result.m_action = Action::Help;
                result.m_paths.clear();
                return result;
            }
            if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
                result.m_action = Action::Version;
                result.m_paths.clear();
                return result;
            }
            QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
            name = name.section(QLatin1Char('='), 0, 0);
            if (isIn(name, kToolkitOptionsWithValue)) {
                if (!arg.contains(QLatin1Char('=')))
                    ++i;
                continue;
            }
            if (isIn(name, kToolkitFlags))
                continue;
            result.m_action = Action::Error;
            result.m_badOption = arg;
            result.m_paths.clear();
            return result;
        }
        // File managers may hand over file URLs.
        QString path = arg;
        if (arg.startsWith(QLatin1String("file:"))) {
            const QUrl url(arg);
            if (url.isLocalFile())
                path = url.toLocalFile();
        }
        result.m_paths << QDir::cleanPath(base.absoluteFilePath(path));
    }
    return result;
}

KoCommandLine KoCommandLine::parse(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return parse(arguments, QDir::currentPath());
}

QString KoCommandLine::helpText(const QString &program)
{
    return tr("Usage: %1 [FILE or FOLDER]...").arg(program) + QLatin1Char('\n') +
           tr("Plays the recordings of a car dash camera. The files given are added to the playlist and the "
              "first one plays; a folder adds the recordings in it. When the player is already running, it "
              "receives the files.") +
           QStringLiteral("\n\n") + tr("Options:") + QLatin1Char('\n') + QStringLiteral("  -h, --help     ") +
           tr("Show this help and exit") + QLatin1Char('\n') + QStringLiteral("  -v, --version  ") +
           tr("Show the version and exit") + QLatin1Char('\n');
}

QString KoCommandLine::versionText()
{
    return QStringLiteral("Tavrin Player %1\n").arg(QStringLiteral(TAVRIN_VERSION_TEXT));
}

QString KoCommandLine::text() const
{
    switch (m_action) {
    case Action::Help:
        return helpText(m_program);
    case Action::Version:
        return versionText();
    case Action::Error:
        return tr("Unknown option: %1").arg(m_badOption) + QLatin1Char('\n') +
               tr("Try '%1 --help' for more information.").arg(m_program) + QLatin1Char('\n');
    case Action::Run:
        break;
    }
    return QString();
}

int KoCommandLine::printAndExit() const
{
    // The text is all that is printed (a script may read it): the program's
    // diagnostics are muted meanwhile.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // No display is needed for this: a core application object is enough
    // to read the language setting and load its translation. Nothing is
    // stored: the first real start does that.
    int argc = 1;
    char name[] = "TavrinPlayer";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    int language = JXDefaultSettings::instance()->currentLanguage();
    loadTranslator(language);
    installTranslators();

    const QByteArray out = text().toLocal8Bit();
    std::FILE *stream = m_action == Action::Error ? stderr : stdout;
    std::fwrite(out.constData(), 1, size_t(out.size()), stream);
    std::fflush(stream);
    QCoreApplication::removeTranslator(&g_translator);
    QCoreApplication::removeTranslator(&g_qtTranslator);
    qInstallMessageHandler(previous);
    return exitCode();
}

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The player's command line: recordings and folders to open, or a request
// for the help or version text. It is read before the application object
// exists, so that --help and --version work without a display.
class KoCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(KoCommandLine)

public:
    enum class Action
    {
        Run,
        Help,
        Version,
        Error
    };

    // `arguments` as in argv, the program first. Relative paths are made
    // absolute against `workingDir`: a running player that receives them
    // has a different working folder.
    static KoCommandLine parse(const QStringList &arguments, const QString &workingDir);
    static KoCommandLine parse(int argc, char **argv);

    Action action() const { return m_action; }
    // Absolute, cleaned paths in the order given; not checked for existence.
    const QStringList &paths() const { return m_paths; }
    // For Run, false: the program goes on.
    bool exitsAtOnce() const { return m_action != Action::Run; }
    int exitCode() const { return m_action == Action::Error ? 2 : 0; }

    // The text to print for Help, Version and Error, in the current
    // translation.
    QString text() const;
    static QString helpText(const QString &program);
    static QString versionText();

    // Prints text() (standard output, standard error for Error) in the
    // language of the settings and returns exitCode().
    int printAndExit() const;

private:
    Action m_action = Action::Run;
    QStringList m_paths;
    QString m_program = QStringLiteral("TavrinPlayer");
    QString m_badOption;
};

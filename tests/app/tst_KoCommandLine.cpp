#include "TestMain.h"

#include "app/KoCommandLine.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using Action = KoCommandLine::Action;
Q_DECLARE_METATYPE(KoCommandLine::Action)

class tst_KoCommandLine : public QObject
{
    Q_OBJECT

    // The real player with `arguments`, settings in `config`, and no display
    // at all: a window (or even a GUI application object) would abort it.
    static QProcess *runPlayerWithoutDisplay(const QStringList &arguments, const QString &config)
    {
        auto *player = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_CACHE_HOME"), config + QStringLiteral("/cache"));
        player->setProcessEnvironment(env);
        player->start(QStringLiteral(TAVRIN_PLAYER), arguments);
        return player;
    }

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("exitCode");
        const QString p = QStringLiteral("/usr/bin/TavrinPlayer");
        QTest::newRow("nothing") << QStringList{p} << Action::Run << QStringList{} << 0;
        QTest::newRow("relative, absolute and dotted paths")
            << QStringList{p, QStringLiteral("a.mp4"), QStringLiteral("/rec/b.MOV"),
                           QStringLiteral("../x/./c.ts")}
            << Action::Run
            << QStringList{QStringLiteral("/work/dir/a.mp4"), QStringLiteral("/rec/b.MOV"),
                           QStringLiteral("/work/x/c.ts")}
            << 0;
        QTest::newRow("file URL from a file manager")
            << QStringList{p, QStringLiteral("file:///rec/with%20space.mp4")} << Action::Run
            << QStringList{QStringLiteral("/rec/with space.mp4")} << 0;
        QTest::newRow("toolkit options are left to the toolkit")
            << QStringList{p,
                           QStringLiteral("-platform"),
                           QStringLiteral("xcb"),
                           QStringLiteral("--style=fusion"),
                           QStringLiteral("-reverse"),
                           QStringLiteral("a.mp4")}
            << Action::Run << QStringList{QStringLiteral("/work/dir/a.mp4")} << 0;
        QTest::newRow("after -- a dash is a file name")
            << QStringList{p, QStringLiteral("--"), QStringLiteral("-odd.mp4"), QStringLiteral("--help")}
            << Action::Run
            << QStringList{QStringLiteral("/work/dir/-odd.mp4"), QStringLiteral("/work/dir/--help")} << 0;
        QTest::newRow("help wins over files")
            << QStringList{p, QStringLiteral("a.mp4"), QStringLiteral("--help")} << Action::Help
            << QStringList{} << 0;
        QTest::newRow("-h") << QStringList{p, QStringLiteral("-h")} << Action::Help << QStringList{} << 0;
        QTest::newRow("version") << QStringList{p, QStringLiteral("--version")} << Action::Version
                                 << QStringList{} << 0;
        QTest::newRow("unknown option")
            << QStringList{p, QStringLiteral("a.mp4"), QStringLiteral("--frobnicate")} << Action::Error
            << QStringList{} << 2;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QStringList, paths);
        QFETCH(int, exitCode);
        const KoCommandLine line = KoCommandLine::parse(arguments, QStringLiteral("/work/dir"));
        QCOMPARE(line.action(), action);
        QCOMPARE(line.paths(), paths);
        QCOMPARE(line.exitCode(), exitCode);
        QCOMPARE(line.exitsAtOnce(), action != Action::Run);
        if (action == Action::Error)
            QVERIFY(line.text().contains(QStringLiteral("--frobnicate")));
    }

    // --help and --version from the real program: printed, exit 0, no window,
    // the help in the language of the settings.
    void helpAndVersionNeedNoDisplay()
    {
        QTemporaryDir config;
        QVERIFY(config.isValid());
        {
            QSettings settings(config.path() + QStringLiteral("/T561/TavrinPlayer.conf"),
                               QSettings::IniFormat);
            settings.setValue(QStringLiteral("g_settingKey_language"), 5); // German
        }
        const struct
        {
            QStringList arguments;
            int exitCode;
            const char *expected;
            bool onStdout;
        } runs[] = {
            {{QStringLiteral("--version")}, 0, TAVRIN_VERSION_TEXT, true},
            {{QStringLiteral("some.mp4"), QStringLiteral("--help")},
             0,
             "Aufruf: TavrinPlayer [DATEI oder ORDNER]",
             true},
            {{QStringLiteral("-h")}, 0, "Diese Hilfe anzeigen und beenden", true},
            {{QStringLiteral("--nonsense")}, 2, "Unbekannte Option: --nonsense", false},
        };
        for (const auto &run : runs) {
            std::unique_ptr<QProcess> player(runPlayerWithoutDisplay(run.arguments, config.path()));
            QVERIFY2(player->waitForFinished(30000), qPrintable(run.arguments.join(QLatin1Char(' '))));
            const QString out = QString::fromLocal8Bit(player->readAllStandardOutput());
            const QString err = QString::fromLocal8Bit(player->readAllStandardError());
            QVERIFY2(player->exitStatus() == QProcess::NormalExit, qPrintable(err));
            QCOMPARE(player->exitCode(), run.exitCode);
            const QString &printed = run.onStdout ? out : err;
            QVERIFY2(printed.contains(QString::fromUtf8(run.expected)), qPrintable(out + err));
            // The text and nothing else (no log line), ending its last line.
            QVERIFY2((run.onStdout ? err : out).isEmpty(), qPrintable(out + err));
            QVERIFY2(!printed.contains(QStringLiteral("tavrin.")), qPrintable(printed));
            QVERIFY(printed.endsWith(QLatin1Char('\n')));
        }
        // On a fresh account the help stores nothing.
        QTemporaryDir fresh;
        std::unique_ptr<QProcess> player(runPlayerWithoutDisplay({QStringLiteral("--help")}, fresh.path()));
        QVERIFY(player->waitForFinished(30000));
        QCOMPARE(player->exitCode(), 0);
        QVERIFY(QDir(fresh.path()).isEmpty());
    }
};

TAVRIN_TEST_MAIN(tst_KoCommandLine, QCoreApplication)
#include "tst_KoCommandLine.moc"

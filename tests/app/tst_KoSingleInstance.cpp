#include "TestMain.h"

#include "app/KoSingleInstance.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// A running player: its process and everything it has logged so far.
struct RunningPlayer
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString log;

    bool waitForLog(const QString &text, int ms = 60000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!log.contains(text)) {
            if (timer.elapsed() > ms || process->state() == QProcess::NotRunning)
                return false;
            process->waitForReadyRead(200);
            log += QString::fromLocal8Bit(process->readAllStandardError());
        }
        return true;
    }
};

class tst_KoSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    QString runtimeDir() const { return m_home.filePath(QStringLiteral("run")); }
    // Where the players started by start() meet (their environment is set
    // here too).
    QString socketPath() const { return runtimeDir() + QLatin1Char('/') + KoSingleInstance::socketName(); }

    std::unique_ptr<RunningPlayer> start(const QStringList &arguments, const QString &workingDir = QString())
    {
        auto player = std::make_unique<RunningPlayer>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tavrin.*.debug=true"));
        player->process->setProcessEnvironment(env);
        if (!workingDir.isEmpty())
            player->process->setWorkingDirectory(workingDir);
        player->process->start(QStringLiteral(TAVRIN_PLAYER), arguments);
        return player;
    }

    // A second start: it must hand over and exit 0 on its own.
    void startAndHandOver(const QStringList &arguments, const QString &workingDir = QString())
    {
        std::unique_ptr<RunningPlayer> second = start(arguments, workingDir);
        QVERIFY(second->process->waitForFinished(60000));
        second->log += QString::fromLocal8Bit(second->process->readAllStandardError());
        QCOMPARE(second->process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->process->exitCode(), 0);
        QVERIFY2(second->log.contains(QStringLiteral("handed over")), qPrintable(second->log));
        QVERIFY2(!second->log.contains(QStringLiteral("the window is up")),
                 "the second start built a window");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(QDir().mkpath(runtimeDir()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        QFile::setPermissions(runtimeDir(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void socketPlace()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), tmp = qgetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
        QCOMPARE(KoSingleInstance::defaultSocketPath(), socketPath());

        // Other settings or another display: another player.
        const QString name = KoSingleInstance::socketName();
        const QByteArray display = qgetenv("DISPLAY"), config = qgetenv("XDG_CONFIG_HOME");
        qputenv("DISPLAY", display + "9");
        QVERIFY(KoSingleInstance::socketName() != name);
        qputenv("DISPLAY", display);
        qputenv("XDG_CONFIG_HOME", config + "/other");
        QVERIFY(KoSingleInstance::socketName() != name);
        qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(KoSingleInstance::socketName(), name);

        // No runtime folder: a folder of the user's own in the temporary folder.
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(m_home.path()));
        const QString folder = m_home.filePath(QStringLiteral("tavrin-player-%1").arg(::getuid()));
        QCOMPARE(KoSingleInstance::defaultSocketPath(),
                 folder + QLatin1Char('/') + KoSingleInstance::socketName());
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);

        // Others may write there: not used, and every start runs on its own.
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
        QCOMPARE(KoSingleInstance::defaultSocketPath(), QString());
        KoSingleInstance unsafe;
        QVERIFY(!unsafe.handOver({QStringLiteral("/a.mp4")}));
        QVERIFY(!unsafe.isListening());

        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", tmp);
    }

    // A client that connects and writes nothing, or announces a long message
    // and stops, loses its connection after a few seconds; a hand-over after
    // them still arrives.
    void stalledClientsAreDropped()
    {
        const QString path = m_home.filePath(QStringLiteral("stall.socket"));
        KoSingleInstance running(path);
        QVERIFY(!running.handOver({}) && running.isListening());
        auto message = [](quint32 length, const QByteArray &body) {
            QByteArray m("TVRN");
            QDataStream(&m, QIODevice::Append) << length;
            return m + body;
        };
        QLocalSocket silent, halfway, client;
        silent.connectToServer(path);
        halfway.connectToServer(path);
        QVERIFY(silent.waitForConnected(1000) && halfway.waitForConnected(1000));
        halfway.write(message(1000, "/only/the/start"));
        QTRY_VERIFY_WITH_TIMEOUT(silent.state() == QLocalSocket::UnconnectedState &&
                                     halfway.state() == QLocalSocket::UnconnectedState,
                                 15000);
        QSignalSpy received(&running, &KoSingleInstance::pathsReceived);
        client.connectToServer(path);
        QVERIFY(client.waitForConnected(1000));
        client.write(message(7, QByteArray("/a.mp4", 7)));
        QVERIFY(received.wait(5000));
        QCOMPARE(received.first().first().toStringList(), QStringList{QStringLiteral("/a.mp4")});
    }

    // The first start listens, a file that is no socket does not stop it,
    // and a clean end removes the socket.
    void listensAndCleansUp()
    {
        const QString path = m_home.filePath(QStringLiteral("junk.socket"));
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("left behind");
        junk.close();
        {
            KoSingleInstance first(path);
            QVERIFY(!first.handOver({}));
            QVERIFY(first.isListening());
            QVERIFY(QFileInfo(path).exists());
            QVERIFY(!QFileInfo(path).isFile());
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    // Files on the command line go through the window's add step (the
    // stored playlist holds them); the missing one is logged and skipped and
    // the first recording plays.
    void commandLineFilesAreAddedAndTheFirstPlays()
    {
        const QString samples = QStringLiteral(TAVRIN_SAMPLES_DIR);
        const QString first = samples + QStringLiteral("/2019_0601_080000_001A.MP4");
        const QString second = samples + QStringLiteral("/2019_0714_164530_001A.MOV");
        std::unique_ptr<RunningPlayer> player =
            start({QStringLiteral("/no/such/missing.mp4"), first, second});
        QVERIFY2(player->waitForLog(QStringLiteral("skipped, no such file: /no/such/missing.mp4")),
                 qPrintable(player->log));
        QVERIFY2(player->waitForLog(QStringLiteral("display 1 plays 2019_0601_080000_001A.MP4")),
                 qPrintable(player->log));
        QVERIFY2(player->waitForLog(QStringLiteral("display 1 shows its first frame")),
                 qPrintable(player->log));
        const QSettings settings(m_home.filePath(QStringLiteral("config/T561/TavrinPlayer.conf")),
                                 QSettings::IniFormat);
        const QStringList stored =
            settings.value(QStringLiteral("g_settingKey_last_filelist")).toStringList();
        QVERIFY2(stored.contains(first) && stored.contains(second),
                 qPrintable(stored.join(QLatin1Char(' '))));
        QVERIFY(!stored.join(QLatin1Char(' ')).contains(QStringLiteral("missing")));
        player->process->kill();
        player->process->waitForFinished(10000);
        QFile::remove(socketPath());
    }

    // The real player twice: the second start hands its files (made
    // absolute) to the first and exits 0. Then the first crashes; its socket
    // stays behind and the next start still comes up and serves.
    void secondStartHandsOverAndStaleSocketIsRecovered()
    {
        std::unique_ptr<RunningPlayer> first = start({});
        QVERIFY2(first->waitForLog(QStringLiteral("the window is up")), qPrintable(first->log));
        QVERIFY(QFileInfo::exists(socketPath()));

        const QString elsewhere = m_home.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        startAndHandOver({QStringLiteral("rec_A.mp4"), QStringLiteral("/no/such/missing.mp4")}, elsewhere);
        const QString received =
            QStringLiteral("received (\"%1/rec_A.mp4\", \"/no/such/missing.mp4\")").arg(elsewhere);
        QVERIFY2(first->waitForLog(received), qPrintable(first->log));
        // A start without files only brings the window to the front.
        startAndHandOver({});
        QVERIFY2(first->waitForLog(QStringLiteral("received ()")), qPrintable(first->log));
        QCOMPARE(first->process->state(), QProcess::Running);

        first->process->kill();
        QVERIFY(first->process->waitForFinished(10000));
        QVERIFY2(QFileInfo::exists(socketPath()), "the crashed run left no socket to recover from");

        std::unique_ptr<RunningPlayer> next = start({QStringLiteral("/no/such/first.mp4")});
        QVERIFY2(next->waitForLog(QStringLiteral("the window is up")), qPrintable(next->log));
        QVERIFY2(next->log.contains(QStringLiteral("removing stale socket")), qPrintable(next->log));
        startAndHandOver({QStringLiteral("/no/such/second.mp4")});
        QVERIFY2(next->waitForLog(QStringLiteral("received (\"/no/such/second.mp4\")")),
                 qPrintable(next->log));
        next->process->kill();
        next->process->waitForFinished(10000);
    }
};

TAVRIN_TEST_MAIN(tst_KoSingleInstance, QApplication)
#include "tst_KoSingleInstance.moc"

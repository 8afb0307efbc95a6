#include "TestMain.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <unistd.h>

// `cmake --install` into a temporary prefix and the .deb made by CPack: the
// same files, in the standard places, accepted by the desktop's own checkers.
class tst_installation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_prefix;
    QSet<QString> m_installed; // relative to the prefix; links included

    static const QString appId() { return QStringLiteral("org.t561.TavrinPlayer"); }
    static QString appDir() { return QStringLiteral(TAVRIN_APP_INSTALL_DIR); }

    // Runs a command; returns its exit code (-1 when it could not run) and
    // its output.
    static int run(const QString &program, const QStringList &arguments, QString *output = nullptr,
                   int ms = 300000)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(ms) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (output)
            *output = QString::fromLocal8Bit(process.readAll());
        return process.exitCode();
    }

    static QStringList expectedFiles()
    {
        QStringList files = {
            appDir() + QStringLiteral("/TavrinPlayer"),
            QStringLiteral("bin/TavrinPlayer"),
            QStringLiteral("bin/track-export"),
            QStringLiteral("bin/tavrin-clip"),
            QStringLiteral("bin/tavrin-make-samples"),
            QStringLiteral("share/applications/") + appId() + QStringLiteral(".desktop"),
            QStringLiteral("share/metainfo/") + appId() + QStringLiteral(".metainfo.xml"),
        };
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId());
        return files;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        m_prefix = m_work.filePath(QStringLiteral("prefix"));
        QString out;
        QCOMPARE(run(QStringLiteral(CMAKE_COMMAND),
                     {QStringLiteral("--install"), QStringLiteral(TAVRIN_BINARY_DIR),
                      QStringLiteral("--prefix"), m_prefix},
                     &out),
                 0);
        // Files and links (to folders too), as a package lists them.
        QDirIterator it(m_prefix, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!it.fileInfo().isDir() || it.fileInfo().isSymLink())
                m_installed << QDir(m_prefix).relativeFilePath(path);
        }
    }

    void everyFileInItsPlace()
    {
        for (const QString &file : expectedFiles())
            QVERIFY2(m_installed.contains(file), qPrintable(file + QStringLiteral(" not installed")));

        const QFileInfo program(m_prefix + QLatin1Char('/') + appDir() + QStringLiteral("/TavrinPlayer"));
        QVERIFY(program.isExecutable());
        const QFileInfo link(m_prefix + QStringLiteral("/bin/TavrinPlayer"));
        QVERIFY(link.isSymLink());
        QCOMPARE(link.canonicalFilePath(), program.canonicalFilePath());
        // Relative, so that it holds below any prefix.
        char target[4096] = {};
        QVERIFY(::readlink(QFile::encodeName(link.filePath()).constData(), target, sizeof target - 1) > 0);
        QVERIFY2(target[0] != '/', target);
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(
                m_prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId()));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
        // Translations come from the resource bundle only.
        for (const QString &file : qAsConst(m_installed))
            QVERIFY2(!file.endsWith(QStringLiteral(".qm")), qPrintable(file));

        // The map pages and markers, once they are installed, lie beside
        // the program, every one of them.
        const QDir maps(QStringLiteral(TAVRIN_SOURCE_DIR "/resources/maps"));
        const QStringList pages =
            maps.entryList({QStringLiteral("*.html"), QStringLiteral("*.png")}, QDir::Files);
        bool anyInstalled = false;
        for (const QString &page : pages)
            anyInstalled |= m_installed.contains(appDir() + QLatin1Char('/') + page);
        if (!anyInstalled)
            qInfo("map pages not installed yet");
        for (const QString &page : anyInstalled ? pages : QStringList())
            QVERIFY2(m_installed.contains(appDir() + QLatin1Char('/') + page), qPrintable(page));

        // Started through the link, the installed program runs.
        QString out;
        QCOMPARE(run(link.filePath(), {QStringLiteral("--version")}, &out, 30000), 0);
        QVERIFY2(out.contains(QStringLiteral(TAVRIN_VERSION_TEXT)), qPrintable(out));
    }

    void desktopFilesValidate()
    {
        const QString entry =
            m_prefix + QStringLiteral("/share/applications/") + appId() + QStringLiteral(".desktop");
        QString out;
        QCOMPARE(run(QStringLiteral("desktop-file-validate"), {entry}, &out), 0);
        QVERIFY2(out.trimmed().isEmpty(), qPrintable(out));
        // (Not QSettings: it takes ';' for the start of a comment.)
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> keys;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
        QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("TavrinPlayer %F"));
        QCOMPARE(keys.value(QStringLiteral("Icon")), appId());
        const QStringList types = keys.value(QStringLiteral("MimeType")).split(QLatin1Char(';'));
        for (const char *type : {"video/mp4", "video/quicktime", "video/mp2t"})
            QVERIFY2(types.contains(QLatin1String(type)), type);

        const QString metainfo =
            m_prefix + QStringLiteral("/share/metainfo/") + appId() + QStringLiteral(".metainfo.xml");
        QCOMPARE(run(QStringLiteral("appstreamcli"),
                     {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &out),
                 0);
        // The whole tree: metadata, desktop entry and icon belong together.
        QCOMPARE(run(QStringLiteral("appstreamcli"),
                     {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_prefix}, &out),
                 0);
    }

    void debianPackage()
    {
        const QString out = m_work.filePath(QStringLiteral("deb"));
        QString log;
        QCOMPARE(run(QStringLiteral(CPACK_COMMAND),
                     {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                      QStringLiteral(TAVRIN_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), out},
                     &log),
                 0);
        const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QVERIFY2(debs.size() == 1, qPrintable(log));
        const QString deb = QDir(out).filePath(debs.first());

        QString info;
        QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), deb}, &info), 0);
        const QRegularExpression dependsLine(QStringLiteral("^ Depends: (.*)$"),
                                             QRegularExpression::MultilineOption);
        const QString depends = dependsLine.match(info).captured(1);
        for (const char *package :
             {"libqt5core5a", "libqt5gui5", "libqt5widgets5", "libqt5network5", "libqt5webenginewidgets5",
              "libqt5webchannel5", "libmpv2", "libjs-leaflet", "fonts-noto-cjk", "qttranslations5-l10n",
              "libxcb1", "ffmpeg"})
            QVERIFY2(depends.contains(
                         QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(QLatin1String(package)))),
                     qPrintable(QStringLiteral("%1 missing from: %2").arg(QLatin1String(package), depends)));
        QVERIFY2(info.contains(QStringLiteral(" Package: tavrin-player\n")), qPrintable(info));

        // The package holds what the install put under the prefix, below /usr.
        QString contents;
        QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb}, &contents), 0);
        QSet<QString> packaged;
        for (const QString &line : contents.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1Char('d')))
                continue;
            QString path = line.section(QStringLiteral(" ./usr/"), 1);
            path = path.section(QStringLiteral(" -> "), 0, 0);
            packaged << path;
        }
        QCOMPARE(packaged, m_installed);
        QVERIFY2(contents.contains(QStringLiteral("./usr/bin/TavrinPlayer -> ../") + appDir() +
                                   QStringLiteral("/TavrinPlayer")),
                 qPrintable(contents));
    }
};

TAVRIN_TEST_MAIN(tst_installation, QGuiApplication)
#include "tst_installation.moc"

#include "TestMain.h"

#include "library/KoFileInfoModel.h"
#include "widgets/KoTrackExportDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);
const QString WithTrack = QStringLiteral("2019_0523_143005_001A.MP4");
const QString MovWithTrack = QStringLiteral("20190523143025_00.MOV");
const QString WithoutTrack = QStringLiteral("2019_0801_101500_001A.MP4");
const QString TsRecording = QStringLiteral("2019_0801_101010_001A.TS");

QString sample(const QString &name)
{
    return Samples + QLatin1Char('/') + name;
}

// What the track-export command writes for the same recording.
QByteArray command(const QString &recording, const char *format)
{
    QProcess p;
    p.start(QStringLiteral(TRACK_EXPORT), {recording, QStringLiteral("--format"), QLatin1String(format)});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next modal window (file dialog or message box) as a user would.
void whenModal(std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(w);
        }
    });
    poll->start(50);
}

} // namespace

class tst_KoTrackExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(sample(WithTrack))); }

    void writesWhatTheCommandWrites()
    {
        QTemporaryDir dir;
        for (const QString &recording : {WithTrack, MovWithTrack}) {
            for (const char *format : {"gpx", "csv"}) {
                const QString target = dir.filePath(recording + QLatin1Char('.') + QLatin1String(format));
                const auto outcome = KoTrackExportDialog::exportTo(
                    sample(recording), target,
                    qstrcmp(format, "gpx") == 0 ? KoTrackExport::Gpx : KoTrackExport::Csv);
                QCOMPARE(outcome.status, KoTrackExport::Ok);
                QVERIFY(outcome.message.isEmpty());
                const QByteArray expected = command(sample(recording), format);
                QVERIFY(expected.size() > 500);
                QCOMPARE(contents(target), expected);
            }
        }
        // Nothing but the four files: no temporary left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    void aRecordingWithoutATrackIsRefused()
    {
        QTemporaryDir dir;
        for (const QString &recording : {WithoutTrack, TsRecording}) {
            const QString target = dir.filePath(QStringLiteral("out.gpx"));
            const auto outcome = KoTrackExportDialog::exportTo(sample(recording), target, KoTrackExport::Gpx);
            QCOMPARE(outcome.status, KoTrackExport::NoTrack);
            QVERIFY2(outcome.message.contains(recording), qPrintable(outcome.message));
            QVERIFY(!QFile::exists(target));
        }
        const auto missing =
            KoTrackExportDialog::exportTo(dir.filePath(QStringLiteral("gone.MP4")),
                                          dir.filePath(QStringLiteral("x.csv")), KoTrackExport::Csv);
        QCOMPARE(missing.status, KoTrackExport::Unreadable);
        QVERIFY(!missing.message.isEmpty());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void anExistingFileIsReplacedOnlyWhenConfirmed()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("mine.gpx"));
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("the user's own file");
        }
        auto outcome = KoTrackExportDialog::exportTo(sample(WithTrack), target, KoTrackExport::Gpx);
        QCOMPARE(outcome.status, KoTrackExport::TargetExists);
        QVERIFY(outcome.message.contains(QStringLiteral("mine.gpx")));
        QCOMPARE(contents(target), QByteArray("the user's own file"));

        outcome = KoTrackExportDialog::exportTo(sample(WithTrack), target, KoTrackExport::Gpx, true);
        QCOMPARE(outcome.status, KoTrackExport::Ok);
        QCOMPARE(contents(target), command(sample(WithTrack), "gpx"));
    }

    void anUnwritableTargetLeavesNothing()
    {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("file"));
        {
            QFile f(notAFolder);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        for (const QString &target : {notAFolder + QStringLiteral("/track.gpx"),
                                      dir.filePath(QStringLiteral("no/such/folder/track.gpx"))}) {
            const auto outcome = KoTrackExportDialog::exportTo(sample(WithTrack), target, KoTrackExport::Gpx);
            QCOMPARE(outcome.status, KoTrackExport::Unwritable);
            QVERIFY(!outcome.message.isEmpty());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("file")});
    }

    // The user types the recording's own name and confirms the question to
    // replace it: a message, the recording untouched. A file of the playlist,
    // named through a link, is refused too.
    void theRecordingAndThePlaylistAreNeverReplaced()
    {
        QTemporaryDir dir;
        const QString own = dir.filePath(WithTrack), listed = dir.filePath(MovWithTrack);
        QVERIFY(QFile::copy(sample(WithTrack), own) && QFile::copy(sample(MovWithTrack), listed));
        const QByteArray before = contents(own), listedBefore = contents(listed);
        KoFileInfoModel recording(WithTrack, own), other(MovWithTrack, listed);
        QString told;
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            dialog->setDirectory(dir.path());
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(WithTrack);
            whenModal([&](QWidget *question) {
                whenModal([&](QWidget *box) {
                    told = qobject_cast<QMessageBox *>(box)->text();
                    box->close();
                });
                qobject_cast<QMessageBox *>(question)->button(QMessageBox::Yes)->click();
            });
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        QVERIFY(!KoTrackExportDialog::exportTrack(nullptr, &recording,
                                                  KoTrackExportDialog::filesOf({&recording, &other})));
        QVERIFY2(told.contains(WithTrack) && told.contains(QStringLiteral("unchanged")), qPrintable(told));
        QCOMPARE(contents(own), before);

        const QString link = dir.filePath(QStringLiteral("track.gpx"));
        QVERIFY(QFile::link(listed, link));
        QCOMPARE(KoTrackExportDialog::exportTo(own, link, KoTrackExport::Gpx, true,
                                               KoTrackExportDialog::filesOf({&other}))
                     .status,
                 KoTrackExport::TargetIsSource);
        QCOMPARE(contents(listed), listedBefore);
    }

    void namesAndFormats()
    {
        QCOMPARE(KoTrackExportDialog::suggestedPath(QStringLiteral("/r/2019_0523_143005_001A.MP4"),
                                                    KoTrackExport::Gpx),
                 QStringLiteral("/r/2019_0523_143005_001A.gpx"));
        QCOMPARE(KoTrackExportDialog::suggestedPath(QStringLiteral("/r/a.b_00.MOV"), KoTrackExport::Csv),
                 QStringLiteral("/r/a.b_00.csv"));
        const QStringList filters = KoTrackExportDialog::nameFilters();
        QCOMPARE(filters.size(), 2);
        QCOMPARE(KoTrackExportDialog::formatFor(filters[0], QStringLiteral("/t/x")), KoTrackExport::Gpx);
        QCOMPARE(KoTrackExportDialog::formatFor(filters[1], QStringLiteral("/t/x")), KoTrackExport::Csv);
        // The ending typed wins over the filter left selected.
        QCOMPARE(KoTrackExportDialog::formatFor(filters[0], QStringLiteral("/t/x.CSV")), KoTrackExport::Csv);
        QVERIFY(!KoTrackExportDialog::menuText().isEmpty());
    }

    void fromTheListThroughTheDialog()
    {
        QTemporaryDir dir;
        // No track: a message and no save dialog.
        KoFileInfoModel bare(WithoutTrack, sample(WithoutTrack));
        QString told;
        bool sawFileDialog = false;
        whenModal([&](QWidget *w) {
            sawFileDialog = qobject_cast<QFileDialog *>(w) != nullptr;
            if (auto *box = qobject_cast<QMessageBox *>(w))
                told = box->text();
            w->close();
        });
        QVERIFY(!KoTrackExportDialog::exportTrack(nullptr, &bare));
        QVERIFY(!sawFileDialog);
        QVERIFY2(told.contains(WithoutTrack), qPrintable(told));

        // With a track: the dialog offers the recording's name; the user
        // picks CSV and a folder of their own, typing no ending.
        KoFileInfoModel recording(WithTrack, sample(WithTrack));
        QString offered;
        const QString chosen = dir.filePath(QStringLiteral("drive"));
        whenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog) {
                w->close();
                return;
            }
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectNameFilter(KoTrackExportDialog::nameFilters()[1]);
            dialog->setDirectory(dir.path());
            // Typed into the name field, as a user would (selectFile leaves a
            // focused field alone).
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("drive"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QVERIFY(KoTrackExportDialog::exportTrack(nullptr, &recording));
        QCOMPARE(offered, QStringLiteral("2019_0523_143005_001A.gpx"));
        QVERIFY2(QFile::exists(chosen + QStringLiteral(".csv")),
                 qPrintable(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ')));
        QCOMPARE(contents(chosen + QStringLiteral(".csv")), command(sample(WithTrack), "csv"));

        // Cancelled: nothing written.
        whenModal([](QWidget *w) { w->close(); });
        QVERIFY(!KoTrackExportDialog::exportTrack(nullptr, &recording));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

TAVRIN_TEST_MAIN(tst_KoTrackExportDialog, QApplication)
#include "tst_KoTrackExportDialog.moc"

#include "TestMain.h"

#include "widgets/KoClipExportDialog.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);

QStringList samples(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << Samples + QLatin1Char('/') + name;
    return paths;
}

KoClipExportDialog::Source recording(double position, double markIn = -1, double markOut = -1,
                                     bool withNext = true)
{
    KoClipExportDialog::Source source;
    source.channels =
        samples({QStringLiteral("2019_0523_143005_001A.MP4"), QStringLiteral("2019_0523_143006_002B.MP4"),
                 QStringLiteral("2019_0523_143005_001C.MP4")});
    if (withNext)
        source.nextChannels =
            samples({QStringLiteral("2019_0523_143015_002A.MP4"), QStringLiteral("2019_0523_143016_003B.MP4"),
                     QStringLiteral("2019_0523_143015_002C.MP4")});
    source.position = position;
    source.markIn = markIn;
    source.markOut = markOut;
    return source;
}

QStringList everything(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// A dialog opened the way the window opens it, once it knows the recording's length.
QPointer<KoClipExportDialog> opened(const KoClipExportDialog::Source &source, const QString &folder)
{
    QPointer<KoClipExportDialog> dialog = KoClipExportDialog::exportClip(nullptr, source);
    QSignalSpy known(dialog.data(), &KoClipExportDialog::durationKnown);
    if (!known.wait(30000))
        qWarning("the recording's length did not arrive");
    dialog->setFolder(folder);
    return dialog;
}

} // namespace

class tst_KoClipExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheMarksOrAroundThePosition()
    {
        QTemporaryDir out;
        struct
        {
            KoClipExportDialog::Source source;
            double total, from, to;
        } cases[] = {
            {recording(5), 20, 0, 15},                // the next recording follows on
            {recording(8, -1, -1, false), 10, 0, 10}, // held to the end
            {recording(15, 12.5, 14), 20, 12.5, 14},  // the marks
        };
        for (const auto &c : cases) {
            QPointer<KoClipExportDialog> dialog = opened(c.source, out.path());
            QCOMPARE(dialog->duration(), c.total);
            QCOMPARE(dialog->range().from, c.from);
            QCOMPARE(dialog->range().to, c.to);
            QVERIFY(!dialog->oneVideo());
            dialog->close();
            QTRY_VERIFY(dialog.isNull());
        }
    }

    // The export runs on a worker thread: the window's event loop goes on
    // (a timer keeps firing) while the bar fills; then the clip is there.
    void exportsWithProgressWhileTheWindowGoesOn()
    {
        QTemporaryDir out;
        QPointer<KoClipExportDialog> dialog = opened(recording(5), out.path());
        dialog->setOneVideo(true);
        dialog->setRange({0, 10});
        auto *bar = dialog->findChild<QProgressBar *>();
        QVector<int> progress;
        connect(bar, &QProgressBar::valueChanged, this, [&progress](int value) { progress << value; });
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(20);
        QSignalSpy finished(dialog.data(), &KoClipExportDialog::exportFinished);
        dialog->startExport();
        QVERIFY(dialog->isRunning());
        QVERIFY(finished.wait(180000));
        QCOMPARE(KoClipExport::Status(finished.at(0).at(0).toInt()), KoClipExport::Ok);
        QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));
        QVERIFY2(progress.size() >= 3, qPrintable(QString::number(progress.size())));
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QCOMPARE(progress.last(), 1000);
        QVERIFY(QFileInfo(dialog->result().path).isFile());
        QCOMPARE(everything(out.path()), QStringList{dialog->result().path});
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }

    // Cancel stops the export and leaves nothing; so does closing the dialog
    // while it runs.
    void cancelAndCloseLeaveNothing()
    {
        QTemporaryDir out;
        QPointer<KoClipExportDialog> dialog = opened(recording(5), out.path());
        dialog->setOneVideo(true);
        dialog->setRange({0, 20});
        auto *bar = dialog->findChild<QProgressBar *>();
        QSignalSpy finished(dialog.data(), &KoClipExportDialog::exportFinished);
        dialog->startExport();
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, 60000);
        QPushButton *cancel = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("Cancel"))
                cancel = button;
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QCOMPARE(KoClipExport::Status(finished.at(0).at(0).toInt()), KoClipExport::Cancelled);
        QVERIFY(!dialog.isNull()); // still open, to try again
        QCOMPARE(everything(out.path()), QStringList());

        dialog->startExport();
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, 60000);
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(everything(out.path()), QStringList());
    }
};

TAVRIN_TEST_MAIN(tst_KoClipExportDialog, QApplication)
#include "tst_KoClipExportDialog.moc"

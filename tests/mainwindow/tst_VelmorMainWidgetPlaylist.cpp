#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/JXAlertDialog.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

// Empty stand-ins named as the camera names its files; nothing here plays them.
QString touch(const QTemporaryDir &dir, const QString &name)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("x");
    return QFileInfo(file).absoluteFilePath();
}

QStringList listedPaths(const VelmorMainWidget &window)
{
    QStringList paths;
    for (const KoFileInfoModel *recording : window.fileModels())
        paths << recording->filePath();
    return paths;
}

QStringList storedPaths()
{
    return JXDefaultSettings::instance()->getLastFileList();
}

QMimeData *urlsOf(const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << (path.startsWith("http") ? QUrl(path) : QUrl::fromLocalFile(path));
    mime->setUrls(urls);
    return mime;
}

// Answers the modal question box once it is up.
void answerQuestion(const char *button)
{
    QTimer::singleShot(0, [button] {
        QTRY_VERIFY(qobject_cast<JXAlertDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<JXAlertDialog *>(QApplication::activeModalWidget());
        QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    });
}

} // namespace

class tst_VelmorMainWidgetPlaylist : public QObject
{
    Q_OBJECT

private slots:
    void init() { JXDefaultSettings::instance()->setLastFileList({}); }

    void theSameFileAddedTwiceIsListedOnce()
    {
        QTemporaryDir dir;
        const QString a = touch(dir, "2019_0523_143005_001A.MP4");
        const QString b = touch(dir, "2019_0523_143005_001B.MP4");
        const QString other = touch(dir, "2019_0601_080000_001A.MP4");
        VelmorMainWidget window;
        // The rear camera's file chosen alone brings the front camera's.
        window.addChosenFiles({b});
        window.addFilePath(dir.path() + "/./2019_0523_143005_001B.MP4");
        QCOMPARE(listedPaths(window), QStringList({a, b}));

        // A drop of listed files together with a new one adds only the new one.
        window.fileModels().first()->setPlaying(true);
        QScopedPointer<QMimeData> mime(urlsOf({b, other, a, a}));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime.data(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime.data(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QCOMPARE(listedPaths(window), QStringList({a, b, other}));
        QCOMPARE(storedPaths(), QStringList({a, b, other}));
        // Grouped: the front and the rear camera make one recording.
        QCOMPARE(window.playlist().recordings().size(), 2);
        QCOMPARE(window.playlist().recordingOf(window.fileModels().at(0)).channelCount(), 2);
        // The drop plays its first file, with its sibling in display 2.
        QCOMPARE(window.channelModel(1), window.fileModels().at(1));
        QCOMPARE(window.channelModel(2), window.fileModels().at(0));
        QCOMPARE(JXDefaultSettings::instance()->getVideoDir(), QFileInfo(b).absolutePath());
    }

    void aFolderAddsItsRecordingsOnly()
    {
        QTemporaryDir dir;
        const QStringList videos = {touch(dir, "A.MP4"), touch(dir, "b.Mov"), touch(dir, "c.TS")};
        touch(dir, "d.avi");
        touch(dir, "notes.mp4.txt");
        QVERIFY(QDir(dir.path()).mkdir("sub.mp4"));
        QTemporaryDir empty;

        VelmorMainWidget window;
        window.addChosenFolder(empty.path());
        QVERIFY(window.fileModels().isEmpty());
        QCOMPARE(JXDefaultSettings::instance()->getVideoDir(), empty.path());

        window.addChosenFolder(dir.path());
        QCOMPARE(listedPaths(window), videos);
        QCOMPARE(storedPaths(), videos);
        QCOMPARE(window.form()->treeView_filelist->model()->rowCount(), 3);
        QCOMPARE(JXDefaultSettings::instance()->getVideoDir(), dir.path());
    }

    void dropsAreFilteredByNameAfterTheDriveLetter()
    {
        QVERIFY(VelmorMainWidget::isVideoPath("C:/movie.mp4.txt"));
        QVERIFY(VelmorMainWidget::isVideoPath("/v/CLIP.MOV"));
        QVERIFY(VelmorMainWidget::isVideoPath("/v/a.Ts"));
        QVERIFY(!VelmorMainWidget::isVideoPath("C:/x.avi"));
        // The first four characters are not looked at.
        QVERIFY(!VelmorMainWidget::isVideoPath(".mp4/x"));

        QScopedPointer<QMimeData> mixed(urlsOf({"/v/x.avi", "/v/b.mp4", "http://host/c.mp4", "/v/a.ts"}));
        QCOMPARE(VelmorMainWidget::droppedVideoPaths(mixed.data()), QStringList({"/v/b.mp4", "/v/a.ts"}));

        VelmorMainWidget window;
        QScopedPointer<QMimeData> avi(urlsOf({"C:/x.avi"}));
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, avi.data(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &refused);
        QVERIFY(!refused.isAccepted());
        QScopedPointer<QMimeData> video(urlsOf({"C:/x.avi", "C:/movie.mp4.txt"}));
        QDragEnterEvent accepted(QPoint(10, 10), Qt::CopyAction, video.data(), Qt::LeftButton,
                                 Qt::NoModifier);
        QApplication::sendEvent(&window, &accepted);
        QVERIFY(accepted.isAccepted());
        QDragLeaveEvent leave;
        QApplication::sendEvent(&window, &leave);
    }

    void clearingAsksFirstAndCancelKeepsTheList()
    {
        QTemporaryDir dir;
        const QString a = touch(dir, "a.mp4");
        VelmorMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // An empty list is cleared without a question (a box would block here).
        window.on_pushBtn_clear_list_clicked();

        window.addChosenFolder(dir.path());
        answerQuestion("pushBtn_cancel");
        window.on_pushBtn_clear_list_clicked();
        QCOMPARE(listedPaths(window), QStringList({a}));
        QCOMPARE(storedPaths(), QStringList({a}));

        answerQuestion("pushBtn_ok");
        window.on_pushBtn_clear_list_clicked();
        QVERIFY(window.fileModels().isEmpty());
        QVERIFY(storedPaths().isEmpty());
        QCOMPARE(window.form()->treeView_filelist->model()->rowCount(), 0);
    }

    void startUpRestoresTheFilesStillThereAndStoresThemSorted()
    {
        QTemporaryDir dir;
        const QString b = touch(dir, "2019_0523_143015_002A.MP4");
        const QString a = touch(dir, "2019_0523_143005_001A.MP4");
        const QString gone = dir.filePath("2019_0523_143010_001A.MP4");
        JXDefaultSettings::instance()->setLastFileList({b, gone, a, b});
        VelmorMainWidget window;
        QCOMPARE(listedPaths(window), QStringList({a, b}));
        QCOMPARE(storedPaths(), QStringList({a, b}));
        QCOMPARE(window.form()->treeView_filelist->model()->rowCount(), 2);

        // With every stored file gone the stored list stays as it was.
        JXDefaultSettings::instance()->setLastFileList({gone});
        VelmorMainWidget second;
        QVERIFY(second.fileModels().isEmpty());
        QCOMPARE(storedPaths(), QStringList({gone}));
    }

    void deletingAnEntryUnlinksItAndStoresTheListWithoutIt()
    {
        QTemporaryDir dir;
        const QString a = touch(dir, "2019_0523_143005_001A.MP4");
        const QString b = touch(dir, "2019_0523_143005_001B.MP4");
        const QString c = touch(dir, "2019_0523_143005_001C.MP4");
        VelmorMainWidget window;
        window.addChosenFolder(dir.path());
        QCOMPARE(window.playlist().recordings().size(), 1);
        QCOMPARE(window.playlist().recordingOf(window.fileModels().at(1)).channelCount(), 3);

        QAbstractItemModel *rows = window.form()->treeView_filelist->model();
        emit window.form()->treeView_filelist->willDeleteFileSignal(rows->index(1, 0));
        QCOMPARE(listedPaths(window), QStringList({a, c}));
        QCOMPARE(storedPaths(), QStringList({a, c}));
        QCOMPARE(rows->rowCount(), 2);
        // The remaining channels of the recording are grouped anew.
        QCOMPARE(window.playlist().recordings().size(), 1);
        const KoRecording left = window.playlist().recordingOf(window.fileModels().at(0));
        QCOMPARE(left.channelCount(), 2);
        QVERIFY(left.contains(a) && left.contains(c));

        window.willDeleteFileSlot(QModelIndex());
        QCOMPARE(rows->rowCount(), 2);
    }

    void pathsFromOutsideAddFoldersAndFilesAndSkipTheRest()
    {
        QTemporaryDir dir;
        QTemporaryDir folder;
        const QString file = touch(dir, "x.mov");
        const QString text = touch(dir, "x.txt");
        const QString inFolder = touch(folder, "y.ts");
        VelmorMainWidget window;
        window.openPaths({dir.filePath("missing.mp4"), text, folder.path(), file});
        QStringList listed = listedPaths(window);
        listed.sort();
        QStringList expected = {file, inFolder};
        expected.sort();
        QCOMPARE(listed, expected);
        QCOMPARE(JXDefaultSettings::instance()->getVideoDir(), dir.path());
    }
};

TAVRIN_TEST_MAIN(tst_VelmorMainWidgetPlaylist, QApplication)
#include "tst_VelmorMainWidgetPlaylist.moc"

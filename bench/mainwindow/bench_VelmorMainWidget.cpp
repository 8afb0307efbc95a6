// The playlist of a year of recordings in the real main window: 3,000 channel
// files (1,000 three-channel recordings, empty files named as the camera
// names them), each with a preview thumbnail on disk.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/mainwindow/bench_VelmorMainWidget [--runs N]
//
// Times, over N runs (median and worst):
//   add folder   the step after the folder dialog (list the folder, create the
//                recordings, group them, store the list, update the view) and
//                the list's first paint after it;
//   restore      window construction with the 3,000 paths stored, until the
//                window is shown and painted, against the same with an empty
//                stored list;
// and counts the thumbnails read (loaded from disk) after each, against the
// rows the list shows.
#include "app/JXDefaultSettings.h"
#include "app/JXPlatform.h"
#include "bench/BenchEnv.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QWindow>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int kRecordings = 1000;

QStringList makeFolder(const QString &folder)
{
    QImage frame(320, 180, QImage::Format_RGB32);
    frame.fill(QColor(40, 90, 140));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    frame.save(&buffer, "JPG");

    QStringList files;
    QDateTime start(QDate(2019, 5, 23), QTime(8, 0, 0));
    for (int i = 0; i < kRecordings; ++i) {
        const QString stamp = start.addSecs(60 * i).toString(QStringLiteral("yyyy_MMdd_HHmmss"));
        for (const char *channel : {"A", "B", "C"}) {
            const QString name =
                QStringLiteral("%1_%2%3.MP4").arg(stamp).arg(i % 1000, 3, 10, QChar('0')).arg(channel);
            QFile video(QDir(folder).filePath(name));
            if (!video.open(QIODevice::WriteOnly))
                return {};
            video.close();
            files << video.fileName();
            // The thumbnail a display would have written when it played.
            KoFileInfoModel recording(name, video.fileName());
            QFile preview(recording.previewPath());
            if (!preview.open(QIODevice::WriteOnly) || preview.write(jpeg) != jpeg.size())
                return {};
        }
    }
    return files;
}

void waitShown(QWidget *window)
{
    window->show();
    QElapsedTimer timeout;
    timeout.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timeout.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->repaint();
}

int thumbnailsRead(const VelmorMainWidget &window)
{
    int count = 0;
    for (const KoFileInfoModel *recording : window.fileModels())
        count += recording->previewPixmap().isValid();
    return count;
}

int rowsShown(const VelmorMainWidget &window)
{
    const JXDeviceTreeView *view = window.form()->treeView_filelist;
    int rows = 0;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows += view->viewport()->rect().intersects(view->visualRect(view->model()->index(row, 0)));
    return rows;
}

// CPU time of the GUI thread: the machines these run on are often busy with
// builds, which stretches the wall-clock figures.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Figures
{
    QList<double> ms;
    void add(double value) { ms.append(value); }
    double median() const
    {
        QList<double> s = ms;
        std::sort(s.begin(), s.end());
        return s.isEmpty() ? 0 : s.at(s.size() / 2);
    }
    double worst() const { return ms.isEmpty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

void print(const char *what, const Figures &f, double target)
{
    std::printf("%-44s median %8.1f ms   worst %8.1f ms%s\n", what, f.median(), f.worst(),
                target > 0 ? qPrintable(QStringLiteral("   (target < %1 ms)").arg(target)) : "");
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home, true);
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QCommandLineParser parser;
    QCommandLineOption runsOption("runs", "Runs of each measurement.", "n", "5");
    parser.addOption(runsOption);
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());

    const QString folder = home.filePath(QStringLiteral("recordings"));
    QDir().mkpath(folder);
    QElapsedTimer clock;
    clock.start();
    const QStringList files = makeFolder(folder);
    if (files.size() != 3 * kRecordings) {
        std::fprintf(stderr, "could not make the recordings in %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%d channel files with thumbnails made in %lld ms\n", int(files.size()), clock.elapsed());

    JXDefaultSettings *settings = JXDefaultSettings::instance();
    Figures add, addPainted, restore, empty, addCpu, restoreCpu, emptyCpu;
    int addReads = 0, addRows = 0, restoreReads = 0, restoreRows = 0;
    for (int run = 0; run < runs; ++run) {
        settings->setLastFileList({});
        {
            clock.restart();
            double cpu = threadCpuMs();
            VelmorMainWidget window;
            waitShown(&window);
            empty.add(clock.nsecsElapsed() / 1e6);
            emptyCpu.add(threadCpuMs() - cpu);

            clock.restart();
            cpu = threadCpuMs();
            window.addChosenFolder(folder);
            add.add(clock.nsecsElapsed() / 1e6);
            window.form()->treeView_filelist->viewport()->repaint();
            addPainted.add(clock.nsecsElapsed() / 1e6);
            addCpu.add(threadCpuMs() - cpu);
            addReads = thumbnailsRead(window);
            addRows = rowsShown(window);
            if (window.fileModels().size() != files.size()) {
                std::fprintf(stderr, "the folder gave %d recordings\n", int(window.fileModels().size()));
                return 1;
            }
        }
        // The folder add stored the 3,000 paths; a new window restores them.
        // The recordings of the last window are left alive, as at exit.
        clock.restart();
        const double cpu = threadCpuMs();
        VelmorMainWidget window;
        waitShown(&window);
        window.form()->treeView_filelist->viewport()->repaint();
        restore.add(clock.nsecsElapsed() / 1e6);
        restoreCpu.add(threadCpuMs() - cpu);
        restoreReads = thumbnailsRead(window);
        restoreRows = rowsShown(window);
        if (window.fileModels().size() != files.size()) {
            std::fprintf(stderr, "the restore gave %d recordings\n", int(window.fileModels().size()));
            return 1;
        }
    }

    std::printf("runs: %d\n", runs);
    print("add folder of 3,000 files (no paint)", add, 0);
    print("add folder of 3,000 files, list painted", addPainted, 300);
    print("  the same, CPU time of the GUI thread", addCpu, 0);
    print("window shown, nothing stored", empty, 0);
    print("  the same, CPU time of the GUI thread", emptyCpu, 0);
    print("window shown, 3,000 paths restored", restore, 1000);
    print("  the same, CPU time of the GUI thread", restoreCpu, 0);
    std::printf("restore's share (median difference)            %8.1f ms\n",
                restore.median() - empty.median());
    std::printf("thumbnails read after the add: %d (rows shown: %d of %d)\n", addReads, addRows,
                int(files.size()));
    std::printf("thumbnails read after the restore: %d (rows shown: %d of %d)\n", restoreReads, restoreRows,
                int(files.size()));
    return 0;
}

// Time to paint a file list showing 50 rows, each with a preview thumbnail,
// name, size, separator and delete button (the whole viewport repainted, as
// after a list update or a new thumbnail).
#include "bench/BenchEnv.h"
#include "library/JXDeviceTreeView.h"
#include "library/KoFileInfoModel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
std::vector<std::unique_ptr<KoFileInfoModel>> g_recordings;

bool makeRecordings(const QTemporaryDir &dir, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString name = QString::asprintf("2019_0523_14%04d_%03dA.MP4", i, i);
        QFile video(dir.filePath(name));
        if (!video.open(QIODevice::WriteOnly) || !video.resize(Q_INT64_C(150) * 1024 * 1024 + i))
            return false;
        video.close();
        auto recording = std::make_unique<KoFileInfoModel>(name, video.fileName());
        // A thumbnail as the display writes it: a frame of the video.
        QImage frame(320, 180, QImage::Format_RGB32);
        QPainter painter(&frame);
        painter.fillRect(frame.rect(), QColor::fromHsv((i * 37) % 360, 120, 160));
        painter.fillRect(0, 120, 320, 60, QColor(60, 60, 60));
        painter.end();
        if (!frame.save(recording->previewPath()))
            return false;
        g_recordings.push_back(std::move(recording));
    }
    return true;
}

void BM_PaintFiftyRows(benchmark::State &state)
{
    QList<KoFileInfoModel *> list;
    for (auto &recording : g_recordings)
        list.append(recording.get());
    JXDeviceTreeView view;
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(333, 50 * 48);
    view.setFileList(list);
    view.setCurrentIndex(view.model()->index(3, 0));
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    // The first paint loads and shrinks the thumbnails; later paints reuse them.
    view.viewport()->render(&image);
    for (auto _ : state)
        view.viewport()->render(&image);
    state.counters["rows"] = double(list.size());
}
BENCHMARK(BM_PaintFiftyRows)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (!makeRecordings(home, 50)) {
        std::fprintf(stderr, "could not make the recordings\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_recordings.clear();
    return 0;
}

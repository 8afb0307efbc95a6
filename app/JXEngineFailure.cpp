#include "app/JXEngineFailure.h"

#include "widgets/JXAlertDialog.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

namespace {

// The offscreen and minimal platforms draw nowhere a person could see.
bool canShowWindow()
{
    const QString platform = QGuiApplication::platformName();
    return QGuiApplication::primaryScreen() != nullptr && platform != QLatin1String("offscreen") &&
           platform != QLatin1String("minimal");
}

} // namespace

int JXEngineFailure::report(const std::exception &error)
{
    const bool window = canShowWindow();
    qWarning() << "JXEngineFailure::report" << __LINE__ << error.what() << (window ? "dialog" : "stderr")
               << message();
    if (window) {
        JXAlertDialog::information(nullptr, title(), message());
    } else {
        std::fprintf(stderr, "%s\n", message().toLocal8Bit().constData());
        std::fflush(stderr);
    }
    return ExitCode;
}

QString JXEngineFailure::title()
{
    return tr("错误");
}

QString JXEngineFailure::message()
{
    return tr("无法启动视频引擎（libmpv），播放器将关闭。");
}

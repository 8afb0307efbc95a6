#include "app/JXEngineFailure.h"

#include "app/KoLogging.h"

#include "widgets/JXAlertDialog.h"

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
    qCWarning(lcApp) << "the player engine cannot start:" << error.what()
                     << (window ? "; shown in a dialog:" : "; written to standard error:") << message();
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

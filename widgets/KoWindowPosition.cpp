#include "widgets/KoWindowPosition.h"

#include "app/KoLogging.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// A connection of our own to the display Qt uses; window ids are the same
// for every client of a server. Opened on first use, kept for the process.
xcb_connection_t *serverConnection()
{
    static xcb_connection_t *const connection = []() -> xcb_connection_t * {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) {
            qCWarning(lcUi) << "cannot reach the X server to read window positions";
            xcb_disconnect(c);
            return nullptr;
        }
        return c;
    }();
    return connection;
}

class ActivationSync : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType())
            KoWindowPosition::sync(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

std::optional<QPoint> KoWindowPosition::serverPosition(const QWidget *widget)
{
    const QWidget *top = widget ? widget->window() : nullptr;
    if (!top || !top->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    xcb_connection_t *c = serverConnection();
    if (!c)
        return std::nullopt;
    const auto window = xcb_window_t(top->winId());
    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry)
        return std::nullopt;
    const xcb_window_t root = geometry->root;
    std::free(geometry);
    xcb_translate_coordinates_reply_t *origin =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr);
    if (!origin)
        return std::nullopt;
    QPoint result(origin->dst_x, origin->dst_y);
    std::free(origin);
    // With a scale factor Qt counts in scaled pixels from the screen's corner.
    const qreal factor = top->devicePixelRatioF();
    if (factor != 1.0 && top->screen()) {
        const QPoint corner = top->screen()->geometry().topLeft();
        result = corner + (QPointF(result - corner) / factor).toPoint();
    }
    return result;
}

bool KoWindowPosition::sync(QWidget *widget)
{
    QWidget *top = widget ? widget->window() : nullptr;
    if (!top || !top->isVisible())
        return false;
    const std::optional<QPoint> real = serverPosition(top);
    if (!real)
        return false;
    const QPoint known = top->geometry().topLeft();
    if (*real == known)
        return false;
    qCDebug(lcUi) << top->objectName() << "is at" << *real << "on the screen, Qt had" << known;
    // Qt asks the window manager for the place the window already has, and
    // takes it as the window's position at once.
    top->move(top->pos() + (*real - known));
    return true;
}

void KoWindowPosition::syncOnActivation(QWidget *window)
{
    window->installEventFilter(new ActivationSync(window));
}

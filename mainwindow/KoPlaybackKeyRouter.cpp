#include "mainwindow/KoPlaybackKeyRouter.h"

#include "app/KoLogging.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KoPlaybackKeyRouter::KoPlaybackKeyRouter(QWidget *window, Handler handler)
    : QObject(window)
    , m_window(window)
    , m_handler(std::move(handler))
{
    // On the application, not on the widgets: the web view makes its own
    // input widget (again after a renderer crash), and a key reaches the
    // application's filters before any widget's handling.
    QCoreApplication::instance()->installEventFilter(this);
}

KoPlaybackKeyRouter::~KoPlaybackKeyRouter()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool KoPlaybackKeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::KeyRelease)
        return key->isAutoRepeat() ? m_taken.contains(key->key()) : m_taken.remove(key->key());
    const KoPlaybackKeys::Action action = KoPlaybackKeys::actionFor(key->key(), key->modifiers());
    if (action == KoPlaybackKeys::Action::None || !m_handler(action))
        return false;
    qCDebug(lcUi) << "playback key" << Qt::hex << key->key() << Qt::dec << "taken from"
                  << watched->metaObject()->className();
    m_taken.insert(key->key());
    return true;
}

#include "mainwindow/KoMapView.h"

#include "mainwindow/KoMapPage.h"

#include <QChildEvent>

KoMapView::KoMapView(QWidget *parent)
    : QWebEngineView(parent)
    , m_page(new KoMapPage(this))
{
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    prepareChildren();
}

bool KoMapView::event(QEvent *event)
{
    // The web engine puts its own widget inside the view (again after a
    // renderer crash); that one takes the input, and drops too unless told
    // not to once it is set up.
    if (event->type() == QEvent::ChildPolished)
        prepareChildren();
    return QWebEngineView::event(event);
}

void KoMapView::prepareChildren()
{
    for (QWidget *child : findChildren<QWidget *>()) {
        child->setAcceptDrops(false);
        child->installEventFilter(this);
    }
}

bool KoMapView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::TouchEnd:
        m_page->noteUserInput();
        break;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

// Layout of the main window: the placement done on every resize, the split
// modes of the video area, the pipe and aspect commands, full screen and the
// resize borders of the frameless window.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "mainwindow/KoResizeBand.h"
#include "mainwindow/KoSplitLayout.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/KoTitleBar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

namespace {

// The window's frame around its content, in pixels.
constexpr int kContentMargin = 2;       // left, right and below the title strip
constexpr int kContentBottomMargin = 3; // below the content
// The dark backgrounds of the transport and file-list button strips stop
// short of the strip's right edge by this much.
constexpr int kStripBackgroundInset = 4;
// The file-list buttons leave this much of their strip free.
constexpr int kFileControlsInset = 18;
// The file list's frame: its top and bottom shadows and its content's place
// inside it.
constexpr int kListShadowHeight = 9;
constexpr int kListContentLeft = 7;
constexpr int kListContentTop = 2;
constexpr int kListContentInset = 15; // width and height less than the frame's
// The line between the map and the file list: left of the map's edge and
// below its bottom.
constexpr int kRightSplitLeft = 2;
constexpr int kRightSplitDown = 4;

} // namespace

void VelmorMainWidget::resizeEvent(QResizeEvent *)
{
    relayout();
}

void VelmorMainWidget::relayout()
{
    Ui_VelmorMainWidget &f = *ui;
    const int w = width();
    const int h = height();
    f.widget_navigate->setGeometry(0, 0, w, f.widget_navigate->height());
    if (m_titleBar && m_titleBar->width() != w)
        m_titleBar->setFixedWidth(w);
    const int top = f.widget_navigate->height() + kContentMargin;
    const int contentHeight = h - kContentBottomMargin - top;

    if (m_isFullScreen) {
        layoutDisplays(0, 0, w, h);
        f.widget_display_cover->setGeometry(0, 0, w, h);
        return;
    }

    f.splitter_main->setGeometry(kContentMargin, top, w - 2 * kContentMargin, contentHeight);
    f.splitter_right->setGeometry(0, 0, f.widget_right->width(), f.widget_right->height());

    QWidget *status = f.widget_status;
    f.label_status_bg->setGeometry(0, 0, status->width() - kStripBackgroundInset, status->height());
    f.widget_speed_control->setGeometry(0, 0, status->width(), status->height());
    f.widget_speed_control->move((status->width() - f.widget_speed_control->width()) / 2, 0);

    QWidget *control = f.widget_control;
    f.label_control_bg->setGeometry(0, 0, control->width() - kStripBackgroundInset, control->height());
    f.widget_file_control->setGeometry(0, 0, control->width() - kFileControlsInset, control->height());
    f.widget_file_control->move((control->width() - f.widget_file_control->width()) / 2, 0);

    const int listW = f.widget_filelist_bg->width();
    const int listH = f.widget_filelist_bg->height();
    f.label_file_shadow_top->setGeometry(0, 0, listW, kListShadowHeight);
    f.label_file_shadow_bottom->setGeometry(0, listH - kListShadowHeight, listW, kListShadowHeight);
    f.label_file_shadow_center->setGeometry(0, f.label_file_shadow_top->geometry().bottom() + 1, listW,
                                            listH - 2 * kListShadowHeight);
    f.widget_filelist_content->setGeometry(kListContentLeft, kListContentTop, listW - kListContentInset,
                                           listH - kListContentInset);

    const QRect video(f.widget_dispMan->mapTo(this, QPoint(0, 0)), f.widget_dispMan->size());
    layoutDisplays(video.x(), video.y(), video.width(), video.height());
    f.widget_display_cover->setGeometry(video);

    const int splitX = f.widget_left->mapTo(this, f.widget_left->rect().topRight()).x();
    f.label_main_split->setGeometry(splitX, top, 1, contentHeight);
    const QPoint mapCorner = f.widget_map->mapTo(this, f.widget_map->rect().bottomLeft());
    f.label_right_split->setGeometry(mapCorner.x() - kRightSplitLeft, mapCorner.y() + kRightSplitDown,
                                     f.widget_right->width(), 1);
}

void VelmorMainWidget::layoutDisplays(int x, int y, int w, int h)
{
    const std::array<JXPlayWidget *, 3> displays = {
        {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3}};
    const std::array<bool, 3> keep = {
        {displays[0]->keepRatio(), displays[1]->keepRatio(), displays[2]->keepRatio()}};
    const KoSplitLayout::Placement placement = KoSplitLayout::place(m_splitMode, QRect(x, y, w, h), keep);
    for (int i = 0; i < 3; ++i) {
        if (displays[i]->isVisibleTo(this) != placement.visible[i])
            displays[i]->setVisible(placement.visible[i]);
    }

    if (displayCount() <= 1) {
        displays[0]->setGeometry(x, y, w, h);
        for (int i = 1; i < 3; ++i) {
            if (displays[i]->isVisibleTo(this))
                displays[i]->hide();
        }
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (placement.visible[i])
            displays[i]->setGeometry(placement.rects[i]);
        else
            displays[i]->resize(0, 0);
    }
}

void VelmorMainWidget::on_pushBtn_pipe_clicked()
{
    if (m_session->isStopped() || displayCount() == 1)
        return;
    const bool keep = ui->widget_display_1->keepRatio();
    const KoSplitLayout::PipeStep step = KoSplitLayout::nextPipe(displayCount(), m_splitMode, keep);
    if (step.keep != keep)
        setKeepVideoAspect(step.keep);
    m_splitMode = step.mode;
    relayout();
}

void VelmorMainWidget::setKeepVideoAspect(bool keep)
{
    for (JXPlayWidget *display : {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3})
        display->setKeepRatio(keep);
    JXDefaultSettings::instance()->setKeepOriginalSize(keep);
}

void VelmorMainWidget::keepVideoAspectSlot()
{
    setKeepVideoAspect(!ui->widget_display_1->keepRatio());
    relayout();
}

void VelmorMainWidget::on_pushBtn_fullscreen_clicked()
{
    setFullScreenMode(!m_isFullScreen);
}

// Full screen is the window stretched over the screen's available area with
// everything but the displays hidden; the window itself stays a normal one.
void VelmorMainWidget::setFullScreenMode(bool on)
{
    QList<QWidget *> chrome = {ui->splitter_main, ui->label_main_split, ui->label_right_split,
                               ui->widget_navigate};
    if (m_titleBar)
        chrome.append(m_titleBar);
    const QList<JXPlayWidget *> displays = {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3};

    if (on) {
        if (m_session->state() != KoPlaybackSession::State::Playing)
            return;
        m_isFullScreen = true;
        for (JXPlayWidget *display : displays)
            display->setFullScreenFlag(true);
        for (QWidget *w : chrome)
            w->hide();
        m_restoreRect = geometry();
        restoreBandCursor();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            setGeometry(0, 0, available.width(), available.height());
        }
        return;
    }

    m_isFullScreen = false;
    for (JXPlayWidget *display : displays)
        display->setFullScreenFlag(false);
    for (QWidget *w : chrome)
        w->show();
    if (!m_restoreRect.isNull())
        setGeometry(m_restoreRect);
    relayout();
}

// ---- Resize borders ----------------------------------------------------------
//
// On X11 a press on a band hands the resize to the window manager
// (QWindow::startSystemResize); without one the window follows the drag
// itself. Every child of this window has a native window of its own (the video
// displays make their siblings native), so the bands are watched on the mouse
// events of all native windows below this one, not on the widgets.

void VelmorMainWidget::initResizeBorders()
{
    setMouseTracking(true);
    qApp->installEventFilter(this);
}

Qt::Edges VelmorMainWidget::bandEdgesAt(const QPoint &pos) const
{
    if (m_isFullScreen)
        return {};
    if (ui->widget_navigate->isVisible() && ui->widget_navigate->geometry().contains(pos))
        return {};
    return KoResizeBand::edgesAt(pos, size());
}

void VelmorMainWidget::setBandCursor(Qt::Edges edges)
{
    if (edges == m_bandCursorEdges)
        return;
    if (!edges) {
        restoreBandCursor();
        return;
    }
    const QCursor cursor(KoResizeBand::cursorFor(edges));
    if (m_bandCursorEdges)
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
    m_bandCursorEdges = edges;
}

void VelmorMainWidget::restoreBandCursor()
{
    if (m_bandCursorEdges)
        QGuiApplication::restoreOverrideCursor();
    m_bandCursorEdges = {};
}

bool VelmorMainWidget::handleBandMouse(QEvent::Type type, const QPoint &globalPos, Qt::MouseButtons buttons)
{
    if (m_selfResizing) {
        if (type == QEvent::MouseMove && (buttons & Qt::LeftButton)) {
            setGeometry(KoResizeBand::resized(m_resizeStartGeometry, m_resizeEdges,
                                              globalPos - m_resizePressPos, minimumSize()));
            return true;
        }
        if (type == QEvent::MouseButtonRelease || type == QEvent::MouseMove) {
            m_selfResizing = false;
            return true;
        }
    }
    const Qt::Edges edges = bandEdgesAt(mapFromGlobal(globalPos));
    if (type == QEvent::MouseMove) {
        if (!(buttons & Qt::LeftButton))
            setBandCursor(edges);
        return false;
    }
    if (type != QEvent::MouseButtonPress || !edges || buttons != Qt::LeftButton)
        return false;
    QWindow *window = windowHandle();
    if (window && window->startSystemResize(edges))
        return true;
    m_selfResizing = true;
    m_resizeEdges = edges;
    m_resizePressPos = globalPos;
    m_resizeStartGeometry = geometry();
    return true;
}

bool VelmorMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::Leave)
        return KoBasicWidget::eventFilter(watched, event);
    if (!watched->isWindowType())
        return false;
    auto *window = static_cast<QWindow *>(watched);
    while (window->parent())
        window = window->parent();
    if (window != windowHandle()) {
        // Over another window of the program (a menu, a dialog).
        if (type == QEvent::MouseMove && !m_selfResizing)
            restoreBandCursor();
        return false;
    }
    if (type == QEvent::Leave) {
        if (watched == windowHandle())
            restoreBandCursor();
        return false;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    return handleBandMouse(type, mouse->globalPos(), mouse->buttons());
}

void VelmorMainWidget::mousePressEvent(QMouseEvent *event)
{
    if (handleBandMouse(event->type(), event->globalPos(), event->buttons()))
        return;
    KoBasicWidget::mousePressEvent(event);
}

void VelmorMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (handleBandMouse(event->type(), event->globalPos(), event->buttons()))
        return;
    KoBasicWidget::mouseMoveEvent(event);
}

bool VelmorMainWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
#ifdef Q_OS_WIN
    if (m_isFullScreen)
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message == WM_NCHITTEST) {
        const QPoint pos(GET_X_LPARAM(msg->lParam) - frameGeometry().x(),
                         GET_Y_LPARAM(msg->lParam) - frameGeometry().y());
        if (childAt(pos) == ui->widget_navigate)
            return KoBasicWidget::nativeEvent(eventType, message, result);
        const Qt::Edges edges = KoResizeBand::edgesAt(pos, size());
        const bool left = edges & Qt::LeftEdge;
        const bool right = edges & Qt::RightEdge;
        const bool top = edges & Qt::TopEdge;
        const bool bottom = edges & Qt::BottomEdge;
        long hit = 0;
        if (left)
            hit = HTLEFT;
        if (right)
            hit = HTRIGHT;
        if (top)
            hit = HTTOP;
        if (bottom)
            hit = HTBOTTOM;
        if (left && top)
            hit = HTTOPLEFT;
        if (right && top)
            hit = HTTOPRIGHT;
        if (left && bottom)
            hit = HTBOTTOMLEFT;
        if (right && bottom)
            hit = HTBOTTOMRIGHT;
        if (hit) {
            *result = hit;
            return true;
        }
    }
#endif
    return KoBasicWidget::nativeEvent(eventType, message, result);
}

// The button named zoom_in carries the shrink icon ("缩小"); zoom_out enlarges.
void VelmorMainWidget::on_pushBtn_zoom_in_clicked()
{
    for (int k = 1; k <= 3; ++k)
        display(k)->zoomOut();
}

void VelmorMainWidget::on_pushBtn_zoom_out_clicked()
{
    for (int k = 1; k <= 3; ++k)
        display(k)->zoomIn();
}

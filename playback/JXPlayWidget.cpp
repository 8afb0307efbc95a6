#include "playback/JXPlayWidget.h"

#include "app/KoLogging.h"
#include "playback/KoPlaybackKeys.h"
#include "playback/PlayLabel.h"

#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

namespace {

// The zoom badge: its size and its distance from the lower right corner.
constexpr int kBadgeWidth = 29;
constexpr int kBadgeHeight = 25;
constexpr int kBadgeRightMargin = 10;
constexpr int kBadgeBottomMargin = 10;

} // namespace

// The display's child widgets, built in code.
struct Ui_JXPlayWidget
{
    QWidget *widget_zoom = nullptr;
    QGridLayout *gridLayout_3 = nullptr;
    QLabel *label_zoom = nullptr;
    PlayLabel *label_play = nullptr;

    void setupUi(QWidget *display)
    {
        if (display->objectName().isEmpty())
            display->setObjectName(QStringLiteral("JXPlayWidget"));
        display->resize(840, 563);
        display->setContextMenuPolicy(Qt::CustomContextMenu);
        display->setStyleSheet(
            QStringLiteral("QWidget#JXPlayWidget {\nbackground-color: rgb(0, 0, 0);\n}\n"));

        widget_zoom = new QWidget(display);
        widget_zoom->setObjectName(QStringLiteral("widget_zoom"));
        widget_zoom->setGeometry(QRect(540, 520, 53, 25));
        widget_zoom->setMaximumSize(QSize(16777215, 25));
        widget_zoom->setStyleSheet(QStringLiteral("background-color: rgba(51, 51, 51, 0.3);"));
        // The video is drawn into a native window; the badge needs one of its
        // own to be stacked above it (Qt gives siblings of native widgets one
        // by default, unless the application turns that off).
        widget_zoom->setAttribute(Qt::WA_NativeWindow);
        gridLayout_3 = new QGridLayout(widget_zoom);
        gridLayout_3->setSpacing(0);
        gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
        gridLayout_3->setContentsMargins(1, 0, 1, 0);
        label_zoom = new QLabel(widget_zoom);
        label_zoom->setObjectName(QStringLiteral("label_zoom"));
        label_zoom->setMinimumSize(QSize(29, 0));
        label_zoom->setMaximumSize(QSize(29, 16777215));
        label_zoom->setStyleSheet(
            QStringLiteral("background-color: rgba(51, 51, 51, 0);\ncolor: rgb(255, 255, 255);"));
        label_zoom->setAlignment(Qt::AlignCenter);
        gridLayout_3->addWidget(label_zoom, 0, 0, 1, 1);

        label_play = new PlayLabel(display);
        label_play->setObjectName(QStringLiteral("label_play"));
        label_play->setGeometry(QRect(250, 480, 161, 81));

        label_play->raise();
        widget_zoom->raise();

        retranslateUi(display);
        QMetaObject::connectSlotsByName(display);
    }

    void retranslateUi(QWidget *display)
    {
        display->setWindowTitle(JXPlayWidget::tr("Form"));
        label_zoom->setText(QString());
        label_play->setText(QString());
    }
};

JXPlayWidget::JXPlayWidget(QWidget *parent)
    : QWidget(parent)
    , form(new Ui_JXPlayWidget)
{
    form->setupUi(this);
    // A click on the picture puts the focus here, as on any other part of
    // the window.
    setFocusPolicy(Qt::ClickFocus);
    m_playLabel = form->label_play;
    form->widget_zoom->hide();

    connect(m_playLabel, SIGNAL(sigProgressChange(float)), this, SLOT(slotSetProgress(float)));
    connect(m_playLabel, SIGNAL(sigPlaybackRestart()), this, SLOT(slotPlaybackRestart()));
    connect(m_playLabel, SIGNAL(sigShotFinished(QString, bool)), this, SLOT(slotShotFinished(QString, bool)));
}

JXPlayWidget::~JXPlayWidget()
{
    delete form;
}

void JXPlayWidget::playFile(QString path, double startSeconds)
{
    // A file replacing the one shown starts as after a stop.
    m_state = 0;
    resetZoomIndicator();
    m_playLabel->on_file_open(path, startSeconds);
    m_playLabel->on_file_contiue();
}

void JXPlayWidget::pause()
{
    m_playLabel->on_file_pause();
}

void JXPlayWidget::resume()
{
    m_playLabel->on_file_contiue();
}

void JXPlayWidget::seek(int seconds)
{
    m_playLabel->on_file_seek(seconds);
}

void JXPlayWidget::setVolume(int volume)
{
    m_playLabel->on_file_volume(volume);
}

void JXPlayWidget::setKeepRatio(bool keep)
{
    m_playLabel->on_file_Scale(keep);
    m_keepRatio = keep;
}

bool JXPlayWidget::capture(QString path)
{
    m_playLabel->shotImage(path);
    return true;
}

void JXPlayWidget::setPreviewPath(QString path)
{
    m_previewPath = path;
}

void JXPlayWidget::setFullScreenFlag(bool on)
{
    m_fullScreen = on;
}

void JXPlayWidget::startVideo()
{
    show();
    m_state = 1;
}

void JXPlayWidget::stopVideo()
{
    m_playLabel->on_file_close();
    m_previewPath.clear();
    m_state = 0;
    resetZoomIndicator();
}

void JXPlayWidget::resetZoomIndicator()
{
    m_zoomStep = 0;
    form->label_zoom->setText(QString());
    form->widget_zoom->hide();
}

void JXPlayWidget::seekExact(double seconds)
{
    m_playLabel->seekExact(seconds);
}

void JXPlayWidget::setPlaybackSpeed(double speed)
{
    m_playLabel->setPlaybackSpeed(speed);
}

void JXPlayWidget::frameStep()
{
    m_playLabel->frameStep();
}

void JXPlayWidget::frameBackStep()
{
    m_playLabel->frameBackStep();
}

double JXPlayWidget::precisePosition() const
{
    return m_playLabel->precisePosition();
}

void JXPlayWidget::showZoomStep()
{
    form->label_zoom->setText(QString::asprintf("%dX", m_zoomStep));
}

void JXPlayWidget::zoomIn()
{
    if (m_state != 1)
        return;
    if (m_playLabel->on_file_zoom_in())
        m_zoomStep += 1;
    else
        m_zoomStep = 6;
    showZoomStep();
    form->widget_zoom->show();
    form->widget_zoom->raise();
}

void JXPlayWidget::zoomOut()
{
    if (m_state != 1)
        return;
    if (m_playLabel->on_file_zoom_out())
        m_zoomStep -= 1;
    else
        m_zoomStep = 0;
    if (m_zoomStep != 0) {
        showZoomStep();
        form->widget_zoom->raise();
    } else {
        form->label_zoom->setText(QString());
        form->widget_zoom->hide();
    }
}

void JXPlayWidget::slotPlaybackRestart()
{
    if (!m_previewPath.isEmpty() && m_previewShot.isEmpty() && !QFile::exists(m_previewPath)) {
        m_previewTarget = m_previewPath;
        m_previewShot = m_previewPath + QStringLiteral(".part.jpg");
        m_playLabel->shotImage(m_previewShot);
    }
    startVideo();
    emit playStartSignal();
}

void JXPlayWidget::slotShotFinished(QString filepath, bool ok)
{
    if (filepath != m_previewShot)
        return;
    const QString target = m_previewTarget;
    m_previewShot.clear();
    m_previewTarget.clear();
    if (ok && !QFile::exists(target) && QFile::rename(filepath, target)) {
        emit previewSaved(target);
        return;
    }
    qCDebug(lcPlayback) << "preview not kept:" << target << (ok ? "already there" : "not written");
    QFile::remove(filepath);
}

void JXPlayWidget::on_JXPlayWidget_customContextMenuRequested(QPoint pos)
{
    Q_UNUSED(pos);
    emit showCustomMenuSignal(this);
}

void JXPlayWidget::slotSetProgress(float _progres)
{
    emit updateVideoProgressSignal(_progres);
}

void JXPlayWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        emit enterFullscreenSignal();
}

void JXPlayWidget::mouseMoveEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
}

void JXPlayWidget::wheelEvent(QWheelEvent *event)
{
    // One wheel event is one step, whatever its size.
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (m_state != 1)
        return;
    if (delta > 0)
        zoomIn();
    else
        zoomOut();
}

void JXPlayWidget::keyPressEvent(QKeyEvent *event)
{
    // The window runs the playback keys; Escape only means something here
    // in full screen.
    const KoPlaybackKeys::Action action = KoPlaybackKeys::actionFor(event->key(), event->modifiers());
    if (action == KoPlaybackKeys::Action::None ||
        (action == KoPlaybackKeys::Action::LeaveFullScreen && !m_fullScreen)) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit playWidgetKeyEventSignal(event->key(), event->modifiers());
}

void JXPlayWidget::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event);
    if (m_zoomStep != 0)
        resetZoomIndicator();
    const int w = width();
    const int h = height();
    form->label_play->setGeometry(0, 0, w, h);
    form->widget_zoom->setGeometry(w - kBadgeWidth - kBadgeRightMargin, h - kBadgeHeight - kBadgeBottomMargin,
                                   kBadgeWidth, kBadgeHeight);
}

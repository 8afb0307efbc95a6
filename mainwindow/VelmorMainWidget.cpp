#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoPlaybackKeyRouter.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoPlaybackSpeed.h"
#include "playback/PlayLabel.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoClipExportDialog.h"
#include "widgets/KoTitleBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QTimer>

#include <utility>

VelmorMainWidget::VelmorMainWidget(QWidget *parent)
    : KoBasicWidget(parent)
    , ui(new Ui_VelmorMainWidget)
    , m_playlist(std::make_unique<KoPlaylist>())
{
    ui->setupUi(this);
    // Before the window's own load-finished slot: the bridge learns first that
    // the page is ready.
    m_mapBridge = new KoMapBridge(ui->webview, this);
    initTitleBar();
    setWindowTitle(QString());
    setWindowTitle(QStringLiteral("Tavrin Player %1").arg(QStringLiteral(TAVRIN_VERSION_TEXT)));

    m_settingsAction = new QAction(this);
    m_settingsAction->setShortcut(QKeySequence(QStringLiteral("ctrl+,")));
    connect(m_settingsAction, &QAction::triggered, this, &VelmorMainWidget::showAppSettingSlot);
    addAction(m_settingsAction);
    m_openAction = new QAction(this);
    m_openAction->setShortcut(QKeySequence(QStringLiteral("ctrl+n")));
    connect(m_openAction, &QAction::triggered, this, &VelmorMainWidget::on_pushBtn_open_dir_clicked);
    addAction(m_openAction);
    setAcceptDrops(true);
    updateToolTips();

    qRegisterMetaType<KoGPSModel *>("KoGPSModel");

    JXDefaultSettings *settings = JXDefaultSettings::instance();
    // Told once, whether the store failed before the window or fails later
    // (the log names the file).
    connect(settings, &JXDefaultSettings::storeFailed, this, &VelmorMainWidget::tellSettingsUnsaved,
            Qt::QueuedConnection);
    if (settings->hasStoreFailed()) {
        // Centred on the window once the window manager has placed it (its
        // first activation), or in a while where nothing activates it.
        m_settingsUnsavedPending = true;
        QTimer::singleShot(3000, this, [this] {
            if (std::exchange(m_settingsUnsavedPending, false))
                tellSettingsUnsaved();
        });
    }
    ui->horizontalSlider_volume->setValue(settings->getVolume());
    applyVolumeToDisplays(ui->horizontalSlider_volume->value());

    connectSignals();
    connectSession();
    // The playback keys, wherever the focus is in the window; Escape means
    // something here only in full screen.
    new KoPlaybackKeyRouter(this, [this](KoPlaybackKeys::Action action) {
        if (action == KoPlaybackKeys::Action::LeaveFullScreen && !m_isFullScreen)
            return false;
        runKeyAction(action);
        return true;
    });
    connectNavigator();

    loadMap();
    setPlayControlsEnabled(false);
    resetDisplayInfo();
    const bool keep = settings->getKeepOriginalSize();
    for (JXPlayWidget *display : {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3}) {
        display->setKeepRatio(keep);
        // Only display 1 is heard; the others take no sound at all.
        display->playLabel()->setSilent(display != ui->widget_display_1);
    }

    QList<int> mainSizes = settings->getMainSizes();
    if (mainSizes.isEmpty())
        mainSizes = {694, 320};
    QList<int> rightSizes = settings->getRightSizes();
    if (rightSizes.isEmpty())
        rightSizes = {450, 263};
    ui->splitter_main->setSizes(mainSizes);
    ui->splitter_right->setSizes(rightSizes);

    initResizeBorders();
    restorePlaylist();
}

// The recordings still listed are not destroyed here: the process ends right
// after the window.
VelmorMainWidget::~VelmorMainWidget()
{
    // Before the playlist and the session it reads go; its reading thread
    // finishes the file under way.
    delete m_navigator;
    m_navigator = nullptr;
    qApp->removeEventFilter(this);
    restoreBandCursor();
}

JXPlayWidget *VelmorMainWidget::display(int index) const
{
    const std::array<JXPlayWidget *, 3> displays{
        {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3}};
    return index >= 1 && index <= 3 ? displays[size_t(index - 1)] : nullptr;
}

void VelmorMainWidget::connectSignals()
{
    for (JXPlayWidget *display : {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3}) {
        connect(display, &JXPlayWidget::enterFullscreenSignal, this,
                &VelmorMainWidget::on_pushBtn_fullscreen_clicked);
        connect(display, &JXPlayWidget::showCustomMenuSignal, this, &VelmorMainWidget::showCustomMenuSlot);
    }
    connect(ui->treeView_filelist, &JXDeviceTreeView::willDeleteFileSignal, this,
            &VelmorMainWidget::willDeleteFileSlot);
    connect(m_titleBar, &KoTitleBar::signalShowAppSetting, this, &VelmorMainWidget::showAppSettingSlot);
    connect(m_titleBar, &KoTitleBar::signalButtonCloseClicked, this, &VelmorMainWidget::willCloseSlot);
    connect(ui->webview, &QWebEngineView::loadFinished, this, &VelmorMainWidget::mapLoadFinishedSlot);
    connect(ui->horizontalSlider_progress, &KoProgressSlider::posChangedSignal, this,
            &VelmorMainWidget::posChangedSlot);
    connect(ui->splitter_main, &QSplitter::splitterMoved, this, &VelmorMainWidget::onSplitMoved);
    connect(ui->splitter_right, &QSplitter::splitterMoved, this, &VelmorMainWidget::onSplitMoved);
    connect(ui->treeView_filelist, &QWidget::customContextMenuRequested, this,
            &VelmorMainWidget::showFileListMenu);
    // Display 1 is the one heard: its sound output is the player's.
    connect(display(1)->playLabel(), &PlayLabel::sigSoundOutputChanged, this, [this](bool missing) {
        if (missing)
            qCInfo(lcPlayback) << "no sound output: recordings play without sound";
        updateToolTips();
    });
}

void VelmorMainWidget::updateToolTips()
{
    ui->pushBtn_add_dir->setIconImage(QStringLiteral("file_add_dir.png"));
    ui->pushBtn_add_dir->setButtonText(tr("添加文件夹"));
    ui->pushBtn_add_file->setIconImage(QStringLiteral("file_add_file.png"));
    ui->pushBtn_add_file->setButtonText(tr("添加文件"));
    ui->pushBtn_clear_list->setIconImage(QStringLiteral("file_clear.png"));
    ui->pushBtn_clear_list->setButtonText(tr("清空列表"));

    ui->pushBtn_open_dir->setToolTip(tr("添加文件"));
    ui->pushBtn_fullscreen->setToolTip(tr("全屏播放"));
    ui->pushBtn_capture->setToolTip(tr("抓拍图片"));
    ui->pushBtn_lastFrame->setToolTip(tr("上一帧"));
    ui->pushBtn_play->setToolTip(tr("播放/暂停"));
    ui->pushBtn_nextFrame->setToolTip(tr("下一帧"));
    ui->pushBtn_stop->setToolTip(tr("停止"));
    ui->pushBtn_zoom_in->setToolTip(tr("缩小"));
    ui->pushBtn_zoom_out->setToolTip(tr("放大"));
    ui->pushBtn_pipe->setToolTip(tr("切换画面"));
    // Told where sound is looked for, for as long as there is no sound output.
    const bool soundless = display(1)->playLabel()->soundOutputMissing();
    ui->pushBtn_mute->setToolTip(
        soundless ? tr("No sound output: the sound device cannot be opened, recordings play without sound.")
                  : tr("静音"));
    ui->label_play_note->setText(tr("No sound output"));
    ui->label_play_note->setVisible(soundless);
}

void VelmorMainWidget::runKeyAction(KoPlaybackKeys::Action action)
{
    using Action = KoPlaybackKeys::Action;
    switch (action) {
    case Action::None:
        break;
    case Action::PlayPause:
        if (channelModel(1))
            on_pushBtn_play_clicked();
        break;
    case Action::PreviousRecording:
        m_session->step(false);
        break;
    case Action::NextRecording:
        m_session->step(true);
        break;
    case Action::ZoomIn:
        on_pushBtn_zoom_out_clicked();
        break;
    case Action::ZoomOut:
        on_pushBtn_zoom_in_clicked();
        break;
    case Action::SwitchLayout:
        on_pushBtn_pipe_clicked();
        break;
    case Action::LeaveFullScreen:
        if (m_isFullScreen)
            setFullScreenMode(false);
        break;
    case Action::FrameForward:
    case Action::FrameBack:
        m_shownSecond = -1;
        m_session->stepFrame(action == Action::FrameForward ? 1 : -1);
        break;
    case Action::Slower:
        m_session->setSpeed(KoPlaybackSpeed::slower(playbackSpeed()));
        break;
    case Action::Faster:
        m_session->setSpeed(KoPlaybackSpeed::faster(playbackSpeed()));
        break;
    case Action::NormalSpeed:
        m_session->setSpeed(KoPlaybackSpeed::Normal);
        break;
    case Action::NextEvent:
    case Action::PreviousEvent:
        if (!m_session->isStopped())
            m_navigator->stepEvent(action == Action::NextEvent, display(1)->precisePosition());
        break;
    case Action::MarkIn:
    case Action::MarkOut:
        if (m_session->isStopped())
            break;
        m_clipMarks = KoClipRange::mark(m_clipMarks, action == Action::MarkIn, display(1)->precisePosition());
        ui->horizontalSlider_progress->setMarks(m_clipMarks.in, m_clipMarks.out);
        break;
    }
}

void VelmorMainWidget::showCustomMenuSlot(void *data)
{
    auto *display = static_cast<JXPlayWidget *>(data);
    if (!display || ui->widget_display_1->fullScreenFlag() || m_session->isStopped())
        return;
    m_contextMenu = new QMenu(display);
    applyMenuStyle(m_contextMenu);
    m_contextMenu->addAction(tr("播放/暂停"), this, &VelmorMainWidget::on_pushBtn_play_clicked);
    m_contextMenu->addAction(tr("停止"), this, &VelmorMainWidget::on_pushBtn_stop_clicked);
    m_contextMenu->addAction(tr("拍照"), this, &VelmorMainWidget::on_pushBtn_capture_clicked);
    m_contextMenu->addAction(tr("全屏"), this, &VelmorMainWidget::on_pushBtn_fullscreen_clicked);
    m_contextMenu->addAction(KoClipExportDialog::menuText(), this, [this] { exportClip(channelModel(1)); });
    m_contextMenu->exec(QCursor::pos());
    m_contextMenu->deleteLater();
    m_contextMenu = nullptr;
}

void VelmorMainWidget::showAppSettingSlot()
{
    // The dialog deletes itself when it closes; a change applies at once.
    auto *dialog = new KoAppSettingDialog(
        [this](bool mapChanged) {
            if (m_session->isStopped())
                resetDisplayInfo();
            if (mapChanged)
                loadMap();
        },
        this);
    dialog->exec();
}

void VelmorMainWidget::onSplitMoved(int, int)
{
    relayout();
}

void VelmorMainWidget::showEvent(QShowEvent *event)
{
    KoBasicWidget::showEvent(event);
    relayout();
}

void VelmorMainWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateToolTips();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        std::exchange(m_settingsUnsavedPending, false))
        QTimer::singleShot(0, this, &VelmorMainWidget::tellSettingsUnsaved);
    KoBasicWidget::changeEvent(event);
}

void VelmorMainWidget::tellSettingsUnsaved()
{
    JXAlertDialog::information(this, tr("Settings"),
                               tr("Settings cannot be saved: changes are lost when the player closes."));
}

void VelmorMainWidget::doExit()
{
    JXDefaultSettings::instance()->setMainSizes(ui->splitter_main->sizes());
    JXDefaultSettings::instance()->setRightSizes(ui->splitter_right->sizes());
    m_session->stop();
}

void VelmorMainWidget::willCloseSlot()
{
    doExit();
    QCoreApplication::exit(0);
}

void VelmorMainWidget::closeEvent(QCloseEvent *event)
{
    doExit();
    event->accept();
}

void VelmorMainWidget::applyMenuStyle(QMenu *menu)
{
    QFile sheet(QStringLiteral(":/images/images/appMenuSheet.css"));
    if (sheet.open(QIODevice::ReadOnly))
        menu->setStyleSheet(menu->styleSheet() + QString::fromLatin1(sheet.readAll()));
}

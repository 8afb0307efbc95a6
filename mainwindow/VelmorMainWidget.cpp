#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoTitleBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

VelmorMainWidget::VelmorMainWidget(QWidget *parent)
    : KoBasicWidget(parent)
    , ui(new Ui_VelmorMainWidget)
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
    const auto tellSettingsUnsaved = [this] {
        JXAlertDialog::information(this, tr("Settings"),
                                   tr("Settings cannot be saved: changes are lost when the player closes."));
    };
    connect(settings, &JXDefaultSettings::storeFailed, this, tellSettingsUnsaved, Qt::QueuedConnection);
    if (settings->hasStoreFailed())
        QTimer::singleShot(0, this, tellSettingsUnsaved);
    ui->horizontalSlider_volume->setValue(settings->getVolume());
    applyVolumeToDisplays(ui->horizontalSlider_volume->value());

    connectSignals();
    wireChannelReports();

    loadMap();
    setPlayControlsEnabled(false);
    resetDisplayInfo();
    const bool keep = settings->getKeepOriginalSize();
    for (JXPlayWidget *display : {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3})
        display->setKeepRatio(keep);

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
    qWarning() << "VelmorMainWidget::VelmorMainWidget" << 167;
}

// The recordings still listed are not destroyed here: the process ends right
// after the window.
VelmorMainWidget::~VelmorMainWidget()
{
    qApp->removeEventFilter(this);
    restoreBandCursor();
}

void VelmorMainWidget::connectSignals()
{
    JXPlayWidget *first = ui->widget_display_1;
    const QList<JXPlayWidget *> displays = {ui->widget_display_1, ui->widget_display_2, ui->widget_display_3};
    connect(first, &JXPlayWidget::playStartSignal, this, &VelmorMainWidget::playStartSlot);
    for (JXPlayWidget *display : displays)
        connect(display, &JXPlayWidget::updateVideoDurationSignal, this,
                &VelmorMainWidget::updateVideoDurationSlot);
    connect(first, &JXPlayWidget::updateVideoProgressSignal, this,
            &VelmorMainWidget::updateVideoProgressSlot);
    connect(first, &JXPlayWidget::playEndSignal, this, &VelmorMainWidget::playEndSlot);
    for (JXPlayWidget *display : displays)
        connect(display, &JXPlayWidget::enterFullscreenSignal, this,
                &VelmorMainWidget::on_pushBtn_fullscreen_clicked);
    for (JXPlayWidget *display : displays)
        connect(display, &JXPlayWidget::showCustomMenuSignal, this, &VelmorMainWidget::showCustomMenuSlot);
    for (JXPlayWidget *display : displays)
        connect(display, &JXPlayWidget::playWidgetKeyEventSignal, this,
                &VelmorMainWidget::playWidgetKeyEventSlot);
    for (JXPlayWidget *display : displays)
        connect(display, &JXPlayWidget::changePipeSignal, this, &VelmorMainWidget::on_pushBtn_pipe_clicked);
    connect(ui->treeView_filelist, &JXDeviceTreeView::willDeleteFileSignal, this,
            &VelmorMainWidget::willDeleteFileSlot);
    connect(m_titleBar, &KoTitleBar::signalShowAppSetting, this, &VelmorMainWidget::showAppSettingSlot);
    connect(m_titleBar, &KoTitleBar::signalButtonCloseClicked, this, &VelmorMainWidget::willCloseSlot);
    connect(ui->webview, &QWebEngineView::loadFinished, this, &VelmorMainWidget::mapLoadFinishedSlot);
    connect(ui->horizontalSlider_progress, &KoProgressSlider::posChangedSignal, this,
            &VelmorMainWidget::posChangedSlot);
    connect(ui->splitter_main, &QSplitter::splitterMoved, this, &VelmorMainWidget::onSplitMoved);
    connect(ui->splitter_right, &QSplitter::splitterMoved, this, &VelmorMainWidget::onSplitMoved);
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
    ui->pushBtn_mute->setToolTip(tr("静音"));
}

void VelmorMainWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_channelModel1)
            on_pushBtn_play_clicked();
        break;
    case Qt::Key_P:
        on_pushBtn_pipe_clicked();
        break;
    case Qt::Key_Escape:
        if (m_isFullScreen)
            setFullScreenMode(false);
        break;
    case Qt::Key_Up:
        on_pushBtn_zoom_out_clicked();
        break;
    case Qt::Key_Down:
        on_pushBtn_zoom_in_clicked();
        break;
    default:
        // Frame steps and speed, as in the displays.
        playbackKey(event->key());
        break;
    }
    event->accept();
}

void VelmorMainWidget::showCustomMenuSlot(void *data)
{
    auto *display = static_cast<JXPlayWidget *>(data);
    if (!display || ui->widget_display_1->fullScreenFlag() || m_playState == 0)
        return;
    m_contextMenu = new QMenu(display);
    applyMenuStyle(m_contextMenu);
    m_contextMenu->addAction(tr("播放/暂停"), this, &VelmorMainWidget::on_pushBtn_play_clicked);
    m_contextMenu->addAction(tr("停止"), this, &VelmorMainWidget::on_pushBtn_stop_clicked);
    m_contextMenu->addAction(tr("拍照"), this, &VelmorMainWidget::on_pushBtn_capture_clicked);
    m_contextMenu->addAction(tr("全屏"), this, &VelmorMainWidget::on_pushBtn_fullscreen_clicked);
    m_contextMenu->exec(QCursor::pos());
    m_contextMenu->deleteLater();
    m_contextMenu = nullptr;
}

void VelmorMainWidget::showAppSettingSlot()
{
    JXDefaultSettings::instance()->getMapType();
    // The dialog deletes itself when it closes; a change applies at once.
    auto *dialog = new KoAppSettingDialog(
        [this](bool mapChanged) {
            if (m_playState == 0)
                resetDisplayInfo();
            if (mapChanged)
                loadMap();
        },
        this);
    dialog->exec();
}

void VelmorMainWidget::on_pushBtn_setting_clicked()
{
    showAppSettingSlot();
}

void VelmorMainWidget::onSplitMoved(int pos, int index)
{
    qWarning() << "VelmorMainWidget::onSplitMoved" << 1688 << pos << index;
    relayout();
}

void VelmorMainWidget::showEvent(QShowEvent *event)
{
    qWarning() << "VelmorMainWidget::showEvent" << 541;
    KoBasicWidget::showEvent(event);
    relayout();
}

void VelmorMainWidget::changeEvent(QEvent *event)
{
    qWarning() << "VelmorMainWidget::changeEvent" << 320 << event->type();
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateToolTips();
    }
    KoBasicWidget::changeEvent(event);
}

void VelmorMainWidget::doExit()
{
    const QList<int> mainSizes = ui->splitter_main->sizes();
    const QList<int> rightSizes = ui->splitter_right->sizes();
    qWarning() << "VelmorMainWidget::doExit" << 1196 << mainSizes << "main:" << rightSizes;
    JXDefaultSettings::instance()->setMainSizes(mainSizes);
    JXDefaultSettings::instance()->setRightSizes(rightSizes);
    qWarning() << "VelmorMainWidget::doExit" << 1200 << ".............auto stop is false";
    m_autoStop = false;
    stopPlay();
}

void VelmorMainWidget::willCloseSlot()
{
    doExit();
    QCoreApplication::exit(0);
}

void VelmorMainWidget::closeEvent(QCloseEvent *event)
{
    qWarning() << "VelmorMainWidget::closeEvent" << 263 << "VelmorMainWidget::closeEvent"
               << "你是不是也进来两次？";
    doExit();
    event->accept();
}

void VelmorMainWidget::applyMenuStyle(QMenu *menu)
{
    QFile sheet(QStringLiteral(":/images/images/appMenuSheet.css"));
    if (sheet.open(QIODevice::ReadOnly))
        menu->setStyleSheet(menu->styleSheet() + QString::fromLatin1(sheet.readAll()));
}

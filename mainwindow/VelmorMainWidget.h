#pragma once

#include "library/KoClipRange.h"
#include "mainwindow/KoSplitLayout.h"
#include "playback/KoPlaybackKeys.h"
#include "playback/KoPlaybackSession.h"
#include "widgets/KoBasicWidget.h"

#include <QEvent>
#include <QList>
#include <QModelIndex>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class JXPlayWidget;
class KoChannelSync;
class KoCoverWidget;
class KoPlayWidgetChannel;
class KoDirectoryListing;
class KoFileInfoModel;
class KoMapBridge;
class KoPlaylist;
class KoSnapshotTaker;
class KoTripNavigator;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QMimeData;
class QMouseEvent;
class QResizeEvent;
class QShowEvent;
class QTimer;
class Ui_VelmorMainWidget;

// The application's main window: three video displays over the video area,
// the transport bar, the instrument strip, the map and the file list.
//
// One class over several sources, by concern:
//   VelmorMainWidget.cpp          construction, wiring, keys, menus, exit
//   VelmorMainWidgetLayout.cpp    layout, split modes, full screen, resize borders
//   VelmorMainWidgetPlaylist.cpp  the playlist
//   VelmorMainWidgetPlayback.cpp  playback across the channels of a recording
//   VelmorMainWidgetTrack.cpp     the track on the map and the instruments, the
//                                 trip, driving events and moments (KoTripNavigator)
class VelmorMainWidget : public KoBasicWidget
{
    Q_OBJECT

public:
    explicit VelmorMainWidget(QWidget *parent = nullptr);
    ~VelmorMainWidget() override;

    // The form, for the window's own sources and for tests.
    Ui_VelmorMainWidget *form() const { return ui.get(); }

    // Playlist (VelmorMainWidgetPlaylist.cpp).
    void addFilePath(const QString &path, KoDirectoryListing *listing = nullptr);
    void refreshFileList();
    // The steps after the file and folder dialogs, callable with paths. A
    // file comes with the other channel files of its recording found beside
    // it (as a drop and openPaths do), a folder with the recordings in it.
    void addChosenFiles(const QStringList &files);
    void addChosenFolder(const QString &folder);
    // Files and folders handed over from outside (command line, a second
    // start): folders as by the folder command, files as by the file dialog;
    // the first file plays. Paths that do not exist or are no recordings are
    // logged and skipped.
    void openPaths(const QStringList &paths);
    static bool isVideoPath(const QString &path);
    static QStringList droppedVideoPaths(const QMimeData *mime);
    const QList<KoFileInfoModel *> &fileModels() const;
    const KoPlaylist &playlist() const { return *m_playlist; }

    // Playback (VelmorMainWidgetPlayback.cpp): the session plays, the window
    // shows it.
    KoPlaybackSession *session() const { return m_session.get(); }
    void playSelectFile(const QString &path);
    void pauseAll() { m_session->pause(); }
    KoPlaybackSession::State playState() const { return m_session->state(); }
    KoFileInfoModel *channelModel(int display) const { return m_session->model(display); }
    KoChannelSync *channelSync() const { return m_session->sync(); }
    double playbackSpeed() const { return m_session->speed(); }
    JXPlayWidget *display(int index) const;
    // What a playback key does, wherever in the window it was pressed
    // (KoPlaybackKeyRouter brings every one here).
    void runKeyAction(KoPlaybackKeys::Action action);
    // The clip's in and out marks on the playing recording (negative: none).
    const KoClipRange::Marks &clipMarks() const { return m_clipMarks; }
    // The clip dialog for `recording` (a file of it), starting from the marks
    // and the position when it is the playing one.
    void exportClip(KoFileInfoModel *recording);

    // Layout (VelmorMainWidgetLayout.cpp).
    void setFullScreenMode(bool on);
    void layoutDisplays(int x, int y, int w, int h);
    void setKeepVideoAspect(bool keep);
    KoSplitLayout::Mode splitMode() const { return m_splitMode; }
    // Displays in use: 1 while stopped.
    int displayCount() const { return qMax(1, m_session->displayCount()); }
    bool isFullScreenMode() const { return m_isFullScreen; }

    // Track display (VelmorMainWidgetTrack.cpp).
    void loadMap();
    void showTrackLine();
    void resetDisplayInfo();
    static QString timeText(int seconds);
    KoMapBridge *mapBridge() const { return m_mapBridge; }
    // The trip of the playing recording, its events and moments.
    KoTripNavigator *tripNavigator() const { return m_navigator; }
    // The playing recording's route, or its trip's with it highlighted.
    void showRoute();
    // Every display to `seconds` of `file`'s recording, loading it first when
    // another one plays; a paused player stays paused.
    void goToMoment(KoFileInfoModel *file, double seconds);

    void updateToolTips();

public slots:
    void playStartSlot();
    void stopPlay() { m_session->stop(); }
    void updateProgress(int index);
    void willDeleteFileSlot(QModelIndex index);
    void showAppSettingSlot();
    void mapLoadFinishedSlot(bool isok);
    void posChangedSlot(double pos);
    void willCloseSlot();
    void showCustomMenuSlot(void *data);
    void keepVideoAspectSlot();
    void onSplitMoved(int pos, int index);
    void updateVideoDurationSlot(double duration);
    void updateVideoProgressSlot(float progress);
    void on_pushBtn_open_dir_clicked();
    void on_treeView_filelist_doubleClicked(QModelIndex index);
    void on_pushBtn_zoom_in_clicked();
    void on_horizontalSlider_progress_valueChanged(int value);
    void on_horizontalSlider_progress_sliderPressed() { m_sliderPressed = true; }
    void on_horizontalSlider_progress_sliderReleased() { m_sliderPressed = false; }
    void on_pushBtn_play_clicked();
    void on_pushBtn_stop_clicked() { m_session->stop(); }
    // Previous and next recording.
    void on_pushBtn_lastFrame_clicked() { m_session->step(false); }
    void on_pushBtn_nextFrame_clicked() { m_session->step(true); }
    void on_pushBtn_capture_clicked();
    void on_horizontalSlider_volume_valueChanged(int value);
    void on_pushBtn_mute_clicked();
    void on_pushBtn_fullscreen_clicked();
    void on_pushBtn_zoom_out_clicked();
    void on_pushBtn_add_file_clicked();
    void on_pushBtn_add_dir_clicked();
    void on_pushBtn_clear_list_clicked();
    void on_pushBtn_pipe_clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void relayout();
    void doExit();
    void restorePlaylist();
    void applyVolumeToDisplays(int volume);
    void connectSignals();

    // Playlist helpers (VelmorMainWidgetPlaylist.cpp).
    void addFiles(const QStringList &paths, KoDirectoryListing *listing);
    static bool hasVideoSuffix(const QString &path);
    static QStringList videoSuffixes();
    static QStringList videoFilesIn(const QString &folder);

    // Resize borders (VelmorMainWidgetLayout.cpp).
    void initResizeBorders();
    Qt::Edges bandEdgesAt(const QPoint &pos) const;
    bool handleBandMouse(QEvent::Type type, const QPoint &globalPos, Qt::MouseButtons buttons);
    void setBandCursor(Qt::Edges edges);
    void restoreBandCursor();

    // Playback helpers (VelmorMainWidgetPlayback.cpp).
    void connectSession();
    void recordingLoadedSlot();
    void sessionStoppedSlot();
    void setPlayControlsEnabled(bool enabled);
    void tellSettingsUnsaved();
    void seekAll(int seconds);
    void connectNavigator();
    void updateTripHeaders();
    void showChannelFailure(int k);
    void hideChannelFailure(int k);
    void showSpeed(double speed);
    void showFileListMenu(const QPoint &pos);
    // The program's menu style sheet added to `menu` (left as it is when the
    // resource is missing).
    static void applyMenuStyle(QMenu *menu);

    std::unique_ptr<Ui_VelmorMainWidget> ui;
    bool m_isFullScreen = false;
    QRect m_restoreRect;
    std::unique_ptr<KoPlaylist> m_playlist;
    // The displays as channels of the session; children of the window,
    // destroyed after the session (which unhooks itself from them).
    std::array<KoPlayWidgetChannel *, 3> m_channels{};
    std::unique_ptr<KoPlaybackSession> m_session;
    KoSplitLayout::Mode m_splitMode = KoSplitLayout::Mode::SideBySide;
    // Restored by un-muting when mute was never switched on (a stored volume
    // of 0 starts the window muted).
    int m_savedVolume = 100;
    bool m_sliderPressed = false;
    QMenu *m_contextMenu = nullptr;
    KoMapBridge *m_mapBridge = nullptr;
    KoSnapshotTaker *m_snapshots = nullptr;
    KoTripNavigator *m_navigator = nullptr;
    // Gather the list's trip header updates and the map's trip redraws while
    // tracks are read in the background.
    QTimer *m_headerTimer = nullptr;
    QTimer *m_routeTimer = nullptr;
    // The second the slider, time and instruments show (-1: none yet).
    int m_shownSecond = -1;
    KoClipRange::Marks m_clipMarks;
    // The covers shown in the displays of channels that cannot be played.
    std::array<KoCoverWidget *, 3> m_channelCovers{};
    QAction *m_settingsAction = nullptr;
    QAction *m_openAction = nullptr;
    Qt::Edges m_bandCursorEdges;
    // The settings store failed before the window was placed: told over the
    // window once it is.
    bool m_settingsUnsavedPending = false;
    // Resizing by the window itself, where no window manager takes it over.
    bool m_selfResizing = false;
    Qt::Edges m_resizeEdges;
    QPoint m_resizePressPos;
    QRect m_resizeStartGeometry;
};

#pragma once

#include <QString>
#include <QWidget>

class PlayLabel;
class QKeyEvent;
class QMouseEvent;
class QResizeEvent;
class QWheelEvent;
struct Ui_JXPlayWidget;

// One video display: a black area filled by its player engine, with a zoom
// badge in the lower right corner. Relays the engine's first frame and position to the main
// window and turns keys, wheel and double-clicks into requests.
class JXPlayWidget : public QWidget
{
    Q_OBJECT

public:
    explicit JXPlayWidget(QWidget *parent = nullptr);
    ~JXPlayWidget() override;

    // Plays `path` from `startSeconds` (exactly there, not at a keyframe before).
    void playFile(QString path, double startSeconds = 0);
    void pause();
    void resume();
    void seek(int seconds);
    void setVolume(int volume);
    void setKeepRatio(bool keep);
    bool keepRatio() const { return m_keepRatio; }
    bool capture(QString path);
    void setPreviewPath(QString path);
    QString previewPath() const { return m_previewPath; }
    void setFullScreenFlag(bool on);
    bool fullScreenFlag() const { return m_fullScreen; }
    void startVideo();
    void stopVideo();
    void resetZoomIndicator();

    // Fine control of the engine, for keeping several displays in step.
    void seekExact(double seconds);
    void setPlaybackSpeed(double speed);
    void frameStep();
    void frameBackStep();
    double precisePosition() const;

    int zoomStep() const { return m_zoomStep; }
    int state() const { return m_state; }
    PlayLabel *playLabel() const { return m_playLabel; }

signals:
    void showCustomMenuSignal(void *data);
    void enterFullscreenSignal();
    // A playback key pressed while the display had the focus.
    void playWidgetKeyEventSignal(int key, Qt::KeyboardModifiers modifiers);
    void updateVideoProgressSignal(float progress);
    void playStartSignal();
    // The preview thumbnail of the playing file was written to `path`.
    void previewSaved(const QString &path);

public slots:
    // One zoom step out or in; only while a file shows.
    void zoomOut();
    void zoomIn();

protected slots:
    void slotPlaybackRestart();
    void slotShotFinished(QString filepath, bool ok);

private slots:
    void on_JXPlayWidget_customContextMenuRequested(QPoint pos);
    void slotSetProgress(float _progres);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showZoomStep();

    Ui_JXPlayWidget *form = nullptr;
    int m_zoomStep = 0;
    int m_state = 0;
    bool m_keepRatio = true;
    bool m_fullScreen = false;
    QString m_previewPath;
    // The preview is shot to a temporary name and renamed when libmpv has
    // finished it, so the file list never loads a half-written image.
    QString m_previewTarget;
    QString m_previewShot;
    PlayLabel *m_playLabel = nullptr;
};

#pragma once

#include <QHash>
#include <QLabel>
#include <QString>

#include <cstdint>

struct mpv_handle;
struct mpv_event;

// The player engine of one video display: a label that owns one libmpv
// instance, lets it draw straight into the label's native window and turns
// its events into signals on the GUI thread.
class PlayLabel : public QLabel
{
    Q_OBJECT

public:
    // Throws std::runtime_error when libmpv cannot be set up.
    explicit PlayLabel(QWidget *parent = nullptr);
    ~PlayLabel() override;

    bool keepRatio() const { return m_keepRatio; }
    float zoomValue() const { return m_zoomValue; }
    int volume() const { return m_volume; }
    bool isMuted() const { return m_muted; }
    // Whether the last file ended because it could not be played (missing,
    // unreadable, no known format) rather than at its end or by a stop. An
    // end reported after a new file was asked for belongs to the file before
    // and counts as neither.
    bool lastEndWasError() const { return m_lastEndWasError; }
    // Whether it ran to its natural end (not stopped, replaced or failed).
    // A file whose sound found no output to play on still ends so.
    bool lastEndWasEof() const { return m_lastEndWasEof; }
    // Whether the last file with sound found no sound output to open (no
    // sound card, a busy device, a remote desktop) and plays without sound.
    // Not when no sound output was chosen ("ao" set to "null").
    bool soundOutputMissing() const { return m_soundOutputMissing; }
    // The owned libmpv instance, for reading back what was really set.
    mpv_handle *mpvHandle() const { return m_mpv; }

    // Position of the frame shown now, in seconds, read from libmpv at the
    // moment of the call; -1 when no file is playing. Channels are compared
    // by this, not by sigProgressChange, whose value waits in the queue
    // while the GUI thread is busy and is rounded to float.
    double precisePosition() const;
    // libmpv's estimate of the frame number shown now; -1 when unknown.
    int64_t frameNumber() const;
    // One frame of the loaded video in seconds (from the container's frame
    // rate); 1/30 when the file does not tell.
    double frameDuration() const;
    double playbackSpeed() const;
    bool isPaused() const;

signals:
    void mpv_events();
    void sigProgressChange(float progress);
    void sigSetVideoRange(float range);
    void sigUpdateFileAttribute(int64_t filesize, int width, int height);
    void sigPlayFinish();
    void sigPlaybackRestart();
    void sigCommandReplay();
    // A screenshot asked for with shotImage() is finished: written, or not
    // (ok false). Comes just before that command's sigCommandReplay.
    void sigShotFinished(QString filepath, bool ok);
    // soundOutputMissing() changed: a file's sound found no output, or a
    // later file's found one again.
    void sigSoundOutputChanged(bool missing);

public slots:
    void on_file_close();
    // From `startSeconds` when above 0: an exact seek before the first frame.
    void on_file_open(QString path, double startSeconds = 0);
    void on_file_contiue();
    void on_file_pause();
    void on_file_Scale(bool isKeepRatio);
    bool on_file_zoom_in();
    bool on_file_zoom_out();
    void on_file_Speed(float speed);
    void on_file_volume(int volume);
    void on_file_Mute(bool bMute);
    void on_file_Mute();
    // Whether the files' sound is played at all. A silent engine decodes no
    // sound and opens no sound output (displays that are never heard: sound
    // outputs probed by several engines at once have crashed in SDL).
    void setSilent(bool silent);
    void on_file_seek(int seconds);
    void get_length_string();
    void on_mpv_events();
    void set_shot_Path(QString path);
    void shotImage(QString filepath);
    // Exact seek to a fractional position: decodes up to the frame at that
    // time instead of stopping at the keyframe before it. Ends in
    // sigPlaybackRestart like any seek.
    void seekExact(double seconds);
    // Speed of this instance only; the sound keeps its pitch (libmpv's
    // audio-pitch-correction, on by default).
    void setPlaybackSpeed(double speed);
    // One frame forward or back, leaving the player paused.
    void frameStep();
    void frameBackStep();

protected:
    // Handles one event taken from the queue; only the drain calls it.
    void dispatchMpvEvent(const mpv_event *event);

private:
    void setOption(const char *name, const QString &value);
    void command(const QByteArray &a, const QByteArray &b = QByteArray(), const QByteArray &c = QByteArray(),
                 uint64_t replyId = 0);
    double doubleProperty(const char *name, double fallback) const;
    void onLoadFileReply(const mpv_event *event);
    void onLoadedFact(const mpv_event *event);
    bool isCurrentEntry(int64_t entry) const;
    void applyZoom(float value);
    void onSoundOutput(const char *output);
    void setSoundOutputMissing(bool missing);

    bool m_keepRatio = true;
    float m_zoomValue = 0.0f;
    int m_volume = 100;
    bool m_muted = false;
    bool m_lastEndWasError = false;
    bool m_lastEndWasEof = false;
    bool m_soundOutputMissing = false;
    // The playlist entry of the file asked for last (0 until known, -1
    // none), and of the file libmpv started last; events of any other entry
    // are old news.
    int m_loadRepliesPending = 0; // "loadfile" commands not answered yet
    int64_t m_currentEntry = -1;
    int64_t m_startedEntry = -1;
    mpv_handle *m_mpv = nullptr;
    // A loaded file's size, picture and length, asked of libmpv without
    // waiting; told when all have come back.
    struct LoadedFacts
    {
        int64_t fileSize = 0;
        int64_t width = 0;
        int64_t height = 0;
        double duration = 0;
        int pending = 0;
    } m_loaded;
    // Screenshots in flight, by the reply id of their command.
    QHash<uint64_t, QString> m_pendingShots;
    uint64_t m_nextShotId = 1;
};

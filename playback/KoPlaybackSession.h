#pragma once

#include "library/KoRecording.h"
#include "playback/KoSyncChannel.h"

#include <QObject>

#include <array>

class KoChannelSync;
class KoFileInfoModel;
class KoPlaylist;

// Playback of one recording at a time across the displays: which channel
// file plays in which display, start, pause, stop, the end of a file and the
// step to the previous or next recording of the playlist, seeking, frame
// steps and speed, and what happens when a channel cannot be played.
//
// The displays are driven as channels (KoSyncChannel), always as one group
// kept in step by KoChannelSync: a recording of one channel is a group of
// one. Display 1 is the one the track follows and the one whose end moves on
// to the next recording.
class KoPlaybackSession : public QObject
{
    Q_OBJECT

public:
    // What the user chose.
    enum class State
    {
        Stopped,
        Paused,
        Playing
    };

    explicit KoPlaybackSession(KoPlaylist *playlist, QObject *parent = nullptr);
    ~KoPlaybackSession() override;

    // The channels of displays 1 to 3. Not owned: they outlive the session.
    void setChannels(const std::array<KoSyncChannel *, 3> &channels);
    KoChannelSync *sync() const { return m_sync; }

    State state() const { return m_state; }
    bool isStopped() const { return m_state == State::Stopped; }
    // True while play() replaces the recording playing: the stopped() it
    // emits on the way is followed at once by the next recordingLoaded().
    bool isSwitching() const { return m_switching; }
    // The recording being played (empty while stopped).
    const KoRecording &recording() const { return m_recording; }
    // The model of the file in display 1 to 3; null when none.
    KoFileInfoModel *model(int display) const;
    // Displays in use (1 to 3); 0 while stopped.
    int displayCount() const { return m_displayCount; }
    // Whether the file of display 1 to 3 cannot be played.
    bool hasFailed(int display) const;
    // The speed of every channel; it holds for the following recordings.
    double speed() const;

    // Starts the recording `chosen` is a channel of, `chosen` in display 1
    // unless all three channels are there, `seconds` into it (every display
    // on the same frame there). Whatever played stops first.
    void play(KoFileInfoModel *chosen, double seconds = 0);
    // The user's stop: nothing follows.
    void stop();
    // The play button: pause when playing, else play on.
    void togglePause();
    void pause();
    void resume();
    // The previous or next recording of the playlist, wrapping at the ends;
    // nothing when the list holds only the playing one.
    void step(bool forward);
    void seek(double seconds);
    // One frame forward (+1) or back (-1) on every display; pauses.
    void stepFrame(int direction);
    void setSpeed(double speed);
    // Marks the files being played as playing in the list again (an add
    // clears the marks).
    void markPlaying();

signals:
    // A recording's models and tracks are loaded, just before its files are
    // opened.
    void recordingLoaded();
    void stateChanged(KoPlaybackSession::State state);
    // Every display was closed. The models of the recording that was played
    // drop their tracks right after this signal (KoFileInfoModel::unloadTrack):
    // whatever shows a track lets go of it here.
    void stopped();
    // The file of display 1 to 3 cannot be played (gone, unreadable, no
    // picture). The others play on.
    void channelFailed(int display);
    // The length of display 1's file.
    void durationKnown(double seconds);
    void speedChanged(double speed);
    // Files were marked or unmarked as playing.
    void playingMarksChanged();

private:
    void close();
    void setState(State state);
    void fail(int k);
    void onLoaded(int k, double duration, bool hasPicture);
    void onEnded(int k, KoSyncChannel::End end);

    KoPlaylist *m_playlist;
    KoChannelSync *m_sync;
    std::array<KoSyncChannel *, 3> m_channels{};
    std::array<KoFileInfoModel *, 3> m_models{};
    std::array<bool, 3> m_failed{};
    KoRecording m_recording;
    int m_displayCount = 0;
    State m_state = State::Stopped;
    bool m_switching = false;
    // While switching: displays below this are left open for the next file.
    int m_keepOpen = 0;
};

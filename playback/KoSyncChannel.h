#pragma once

#include <QString>

#include <functional>
#include <utility>

// One video channel as the playback session and KoChannelSync see it: a
// file to open and close, a clock to read and a player to steer, and the
// reports of its file. The displays implement it over libmpv
// (KoPlayWidgetChannel); tests implement it over a simulated clock.
class KoSyncChannel
{
public:
    // How a file came to its end.
    enum class End
    {
        Finished, // played to its end
        Failed,   // cannot be played (unreadable, unknown format, cut short)
        Stopped   // closed or replaced before its end
    };

    virtual ~KoSyncChannel() = default;

    // Loads `path` and plays it from `startSeconds` (landing exactly there
    // before its first frame shows); the first frame shows as a finished seek.
    virtual void open(const QString &path, double startSeconds) = 0;
    // Unloads the file; its end reports as Stopped.
    virtual void close() = 0;

    // Position of the frame shown now, in seconds; negative when unknown.
    virtual double position() const = 0;
    // A file is loaded and has not reached its end.
    virtual bool isActive() const = 0;
    virtual bool isPaused() const = 0;
    // One frame in seconds.
    virtual double frameDuration() const = 0;
    virtual void setSpeed(double speed) = 0;
    virtual void seekExact(double seconds) = 0;
    virtual void setPaused(bool paused) = 0;

    // The sync controller's hook: called when a seek has landed or a loaded
    // file shows its first frame.
    void setSeekDoneHandler(std::function<void()> handler) { m_seekDone = std::move(handler); }
    // The session's hooks: the file is loaded (its length, whether it has a
    // picture), and it ended.
    void setFileHandlers(std::function<void(double duration, bool hasPicture)> loaded,
                         std::function<void(End end)> ended)
    {
        m_loaded = std::move(loaded);
        m_ended = std::move(ended);
    }

protected:
    void notifySeekDone()
    {
        if (m_seekDone)
            m_seekDone();
    }
    void notifyLoaded(double duration, bool hasPicture)
    {
        if (m_loaded)
            m_loaded(duration, hasPicture);
    }
    void notifyEnded(End end)
    {
        if (m_ended)
            m_ended(end);
    }

private:
    std::function<void()> m_seekDone;
    std::function<void(double, bool)> m_loaded;
    std::function<void(End)> m_ended;
};

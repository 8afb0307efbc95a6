#pragma once

#include <functional>
#include <utility>

// One video channel as KoChannelSync sees it: a clock to read and a player to
// steer. The displays implement it over libmpv (KoPlayWidgetChannel); tests
// implement it over a simulated clock.
class KoSyncChannel
{
public:
    virtual ~KoSyncChannel() = default;

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

    // The controller's hook: called when a seek has landed or a loaded file
    // shows its first frame.
    void setSeekDoneHandler(std::function<void()> handler) { m_seekDone = std::move(handler); }

protected:
    void notifySeekDone()
    {
        if (m_seekDone)
            m_seekDone();
    }

private:
    std::function<void()> m_seekDone;
};

#pragma once

#include "playback/KoChannelSync.h"
#include "playback/KoSyncChannel.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

// A player on a simulated clock: plays at its own rate (1 is exact, 0 a
// stalled decoder), shows whole frames, takes `latencyMs` to land a seek and
// ends at `length`. A file it opens loads in `loadMs`, then reports its
// length and shows its first frame; a file named in `broken` fails to load
// instead. Real players cannot be made to drift or fail on demand; the
// displays' own tests play real files.
class SimulatedChannel : public KoSyncChannel
{
public:
    static constexpr double Frame = 1.0 / 30.0;

    SimulatedChannel(const qint64 *now, double length)
        : length(length)
        , m_now(now)
    {
        at = *now;
    }

    // Exact media time; what is shown is the frame it falls in.
    double t = 0.0;
    qint64 at = 0;
    double rate = 1.0;
    double speed = 1.0;
    bool paused = false;
    bool active = true;
    double length;
    int latencyMs = 150;
    int loadMs = 100;
    qint64 landsAt = -1;
    double target = 0.0;
    std::vector<double> speeds;
    std::vector<double> seekTargets;
    // Files opened, the open one last; how often a file was closed.
    QStringList opened;
    int closes = 0;
    // Length of the files by path (else `length`), and files that fail.
    std::map<QString, double> lengths;
    QSet<QString> broken;

    void advance()
    {
        const qint64 now = *m_now;
        if (active && !paused && landsAt < 0) {
            t += (now - at) / 1000.0 * speed * rate;
            if (t >= length) {
                t = length;
                active = false;
                at = now;
                notifyEnded(End::Finished);
                return;
            }
        }
        at = now;
        if (landsAt >= 0 && now >= landsAt) {
            landsAt = -1;
            if (m_opening) {
                m_opening = false;
                if (broken.contains(opened.last())) {
                    active = false;
                    notifyEnded(End::Failed);
                    return;
                }
                notifyLoaded(length, true);
            }
            // An exact seek shows the frame at the target.
            t = std::floor(target / Frame + 1e-6) * Frame;
            active = t < length;
            notifySeekDone();
        }
    }
    // As if the file were still being opened; shows frame 0 after `ms`.
    void load(int ms)
    {
        active = false;
        target = 0.0;
        landsAt = *m_now + ms;
    }
    int seeks() const { return int(seekTargets.size()); }
    bool isOpen() const { return !opened.isEmpty() && (active || m_opening); }

    void open(const QString &path, double startSeconds) override
    {
        opened.append(path);
        const auto it = lengths.find(path);
        if (it != lengths.end())
            length = it->second;
        t = 0.0;
        paused = false;
        m_opening = true;
        load(loadMs);
        target = startSeconds;
    }
    void close() override
    {
        ++closes;
        const bool wasOpen = active || m_opening;
        active = false;
        m_opening = false;
        landsAt = -1;
        if (wasOpen)
            notifyEnded(End::Stopped);
    }
    double position() const override
    {
        return landsAt >= 0 && !active ? -1.0 : std::floor(t / Frame + 1e-6) * Frame;
    }
    bool isActive() const override { return active; }
    bool isPaused() const override { return paused; }
    double frameDuration() const override { return Frame; }
    void setSpeed(double s) override
    {
        advance();
        speed = s;
        speeds.push_back(s);
    }
    void seekExact(double seconds) override
    {
        advance();
        target = seconds;
        seekTargets.push_back(seconds);
        landsAt = *m_now + latencyMs;
    }
    void setPaused(bool p) override
    {
        advance();
        paused = p;
    }

private:
    const qint64 *m_now;
    bool m_opening = false;
};

// Moves the simulated clock `ms` on in 10 ms steps, the channels with it,
// and ticks `sync` every 200 ms as the window's timer does.
inline void runSimulation(qint64 &now, const std::vector<std::unique_ptr<SimulatedChannel>> &channels,
                          KoChannelSync *sync, int ms)
{
    for (int step = 0; step < ms / 10; ++step) {
        now += 10;
        for (const auto &c : channels)
            c->advance();
        if (now % 200 == 0)
            sync->tick();
    }
}

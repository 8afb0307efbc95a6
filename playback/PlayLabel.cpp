#include "playback/PlayLabel.h"

#include "app/KoLogging.h"

#include <QByteArray>
#include <QMetaType>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>

#include <mpv/client.h>

#include <clocale>
#include <cstring>
#include <stdexcept>

namespace {

// Property and option names in one place.
const char *const kTimePos = "time-pos";
const char *const kVideoZoom = "video-zoom";
const char *const kVolume = "volume";
const char *const kCurrentAo = "current-ao";
// Reply id of "loadfile"; screenshots count up from 1.
constexpr uint64_t kLoadFileReply = ~uint64_t(0);

// Called by libmpv from any of its threads: only hand the news to the GUI
// thread, never touch libmpv or the widget here.
void onMpvWakeup(void *ctx)
{
    emit static_cast<PlayLabel *>(ctx)->mpv_events();
}

// libmpv's OpenGL output refuses these renderers when it probes.
bool isSoftwareRenderer(const QByteArray &renderer)
{
    static const char *const names[] = {"llvmpipe", "softpipe", "Software Rasterizer", "SVGA3D", "swrast"};
    for (const char *name : names) {
        if (renderer.contains(name))
            return true;
    }
    return false;
}

// Decided once per process, on the GUI thread, before the first instance
// exists. With a real GPU: OpenGL, with X11 as the fallback. Without one the
// OpenGL output would only probe a software renderer, refuse it and fall back
// to X11; three instances doing that at once have corrupted the heap, so X11
// is chosen directly.
QByteArray chooseVideoOutput()
{
    QByteArray renderer;
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (context.create() && context.makeCurrent(&surface)) {
        renderer = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
        context.doneCurrent();
    }
    const QByteArray vo = renderer.isEmpty() || isSoftwareRenderer(renderer) ? "x11" : "gpu,x11";
    qCInfo(lcPlayback) << "video output" << vo << "for the renderer" << renderer;
    return vo;
}

} // namespace

PlayLabel::PlayLabel(QWidget *parent)
    : QLabel(parent)
{
    setStyleSheet(QStringLiteral("background:black"));
    qRegisterMetaType<int64_t>("int64_t");

    // libmpv refuses to start under a locale that writes numbers with a comma.
    const char *numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (numeric == nullptr || std::strcmp(numeric, "C") != 0) {
        qCDebug(lcPlayback) << "numeric locale was" << numeric << "; libmpv needs C";
        std::setlocale(LC_NUMERIC, "C");
    }

    m_mpv = mpv_create();
    if (m_mpv == nullptr)
        throw std::runtime_error("can't create mpv instance");

    int64_t wid = static_cast<int64_t>(winId());
    mpv_set_option(m_mpv, "wid", MPV_FORMAT_INT64, &wid);
    mpv_set_option_string(m_mpv, "hwdec", "no");
    // OpenGL where a real GPU serves it, otherwise plain X11. The list never
    // ends on an output that opens a window of its own (it would ignore
    // "wid"), and the Vulkan probe is kept out: it has crashed X servers when
    // several instances start at once.
    static const QByteArray videoOutput = chooseVideoOutput();
    mpv_set_option_string(m_mpv, "vo", videoOutput.constData());
    mpv_set_option_string(m_mpv, "gpu-api", "opengl");
    // Mouse input stays with the display (double-click, wheel, context menu):
    // the video window then neither takes pointer events nor hides the cursor.
    mpv_set_option_string(m_mpv, "input-cursor", "no");
    mpv_set_option_string(m_mpv, "cursor-autohide", "no");
    // Keys as well: the video window must not take the keyboard from the
    // window around it (libmpv's default, stated because the keys rely on it).
    mpv_set_option_string(m_mpv, "input-vo-keyboard", "no");
    // Where no sound output opens (no sound card, a remote desktop, a busy
    // device) the picture plays on without sound and the file ends as any
    // other; libmpv would otherwise report the end as an error.
    mpv_set_option_string(m_mpv, "audio-fallback-to-null", "yes");
    // None of libmpv's built-in scripts serve a local recording, and each
    // file's start would wait for their hooks (the web-video one runs on
    // every load).
    for (const char *script :
         {"ytdl", "load-scripts", "load-stats-overlay", "load-osd-console", "load-auto-profiles"})
        mpv_set_option_string(m_mpv, script, "no");

    mpv_observe_property(m_mpv, 0, kTimePos, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_mpv, 0, "track-list", MPV_FORMAT_NODE);
    mpv_observe_property(m_mpv, 0, "chapter-list", MPV_FORMAT_NODE);
    mpv_observe_property(m_mpv, 0, kCurrentAo, MPV_FORMAT_STRING);
    // Connected before the callback is registered: libmpv calls it only once
    // until the queue is next read, so a wakeup emitted into an unconnected
    // signal would leave the label deaf for good.
    connect(this, &PlayLabel::mpv_events, this, &PlayLabel::on_mpv_events, Qt::QueuedConnection);
    mpv_set_wakeup_callback(m_mpv, onMpvWakeup, this);

    if (mpv_initialize(m_mpv) < 0) {
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
        throw std::runtime_error("mpv failed to initialize");
    }

    setFocus(Qt::OtherFocusReason);
}

PlayLabel::~PlayLabel()
{
    if (m_mpv != nullptr) {
        // Detached first, so that no wakeup can reach a label being destroyed.
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
    }
}

void PlayLabel::setOption(const char *name, const QString &value)
{
    if (m_mpv == nullptr)
        return;
    mpv_set_option_string(m_mpv, name, value.toLocal8Bit().constData());
}

void PlayLabel::command(const QByteArray &a, const QByteArray &b, const QByteArray &c, uint64_t replyId)
{
    if (m_mpv == nullptr)
        return;
    const char *args[4] = {a.constData(), nullptr, nullptr, nullptr};
    if (!b.isNull()) {
        args[1] = b.constData();
        if (!c.isNull())
            args[2] = c.constData();
    }
    mpv_command_async(m_mpv, replyId, args);
}

void PlayLabel::on_file_close()
{
    if (m_mpv == nullptr)
        return;
    command("stop");
    m_zoomValue = 0.0f;
    on_file_Scale(m_keepRatio);
}

void PlayLabel::on_file_open(QString path, double startSeconds)
{
    if (m_mpv == nullptr)
        return;
    // Until libmpv names this file's playlist entry, what it reports belongs
    // to the file before (ended, stopped or replaced), not to this one.
    m_currentEntry = -1;
    m_zoomValue = 0.0f;
    qCDebug(lcPlayback).noquote() << "open" << path << "at" << startSeconds;
    const QByteArray file = path.toUtf8();
    // Options of this file only (libmpv restores them at its end): an exact
    // start where one is asked for.
    const QByteArray options = startSeconds > 0
                                   ? "start=" + QByteArray::number(startSeconds, 'f', 3) + ",hr-seek=yes"
                                   : QByteArray();
    const char *args[] = {"loadfile", file.constData(), options.isEmpty() ? nullptr : "replace",
                          options.isEmpty() ? nullptr : options.constData(), nullptr};
    if (mpv_command_async(m_mpv, kLoadFileReply, args) >= 0)
        ++m_loadRepliesPending;
    else
        qCWarning(lcPlayback).noquote() << "libmpv refused to open" << path;
}

void PlayLabel::on_file_contiue()
{
    setOption("pause", QStringLiteral("no"));
}

void PlayLabel::on_file_pause()
{
    setOption("pause", QStringLiteral("yes"));
}

void PlayLabel::on_file_Scale(bool isKeepRatio)
{
    m_keepRatio = isKeepRatio;
    // Not keeping the ratio stretches the picture over the whole display; the
    // base zoom is 0 either way.
    setOption("keepaspect", isKeepRatio ? QStringLiteral("yes") : QStringLiteral("no"));
    setOption(kVideoZoom, QStringLiteral("0"));
}

void PlayLabel::applyZoom(float value)
{
    setOption(kVideoZoom, QString::number(value, 'g', 6));
}

bool PlayLabel::on_file_zoom_in()
{
    m_zoomValue += 0.5f;
    if (m_zoomValue > 3.0f) {
        m_zoomValue = 3.0f;
        return false;
    }
    applyZoom(m_zoomValue);
    return true;
}

bool PlayLabel::on_file_zoom_out()
{
    m_zoomValue -= 0.5f;
    if (m_zoomValue < 0.0f) {
        m_zoomValue = 0.0f;
        return false;
    }
    if (m_zoomValue == 0.0f) {
        on_file_Scale(m_keepRatio);
        return true;
    }
    applyZoom(m_zoomValue);
    return true;
}

void PlayLabel::on_file_Speed(float speed)
{
    setOption("speed", QString::number(speed, 'g', 6));
}

void PlayLabel::on_file_volume(int volume)
{
    if (volume == m_volume)
        return;
    m_volume = volume;
    setOption(kVolume, QString::number(volume));
}

void PlayLabel::on_file_Mute(bool bMute)
{
    if (bMute) {
        setOption(kVolume, QStringLiteral("0"));
        m_muted = true;
    } else {
        setOption(kVolume, QString::number(m_volume));
        m_muted = false;
    }
}

void PlayLabel::on_file_Mute()
{
    on_file_Mute(!m_muted);
}

void PlayLabel::setSilent(bool silent)
{
    if (m_mpv != nullptr)
        mpv_set_property_string(m_mpv, "aid", silent ? "no" : "auto");
}

void PlayLabel::on_file_seek(int seconds)
{
    if (m_mpv == nullptr)
        return;
    command("seek", QString::number(seconds).toLatin1(), "absolute");
}

void PlayLabel::get_length_string()
{
    command("length");
}

void PlayLabel::set_shot_Path(QString path)
{
    Q_UNUSED(path);
    setOption("screenshot-template", QStringLiteral("E:/mpv-screenshot-%f-%p"));
}

void PlayLabel::shotImage(QString filepath)
{
    if (m_mpv == nullptr)
        return;
    const uint64_t id = m_nextShotId++;
    m_pendingShots.insert(id, filepath);
    command("screenshot-to-file", filepath.toUtf8(), QByteArray(), id);
}

double PlayLabel::doubleProperty(const char *name, double fallback) const
{
    double value = fallback;
    if (m_mpv == nullptr || mpv_get_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return fallback;
    return value;
}

double PlayLabel::precisePosition() const
{
    return doubleProperty(kTimePos, -1.0);
}

int64_t PlayLabel::frameNumber() const
{
    int64_t frame = -1;
    if (m_mpv == nullptr || mpv_get_property(m_mpv, "estimated-frame-number", MPV_FORMAT_INT64, &frame) < 0)
        return -1;
    return frame;
}

double PlayLabel::frameDuration() const
{
    const double fps = doubleProperty("container-fps", 0.0);
    return fps > 0.5 && fps < 1000.0 ? 1.0 / fps : 1.0 / 30.0;
}

double PlayLabel::playbackSpeed() const
{
    return doubleProperty("speed", 1.0);
}

bool PlayLabel::isPaused() const
{
    int paused = 0;
    if (m_mpv != nullptr)
        mpv_get_property(m_mpv, "pause", MPV_FORMAT_FLAG, &paused);
    return paused != 0;
}

void PlayLabel::seekExact(double seconds)
{
    if (m_mpv == nullptr)
        return;
    command("seek", QByteArray::number(qMax(0.0, seconds), 'f', 6), "absolute+exact");
}

void PlayLabel::setPlaybackSpeed(double speed)
{
    if (m_mpv == nullptr)
        return;
    mpv_set_property(m_mpv, "speed", MPV_FORMAT_DOUBLE, &speed);
}

void PlayLabel::frameStep()
{
    command("frame-step");
}

void PlayLabel::frameBackStep()
{
    command("frame-back-step");
}

void PlayLabel::on_mpv_events()
{
    // A signal handler may delete this label; stop draining then.
    QPointer<PlayLabel> guard(this);
    while (guard && m_mpv != nullptr) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0.0);
        if (event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_SHUTDOWN)
            break;
        dispatchMpvEvent(event);
    }
}

void PlayLabel::onLoadFileReply(const mpv_event *event)
{
    // Files asked for one after another (a recording replacing another at
    // once): only the last one's reply names the display's file.
    if (--m_loadRepliesPending > 0)
        return;
    m_loadRepliesPending = 0;
    // A file that could not even be asked for is never started.
    if (event->error < 0) {
        m_currentEntry = -1;
        return;
    }
    // The entry the new file got; unknown (0), the next one started is it.
    m_currentEntry = 0;
    const auto *reply = static_cast<const mpv_event_command *>(event->data);
    if (reply == nullptr || reply->result.format != MPV_FORMAT_NODE_MAP)
        return;
    const mpv_node_list *map = reply->result.u.list;
    for (int i = 0; map != nullptr && i < map->num; ++i) {
        if (std::strcmp(map->keys[i], "playlist_entry_id") == 0 && map->values[i].format == MPV_FORMAT_INT64)
            m_currentEntry = map->values[i].u.int64;
    }
    if (m_currentEntry == 0 && m_startedEntry > 0)
        m_currentEntry = m_startedEntry;
}

bool PlayLabel::isCurrentEntry(int64_t entry) const
{
    return m_loadRepliesPending == 0 && m_currentEntry > 0 && entry == m_currentEntry;
}

void PlayLabel::onSoundOutput(const char *output)
{
    // None while no file with sound plays: nothing new.
    if (output == nullptr || *output == '\0')
        return;
    if (std::strcmp(output, "null") != 0) {
        setSoundOutputMissing(false);
        return;
    }
    // The null output stands in for one that failed, unless it was asked for.
    char *chosen = mpv_get_property_string(m_mpv, "options/ao");
    const bool asked = chosen != nullptr && QByteArray(chosen).split(',').contains("null");
    mpv_free(chosen);
    if (!asked)
        setSoundOutputMissing(true);
}

void PlayLabel::setSoundOutputMissing(bool missing)
{
    if (missing == m_soundOutputMissing)
        return;
    m_soundOutputMissing = missing;
    if (missing)
        qCDebug(lcPlayback) << "no sound output could be opened; playing without sound";
    else
        qCDebug(lcPlayback) << "a sound output opened again";
    emit sigSoundOutputChanged(missing);
}

void PlayLabel::onLoadedFact(const mpv_event *event)
{
    const auto *prop = static_cast<const mpv_event_property *>(event->data);
    if (m_loaded.pending == 0 || int64_t(event->reply_userdata) != m_startedEntry ||
        !isCurrentEntry(m_startedEntry) || prop == nullptr || prop->name == nullptr)
        return;
    // A fact the file does not have (no picture, say) stays 0.
    if (event->error >= 0 && prop->data != nullptr) {
        if (prop->format == MPV_FORMAT_DOUBLE && std::strcmp(prop->name, "duration") == 0)
            m_loaded.duration = *static_cast<const double *>(prop->data);
        else if (prop->format == MPV_FORMAT_INT64 && std::strcmp(prop->name, "file-size") == 0)
            m_loaded.fileSize = *static_cast<const int64_t *>(prop->data);
        else if (prop->format == MPV_FORMAT_INT64 && std::strcmp(prop->name, "width") == 0)
            m_loaded.width = *static_cast<const int64_t *>(prop->data);
        else if (prop->format == MPV_FORMAT_INT64 && std::strcmp(prop->name, "height") == 0)
            m_loaded.height = *static_cast<const int64_t *>(prop->data);
    }
    if (--m_loaded.pending > 0)
        return;
    qCDebug(lcPlayback) << "loaded:" << m_loaded.duration << "s," << m_loaded.width << "x" << m_loaded.height
                        << "," << m_loaded.fileSize << "bytes";
    emit sigUpdateFileAttribute(m_loaded.fileSize, int(m_loaded.width), int(m_loaded.height));
    emit sigSetVideoRange(float(m_loaded.duration));
}

void PlayLabel::dispatchMpvEvent(const mpv_event *event)
{
    if (event->event_id != MPV_EVENT_PROPERTY_CHANGE)
        qCDebug(lcPlayback) << "engine event" << mpv_event_name(event->event_id);
    // The news of a file that was replaced: its load, first frame and
    // position are no longer the display's.
    const bool stale = !isCurrentEntry(m_startedEntry);

    switch (event->event_id) {
    case MPV_EVENT_COMMAND_REPLY: {
        if (event->reply_userdata == kLoadFileReply)
            onLoadFileReply(event);
        const QString shot = m_pendingShots.take(event->reply_userdata);
        if (!shot.isNull()) {
            QPointer<PlayLabel> guard(this);
            emit sigShotFinished(shot, event->error >= 0);
            if (!guard)
                return;
        }
        emit sigCommandReplay();
        break;
    }
    case MPV_EVENT_START_FILE: {
        const auto *start = static_cast<const mpv_event_start_file *>(event->data);
        m_startedEntry = start ? start->playlist_entry_id : -1;
        if (m_loadRepliesPending == 0 && m_currentEntry == 0)
            m_currentEntry = m_startedEntry;
        break;
    }
    case MPV_EVENT_END_FILE: {
        const auto *end = static_cast<const mpv_event_end_file *>(event->data);
        const bool current = end != nullptr && isCurrentEntry(end->playlist_entry_id);
        // A sound output that cannot open is no fault of the file: its
        // picture played to the end.
        const bool noSound =
            current && end->reason == MPV_END_FILE_REASON_ERROR && end->error == MPV_ERROR_AO_INIT_FAILED;
        m_lastEndWasError = current && end->reason == MPV_END_FILE_REASON_ERROR && !noSound;
        m_lastEndWasEof = current && (end->reason == MPV_END_FILE_REASON_EOF || noSound);
        if (m_lastEndWasError)
            qCInfo(lcPlayback) << "the file cannot be played:" << mpv_error_string(end->error);
        if (noSound) {
            QPointer<PlayLabel> guard(this);
            setSoundOutputMissing(true);
            if (!guard)
                return;
        }
        emit sigPlayFinish();
        break;
    }
    case MPV_EVENT_FILE_LOADED: {
        if (stale)
            break;
        // Asked without waiting (the core is still starting the file); the
        // replies carry the entry they were asked for.
        m_loaded = LoadedFacts();
        const auto entry = uint64_t(m_startedEntry);
        for (const char *name : {"file-size", "width", "height"})
            m_loaded.pending += mpv_get_property_async(m_mpv, entry, name, MPV_FORMAT_INT64) >= 0;
        m_loaded.pending += mpv_get_property_async(m_mpv, entry, "duration", MPV_FORMAT_DOUBLE) >= 0;
        break;
    }
    case MPV_EVENT_GET_PROPERTY_REPLY:
        onLoadedFact(event);
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (!stale)
            emit sigPlaybackRestart();
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *prop = static_cast<const mpv_event_property *>(event->data);
        if (prop != nullptr && prop->name != nullptr && std::strcmp(prop->name, kCurrentAo) == 0) {
            onSoundOutput(prop->format == MPV_FORMAT_STRING && prop->data != nullptr
                              ? *static_cast<const char *const *>(prop->data)
                              : nullptr);
            break;
        }
        if (!stale && prop != nullptr && prop->name != nullptr && std::strcmp(prop->name, kTimePos) == 0 &&
            prop->format == MPV_FORMAT_DOUBLE && prop->data != nullptr)
            emit sigProgressChange(float(*static_cast<const double *>(prop->data)));
        break;
    }
    default:
        break;
    }
}

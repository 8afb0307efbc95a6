#include "library/KoMediaTool.h"

#include "app/KoLogging.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// ffprobe's answers are small (stream lists, the packets of half a minute):
// anything far larger is not one of them.
constexpr int kMaxOutput = 64 << 20;
constexpr int kErrorTail = 4096;
constexpr int kPollMs = 100;

// "out_time_us=12345678" (microseconds; ffmpeg's out_time_ms is the same number).
bool readProgress(const QByteArray &line, double *seconds)
{
    static const QByteArray key = "out_time_us=";
    if (!line.startsWith(key))
        return false;
    bool ok = false;
    const qint64 us = line.mid(key.size()).trimmed().toLongLong(&ok);
    if (!ok || us < 0)
        return false;
    *seconds = double(us) / 1e6;
    return true;
}

} // namespace

QString KoMediaTool::program(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

KoMediaTool::Outcome KoMediaTool::run(const QString &name, const QStringList &arguments,
                                      const std::atomic<bool> *cancel, const Progress &progress)
{
    Outcome outcome;
    const QString path = program(name);
    if (path.isEmpty()) {
        outcome.kind = Outcome::Missing;
        outcome.error = QStringLiteral("%1 is not installed").arg(name);
        qCWarning(lcLibrary) << outcome.error;
        return outcome;
    }
    qCDebug(lcLibrary).noquote() << name << arguments.join(QLatin1Char(' '));

    QProcess process;
    // Untranslated system messages, so that a full disk is recognised.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForStarted()) {
        outcome.error = process.errorString();
        qCWarning(lcLibrary) << "cannot start" << path << outcome.error;
        return outcome;
    }

    QByteArray errors;
    QByteArray pending;
    auto drain = [&] {
        errors += process.readAllStandardError();
        if (errors.size() > 2 * kErrorTail)
            errors = errors.right(kErrorTail);
        const QByteArray out = process.readAllStandardOutput();
        if (!progress) {
            outcome.output += out;
            return;
        }
        pending += out;
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            double seconds;
            if (readProgress(pending.left(end), &seconds))
                progress(seconds);
            pending.remove(0, end + 1);
        }
    };
    bool cancelled = false;
    bool tooLong = false;
    while (!process.waitForFinished(kPollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        drain();
        tooLong = outcome.output.size() > kMaxOutput;
        if ((cancel && cancel->load()) || tooLong) {
            cancelled = !tooLong;
            process.kill();
            process.waitForFinished(-1);
            break;
        }
    }
    drain();
    outcome.error = QString::fromLocal8Bit(errors.right(kErrorTail)).trimmed();
    outcome.diskFull = errors.contains("No space left on device");
    if (cancelled) {
        outcome.kind = Outcome::Cancelled;
    } else if (tooLong) {
        outcome.error = QStringLiteral("%1 wrote more than %2 bytes").arg(name).arg(kMaxOutput);
    } else if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        outcome.kind = Outcome::Done;
    } else if (outcome.error.isEmpty()) {
        outcome.error = QStringLiteral("%1 ended with code %2").arg(name).arg(process.exitCode());
    }
    if (!outcome.ok() && !cancelled)
        qCWarning(lcLibrary).noquote() << name << "failed:" << outcome.error.right(400);
    return outcome;
}

#include "app/KoSingleInstance.h"

#include "app/KoLogging.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[] = "TVRN";
constexpr char kAck = '1';
// A hand-over is a list of paths; anything far larger is not one of ours.
constexpr quint32 kMaxMessageBytes = 4 * 1024 * 1024;
constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 3000;
// The running player answers from its event loop, which may still be busy
// starting up.
constexpr int kAckMs = 10000;
// The most a connecting client has to send its whole message.
constexpr int kClientMs = 5000;

// A folder only this user can enter: made with mode 0700, or an existing one
// that this user owns and nobody else can write to.
bool isPrivateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

// The runtime folder as the desktop sets it up: this user's, and nobody
// else may create or replace a socket in it.
bool isOwnRuntimeFolder(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0022) == 0;
}

} // namespace

KoSingleInstance::KoSingleInstance(QObject *parent)
    : KoSingleInstance(defaultSocketPath(), parent)
{}

KoSingleInstance::KoSingleInstance(const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{}

KoSingleInstance::~KoSingleInstance()
{
    if (m_server)
        m_server->close(); // removes the socket file
}

QString KoSingleInstance::socketName()
{
    // One player per settings folder and display: a start on another display
    // could not bring the window to the front, and players run with their
    // own settings (as the tests do) stay apart.
    const QByteArray key =
        qgetenv("XDG_CONFIG_HOME") + '\n' + qgetenv("DISPLAY") + '\n' + qgetenv("WAYLAND_DISPLAY");
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("tavrin-player-%1.socket").arg(QString::fromLatin1(hash));
}

QString KoSingleInstance::defaultSocketPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        if (isOwnRuntimeFolder(runtime))
            return QDir(runtime).filePath(socketName());
        qCWarning(lcApp) << "not using the runtime folder" << runtime
                         << "for the hand-over: not this user's own, or others may write to it";
    }
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("tavrin-player-%1").arg(::getuid()));
    if (!isPrivateFolder(folder)) {
        qCWarning(lcApp) << "no private folder for the hand-over socket:" << folder;
        return QString();
    }
    return QDir(folder).filePath(socketName());
}

bool KoSingleInstance::handOver(const QStringList &paths)
{
    if (m_socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kConnectMs))
        return sendTo(socket, paths);
    qCDebug(lcApp) << "no running player:" << socket.errorString();
    if (QFileInfo::exists(m_socketPath)) {
        // Nobody answered on it: a crashed run left it behind.
        qCInfo(lcApp) << "removing stale socket" << m_socketPath;
        QLocalServer::removeServer(m_socketPath);
    }
    listen();
    return false;
}

bool KoSingleInstance::sendTo(QLocalSocket &socket, const QStringList &paths)
{
    // "TVRN", the length of the rest, then the paths in UTF-8, each ended by
    // a zero byte.
    QByteArray body;
    for (const QString &path : paths)
        body += path.toUtf8() + '\0';
    QByteArray message;
    {
        QDataStream out(&message, QIODevice::WriteOnly);
        out.writeRawData(kMagic, sizeof kMagic - 1);
        out << quint32(body.size());
        out.writeRawData(body.constData(), body.size());
    }
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kWriteMs)) {
            qCWarning(lcApp) << "handing the files over failed:" << socket.errorString();
            return false;
        }
    }
    if (socket.waitForReadyRead(kAckMs) && socket.read(1) == QByteArray(1, kAck))
        qCInfo(lcApp) << "handed over to the running player:" << paths;
    else
        qCInfo(lcApp) << "sent to the running player, no answer yet:" << paths;
    socket.disconnectFromServer();
    return true;
}

bool KoSingleInstance::listen()
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &KoSingleInstance::acceptConnection);
    if (m_server->listen(m_socketPath))
        return true;
    qCWarning(lcApp) << "cannot listen for other starts on" << m_socketPath << m_server->errorString();
    m_server.reset();
    return false;
}

bool KoSingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void KoSingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        // A hand-over takes milliseconds; a client that writes nothing, or
        // stops in the middle of its message, does not keep the connection.
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, [socket] {
            qCWarning(lcApp) << "hand-over connection dropped: no complete message in time";
            drop(socket);
        });
        deadline->start(kClientMs);
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void KoSingleInstance::drop(QLocalSocket *socket)
{
    socket->abort();
    socket->deleteLater();
}

void KoSingleInstance::readMessage(QLocalSocket *socket)
{
    const int header = int(sizeof kMagic - 1) + 4;
    if (socket->bytesAvailable() < header)
        return; // wait for the rest
    const QByteArray head = socket->peek(header);
    quint32 length = 0;
    QDataStream(head.mid(header - 4)) >> length;
    if (!head.startsWith(kMagic) || length > kMaxMessageBytes) {
        qCWarning(lcApp) << "not a hand-over, dropped";
        drop(socket);
        return;
    }
    if (socket->bytesAvailable() < header + qint64(length))
        return;
    socket->read(header);
    const QByteArray body = socket->read(length);
    QStringList paths;
    for (const QByteArray &path : body.split('\0'))
        if (!path.isEmpty())
            paths << QString::fromUtf8(path);
    qCInfo(lcApp) << "received" << paths;
    socket->write(QByteArray(1, kAck));
    socket->flush();
    emit pathsReceived(paths);
}

void KoSingleInstance::serve(QWidget *window, std::function<void(const QStringList &)> open,
                             const QStringList &initialPaths)
{
    m_window = window;
    m_open = std::move(open);
    connect(this, &KoSingleInstance::pathsReceived, this, [this](const QStringList &paths) {
        bringToFront(m_window);
        if (m_open && !paths.isEmpty())
            m_open(paths);
    });
    if (!initialPaths.isEmpty() && m_open)
        QTimer::singleShot(0, this, [this, initialPaths] { m_open(initialPaths); });
}

void KoSingleInstance::bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QWidget;

// One player per user: the first start listens on a local socket in the
// user's runtime folder; a later start hands its files to it and exits.
class KoSingleInstance : public QObject
{
    Q_OBJECT

public:
    // Socket at defaultSocketPath(), or at `socketPath`.
    explicit KoSingleInstance(QObject *parent = nullptr);
    explicit KoSingleInstance(const QString &socketPath, QObject *parent = nullptr);
    ~KoSingleInstance() override;

    // socketName() in $XDG_RUNTIME_DIR when this user owns it and nobody
    // else may write to it; otherwise in a folder of this user's own in the
    // temporary folder. Empty when neither can be used safely (then every
    // start runs on its own).
    static QString defaultSocketPath();
    // "tavrin-player-<hash of the settings folder and display>.socket"
    static QString socketName();
    QString socketPath() const { return m_socketPath; }

    // When a player already listens on the socket, sends it `paths` and
    // returns true: the caller exits. Otherwise listens itself (replacing a
    // socket left behind by a crashed run) and returns false.
    bool handOver(const QStringList &paths);
    bool isListening() const;

    // Once the event loop runs, opens `initialPaths` (when any) through
    // `open`; later hand-overs bring `window` to the front and open theirs.
    void serve(QWidget *window, std::function<void(const QStringList &)> open,
               const QStringList &initialPaths);
    static void bringToFront(QWidget *window);

signals:
    void pathsReceived(const QStringList &paths);

private:
    bool sendTo(QLocalSocket &socket, const QStringList &paths);
    bool listen();
    void acceptConnection();
    void readMessage(QLocalSocket *socket);
    static void drop(QLocalSocket *socket);

    QString m_socketPath;
    std::unique_ptr<QLocalServer> m_server;
    QPointer<QWidget> m_window;
    std::function<void(const QStringList &)> m_open;
};

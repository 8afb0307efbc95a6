// A stand-in for a file manager in the desktop tests: a small window that,
// pressed with the mouse, drags the files named on its command line as a
// file manager does (text/uri-list, through the X server's drag and drop).
//
// Usage: drag_source X Y FILE...
// The window is placed at X,Y; once it is on the screen the program prints
// "ready <x> <y>" (the global centre of the window) and, after the drag,
// "dropped <action>" (0 when nobody took the files), then ends.

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

class DragSource : public QLabel
{
public:
    explicit DragSource(const QList<QUrl> &urls)
        : m_urls(urls)
    {
        setText(QStringLiteral("recordings"));
        setAlignment(Qt::AlignCenter);
        setWindowTitle(QStringLiteral("drag source"));
        setStyleSheet(QStringLiteral("background: #ffd36b; font: 16px sans-serif;"));
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *mime = new QMimeData;
        mime->setUrls(m_urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction action =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("dropped %d\n", int(action));
        std::fflush(stdout);
        QTimer::singleShot(200, qApp, &QCoreApplication::quit);
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: drag_source X Y FILE...\n");
        return 2;
    }
    QList<QUrl> urls;
    for (int i = 3; i < args.size(); ++i)
        urls << QUrl::fromLocalFile(args[i]);
    DragSource source(urls);
    source.setGeometry(args[1].toInt(), args[2].toInt(), 200, 120);
    source.show();
    // The window manager places and maps the window first.
    QTimer::singleShot(800, &source, [&source] {
        const QPoint centre = source.mapToGlobal(source.rect().center());
        std::printf("ready %d %d\n", centre.x(), centre.y());
        std::fflush(stdout);
    });
    // Never left behind by a test that failed.
    QTimer::singleShot(120000, &app, &QCoreApplication::quit);
    return app.exec();
}

#include "MouseEvents.h"
#include "TestMain.h"

#include "widgets/KoBasicWidget.h"
#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

namespace {

class Window : public KoBasicWidget
{
public:
    Window()
    {
        resize(800, 500);
        initTitleBar();
    }
    bool showAt(const QPoint &pos)
    {
        move(pos);
        show();
        return QTest::qWaitForWindowExposed(this);
    }
    QPushButton *button(const char *name) const
    {
        return m_titleBar->findChild<QPushButton *>(QLatin1String(name));
    }
    QPoint titlePoint() const { return m_titleBar->mapToGlobal(QPoint(300, 17)); }
};

QRect availableGrownBy3()
{
    return QGuiApplication::primaryScreen()->availableGeometry().adjusted(-3, -3, 3, 3);
}

} // namespace

class tst_KoBasicWidget : public QObject
{
    Q_OBJECT

private slots:
    void isFramelessWithTitleBarAtTheTop()
    {
        Window w;
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w.titleBar());
        QCOMPARE(w.titleBar()->parentWidget(), &w);
        QCOMPARE(w.titleBar()->pos(), QPoint(0, 0));
        QCOMPARE(w.titleBar()->buttonType(), int(KoTitleBar::ButtonTypeMinMaxClose));
    }

    void maximiseCoversTheAvailableAreaAndRestoreReturns()
    {
        Window w;
        QVERIFY(w.showAt(QPoint(120, 90)));
        const QRect normal = w.geometry();
        QTest::mouseClick(w.button("ButtonMax"), Qt::LeftButton);
        QTRY_COMPARE(w.geometry(), availableGrownBy3());
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
        QVERIFY(w.button("ButtonRestore")->isVisible());

        QTest::mouseClick(w.button("ButtonRestore"), Qt::LeftButton);
        QTRY_COMPARE(w.geometry(), normal);
        QVERIFY(w.button("ButtonMax")->isVisible());
    }

    void doubleClickMaximisesAndDragIsRefusedWhileMaximised()
    {
        Window w;
        QVERIFY(w.showAt(QPoint(60, 70)));
        const QRect normal = w.geometry();
        sendMouse(w.titleBar(), QEvent::MouseButtonDblClick, w.titlePoint());
        QTRY_COMPARE(w.geometry(), availableGrownBy3());

        drag(w.titleBar(), w.titlePoint(), {QPoint(50, 40)});
        QCOMPARE(w.geometry(), availableGrownBy3());

        sendMouse(w.titleBar(), QEvent::MouseButtonDblClick, w.titlePoint());
        QTRY_COMPARE(w.geometry(), normal);
        drag(w.titleBar(), w.titlePoint(), {QPoint(50, 40)});
        QTRY_COMPARE(w.geometry(), normal.translated(50, 40));
    }

    void eachMaximiseSavesTheGeometryBeforeIt()
    {
        Window w;
        QVERIFY(w.showAt(QPoint(100, 100)));
        w.onButtonMaxClicked();
        w.onButtonRestoreClicked();
        QTRY_COMPARE(w.pos(), QPoint(100, 100));
        w.move(300, 200);
        QTRY_COMPARE(w.pos(), QPoint(300, 200));
        w.onButtonMaxClicked();
        w.onButtonRestoreClicked();
        QTRY_COMPARE(w.geometry(), QRect(300, 200, 800, 500));
    }

    void restoreWithoutAMaximiseLeavesTheWindow()
    {
        Window w;
        QVERIFY(w.showAt(QPoint(100, 100)));
        w.onButtonRestoreClicked();
        QCOMPARE(w.geometry(), QRect(100, 100, 800, 500));
    }

    // Last: it ends an event loop with the application's exit.
    void closeButtonEndsTheApplicationWithZero()
    {
        Window w;
        QVERIFY(w.showAt(QPoint(100, 100)));
        QTimer::singleShot(0, &w, [&w] { QTest::mouseClick(w.button("ButtonClose"), Qt::LeftButton); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

TAVRIN_TEST_MAIN(tst_KoBasicWidget, QApplication)
#include "tst_KoBasicWidget.moc"

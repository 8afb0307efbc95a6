#include "MouseEvents.h"
#include "TestMain.h"

#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// A frameless window holding just a title bar, as the frameless bases do.
struct Window
{
    QWidget widget;
    KoTitleBar *bar;

    explicit Window(int width = 800)
    {
        widget.setWindowFlags(Qt::FramelessWindowHint);
        widget.setObjectName(QStringLiteral("window"));
        widget.setStyleSheet(QStringLiteral("QWidget#window { background-color: rgb(255, 0, 0); }"));
        widget.resize(width, 300);
        bar = new KoTitleBar(&widget);
        bar->move(0, 0);
    }
    bool show()
    {
        widget.move(200, 150);
        widget.show();
        return QTest::qWaitForWindowExposed(&widget);
    }
    QPushButton *button(const char *name) const { return bar->findChild<QPushButton *>(QLatin1String(name)); }
    bool visible(const char *name) const { return button(name)->isVisibleTo(bar); }
    // A point of the title area that holds no button.
    QPoint titlePoint() const { return bar->mapToGlobal(QPoint(300, 17)); }
};

} // namespace

class tst_KoTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void freshBarShowsMenuMinMaxAndClose()
    {
        Window w;
        QCOMPARE(w.bar->height(), 35);
        QCOMPARE(w.bar->buttonType(), int(KoTitleBar::ButtonTypeMinMaxClose));
        QVERIFY(w.visible("ButtonMenu"));
        QVERIFY(w.visible("ButtonMin"));
        QVERIFY(!w.visible("ButtonRestore"));
        QVERIFY(w.visible("ButtonMax"));
        QVERIFY(w.visible("ButtonClose"));
        for (const char *name : {"ButtonMenu", "ButtonMin", "ButtonRestore", "ButtonMax", "ButtonClose"})
            QCOMPARE(w.button(name)->size(), QSize(30, 30));
        const QLabel *icon = w.bar->findChild<QLabel *>(QStringLiteral("TitleIcon"));
        QVERIFY(icon && !icon->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(132, 28));
    }

    void buttonTypesOnlyHide()
    {
        Window minClose;
        minClose.bar->setButtonType(KoTitleBar::ButtonTypeMinClose);
        QVERIFY(!minClose.visible("ButtonMax"));
        QVERIFY(!minClose.visible("ButtonRestore"));
        QVERIFY(minClose.visible("ButtonMin"));
        QVERIFY(minClose.visible("ButtonMenu"));
        QVERIFY(minClose.visible("ButtonClose"));

        Window closeOnly;
        closeOnly.bar->setButtonType(KoTitleBar::ButtonTypeCloseOnly);
        for (const char *name : {"ButtonMenu", "ButtonMin", "ButtonRestore", "ButtonMax"})
            QVERIFY2(!closeOnly.visible(name), name);
        QVERIFY(closeOnly.visible("ButtonClose"));
        // Going back to type 1 shows nothing again.
        closeOnly.bar->setButtonType(KoTitleBar::ButtonTypeMinMaxClose);
        QVERIFY(!closeOnly.visible("ButtonMin"));
        QVERIFY(!closeOnly.visible("ButtonMenu"));
        QVERIFY(!closeOnly.visible("ButtonMax"));
    }

    void menuButtonEmitsOnce()
    {
        Window w;
        QVERIFY(w.show());
        QSignalSpy menu(w.bar, &KoTitleBar::signalShowAppSetting);
        QTest::mouseClick(w.button("ButtonMenu"), Qt::LeftButton);
        QCOMPARE(menu.count(), 1);
    }

    void maxAndRestoreButtonsSwapAndSignal()
    {
        Window w;
        QVERIFY(w.show());
        QSignalSpy max(w.bar, &KoTitleBar::signalButtonMaxClicked);
        QSignalSpy restore(w.bar, &KoTitleBar::signalButtonRestoreClicked);
        QSignalSpy min(w.bar, &KoTitleBar::signalButtonMinClicked);
        QSignalSpy close(w.bar, &KoTitleBar::signalButtonCloseClicked);

        QTest::mouseClick(w.button("ButtonMax"), Qt::LeftButton);
        QCOMPARE(max.count(), 1);
        QVERIFY(!w.visible("ButtonMax"));
        QVERIFY(w.visible("ButtonRestore"));

        QTest::mouseClick(w.button("ButtonRestore"), Qt::LeftButton);
        QCOMPARE(restore.count(), 1);
        QVERIFY(w.visible("ButtonMax"));
        QVERIFY(!w.visible("ButtonRestore"));

        QTest::mouseClick(w.button("ButtonMin"), Qt::LeftButton);
        QTest::mouseClick(w.button("ButtonClose"), Qt::LeftButton);
        QCOMPARE(min.count(), 1);
        QCOMPARE(close.count(), 1);
        QCOMPARE(max.count(), 1);
        QCOMPARE(restore.count(), 1);
    }

    void doubleClickTogglesOnlyInTypeOne()
    {
        Window w;
        QVERIFY(w.show());
        QSignalSpy max(w.bar, &KoTitleBar::signalButtonMaxClicked);
        QSignalSpy restore(w.bar, &KoTitleBar::signalButtonRestoreClicked);
        sendMouse(w.bar, QEvent::MouseButtonDblClick, w.titlePoint());
        QCOMPARE(max.count(), 1);
        QVERIFY(w.visible("ButtonRestore"));
        sendMouse(w.bar, QEvent::MouseButtonDblClick, w.titlePoint());
        QCOMPARE(restore.count(), 1);
        QVERIFY(w.visible("ButtonMax"));

        for (int type : {int(KoTitleBar::ButtonTypeMinClose), int(KoTitleBar::ButtonTypeCloseOnly)}) {
            Window other;
            other.bar->setButtonType(type);
            QVERIFY(other.show());
            QSignalSpy otherMax(other.bar, &KoTitleBar::signalButtonMaxClicked);
            QSignalSpy otherRestore(other.bar, &KoTitleBar::signalButtonRestoreClicked);
            sendMouse(other.bar, QEvent::MouseButtonDblClick, other.titlePoint());
            QCOMPARE(otherMax.count(), 0);
            QCOMPARE(otherRestore.count(), 0);
            QVERIFY(!other.visible("ButtonRestore"));
        }
    }

    void dragMovesTheWindowByEachStep()
    {
        Window w;
        QVERIFY(w.show());
        const QPoint start = w.widget.pos();
        // Fast moves: each event applies only its own delta.
        drag(w.bar, w.titlePoint(), {QPoint(40, 10), QPoint(1, 1), QPoint(-15, 27), QPoint(120, -3)});
        QTRY_COMPARE(w.widget.pos(), start + QPoint(146, 35));
        // After the release, moving does nothing.
        const QPoint after = w.widget.pos();
        sendMouse(w.bar, QEvent::MouseMove, w.titlePoint() + QPoint(50, 50));
        QCOMPARE(w.widget.pos(), after);
    }

    void noDragWhileMaximisedInTypeOne()
    {
        Window w;
        QVERIFY(w.show());
        w.bar->onButtonMaxClicked(); // the window's maximise is not wired here
        const QPoint start = w.widget.pos();
        drag(w.bar, w.titlePoint(), {QPoint(30, 30)});
        QCOMPARE(w.widget.pos(), start);

        w.bar->onButtonRestoreClicked();
        drag(w.bar, w.titlePoint(), {QPoint(30, 30)});
        QTRY_COMPARE(w.widget.pos(), start + QPoint(30, 30));
    }

    void otherTypesDragEvenWithMaxHidden()
    {
        for (int type : {int(KoTitleBar::ButtonTypeMinClose), int(KoTitleBar::ButtonTypeCloseOnly)}) {
            Window w;
            w.bar->setButtonType(type);
            QVERIFY(w.show());
            const QPoint start = w.widget.pos();
            drag(w.bar, w.titlePoint(), {QPoint(-20, 12)});
            QTRY_COMPARE(w.widget.pos(), start + QPoint(-20, 12));
        }
    }

    void pressOnAButtonStartsNoDrag()
    {
        Window w;
        QVERIFY(w.show());
        const QPoint start = w.widget.pos();
        QPushButton *min = w.button("ButtonMin");
        const QPoint onButton = min->mapToGlobal(min->rect().center());
        sendMouse(min, QEvent::MouseButtonPress, onButton);
        // Even a move that reaches the bar itself must not drag.
        sendMouse(w.bar, QEvent::MouseMove, onButton + QPoint(-60, 25));
        sendMouse(min, QEvent::MouseButtonRelease, onButton + QPoint(-60, 25));
        QCOMPARE(w.widget.pos(), start);
    }

    void widthFollowsTheWindowOnPaint()
    {
        Window w(800);
        QVERIFY(w.show());
        QTRY_COMPARE(w.bar->width(), 800);
        w.widget.resize(1000, 300);
        QTRY_COMPARE(w.bar->width(), 1000);
        w.widget.resize(640, 300);
        QTRY_COMPARE(w.bar->width(), 640);
    }

    void paintsItsBackgroundUnlessTransparent()
    {
        Window w;
        QVERIFY(w.show());
        QTRY_COMPARE(w.bar->width(), 800);
        const QPoint free(300, 17);
        QCOMPARE(w.widget.grab().toImage().pixelColor(free), QColor(5, 38, 61));
        w.bar->setTransparentStyle();
        QVERIFY(!w.bar->findChild<QLabel *>(QStringLiteral("TitleIcon"))->isVisibleTo(w.bar));
        QCOMPARE(w.widget.grab().toImage().pixelColor(free), QColor(255, 0, 0));
    }

    void titleIconScalesExactlyAndSurvivesABadPath()
    {
        Window w;
        const QLabel *icon = w.bar->findChild<QLabel *>(QStringLiteral("TitleIcon"));
        w.bar->setTitleIcon(QStringLiteral(":/images/images/logo.png"), QSize(66, 20));
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(66, 20));
        w.bar->setTitleIcon(QStringLiteral(":/images/images/no_such_image.png"), QSize(10, 10));
        QVERIFY(!icon->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(66, 20));
    }
};

TAVRIN_TEST_MAIN(tst_KoTitleBar, QApplication)
#include "tst_KoTitleBar.moc"

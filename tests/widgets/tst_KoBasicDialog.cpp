#include "MouseEvents.h"
#include "TestMain.h"

#include "widgets/KoBasicDialog.h"
#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class Dialog : public KoBasicDialog
{
public:
    Dialog()
    {
        resize(420, 300);
        initTitleBar();
    }
    bool showAt(const QPoint &pos)
    {
        move(pos);
        show();
        return QTest::qWaitForWindowExposed(this);
    }
    bool visible(const char *name) const
    {
        return m_titleBar->findChild<QPushButton *>(QLatin1String(name))->isVisibleTo(m_titleBar);
    }
    QPushButton *button(const char *name) const
    {
        return m_titleBar->findChild<QPushButton *>(QLatin1String(name));
    }
    QPoint titlePoint() const { return m_titleBar->mapToGlobal(QPoint(150, 17)); }
};

} // namespace

class tst_KoBasicDialog : public QObject
{
    Q_OBJECT

private slots:
    void framelessDialogWithOnlyAClose()
    {
        Dialog d;
        QCOMPARE(d.windowType(), Qt::Dialog);
        QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(d.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(d.titleBar()->buttonType(), int(KoTitleBar::ButtonTypeCloseOnly));
        for (const char *name : {"ButtonMenu", "ButtonMin", "ButtonRestore", "ButtonMax"})
            QVERIFY2(!d.visible(name), name);
        QVERIFY(d.visible("ButtonClose"));
        d.setAttribute(Qt::WA_DeleteOnClose, false); // on the stack here
    }

    void closeButtonClosesAndDeletes()
    {
        QPointer<Dialog> d = new Dialog;
        QVERIFY(d->showAt(QPoint(200, 200)));
        QTest::mouseClick(d->button("ButtonClose"), Qt::LeftButton);
        QTRY_VERIFY(d.isNull());
    }

    void doubleClickDoesNothingAndDragAlwaysWorks()
    {
        QPointer<Dialog> d = new Dialog;
        QVERIFY(d->showAt(QPoint(200, 200)));
        QSignalSpy max(d->titleBar(), &KoTitleBar::signalButtonMaxClicked);
        sendMouse(d->titleBar(), QEvent::MouseButtonDblClick, d->titlePoint());
        QCOMPARE(max.count(), 0);
        QCOMPARE(d->geometry(), QRect(200, 200, 420, 300));

        // ButtonMax is hidden in a dialog, which must not read as "maximised".
        drag(d->titleBar(), d->titlePoint(), {QPoint(25, -10), QPoint(5, 5)});
        QTRY_COMPARE(d->pos(), QPoint(230, 195));
        d->close();
        QTRY_VERIFY(d.isNull());
    }
};

TAVRIN_TEST_MAIN(tst_KoBasicDialog, QApplication)
#include "tst_KoBasicDialog.moc"

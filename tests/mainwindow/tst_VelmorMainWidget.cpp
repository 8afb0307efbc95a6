#include "TestMain.h"

#include "mainwindow/VelmorMainWidget.h"

#include <QApplication>

class tst_VelmorMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void closingEndsTheEventLoopWithZero()
    {
        VelmorMainWidget window;
        QCOMPARE(window.size(), QSize(1035, 665));
        QCOMPARE(window.minimumSize(), QSize(1035, 665));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTimer::singleShot(0, &window, &QWidget::close);
        // A code other than 0 would survive only if closing did not end the loop.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }
};

TAVRIN_TEST_MAIN(tst_VelmorMainWidget, QApplication)
#include "tst_VelmorMainWidget.moc"

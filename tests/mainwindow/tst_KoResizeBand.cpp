#include "TestMain.h"

#include "mainwindow/KoResizeBand.h"

#include <QCoreApplication>

class tst_KoResizeBand : public QObject
{
    Q_OBJECT

private slots:
    void bandsLieTwoToFivePixelsInFromEachEdge()
    {
        const QSize size(1035, 665);
        for (int x : {0, 1, 6, 7})
            QCOMPARE(KoResizeBand::edgesAt(QPoint(x, 300), size), Qt::Edges());
        for (int x = 2; x <= 5; ++x)
            QCOMPARE(KoResizeBand::edgesAt(QPoint(x, 300), size), Qt::Edges(Qt::LeftEdge));
        // On the far side the band ends one pixel short of the edge.
        for (int x : {1029, 1034})
            QCOMPARE(KoResizeBand::edgesAt(QPoint(x, 300), size), Qt::Edges());
        for (int x = 1030; x <= 1033; ++x)
            QCOMPARE(KoResizeBand::edgesAt(QPoint(x, 300), size), Qt::Edges(Qt::RightEdge));
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 1), size), Qt::Edges());
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 2), size), Qt::Edges(Qt::TopEdge));
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 659), size), Qt::Edges());
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 660), size), Qt::Edges(Qt::BottomEdge));
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 663), size), Qt::Edges(Qt::BottomEdge));
        QCOMPARE(KoResizeBand::edgesAt(QPoint(500, 664), size), Qt::Edges());
    }

    void cornersWhereTwoBandsMeetWithMatchingCursors()
    {
        const QSize size(1035, 665);
        const Qt::Edges bottomRight = KoResizeBand::edgesAt(QPoint(1031, 661), size);
        QCOMPARE(bottomRight, Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
        QCOMPARE(KoResizeBand::cursorFor(bottomRight), Qt::SizeFDiagCursor);
        const Qt::Edges bottomLeft = KoResizeBand::edgesAt(QPoint(3, 661), size);
        QCOMPARE(bottomLeft, Qt::Edges(Qt::LeftEdge | Qt::BottomEdge));
        QCOMPARE(KoResizeBand::cursorFor(bottomLeft), Qt::SizeBDiagCursor);
        QCOMPARE(KoResizeBand::cursorFor(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
        QCOMPARE(KoResizeBand::cursorFor(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
        QCOMPARE(KoResizeBand::cursorFor(Qt::LeftEdge), Qt::SizeHorCursor);
        QCOMPARE(KoResizeBand::cursorFor(Qt::BottomEdge), Qt::SizeVerCursor);
        QCOMPARE(KoResizeBand::cursorFor(Qt::Edges()), Qt::ArrowCursor);
    }

    void draggedGeometryStopsAtTheMinimumSize()
    {
        const QRect start(100, 100, 1100, 700);
        const QSize minimum(1035, 665);
        QCOMPARE(KoResizeBand::resized(start, Qt::LeftEdge, QPoint(-40, 9), minimum),
                 QRect(60, 100, 1140, 700));
        QCOMPARE(KoResizeBand::resized(start, Qt::RightEdge | Qt::BottomEdge, QPoint(20, 30), minimum),
                 QRect(100, 100, 1120, 730));
        // Shrinking past the minimum leaves the opposite edges where they were.
        QCOMPARE(KoResizeBand::resized(start, Qt::LeftEdge | Qt::TopEdge, QPoint(200, 200), minimum),
                 QRect(165, 135, 1035, 665));
        QCOMPARE(KoResizeBand::resized(start, Qt::RightEdge, QPoint(-500, 0), minimum),
                 QRect(100, 100, 1035, 700));
    }
};

TAVRIN_TEST_MAIN(tst_KoResizeBand, QCoreApplication)
#include "tst_KoResizeBand.moc"

#include "TestMain.h"

#include "mainwindow/KoSplitLayout.h"

#include <QCoreApplication>

using Mode = KoSplitLayout::Mode;

class tst_KoSplitLayout : public QObject
{
    Q_OBJECT

private slots:
    void threeDisplaysKeepingTheFrameInANineHundredBySixHundredArea()
    {
        const QRect area(10, 20, 900, 600);
        const auto p = KoSplitLayout::place(Mode::Stacked, area, {{true, true, true}});
        QCOMPARE(p.rects[0], QRect(10 + 94, 20, 711, 400));
        // The lower displays start on display 1's last row and column and
        // share their border pixel.
        QCOMPARE(p.rects[1], QRect(104, 20 + 399, 355, 200));
        QCOMPARE(p.rects[2], QRect(104 + 354, 20 + 399, 355, 200));
        QCOMPARE(p.visible, (std::array<bool, 3>{{true, true, true}}));

        const auto stretched = KoSplitLayout::place(Mode::Stacked, area, {{false, true, true}});
        QCOMPARE(stretched.rects[0], QRect(10, 20, 900, 400));
        QCOMPARE(stretched.rects[1].size(), QSize(450, 200));
    }

    void sideBySideAndAloneKeepTheFrameOnlyWhenAsked()
    {
        const QRect area(0, 0, 900, 600);
        const auto side = KoSplitLayout::place(Mode::SideBySide, area, {{true, true, true}});
        QCOMPARE(side.rects[0], QRect(0, 173, 450, 253));
        QCOMPARE(side.rects[1], QRect(449, 173, 450, 253));
        QCOMPARE(side.visible, (std::array<bool, 3>{{true, true, false}}));
        QVERIFY(side.rects[2].isEmpty());

        const auto full = KoSplitLayout::place(Mode::SideBySide, area, {{false, false, false}});
        QCOMPARE(full.rects[0], QRect(0, 0, 450, 600));

        // Each display alone reads its own keep flag.
        const auto third = KoSplitLayout::place(Mode::ThirdAlone, area, {{false, false, true}});
        QCOMPARE(third.rects[2], QRect(0, 46, 900, 506));
        QCOMPARE(third.visible, (std::array<bool, 3>{{false, false, true}}));
        QVERIFY(third.rects[0].isEmpty() && third.rects[1].isEmpty());
        const auto second = KoSplitLayout::place(Mode::SecondAlone, area, {{true, false, true}});
        QCOMPARE(second.rects[1], area);
    }

    void pipeCyclesThroughEveryViewOfThreeDisplays()
    {
        // 0 with the frame kept, 0 stretched, 2, 3, 4 and back.
        QList<QPair<int, bool>> seen;
        KoSplitLayout::PipeStep state{Mode::Stacked, true};
        for (int i = 0; i < 6; ++i) {
            state = KoSplitLayout::nextPipe(3, state.mode, state.keep);
            seen.append({int(state.mode), state.keep});
        }
        const QList<QPair<int, bool>> expected = {{0, false}, {2, true}, {3, true},
                                                  {4, true},  {0, true}, {0, false}};
        QCOMPARE(seen, expected);

        // A stretched display alone gets its frame back on the next press.
        const auto fromStretched = KoSplitLayout::nextPipe(3, Mode::SecondAlone, false);
        QCOMPARE(fromStretched.mode, Mode::ThirdAlone);
        QVERIFY(fromStretched.keep);
    }

    void pipeWithTwoDisplaysReturnsToSideBySideOnTheFourthPress()
    {
        Mode mode = Mode::SideBySide;
        QList<int> seen;
        for (int i = 0; i < 4; ++i) {
            const auto step = KoSplitLayout::nextPipe(2, mode, false);
            QVERIFY(!step.keep); // the aspect flag is left alone
            mode = step.mode;
            seen.append(int(mode));
        }
        QCOMPARE(seen, QList<int>({2, 3, 1, 2}));
        const auto one = KoSplitLayout::nextPipe(1, Mode::FirstAlone, true);
        QCOMPARE(one.mode, Mode::FirstAlone);
        QVERIFY(one.keep);
    }
};

TAVRIN_TEST_MAIN(tst_KoSplitLayout, QCoreApplication)
#include "tst_KoSplitLayout.moc"

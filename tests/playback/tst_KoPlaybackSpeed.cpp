#include "TestMain.h"

#include "playback/KoPlaybackKeys.h"
#include "playback/KoPlaybackSpeed.h"

class tst_KoPlaybackSpeed : public QObject
{
    Q_OBJECT

private slots:
    void stepsUpAndDownAndStopAtTheEnds()
    {
        const QList<double> steps = {0.125, 0.25, 0.5, 1.0, 1.5, 2.0, 4.0, 8.0};
        double speed = 1.0;
        QList<double> up;
        for (int i = 0; i < 6; ++i)
            up << (speed = KoPlaybackSpeed::faster(speed));
        QCOMPARE(up, (QList<double>{1.5, 2.0, 4.0, 8.0, 8.0, 8.0}));
        QList<double> down;
        for (int i = 0; i < 9; ++i)
            down << (speed = KoPlaybackSpeed::slower(speed));
        QCOMPARE(down, (QList<double>{4.0, 2.0, 1.5, 1.0, 0.5, 0.25, 0.125, 0.125, 0.125}));
        // From a speed between steps (or read back with rounding), the next
        // step in that direction.
        QCOMPARE(KoPlaybackSpeed::faster(1.2), 1.5);
        QCOMPARE(KoPlaybackSpeed::slower(1.2), 1.0);
        QCOMPARE(KoPlaybackSpeed::faster(1.9999999), 4.0);
        QCOMPARE(KoPlaybackSpeed::slower(0.5000001), 0.25);
        QCOMPARE(KoPlaybackSpeed::faster(20.0), 8.0);
        QCOMPARE(KoPlaybackSpeed::slower(0.01), 0.125);
        for (double s : steps)
            QCOMPARE(KoPlaybackSpeed::slower(KoPlaybackSpeed::faster(s)), s == 8.0 ? 4.0 : s);
    }

    void keysAndText()
    {
        // One table for the window and the displays: the speed keys, and
        // nothing with Ctrl (shortcuts such as "ctrl+," are not playback).
        using Action = KoPlaybackKeys::Action;
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_BracketRight), Action::Faster);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_BracketLeft), Action::Slower);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_Backspace), Action::NormalSpeed);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_Period), Action::FrameForward);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_Left, Qt::KeypadModifier), Action::PreviousRecording);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_Comma, Qt::ControlModifier), Action::None);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_A), Action::None);
        // Shift tells the event keys apart, and only them.
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_N), Action::NextEvent);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_N, Qt::ShiftModifier), Action::PreviousEvent);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_N, Qt::ControlModifier), Action::None);
        QCOMPARE(KoPlaybackKeys::actionFor(Qt::Key_I, Qt::ShiftModifier), Action::MarkIn);

        QCOMPARE(KoPlaybackSpeed::suffix(1.0), QString());
        QCOMPARE(QStringLiteral("00:59/01:02:05") + KoPlaybackSpeed::suffix(2.0),
                 QStringLiteral("00:59/01:02:05  2x"));
        QCOMPARE(KoPlaybackSpeed::suffix(0.125), QStringLiteral("  0.125x"));
        QCOMPARE(KoPlaybackSpeed::suffix(1.5), QStringLiteral("  1.5x"));
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaybackSpeed, QCoreApplication)
#include "tst_KoPlaybackSpeed.moc"

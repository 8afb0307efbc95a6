#include "TestMain.h"

#include "widgets/KoCustomPushButton.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>

namespace {

// Counts how often a widget is restyled.
class StyleChanges : public QObject
{
public:
    explicit StyleChanges(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return false;
    }
};

void sendEnter(QWidget *w)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(w, &event);
}

void sendLeave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

QLabel *caption(KoCustomPushButton *b)
{
    return b->findChild<QLabel *>(QStringLiteral("textLabel"));
}

} // namespace

class tst_KoCustomPushButton : public QObject
{
    Q_OBJECT

private slots:
    void iconAndCaptionSitCentredTogether()
    {
        QWidget window;
        KoCustomPushButton b(&window);
        b.setIconImage(QStringLiteral("file_add_dir.png"));
        b.setButtonText(QStringLiteral("Add folder"));
        b.setGeometry(0, 0, 240, 34);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto *icon = b.findChild<QLabel *>(QStringLiteral("iconLabel"));
        QVERIFY(icon);
        QCOMPARE(icon->size(), QSize(20, 30));
        QCOMPARE(icon->styleSheet(), QStringLiteral("image: url(:/images/images/file_add_dir.png);"));
        QCOMPARE(caption(&b)->text(), QStringLiteral("Add folder"));
        QCOMPARE(b.buttonText(), QStringLiteral("Add folder"));
        QVERIFY(b.text().isEmpty());
        // The pair is centred: equal room left of the icon and right of the caption.
        const int left = icon->geometry().left();
        const int right = b.width() - 1 - caption(&b)->geometry().right();
        QVERIFY2(qAbs(left - right) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(left).arg(right)));
        QCOMPARE(caption(&b)->geometry().left() - icon->geometry().right() - 1, 6);
    }

    void clicksThroughTheCaptionReachTheButton()
    {
        KoCustomPushButton b;
        b.setButtonText(QStringLiteral("Clear list"));
        b.resize(200, 34);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QVERIFY(caption(&b)->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(b.childAt(caption(&b)->geometry().center()), nullptr);
        QSignalSpy clicked(&b, &QPushButton::clicked);
        QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, caption(&b)->geometry().center());
        QCOMPARE(clicked.count(), 1);
    }

    void captionLightsUpUnderTheMouse()
    {
        KoCustomPushButton b;
        QVERIFY(caption(&b)->styleSheet().contains(QStringLiteral("#ffffff")));
        sendEnter(&b);
        QVERIFY(b.isHovered());
        QVERIFY(caption(&b)->styleSheet().contains(QStringLiteral("#12fdfe")));
        sendLeave(&b);
        QVERIFY(caption(&b)->styleSheet().contains(QStringLiteral("#ffffff")));

        // Quickly in and out ends white.
        for (int i = 0; i < 5; ++i) {
            sendEnter(&b);
            sendLeave(&b);
        }
        QVERIFY(!b.isHovered());
        QVERIFY(caption(&b)->styleSheet().contains(QStringLiteral("#ffffff")));
    }

    void repeatedEntersDoNotRestyle()
    {
        KoCustomPushButton b;
        b.setButtonText(QStringLiteral("Add file"));
        b.show(); // a hidden, unpolished widget is not restyled at once
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        StyleChanges changes(caption(&b));
        sendEnter(&b);
        const int afterFirst = changes.count;
        QVERIFY(afterFirst > 0);
        sendEnter(&b);
        sendEnter(&b);
        QCOMPARE(changes.count, afterFirst);
        sendLeave(&b);
        const int afterLeave = changes.count;
        QVERIFY(afterLeave > afterFirst);
        sendLeave(&b);
        QCOMPARE(changes.count, afterLeave);
    }
};

TAVRIN_TEST_MAIN(tst_KoCustomPushButton, QApplication)
#include "tst_KoCustomPushButton.moc"

#include "MouseEvents.h"
#include "TestMain.h"

#include "app/JXLanguage.h"
#include "widgets/JXAlertDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace {

// Runs `act` on the box once it is up, then returns question()'s result
// (information()'s return when `inform`, with 0).
int askAndThen(const std::function<void(JXAlertDialog *)> &act, const QString &title = QStringLiteral("T"),
               const QString &message = QStringLiteral("M"), bool inform = false)
{
    QTimer poll;
    QPointer<JXAlertDialog> seen;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<JXAlertDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && !seen) {
            seen = dialog;
            poll.stop();
            act(dialog);
        }
    });
    poll.start(20);
    // A box that no action closes would block forever.
    QTimer::singleShot(10000, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    if (!inform)
        return JXAlertDialog::question(nullptr, title, message);
    JXAlertDialog::information(nullptr, title, message);
    return 0;
}

QPushButton *button(JXAlertDialog *d, const char *name)
{
    return d->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class tst_JXAlertDialog : public QObject
{
    Q_OBJECT

private slots:
    void okGivesOkAndTheBoxIsFramelessAndShowsItsTexts()
    {
        QPointer<JXAlertDialog> box;
        QString title, message;
        bool frameless = false, cancelShown = false;
        const int result = askAndThen(
            [&](JXAlertDialog *d) {
                box = d;
                title = d->findChild<QLabel *>(QStringLiteral("label_title"))->text();
                message = d->findChild<QLabel *>(QStringLiteral("label_msg"))->text();
                frameless = d->windowFlags() & Qt::FramelessWindowHint;
                cancelShown = button(d, "pushBtn_cancel")->isVisible();
                QTest::mouseClick(button(d, "pushBtn_ok"), Qt::LeftButton);
            },
            QStringLiteral("Notice"), QStringLiteral("Clear the list?"));
        QCOMPARE(result, int(QMessageBox::Ok));
        QCOMPARE(result, 1024);
        QCOMPARE(title, QStringLiteral("Notice"));
        QCOMPARE(message, QStringLiteral("Clear the list?"));
        QVERIFY(frameless);
        QVERIFY(cancelShown);
        // Deleted on closing.
        QTRY_VERIFY(box.isNull());
    }

    void everythingElseGivesCancel_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("cancel button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("window closed") << 2;
    }

    void everythingElseGivesCancel()
    {
        QFETCH(int, how);
        const int result = askAndThen([how](JXAlertDialog *d) {
            if (how == 0)
                QTest::mouseClick(button(d, "pushBtn_cancel"), Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        QCOMPARE(result, int(QMessageBox::Cancel));
        QCOMPARE(result, 4194304);
    }

    void informationHasOkAlone_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("ok button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("window closed") << 2;
    }

    void informationHasOkAlone()
    {
        QFETCH(int, how);
        QPointer<JXAlertDialog> box;
        QString message;
        bool okShown = false, cancelShown = true;
        askAndThen(
            [&](JXAlertDialog *d) {
                box = d;
                message = d->message();
                okShown = button(d, "pushBtn_ok")->isVisible();
                cancelShown = button(d, "pushBtn_cancel")->isVisible();
                if (how == 0)
                    QTest::mouseClick(button(d, "pushBtn_ok"), Qt::LeftButton);
                else if (how == 1)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    d->close();
            },
            QStringLiteral("Error"), QStringLiteral("The video engine could not be started."), true);
        QCOMPARE(message, QStringLiteral("The video engine could not be started."));
        QVERIFY(okShown);
        QVERIFY(!cancelShown);
        QTRY_VERIFY(box.isNull());
    }

    void buttonsAreTranslatedUnderTheDialogsName()
    {
        QCoreApplication::installTranslator(&g_translator);
        QStringList texts;
        for (int language : {0, 1, 2}) {
            loadTranslator(language);
            JXAlertDialog d;
            texts << button(&d, "pushBtn_ok")->text() << button(&d, "pushBtn_cancel")->text();
        }
        QCoreApplication::removeTranslator(&g_translator);
        QCOMPARE(texts,
                 QStringList({QStringLiteral("确认"), QStringLiteral("取消"), QStringLiteral("確認"),
                              QStringLiteral("取消"), QStringLiteral("OK"), QStringLiteral("Cancel")}));
    }

    void dragsFromItsTextsButNotFromItsButtons()
    {
        JXAlertDialog d;
        d.setTitle(QStringLiteral("Notice"));
        d.setMessage(QStringLiteral("Clear the list?"));
        d.move(300, 300);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        auto *message = d.findChild<QLabel *>(QStringLiteral("label_msg"));
        drag(message, message->mapToGlobal(message->rect().center()), {QPoint(12, 8), QPoint(30, -2)});
        QTRY_COMPARE(d.pos(), QPoint(342, 306));

        auto *title = d.findChild<QLabel *>(QStringLiteral("label_title"));
        drag(title, title->mapToGlobal(title->rect().center()), {QPoint(-42, -6)});
        QTRY_COMPARE(d.pos(), QPoint(300, 300));

        QPushButton *ok = button(&d, "pushBtn_ok");
        const QPoint onOk = ok->mapToGlobal(ok->rect().center());
        sendMouse(ok, QEvent::MouseButtonPress, onOk);
        sendMouse(&d, QEvent::MouseMove, onOk + QPoint(40, 40));
        sendMouse(ok, QEvent::MouseButtonRelease, onOk + QPoint(40, 40));
        QCOMPARE(d.pos(), QPoint(300, 300));
    }
};

TAVRIN_TEST_MAIN(tst_JXAlertDialog, QApplication)
#include "tst_JXAlertDialog.moc"

#include "TestMain.h"

#include "app/JXEngineFailure.h"
#include "playback/PlayLabel.h"
#include "widgets/JXAlertDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <cstdio>
#include <stdexcept>
#include <unistd.h>

// Runs with libmpv failing for real: CTest preloads mpv_failure_shim, and
// MPV_FAILURE_SHIM picks the call that fails. Registered twice: on the X
// display (the alert dialog) and on the offscreen platform (standard error).
class tst_JXEngineFailure : public QObject
{
    Q_OBJECT

private slots:
    void failingEngineIsReported_data()
    {
        QTest::addColumn<QByteArray>("failingCall");
        QTest::newRow("mpv_create") << QByteArray("create");
        QTest::newRow("mpv_initialize") << QByteArray("initialize");
    }

    void failingEngineIsReported()
    {
        QFETCH(QByteArray, failingCall);
        qputenv("MPV_FAILURE_SHIM", failingCall);
        bool thrown = false;
        try {
            PlayLabel engine;
        } catch (const std::runtime_error &) {
            thrown = true;
        }
        qunsetenv("MPV_FAILURE_SHIM");
        QVERIFY2(thrown, "the engine did not fail: is mpv_failure_shim preloaded?");

        const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
        QString title, message;
        bool cancelShown = true;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<JXAlertDialog *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            poll.stop();
            title = box->title();
            message = box->message();
            cancelShown = box->findChild<QPushButton *>(QStringLiteral("pushBtn_cancel"))->isVisible();
            QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("pushBtn_ok")), Qt::LeftButton);
        });
        poll.start(20);
        QTimer::singleShot(10000, [] {
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });

        // Standard error goes to a file meanwhile.
        std::fflush(stderr);
        FILE *capture = std::tmpfile();
        const int saved = dup(2);
        dup2(fileno(capture), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^the player engine cannot start"));
        const int code = JXEngineFailure::report(std::runtime_error("forced"));
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
        std::rewind(capture);
        char buffer[1024] = {};
        const size_t n = std::fread(buffer, 1, sizeof buffer - 1, capture);
        std::fclose(capture);
        const QByteArray printed(buffer, int(n));

        QCOMPARE(code, 1);
        if (offscreen) {
            QVERIFY(message.isEmpty());
            QCOMPARE(printed, JXEngineFailure::message().toLocal8Bit() + '\n');
        } else {
            QCOMPARE(title, JXEngineFailure::title());
            QCOMPARE(message, JXEngineFailure::message());
            QVERIFY(!cancelShown);
            QVERIFY(printed.isEmpty());
        }
    }
};

TAVRIN_TEST_MAIN(tst_JXEngineFailure, QApplication)
#include "tst_JXEngineFailure.moc"

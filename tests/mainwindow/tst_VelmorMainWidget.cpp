#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButtons held)
{
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), changed, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Widgets whose insides are not the form's (engine, cover, web page, list).
bool isOpaqueToCheck(const QWidget *w)
{
    return qobject_cast<const JXPlayWidget *>(w) || qobject_cast<const KoCoverWidget *>(w) ||
           qobject_cast<const QWebEngineView *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const KoTitleBar *>(w) || qobject_cast<const QSplitterHandle *>(w);
}

// Every shown widget of the form lies inside its parent, a label's text fits
// its label, and the transport buttons do not overlap.
void collectCutOffs(const QWidget *parent, QStringList &problems)
{
    for (const QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        const QString name =
            child->objectName().isEmpty() ? child->metaObject()->className() : child->objectName();
        if (!parent->rect().contains(child->geometry()))
            problems << QStringLiteral("%1 %2 outside %3 %4")
                            .arg(name, rectText(child->geometry()), parent->objectName(),
                                 rectText(parent->rect()));
        if (const auto *label = qobject_cast<const QLabel *>(child)) {
            const QFontMetrics metrics(label->font());
            const QRect text = metrics.boundingRect(label->text());
            if (!label->text().isEmpty() && (text.width() > label->contentsRect().width() ||
                                             metrics.height() > label->contentsRect().height()))
                problems << QStringLiteral("text of %1 (%2) cut: %3x%4 in %5x%6")
                                .arg(name, label->text())
                                .arg(text.width())
                                .arg(metrics.height())
                                .arg(label->contentsRect().width())
                                .arg(label->contentsRect().height());
        }
        if (!isOpaqueToCheck(child))
            collectCutOffs(child, problems);
    }
}

} // namespace

class tst_VelmorMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void formHasEveryPartWithTheFreshStoreSizes()
    {
        VelmorMainWidget window;
        Ui_VelmorMainWidget *f = window.form();
        QCOMPARE(window.objectName(), QStringLiteral("VelmorMainWidget"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavrin Player " TAVRIN_VERSION_TEXT));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.acceptDrops());
        QVERIFY(JXDefaultSettings::instance()->getMainSizes().isEmpty());
        QCOMPARE(f->horizontalSlider_volume->value(), JXDefaultSettings::instance()->getVolume());
        // The nine transport controls wait for a recording; the others do not.
        for (QWidget *w : std::initializer_list<QWidget *>{
                 f->pushBtn_capture, f->pushBtn_fullscreen, f->pushBtn_play, f->pushBtn_stop,
                 f->pushBtn_lastFrame, f->pushBtn_nextFrame, f->pushBtn_zoom_in, f->pushBtn_zoom_out,
                 f->horizontalSlider_progress})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(f->pushBtn_open_dir->isEnabled() && f->pushBtn_pipe->isEnabled());
        QVERIFY(f->pushBtn_play->isCheckable() && f->pushBtn_mute->isCheckable());

        // Bottom to top; the title bar over all of them.
        const QList<QWidget *> order = {f->splitter_main,    f->widget_display_1,     f->widget_display_2,
                                        f->label_main_split, f->label_right_split,    f->widget_navigate,
                                        f->widget_display_3, f->widget_display_cover, window.titleBar()};
        const QObjectList children = window.children();
        for (int i = 1; i < order.size(); ++i)
            QVERIFY2(children.indexOf(order[i - 1]) < children.indexOf(order[i]),
                     qPrintable(order[i]->objectName()));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The splitter spreads what is left over its panes.
        QCOMPARE(f->splitter_main->sizes().size(), 2);
        QVERIFY(f->splitter_main->sizes().at(0) >= 694 && f->splitter_main->sizes().at(1) >= 333);
    }

    void nothingIsCutOffAtTheSmallestSizeOrOnAFullScreen_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("language");
        for (int language = 0; language < kLanguageCount; ++language)
            QTest::addRow("1035x665 %s", g_languageTable[language].resource) << QSize(1035, 665) << language;
        QTest::newRow("1920x1080 tr_ru_RU") << QSize(1920, 1080) << 4;
    }

    void nothingIsCutOffAtTheSmallestSizeOrOnAFullScreen()
    {
        QFETCH(QSize, size);
        QFETCH(int, language);
        QCoreApplication::installTranslator(&g_translator);
        loadTranslator(language);
        auto uninstall = qScopeGuard([] { QCoreApplication::removeTranslator(&g_translator); });
        VelmorMainWidget window;
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.size(), size);
        Ui_VelmorMainWidget *f = window.form();

        QStringList problems;
        collectCutOffs(&window, problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));

        // The dials show whole inside the status strip.
        const QRect status(f->widget_status->mapTo(&window, QPoint()), f->widget_status->size());
        for (QWidget *dial :
             std::initializer_list<QWidget *>{f->label_speed_bg, f->label_draw_speed, f->label_campass}) {
            QCOMPARE(dial->size(), QSize(152, 152));
            QVERIFY2(status.contains(QRect(dial->mapTo(&window, QPoint()), dial->size())),
                     qPrintable(dial->objectName()));
        }
        const QList<QPushButton *> buttons = f->transportButtons();
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->size(), QSize(37, 37));
            for (int j = i + 1; j < buttons.size(); ++j)
                QVERIFY(!buttons[i]->geometry().intersects(buttons[j]->geometry()));
        }
        QVERIFY(!f->horizontalSlider_volume->geometry().intersects(f->pushBtn_mute->geometry()));

        // The cover takes exactly the video area; the line sits on the left
        // half's last column.
        const QRect video(f->widget_dispMan->mapTo(&window, QPoint()), f->widget_dispMan->size());
        QCOMPARE(f->widget_display_cover->geometry(), video);
        QCOMPARE(f->widget_display_1->geometry(), video);
        QCOMPARE(f->widget_navigate->geometry(), QRect(0, 0, size.width(), 35));
        QCOMPARE(f->splitter_main->geometry(), QRect(2, 37, size.width() - 4, size.height() - 40));
        QCOMPARE(f->label_main_split->geometry().x(), video.right());
        QCOMPARE(window.titleBar()->width(), size.width());
        QVERIFY(!f->widget_display_2->isVisible() && !f->widget_display_3->isVisible());
    }

    void toolTipsFollowALanguageChange()
    {
        VelmorMainWidget window;
        Ui_VelmorMainWidget *f = window.form();
        QCoreApplication::installTranslator(&g_translator);
        int language = 2;
        loadTranslator(language);
        QTRY_COMPARE(f->pushBtn_play->toolTip(), QStringLiteral("Play/Pause"));
        QCOMPARE(f->pushBtn_pipe->toolTip(), QStringLiteral("Switch view"));
        QCOMPARE(f->pushBtn_add_dir->buttonText(), QStringLiteral("Add folder"));
        QCOMPARE(f->label_max_speed_11->text(), QStringLiteral("Latitude"));
        language = 5;
        loadTranslator(language);
        QTRY_COMPARE(f->pushBtn_mute->toolTip(), QStringLiteral("Stumm"));
        QCOMPARE(f->pushBtn_clear_list->buttonText(), QStringLiteral("Leeren"));
        QCOMPARE(f->label_altitude->text(), QStringLiteral("Höhe"));
        QCoreApplication::removeTranslator(&g_translator);
        QTRY_COMPARE(f->pushBtn_mute->toolTip(), QStringLiteral("静音"));
        QCOMPARE(f->pushBtn_stop->text(), QString());
    }

    void bandsResizeTheWindowAndShowResizeCursors()
    {
        VelmorMainWidget window;
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto cursorShape = [] {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            return cursor ? cursor->shape() : Qt::ArrowCursor;
        };

        sendMouse(&window, QEvent::MouseMove, QPoint(3, 300), Qt::NoButton);
        QCOMPARE(cursorShape(), Qt::SizeHorCursor);
        sendMouse(&window, QEvent::MouseMove, QPoint(1031, 662), Qt::NoButton);
        QCOMPARE(cursorShape(), Qt::SizeFDiagCursor);
        // The top strip is the title bar's: no band there.
        sendMouse(&window, QEvent::MouseMove, QPoint(3, 20), Qt::NoButton);
        QCOMPARE(cursorShape(), Qt::ArrowCursor);
        sendMouse(&window, QEvent::MouseMove, QPoint(6, 300), Qt::NoButton);
        QCOMPARE(cursorShape(), Qt::ArrowCursor);

        // Under the virtual display no window manager takes the resize over,
        // so the window follows the drag itself.
        const QRect before = window.geometry();
        sendMouse(&window, QEvent::MouseButtonPress, QPoint(1032, 300), Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, QPoint(1032 + 40, 300), Qt::LeftButton);
        sendMouse(&window, QEvent::MouseButtonRelease, QPoint(1032 + 40, 300), Qt::NoButton);
        QTRY_COMPARE(window.geometry(), before.adjusted(0, 0, 40, 0));
        QTRY_COMPARE(window.form()->splitter_main->width(), before.width() + 40 - 4);
    }

    void fullScreenAndPipeWaitForPlayback()
    {
        VelmorMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        window.on_pushBtn_fullscreen_clicked();
        QVERIFY(!window.isFullScreenMode());
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_P);
        QCOMPARE(window.splitMode(), KoSplitLayout::Mode::SideBySide);
        QCOMPARE(window.geometry(), before);
        QVERIFY(window.form()->splitter_main->isVisible());
    }

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
        // Closing stored the splitter sizes.
        QCOMPARE(JXDefaultSettings::instance()->getMainSizes(), window.form()->splitter_main->sizes());
    }
};

TAVRIN_TEST_MAIN(tst_VelmorMainWidget, QApplication)
#include "tst_VelmorMainWidget.moc"

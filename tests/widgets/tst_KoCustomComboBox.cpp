#include "TestMain.h"

#include "widgets/KoCustomComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace {

struct ComboWindow
{
    QWidget window;
    KoCustomComboBox *combo;

    ComboWindow()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        combo = new KoCustomComboBox(&window);
        combo->addItems({QStringLiteral("简体中文"), QStringLiteral("English"), QStringLiteral("Deutsch"),
                         QStringLiteral("Español")});
        combo->setGeometry(10, 20, 361, 28);
        window.resize(400, 80);
    }
    QWidget *popup() const { return combo->view()->parentWidget(); }
};

} // namespace

class tst_KoCustomComboBox : public QObject
{
    Q_OBJECT

private slots:
    void listDropsDirectlyBelowInTheBoxWidth_data()
    {
        QTest::addColumn<int>("fromBottom");
        QTest::newRow("middle of the screen") << 600;
        QTest::newRow("near the bottom edge") << 70;
    }

    void listDropsDirectlyBelowInTheBoxWidth()
    {
        QFETCH(int, fromBottom);
        ComboWindow w;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        w.window.move(200, screen.bottom() - fromBottom);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        // The current item is not the first, which some styles would place over the box.
        w.combo->setCurrentIndex(2);
        w.combo->showPopup();
        QWidget *popup = w.popup();
        QVERIFY(popup);
        QTRY_VERIFY(popup->isVisible());
        const QPoint below = w.combo->mapToGlobal(QPoint(0, w.combo->height()));
        QTRY_COMPARE(popup->pos(), below);
        QCOMPARE(popup->width(), w.combo->width());
        QVERIFY(popup->height() > 0);
        QVERIFY(popup->styleSheet().contains(QStringLiteral("rgb(21,39, 79)")));
        w.combo->hidePopup();
    }
};

TAVRIN_TEST_MAIN(tst_KoCustomComboBox, QApplication)
#include "tst_KoCustomComboBox.moc"

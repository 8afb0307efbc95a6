#include "TestMain.h"

#include "library/JXDeviceTreeView.h"
#include "library/JXTreeItemDelegate.h"
#include "library/KoFileInfoModel.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Stand-in artwork (test resources): the default thumbnail is magenta and
// the delete button orange.
static const QColor defaultThumbColor(255, 0, 255);
static const QColor deleteColor(255, 128, 0);
static const QColor playingColor(18, 253, 253);
static const QColor selectedColor(17, 26, 56);

static bool near(const QColor &a, const QColor &b, int tolerance = 12)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// How many pixels of `rect` have exactly `color`.
static int count(const QImage &image, const QRect &rect, const QColor &color)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

class tst_JXTreeItemDelegate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<KoFileInfoModel>> m_owned;

    KoFileInfoModel *recording(const QString &name, qint64 size = 1)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
            return nullptr;
        file.close();
        m_owned.push_back(std::make_unique<KoFileInfoModel>(name, file.fileName()));
        return m_owned.back().get();
    }

    // Rendered over black, with the transparent background the main window
    // gives the list.
    QImage grab(JXDeviceTreeView &view)
    {
        view.setStyleSheet(QStringLiteral("QTreeView { background: transparent; }"));
        QImage image(view.viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        view.viewport()->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void sizeTextCountsWholeMebibytes()
    {
        QCOMPARE(JXTreeItemDelegate::sizeText(123456789), QString("117 MB"));
        QCOMPARE(JXTreeItemDelegate::sizeText(1024 * 1024 - 1), QString("0 MB"));
        QCOMPARE(JXTreeItemDelegate::sizeText(0), QString("0 MB"));
        QCOMPARE(JXTreeItemDelegate::sizeText(Q_INT64_C(5) * 1024 * 1024 * 1024), QString("5120 MB"));
        KoFileInfoModel *big = recording("2019_0523_143005_001A.MP4", 123456789);
        QVERIFY(big);
        QCOMPARE(JXTreeItemDelegate::sizeText(big->fileInfo().size()), QString("117 MB"));
    }

    void rowGeometry()
    {
        const QRect row(0, 96, 333, 48);
        QCOMPARE(JXTreeItemDelegate::thumbnailRect(row), QRect(12, 100, 70, 40));
        QCOMPARE(JXTreeItemDelegate::nameRect(row, 333), QRect(93, 96, 333 - 38 - 93, 24));
        QCOMPARE(JXTreeItemDelegate::sizeRect(row, 333), QRect(93, 119, 333 - 38 - 93, 24));
        QCOMPARE(JXTreeItemDelegate::deleteButtonRect(row, 333), QRect(295, 105, 30, 30));
    }

    void rowPaintsThumbnailSeparatorAndButton()
    {
        KoFileInfoModel *plain = recording("2019_0523_143010_001A.MP4");
        QVERIFY(plain);
        JXDeviceTreeView view;
        view.resize(333, 200);
        view.setFileList({plain, plain});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.visualRect(view.model()->index(1, 0)).top(), 48);
        const QImage image = grab(view);
        for (int top : {0, 48}) {
            // No preview file: the default thumbnail fills 70 x 40 at (12, top + 4).
            const QRect thumb(12, top + 4, 70, 40);
            QCOMPARE(count(image, thumb, defaultThumbColor), 70 * 40);
            QVERIFY(!near(image.pixelColor(11, top + 20), defaultThumbColor));
            QVERIFY(!near(image.pixelColor(82, top + 20), defaultThumbColor));
            // The separator under the row.
            for (int x : {0, 150, 320})
                QCOMPARE(image.pixelColor(x, top + 47), QColor(Qt::white));
            // The delete button at (W - 38, top + 9).
            QVERIFY(near(image.pixelColor(333 - 38 + 15, top + 24), deleteColor));
            QVERIFY(!near(image.pixelColor(333 - 40, top + 24), deleteColor));
        }
    }

    void playingRowUsesTheHighlightColour()
    {
        KoFileInfoModel *rec = recording("2019_0523_143020_001A.MP4", 3 * 1024 * 1024);
        QVERIFY(rec);
        JXDeviceTreeView view;
        view.resize(333, 100);
        view.setFileList({rec});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect text(93, 0, 333 - 38 - 93, 47); // above the separator
        QImage image = grab(view);
        QCOMPARE(count(image, text, playingColor), 0);
        QVERIFY(count(image, text, Qt::white) > 20);

        rec->setPlaying(true);
        view.setFileList({rec});
        image = grab(view);
        QVERIFY(count(image, text, playingColor) > 20);
        QCOMPARE(count(image, text, Qt::white), 0);
        rec->setPlaying(false);
    }

    void selectedRowIsFilledToItsRightEdge()
    {
        KoFileInfoModel *rec = recording("2019_0523_143030_001A.MP4");
        QVERIFY(rec);
        JXDeviceTreeView view;
        view.resize(333, 100);
        view.setFileList({rec});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex(view.model()->index(0, 0));
        const QImage image = grab(view);
        QCOMPARE(image.pixelColor(5, 20), selectedColor);
        QCOMPARE(image.pixelColor(90, 2), selectedColor);
        // Below the row: the view's own background, not the selection.
        QVERIFY(image.pixelColor(5, 60) != selectedColor);
    }

    void rowUnderTheMouseIsLit()
    {
        QList<KoFileInfoModel *> list{recording("2019_0523_143040_001A.MP4"),
                                      recording("2019_0523_143041_001A.MP4")};
        JXDeviceTreeView view;
        view.resize(333, 150);
        view.setFileList(list);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // A real pointer move on the display, so that the view has to ask
        // for hover events itself.
        QTest::mouseMove(view.viewport(), QPoint(150, 20));
        QTest::mouseMove(view.viewport(), QPoint(150, 70));
        // White at alpha 21 over black, in row 1 only.
        QTRY_COMPARE(grab(view).pixelColor(5, 70), QColor(21, 21, 21));
        const QImage image = grab(view);
        QCOMPARE(image.pixelColor(5, 20), QColor(Qt::black));
    }

    void deleteIsAClickOnTheButton()
    {
        QList<KoFileInfoModel *> list;
        for (int i = 0; i < 3; ++i)
            list.append(recording(QString("2019_0523_1431%1_001A.MP4").arg(i, 2, 10, QChar('0'))));
        JXDeviceTreeView view;
        view.resize(333, 300);
        view.setFileList(list);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<KoFileInfoModel *> deleted;
        connect(&view, &JXDeviceTreeView::willDeleteFileSignal, &view, [&](const QModelIndex &index) {
            KoFileInfoModel *rec = JXDeviceTreeView::recordingAt(index);
            deleted.append(rec);
            list.removeOne(rec);
            view.setFileList(list);
        });
        QWidget *viewport = view.viewport();
        const QPoint button1 = JXTreeItemDelegate::deleteButtonRect(QRect(0, 48, 333, 48), 333).center();
        const QPoint beside1(150, button1.y());

        // Pressed on the button, released beside it: nothing.
        QTest::mousePress(viewport, Qt::LeftButton, {}, button1);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, beside1);
        QVERIFY(deleted.isEmpty());
        // Pressed beside it, released on it: nothing.
        QTest::mousePress(viewport, Qt::LeftButton, {}, beside1);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, button1);
        QVERIFY(deleted.isEmpty());

        // A double click on row 1's button deletes row 1 only, although
        // row 2 slides under the mouse after the first click.
        KoFileInfoModel *second = list[1];
        QTest::mousePress(viewport, Qt::LeftButton, {}, button1);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, button1);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, button1, viewport->mapToGlobal(button1), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dbl);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, button1);
        QCOMPARE(deleted, QList<KoFileInfoModel *>{second});
        QCOMPARE(view.model()->rowCount(), 2);

        // A plain click on the (new) row 1's button deletes it.
        KoFileInfoModel *third = list[1];
        QTest::mouseClick(viewport, Qt::LeftButton, {}, button1);
        QCOMPARE(deleted.size(), 2);
        QCOMPARE(deleted.last(), third);
    }
};

TAVRIN_TEST_MAIN(tst_JXTreeItemDelegate, QApplication)
#include "tst_JXTreeItemDelegate.moc"

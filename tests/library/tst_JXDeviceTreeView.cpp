#include "TestMain.h"

#include "gps/SyntheticTrack.h"
#include "library/JXDeviceTreeView.h"
#include "library/JXTreeItemDelegate.h"
#include "library/KoFileInfoModel.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class tst_JXDeviceTreeView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<KoFileInfoModel>> m_recordings;

    QList<KoFileInfoModel *> recordings(int count)
    {
        while (int(m_recordings.size()) < count) {
            const QString name =
                QString("2019_0523_1430%1_001A.MP4").arg(m_recordings.size(), 2, 10, QChar('0'));
            QFile file(m_dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write("x");
            file.close();
            m_recordings.push_back(std::make_unique<KoFileInfoModel>(name, file.fileName()));
        }
        QList<KoFileInfoModel *> list;
        for (int i = 0; i < count; ++i)
            list.append(m_recordings[i].get());
        return list;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void rowsMirrorTheListInOrder()
    {
        JXDeviceTreeView view;
        QVERIFY(view.isHeaderHidden());
        // A click puts the focus on the list (the playback keys work anywhere).
        QCOMPARE(view.focusPolicy(), Qt::ClickFocus);
        QCOMPARE(view.model()->columnCount(), 1);
        QCOMPARE(view.model()->rowCount(), 0);

        QList<KoFileInfoModel *> list = recordings(5);
        std::reverse(list.begin(), list.end());
        view.setFileList(list);
        QCOMPARE(view.model()->rowCount(), 5);
        for (int i = 0; i < 5; ++i) {
            const QModelIndex index = view.model()->index(i, 0);
            QCOMPARE(JXDeviceTreeView::recordingAt(index), list[i]);
            QCOMPARE(index.data(Qt::UserRole + 1).value<KoFileInfoModel *>(), list[i]);
            QCOMPARE(index.data(Qt::ToolTipRole).toString(), list[i]->filePath());
            QCOMPARE(list[i]->listIndex(), index);
        }
        QVERIFY(QMetaType::type("KoFileInfoModel") != QMetaType::UnknownType);
        QCOMPARE(QMetaType::type("KoFileInfoModel"), qMetaTypeId<KoFileInfoModel *>());
    }

    void shorterListRemovesRowsFromTheEnd()
    {
        JXDeviceTreeView view;
        view.setFileList(recordings(5));
        QStandardItemModel *model = qobject_cast<QStandardItemModel *>(view.model());
        QVERIFY(model);
        QStandardItem *first = model->item(0);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);

        QList<KoFileInfoModel *> three = recordings(5).mid(2);
        view.setFileList(three);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 3);
        QCOMPARE(removed.at(0).at(2).toInt(), 4);
        // Items are reused: row 0 now shows the third recording.
        QCOMPARE(model->item(0), first);
        QCOMPARE(JXDeviceTreeView::recordingAt(model->index(0, 0)), three[0]);
        QCOMPARE(three[2]->listIndex().row(), 2);

        view.setFileList({});
        QCOMPARE(model->rowCount(), 0);
    }

    void clickBelowTheLastRowClearsTheSelection()
    {
        JXDeviceTreeView view;
        view.resize(333, 400);
        view.setFileList(recordings(3));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect row1 = view.visualRect(view.model()->index(1, 0));
        QCOMPARE(row1.height(), 48);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(40, row1.center().y()));
        QVERIFY(view.selectionModel()->isRowSelected(1, QModelIndex()));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(40, 3 * 48 + 30));
        QVERIFY(!view.selectionModel()->hasSelection());
    }

    void playingRowIsScrolledIntoView()
    {
        JXDeviceTreeView view;
        view.resize(333, 200);
        QList<KoFileInfoModel *> list = recordings(12);
        view.setFileList(list);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        list[10]->setPlaying(true);
        view.setFileList(list);
        list[10]->setPlaying(false);
        const QRect row = view.visualRect(view.model()->index(10, 0));
        QVERIFY(view.viewport()->rect().contains(row));
    }

    // A trip's header sits in a band above its first row: the row's own
    // parts (the delete button) move below it, the band's tool tip is the
    // trip's; a row's tool tip sums its recording up from the track cache of
    // its own file or a sibling channel's, and never reads the recording.
    void tripHeadersAndRowSummaries()
    {
        QTemporaryDir dir;
        QList<KoFileInfoModel *> files;
        std::vector<std::unique_ptr<KoFileInfoModel>> owned;
        for (const char *name :
             {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143105_002A.MP4"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
            f.close();
            owned.push_back(std::make_unique<KoFileInfoModel>(name, f.fileName()));
            files.append(owned.back().get());
        }
        SyntheticTrack track;
        track.speedKmh = 36;
        track.drive(30);
        QFile cache(files[0]->gpsCachePath());
        QVERIFY(cache.open(QIODevice::WriteOnly) && cache.write(track.text) == track.text.size());
        cache.close();

        JXDeviceTreeView view;
        view.resize(333, 400);
        view.setFileList(files);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy deleted(&view, &JXDeviceTreeView::willDeleteFileSignal);
        view.setTripHeaders({{1, QStringLiteral("2019-05-23 14:30 · 0:01:00"), QStringLiteral("the trip")}});
        QTRY_COMPARE(view.visualRect(view.model()->index(1, 0)).height(),
                     JXTreeItemDelegate::RowHeight + JXTreeItemDelegate::HeaderHeight);
        const QRect row1 = view.visualRect(view.model()->index(1, 0));
        QCOMPARE(view.visualRect(view.model()->index(2, 0)).top(), row1.bottom() + 1);
        const QRect button = JXTreeItemDelegate::deleteButtonRect(
            row1.adjusted(0, JXTreeItemDelegate::HeaderHeight, 0, 0), 333);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          button.center() - QPoint(0, JXTreeItemDelegate::HeaderHeight));
        QCOMPARE(deleted.count(), 0); // in the band
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, button.center());
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted[0][0].toModelIndex().row(), 1);

        QCOMPARE(view.toolTipAt(row1.topLeft() + QPoint(100, 5)), QStringLiteral("the trip"));
        const QString own = view.toolTipAt(view.visualRect(view.model()->index(0, 0)).center());
        QVERIFY2(
            own.startsWith(files[0]->filePath() + QStringLiteral("\nDuration 0:00:30\nDistance 0.3 km\n")),
            qPrintable(own));
        QCOMPARE(view.toolTipAt(row1.center() + QPoint(0, 10)),
                 files[1]->filePath() + own.mid(files[0]->filePath().size()));
        QVERIFY(
            view.toolTipAt(view.visualRect(view.model()->index(2, 0)).center())
                .endsWith(QStringLiteral("No track read yet: the track is read when the recording plays.")));

        // Headers that go leave their rows as they were.
        view.setTripHeaders({});
        QTRY_COMPARE(view.visualRect(view.model()->index(1, 0)).height(), JXTreeItemDelegate::RowHeight);
    }

    void updateOfTheViewRepaintsTheRows()
    {
        // The displays call update() on the process-wide view after writing
        // a thumbnail: the rows must be painted again.
        struct PaintCounter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        JXDeviceTreeView view;
        view.resize(333, 200);
        view.setFileList(recordings(2));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(50);
        view.viewport()->installEventFilter(&counter);
        view.update();
        QTRY_VERIFY(counter.paints > 0);

        // Also with the transparent background the main window gives it.
        view.setStyleSheet(QStringLiteral("QTreeView { background: transparent; }"));
        QTest::qWait(50);
        counter.paints = 0;
        view.update();
        QTRY_VERIFY(counter.paints > 0);
    }
};

TAVRIN_TEST_MAIN(tst_JXDeviceTreeView, QApplication)
#include "tst_JXDeviceTreeView.moc"

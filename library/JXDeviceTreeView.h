#pragma once

#include <QList>
#include <QModelIndex>
#include <QSet>
#include <QString>
#include <QTreeView>
#include <QVector>

class JXTreeItemDelegate;
class KoFileInfoModel;
class QStandardItemModel;

// The file list: one row per recording with thumbnail, name, size and a
// delete button (painted by JXTreeItemDelegate). The list content is pushed
// in by setFileList after every change of the playlist. The first row of a
// trip carries the trip's header (setTripHeaders). A row's tool tip gives
// the file and what its track cache says of the recording (never extracting).
class JXDeviceTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit JXDeviceTreeView(QWidget *parent = nullptr);
    ~JXDeviceTreeView() override;

    // Makes the rows mirror `recordings` (in that order), refreshes each
    // recording's listIndex and scrolls a playing row into view.
    void setFileList(const QList<KoFileInfoModel *> &recordings);

    // The files marked playing changed (the list did not): the rows are
    // painted again and the first playing one scrolled into view.
    void showPlaying();

    // Recording shown in `index`'s row, or null.
    static KoFileInfoModel *recordingAt(const QModelIndex &index);

    struct TripHeader
    {
        int row = -1;
        QString text;
        QString toolTip;
    };
    // The trip headers, replacing those shown.
    void setTripHeaders(const QVector<TripHeader> &headers);
    // The tool tip at a point of the viewport: over a header band the trip's,
    // over a row the file path with the recording's duration, distance, top
    // speed and events from its track cache (or a sibling channel's).
    QString toolTipAt(const QPoint &pos) const;

signals:
    void willDeleteFileSignal(QModelIndex index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // A double click on a delete button is not a second click on it.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    bool isOverDeleteButton(const QPoint &pos) const;

    QString summaryOf(const KoFileInfoModel *recording) const;

    QStandardItemModel *m_itemModel = nullptr;
    QSet<int> m_headerRows;
    JXTreeItemDelegate *m_delegate = nullptr;
};

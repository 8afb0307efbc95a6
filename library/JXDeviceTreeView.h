#pragma once

#include <QList>
#include <QModelIndex>
#include <QTreeView>

class JXTreeItemDelegate;
class KoFileInfoModel;
class QStandardItemModel;

// The file list: one row per recording with thumbnail, name, size and a
// delete button (painted by JXTreeItemDelegate). The list content is pushed
// in by setFileList after every change of the playlist.
class JXDeviceTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit JXDeviceTreeView(QWidget *parent = nullptr);
    ~JXDeviceTreeView() override;

    // Makes the rows mirror `recordings` (in that order), refreshes each
    // recording's listIndex and scrolls a playing row into view.
    void setFileList(const QList<KoFileInfoModel *> &recordings);

    // Recording shown in `index`'s row, or null.
    static KoFileInfoModel *recordingAt(const QModelIndex &index);

signals:
    void willDeleteFileSignal(QModelIndex index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // A double click on a delete button is not a second click on it.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool isOverDeleteButton(const QPoint &pos) const;

    QStandardItemModel *m_itemModel = nullptr;
    JXTreeItemDelegate *m_delegate = nullptr;
};

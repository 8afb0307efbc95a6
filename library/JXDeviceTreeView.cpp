#include "library/JXDeviceTreeView.h"

#include "app/JXDefaultSettings.h"
#include "gps/KoDrivingEvents.h"
#include "library/JXTreeItemDelegate.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackSummary.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>

namespace {

const int kRecordingRole = Qt::UserRole + 1;

const char *const kScrollBarStyle = R"(
QScrollBar:vertical {
    border: none;
    border-radius: 2px;
    background: rgba(229,229,229,50);
    max-width: 8px;
    margin: 0px;
}
QScrollBar::handle:vertical {
    background: #FFFFFF;
    border-radius: 2px;
    min-height: 40px;
}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
    height: 0px;
    border: none;
}
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {
    background: none;
}
)";
} // namespace

JXDeviceTreeView::JXDeviceTreeView(QWidget *parent)
    : QTreeView(parent)
    , m_itemModel(new QStandardItemModel(0, 1, this))
{
    qRegisterMetaType<KoFileInfoModel *>("KoFileInfoModel");
    setModel(m_itemModel);
    header()->hide();
    setFocusPolicy(Qt::ClickFocus);
    m_delegate = new JXTreeItemDelegate(this, &JXDeviceTreeView::recordingAt);
    connect(m_delegate, &JXTreeItemDelegate::deleteClickedSignal, this,
            &JXDeviceTreeView::willDeleteFileSignal);
    setItemDelegate(m_delegate);
    verticalScrollBar()->setStyleSheet(QString::fromLatin1(kScrollBarStyle));
    // The background is the view's own, not the viewport's: update() on the
    // view then repaints the rows too (a newly written thumbnail shows).
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    viewport()->setAutoFillBackground(false);
    // Rows light up under the mouse; not every style turns hover on for
    // item views by itself.
    viewport()->setAttribute(Qt::WA_Hover);
}

JXDeviceTreeView::~JXDeviceTreeView() = default;

KoFileInfoModel *JXDeviceTreeView::recordingAt(const QModelIndex &index)
{
    return index.data(kRecordingRole).value<KoFileInfoModel *>();
}

void JXDeviceTreeView::setFileList(const QList<KoFileInfoModel *> &recordings)
{
    const int count = recordings.size();
    if (m_itemModel->rowCount() > count)
        m_itemModel->removeRows(count, m_itemModel->rowCount() - count);
    while (m_itemModel->rowCount() < count)
        m_itemModel->appendRow(new QStandardItem);

    for (int i = 0; i < count; ++i) {
        KoFileInfoModel *recording = recordings.at(i);
        QStandardItem *item = m_itemModel->item(i);
        item->setToolTip(recording ? recording->filePath() : QString());
        item->setData(QVariant::fromValue(recording), kRecordingRole);
        if (!recording)
            continue;
        recording->setListIndex(item->index());
        if (recording->isPlaying() && !viewport()->rect().contains(visualRect(item->index())))
            scrollTo(item->index(), QAbstractItemView::EnsureVisible);
    }
    update();
    viewport()->update();
}

void JXDeviceTreeView::showPlaying()
{
    for (int row = 0; row < m_itemModel->rowCount(); ++row) {
        const QModelIndex index = m_itemModel->index(row, 0);
        const KoFileInfoModel *recording = recordingAt(index);
        if (recording && recording->isPlaying()) {
            if (!viewport()->rect().contains(visualRect(index)))
                scrollTo(index, QAbstractItemView::EnsureVisible);
            break;
        }
    }
    viewport()->update();
}

void JXDeviceTreeView::mousePressEvent(QMouseEvent *event)
{
    if (!indexAt(event->pos()).isValid())
        clearSelection();
    QTreeView::mousePressEvent(event);
}

bool JXDeviceTreeView::isOverDeleteButton(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() && JXTreeItemDelegate::deleteButtonRect(
                                  JXTreeItemDelegate::fileRect(visualRect(index), index), width())
                                  .contains(pos);
}

void JXDeviceTreeView::setTripHeaders(const QVector<TripHeader> &headers)
{
    QSet<int> rows;
    bool changed = false;
    for (const TripHeader &h : headers) {
        QStandardItem *item = m_itemModel->item(h.row);
        if (!item || h.text.isEmpty())
            continue;
        rows.insert(h.row);
        if (item->data(JXTreeItemDelegate::TripHeaderRole).toString() != h.text) {
            item->setData(h.text, JXTreeItemDelegate::TripHeaderRole);
            changed = true;
        }
        item->setData(h.toolTip, JXTreeItemDelegate::TripToolTipRole);
    }
    for (const int row : qAsConst(m_headerRows)) {
        if (rows.contains(row))
            continue;
        if (QStandardItem *item = m_itemModel->item(row)) {
            item->setData(QVariant(), JXTreeItemDelegate::TripHeaderRole);
            item->setData(QVariant(), JXTreeItemDelegate::TripToolTipRole);
            changed = true;
        }
    }
    m_headerRows = rows;
    // The rows that got or lost a band change their height.
    if (changed)
        scheduleDelayedItemsLayout();
}

QString JXDeviceTreeView::summaryOf(const KoFileInfoModel *recording) const
{
    const KoDrivingEvents::Thresholds thresholds = KoDrivingEvents::thresholdsFromSettings();
    KoTrackSummary summary = KoTrackSummary::fromCache(recording->gpsCachePath(), thresholds);
    // A recording's channels carry the same track: a sibling's cache does.
    for (int i = 1; i < 3 && !summary.valid; ++i) {
        const QString sibling = recording->channelPath(i);
        for (int row = 0; !sibling.isEmpty() && row < m_itemModel->rowCount(); ++row) {
            const KoFileInfoModel *m = recordingAt(m_itemModel->index(row, 0));
            if (m && m->filePath() == sibling) {
                summary = KoTrackSummary::fromCache(m->gpsCachePath(), thresholds);
                break;
            }
        }
    }
    if (!summary.valid)
        return tr("No track read yet: the track is read when the recording plays.");
    return summary.describe(JXDefaultSettings::instance()->getSpeedUnit() == KoSpeedUnit::MilesPerHour);
}

QString JXDeviceTreeView::toolTipAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    const KoFileInfoModel *recording = recordingAt(index);
    if (!recording)
        return QString();
    if (JXTreeItemDelegate::hasHeader(index) &&
        JXTreeItemDelegate::headerRect(visualRect(index)).contains(pos))
        return index.data(JXTreeItemDelegate::TripToolTipRole).toString();
    return recording->filePath() + QLatin1Char('\n') + summaryOf(recording);
}

bool JXDeviceTreeView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}

void JXDeviceTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first click may already have removed the row, moving the next one
    // under the mouse: the second press must neither delete nor play it.
    if (isOverDeleteButton(event->pos())) {
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

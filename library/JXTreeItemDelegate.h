#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QStringList>
#include <QStyledItemDelegate>

#include <memory>

class KoFileInfoModel;
class QPushButton;

// Paints the rows of the file list and turns a click on a row's delete button
// into deleteClickedSignal (the view passes it on as willDeleteFileSignal).
// The first row of a trip carries the trip's header in a band above the
// file's own row (TripHeaderRole).
class JXTreeItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The recording shown in a row, or null: the view knows how it stores them.
    using RecordingLookup = KoFileInfoModel *(*)(const QModelIndex &index);

    // The text of the trip header a row carries (empty: none) and its tool tip.
    static constexpr int TripHeaderRole = Qt::UserRole + 2;
    static constexpr int TripToolTipRole = Qt::UserRole + 3;

    // Row geometry, in pixels.
    static constexpr int RowHeight = 48;
    static constexpr int HeaderHeight = 36; // two lines
    static bool hasHeader(const QModelIndex &index);
    // The part of an item's rectangle that shows the file (below its header
    // band, if any), and the band.
    static QRect fileRect(const QRect &item, const QModelIndex &index);
    static QRect headerRect(const QRect &item);
    // A header's parts ("a · b · c") laid out on at most two lines of
    // `width` pixels, a part never split; what does not fit is elided.
    static QStringList headerLines(const QString &header, const QFontMetrics &metrics, int width);
    static QRect thumbnailRect(const QRect &row);
    static QRect nameRect(const QRect &row, int viewWidth);
    static QRect sizeRect(const QRect &row, int viewWidth);
    static QRect deleteButtonRect(const QRect &row, int viewWidth);

    // The size column's text: whole MiB, truncated.
    static QString sizeText(qint64 bytes);

    JXTreeItemDelegate(QWidget *view, RecordingLookup recordingAt);
    ~JXTreeItemDelegate() override;

    bool eventFilter(QObject *object, QEvent *event) override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

signals:
    void deleteClickedSignal(QModelIndex index);

private:
    // Never shown: only the style source of the painted delete buttons.
    std::unique_ptr<QPushButton> deleteButton;
    int pressState = -1; // -1 none, 1 pressed on the button, 0 moved over it
    QPoint lastMousePos;
    // Row whose delete button took the last press, until the next release.
    QPersistentModelIndex pressedIndex;
    QWidget *view = nullptr;
    RecordingLookup recordingAt = nullptr;
};

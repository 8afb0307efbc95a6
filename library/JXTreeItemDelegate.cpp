#include "library/JXTreeItemDelegate.h"

#include "library/KoFileInfoModel.h"
#include "library/KoPreviewLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
const QColor kSelectedColor(17, 26, 56);
const QColor kHoverColor(255, 255, 255, 21);
const QColor kPlayingTextColor(18, 253, 253);
const QColor kHeaderColor(28, 52, 96);
const QColor kHeaderTextColor(190, 215, 255);

// Shared by every delegate; loaded with the first one and kept for the life
// of the process (a pixmap must not outlive the application object's
// destruction, so it is never destroyed).
QPixmap *s_defaultThumbnail = nullptr;
} // namespace

bool JXTreeItemDelegate::hasHeader(const QModelIndex &index)
{
    return !index.data(TripHeaderRole).toString().isEmpty();
}

QRect JXTreeItemDelegate::fileRect(const QRect &item, const QModelIndex &index)
{
    return hasHeader(index) ? item.adjusted(0, HeaderHeight, 0, 0) : item;
}

QRect JXTreeItemDelegate::headerRect(const QRect &item)
{
    return QRect(item.left(), item.top(), item.width(), HeaderHeight);
}

QStringList JXTreeItemDelegate::headerLines(const QString &header, const QFontMetrics &metrics, int width)
{
    const QString separator = QStringLiteral(" · ");
    const QStringList parts = header.split(separator);
    QStringList lines;
    QString line;
    for (const QString &part : parts) {
        const QString longer = line.isEmpty() ? part : line + separator + part;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width || lines.size() == 1) {
            line = longer;
            continue;
        }
        lines.append(line);
        line = part;
    }
    lines.append(line);
    for (QString &l : lines)
        l = metrics.elidedText(l, Qt::ElideRight, width);
    return lines;
}

QRect JXTreeItemDelegate::thumbnailRect(const QRect &row)
{
    return QRect(12, row.top() + 4, 70, 40);
}

QRect JXTreeItemDelegate::nameRect(const QRect &row, int viewWidth)
{
    const int left = thumbnailRect(row).right() + 12;
    return QRect(left, row.top(), deleteButtonRect(row, viewWidth).left() - left, 24);
}

QRect JXTreeItemDelegate::sizeRect(const QRect &row, int viewWidth)
{
    const QRect name = nameRect(row, viewWidth);
    return QRect(name.left(), name.bottom(), name.width(), 24);
}

QRect JXTreeItemDelegate::deleteButtonRect(const QRect &row, int viewWidth)
{
    return QRect(viewWidth - 38, row.top() + 9, 30, 30);
}

QString JXTreeItemDelegate::sizeText(qint64 bytes)
{
    return tr("%1 MB").arg(bytes / 1024 / 1024);
}

JXTreeItemDelegate::JXTreeItemDelegate(QWidget *view, RecordingLookup recordingAt)
    : QStyledItemDelegate(view)
    , deleteButton(new QPushButton)
    , view(view)
    , recordingAt(recordingAt)
{
    deleteButton->setStyleSheet(
        QStringLiteral("QPushButton {border-image:url(:/images/images/icon_off.png);}"));
    if (!s_defaultThumbnail)
        s_defaultThumbnail = new QPixmap(QStringLiteral(":/images/images/default_file_icon.png"));
}

JXTreeItemDelegate::~JXTreeItemDelegate() = default;

bool JXTreeItemDelegate::eventFilter(QObject *, QEvent *)
{
    // Rows have no editors; nothing passes to one.
    return true;
}

void JXTreeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    KoFileInfoModel *recording = recordingAt(index);
    const QRect r = fileRect(option.rect, index);
    const int viewWidth = view->width();

    painter->save();
    const QString header = index.data(TripHeaderRole).toString();
    if (!header.isEmpty()) {
        const QRect band(0, option.rect.top(), viewWidth, HeaderHeight);
        painter->fillRect(band, kHeaderColor);
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(12);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(kHeaderTextColor);
        const QRect text = band.adjusted(12, 2, -8, -2);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                          headerLines(header, QFontMetrics(font), text.width()).join(QLatin1Char('\n')));
    }
    const QRect rowArea(0, r.top(), r.right() + 1, r.height());
    if (option.state & QStyle::State_Selected)
        painter->fillRect(rowArea, kSelectedColor);
    if (option.state & QStyle::State_MouseOver)
        painter->fillRect(rowArea, kHoverColor);

    QPixmap thumbnail = recording ? KoPreviewLoader::previewPixmap(recording) : QPixmap();
    if (thumbnail.isNull())
        thumbnail = *s_defaultThumbnail;
    if (!thumbnail.isNull())
        painter->drawPixmap(thumbnailRect(r), thumbnail);

    painter->setPen(QPen(QBrush(Qt::white), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(0, r.top() + 47, viewWidth, r.top() + 47);

    QStyleOptionButton button;
    button.rect = deleteButtonRect(r, viewWidth);
    button.state = QStyle::State_Enabled;
    if (button.rect.contains(lastMousePos)) {
        if (pressState == 0)
            button.state |= QStyle::State_MouseOver;
        else if (pressState == 1)
            button.state |= QStyle::State_Sunken;
    }
    deleteButton->style()->drawControl(QStyle::CE_PushButton, &button, painter, deleteButton.get());

    if (recording) {
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(12);
        painter->setFont(font);
        painter->setPen(recording->isPlaying() ? kPlayingTextColor : QColor(Qt::white));
        const QFontMetrics metrics(font);
        const QRect name = nameRect(r, viewWidth);
        // A camera's names ("2019_0523_143005_001C.MP4") are a few pixels
        // wider than the list's default width at times: a pixel smaller
        // keeps the time in them readable before it is elided.
        QFont nameFont = font;
        if (metrics.elidedText(recording->fileName(), Qt::ElideMiddle, name.width()) != recording->fileName())
            nameFont.setPixelSize(11);
        painter->setFont(nameFont);
        painter->drawText(
            name, Qt::AlignLeft | Qt::AlignBottom,
            QFontMetrics(nameFont).elidedText(recording->fileName(), Qt::ElideMiddle, name.width()));
        painter->setFont(font);
        const QRect size = sizeRect(r, viewWidth);
        painter->drawText(
            size, Qt::AlignLeft | Qt::AlignBottom,
            metrics.elidedText(sizeText(recording->fileInfo().size()), Qt::ElideMiddle, size.width()));
    }
    painter->restore();
}

QSize JXTreeItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    return QSize(view->width(), RowHeight + (hasHeader(index) ? HeaderHeight : 0));
}

QWidget *JXTreeItemDelegate::createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return nullptr;
}

bool JXTreeItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonDblClick)
        return QStyledItemDelegate::editorEvent(event, model, option, index);

    const auto *mouse = static_cast<QMouseEvent *>(event);
    pressState = -1;
    lastMousePos = mouse->pos();
    // A click needs both its press and its release on the same row's button:
    // the release of a double click, or of a press made elsewhere, deletes
    // nothing (after a deletion the next row slides under the mouse).
    const QPersistentModelIndex pressed = pressedIndex;
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick ||
        type == QEvent::MouseButtonPress)
        pressedIndex = QPersistentModelIndex();
    if (!deleteButtonRect(fileRect(option.rect, index), view->width()).contains(lastMousePos))
        return false;
    if (type == QEvent::MouseButtonPress) {
        pressState = 1;
        pressedIndex = index;
    } else if (type == QEvent::MouseButtonRelease) {
        if (pressed == index)
            emit deleteClickedSignal(index);
    } else if (type == QEvent::MouseMove) {
        pressState = 0;
    }
    return true;
}

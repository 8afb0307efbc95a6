#include "widgets/KoCustomComboBox.h"

#include <QAbstractItemView>
#include <QDebug>
#include <QFrame>

KoCustomComboBox::KoCustomComboBox(QWidget *parent)
    : QComboBox(parent)
{}

void KoCustomComboBox::showPopup()
{
    QComboBox::showPopup();
    // The list view sits in the popup's container frame.
    QFrame *popup = qobject_cast<QFrame *>(view() ? view()->parentWidget() : nullptr);
    if (!popup)
        popup = findChild<QFrame *>();
    if (!popup) {
        qWarning() << "KoCustomComboBox::showPopup" << __LINE__ << "no popup frame";
        return;
    }
    popup->setStyleSheet(QStringLiteral("background-color: rgb(21,39, 79); "));
    popup->move(mapToGlobal(QPoint(0, 0)) + QPoint(0, height()));
    popup->resize(width(), popup->height());
}

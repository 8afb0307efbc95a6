#include "widgets/KoCustomComboBox.h"

#include "app/KoLogging.h"
#include "widgets/KoWindowPosition.h"

#include <QAbstractItemView>
#include <QFrame>

KoCustomComboBox::KoCustomComboBox(QWidget *parent)
    : QComboBox(parent)
{}

void KoCustomComboBox::showPopup()
{
    // The list is placed in screen coordinates, from where Qt believes the
    // window is; make sure that is where the window really is.
    KoWindowPosition::sync(this);
    QComboBox::showPopup();
    // The list view sits in the popup's container frame.
    QFrame *popup = qobject_cast<QFrame *>(view() ? view()->parentWidget() : nullptr);
    if (!popup)
        popup = findChild<QFrame *>();
    if (!popup) {
        qCWarning(lcUi) << "combo box" << objectName() << "has no popup frame";
        return;
    }
    popup->setStyleSheet(QStringLiteral("background-color: rgb(21,39, 79); "));
    popup->move(mapToGlobal(QPoint(0, 0)) + QPoint(0, height()));
    popup->resize(width(), popup->height());
}

#include "widgets/KoCoverWidget.h"

#include "widgets/ui_KoCoverWidget.h"

#include <QResizeEvent>

KoCoverWidget::KoCoverWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::KoCoverWidget)
{
    ui->setupUi(this);
    // A QWidget subclass paints its style sheet background only when asked to.
    setAttribute(Qt::WA_StyledBackground);
    ui->widget_tmp->setStyleSheet(QStringLiteral("QWidget#widget_tmp {\n"
                                                 "background-color: rgb(12, 13, 34);\n"
                                                 "border-image: url(:/images/images/display_bg.png);\n"
                                                 "}"));
    m_content = ui->widget_tmp;
    ui->widget_tmp_oasser->setVisible(false);
}

KoCoverWidget::~KoCoverWidget() = default;

KoCoverWidget *KoCoverWidget::over(QWidget *display)
{
    auto *cover = new KoCoverWidget(display);
    // Stacked over the engine's native video window.
    cover->setAttribute(Qt::WA_NativeWindow);
    cover->setGeometry(display->rect());
    cover->hide();
    display->installEventFilter(cover);
    return cover;
}

bool KoCoverWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == parent())
        setGeometry(static_cast<QWidget *>(watched)->rect());
    return QWidget::eventFilter(watched, event);
}

void KoCoverWidget::resizeEvent(QResizeEvent *event)
{
    m_content->setGeometry(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

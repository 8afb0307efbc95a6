#include "mainwindow/VelmorMainWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>

VelmorMainWidget::VelmorMainWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VelmorMainWidget"));
    resize(1035, 665);
    setMinimumSize(1035, 665);
    setStyleSheet(QStringLiteral("QWidget#VelmorMainWidget {\nbackground-color: rgb(0,0,0);\n}"));
    setWindowTitle(QString());
    setWindowTitle(QStringLiteral("Tavrin Player %1").arg(QStringLiteral(TAVRIN_VERSION_TEXT)));
}

VelmorMainWidget::~VelmorMainWidget() = default;

void VelmorMainWidget::closeEvent(QCloseEvent *event)
{
    qWarning() << "VelmorMainWidget::closeEvent" << __LINE__;
    event->accept();
    QCoreApplication::exit(0);
}

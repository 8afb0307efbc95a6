#include "widgets/KoBasicWidget.h"

#include "widgets/KoTitleBar.h"
#include "widgets/KoWindowPosition.h"

#include <QCoreApplication>
#include <QDebug>

KoBasicWidget::KoBasicWidget(QWidget *parent)
    : QWidget(parent)
{}

void KoBasicWidget::initTitleBar()
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    m_titleBar = new KoTitleBar(this);
    m_titleBar->move(0, 0);
    connect(m_titleBar, &KoTitleBar::signalButtonMinClicked, this, &KoBasicWidget::onButtonMinClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonRestoreClicked, this,
            &KoBasicWidget::onButtonRestoreClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonMaxClicked, this, &KoBasicWidget::onButtonMaxClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonCloseClicked, this, &KoBasicWidget::onButtonCloseClicked);
    KoWindowPosition::syncOnActivation(this);
}

void KoBasicWidget::onButtonMinClicked()
{
    showMinimized();
}

// Maximised by hand, over the available desktop area; the window stays in the
// normal window state.
void KoBasicWidget::onButtonMaxClicked()
{
    if (m_titleBar)
        m_titleBar->maximiseWindow(this);
}

void KoBasicWidget::onButtonRestoreClicked()
{
    if (m_titleBar)
        m_titleBar->restoreWindow(this);
}

void KoBasicWidget::onButtonCloseClicked()
{
    QCoreApplication::exit(0);
}

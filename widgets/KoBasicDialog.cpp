#include "widgets/KoBasicDialog.h"

#include "widgets/KoTitleBar.h"
#include "widgets/KoWindowPosition.h"

KoBasicDialog::KoBasicDialog(QWidget *parent)
    : QDialog(parent)
{}

void KoBasicDialog::initTitleBar()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_titleBar = new KoTitleBar(this);
    m_titleBar->move(0, 0);
    connect(m_titleBar, &KoTitleBar::signalButtonMinClicked, this, &KoBasicDialog::onButtonMinClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonRestoreClicked, this,
            &KoBasicDialog::onButtonRestoreClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonMaxClicked, this, &KoBasicDialog::onButtonMaxClicked);
    connect(m_titleBar, &KoTitleBar::signalButtonCloseClicked, this, &KoBasicDialog::onButtonCloseClicked);
    m_titleBar->setButtonType(KoTitleBar::ButtonTypeCloseOnly);
    // What the dialog places on the screen (its combo lists, a file dialog
    // centred on it) and a drag of its title bar start from its position.
    KoWindowPosition::syncOnActivation(this);
}

void KoBasicDialog::onButtonMinClicked()
{
    showMinimized();
}

// Maximised by hand, over the available desktop area; the window stays in the
// normal window state.
void KoBasicDialog::onButtonMaxClicked()
{
    if (m_titleBar)
        m_titleBar->maximiseWindow(this);
}

void KoBasicDialog::onButtonRestoreClicked()
{
    if (m_titleBar)
        m_titleBar->restoreWindow(this);
}

void KoBasicDialog::onButtonCloseClicked()
{
    close();
}

#pragma once

#include <QDialog>

class KoTitleBar;

// Base of the program's dialogs: frameless, deleted when closed, with a
// title bar that shows only its close button and can always be dragged.
// The derived class calls initTitleBar() in its constructor. Once a window
// manager has placed and activated it, the dialog checks that Qt knows its
// real place (see KoWindowPosition).
class KoBasicDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KoBasicDialog(QWidget *parent = nullptr);

    KoTitleBar *titleBar() const { return m_titleBar; }

public slots:
    virtual void onButtonMinClicked();
    virtual void onButtonRestoreClicked();
    virtual void onButtonMaxClicked();
    // Closes (and so deletes) the dialog.
    virtual void onButtonCloseClicked();

protected:
    void initTitleBar();

    KoTitleBar *m_titleBar = nullptr;
};

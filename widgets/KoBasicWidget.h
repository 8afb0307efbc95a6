#pragma once

#include <QWidget>

class KoTitleBar;

// Base of the main window: a frameless top-level window carrying the custom
// title bar. The derived class calls initTitleBar() in its constructor.
class KoBasicWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KoBasicWidget(QWidget *parent = nullptr);

    KoTitleBar *titleBar() const { return m_titleBar; }

public slots:
    virtual void onButtonMinClicked();
    virtual void onButtonRestoreClicked();
    virtual void onButtonMaxClicked();
    // Ends the application with exit code 0.
    virtual void onButtonCloseClicked();

protected:
    void initTitleBar();

    KoTitleBar *m_titleBar = nullptr;
};

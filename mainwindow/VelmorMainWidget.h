#pragma once

#include <QWidget>

class QCloseEvent;

// The application's main window.
class VelmorMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VelmorMainWidget(QWidget *parent = nullptr);
    ~VelmorMainWidget() override;

protected:
    void closeEvent(QCloseEvent *event) override;
};

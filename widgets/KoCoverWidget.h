#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class KoCoverWidget;
}

// The logo panel that covers the video area while nothing plays. Its content
// panel always fills the whole cover, so the background stretches over it and
// the logo stays centred.
class KoCoverWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KoCoverWidget(QWidget *parent = nullptr);
    ~KoCoverWidget() override;

    QWidget *contentPanel() const { return m_content; }

    // A cover over the whole of `display` (also over the native window a
    // video engine draws into), following its size; hidden until shown.
    static KoCoverWidget *over(QWidget *display);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::KoCoverWidget> ui;
    QWidget *m_content = nullptr;
};

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

// The custom title bar laid over the top edge of a frameless window: logo,
// title text and flat image buttons for settings, minimise, maximise, restore
// and close. Dragging the title area moves the window; in the main window a
// double click toggles maximised state.
//
// Maximised state is tracked only by which of ButtonMax and ButtonRestore is
// visible: ButtonMax visible means normal, ButtonRestore visible maximised.
class KoTitleBar : public QWidget
{
    Q_OBJECT

public:
    enum ButtonType
    {
        ButtonTypeMinClose = 0,    // hides restore and maximise
        ButtonTypeMinMaxClose = 1, // the default: restore hidden until maximised
        ButtonTypeCloseOnly = 2,   // hides everything but close
    };

    explicit KoTitleBar(QWidget *parent = nullptr);

    // Only hides buttons, never shows one.
    void setButtonType(int type);
    int buttonType() const { return m_buttonType; }

    // Shows the image at `path` scaled to exactly `size`.
    void setTitleIcon(const QString &path, const QSize &size);

    // No painted background and no logo (for windows with their own backdrop).
    void setTransparentStyle();
    bool isTransparentStyle() const { return m_transparent; }

    void saveRestoreInfo(const QPoint &pos, const QSize &size);
    void getRestoreInfo(QPoint &pos, QSize &size) const;

    // The geometry of a window maximised by hand: the default screen's
    // available area (without the task bar) grown by 3 pixels on every side,
    // so that the window's own edge lies just off the screen. Null when there
    // is no screen.
    static QRect maximisedGeometry();

    // Maximise and restore by hand, for the frameless bases: the window stays
    // in the normal window state and this bar keeps the geometry to go back to.
    void maximiseWindow(QWidget *window);
    void restoreWindow(QWidget *window);

    static constexpr int kHeight = 35;

signals:
    void signalButtonMinClicked();
    void signalButtonRestoreClicked();
    void signalButtonMaxClicked();
    void signalButtonCloseClicked();
    void signalShowAppSetting();

public slots:
    void pnButtonMenuClicked();
    void onButtonMinClicked();
    void onButtonRestoreClicked();
    void onButtonMaxClicked();
    void onButtonCloseClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void initControl();
    void initConnections();
    void loadStyleSheet();

    QLabel *m_icon = nullptr;
    QLabel *m_titleContent = nullptr;
    QPushButton *m_buttonMenu = nullptr;
    QPushButton *m_buttonMin = nullptr;
    QPushButton *m_buttonRestore = nullptr;
    QPushButton *m_buttonMax = nullptr;
    QPushButton *m_buttonClose = nullptr;

    std::array<int, 3> m_backgroundColor{{5, 38, 61}};
    bool m_transparent = false;
    QPoint m_restorePos;
    QSize m_restoreSize;
    bool m_isPressed = false;
    QPoint m_lastMousePos;
    int m_buttonType = ButtonTypeMinMaxClose;
};

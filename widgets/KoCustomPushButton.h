#pragma once

#include <QPushButton>

class QLabel;

// A flat button made of an icon and a caption, centred together; the caption
// lights up in cyan while the mouse is over the button.
class KoCustomPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit KoCustomPushButton(QWidget *parent = nullptr);

    // An image of the resource bundle by file name, e.g. "file_add_dir.png".
    void setIconImage(const QString &fileName);
    void setButtonText(const QString &text);
    QString buttonText() const;

    bool isHovered() const { return m_hovered; }

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QLabel *m_iconLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    bool m_hovered = false;
};

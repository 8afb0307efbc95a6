#include "widgets/KoCustomPushButton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
const char *const kCaptionStyle = "color: #ffffff; font: 75 13px \"Tahoma\";";
const char *const kCaptionHoverStyle = "color: #12fdfe; font: 75 13px \"Tahoma\";";
} // namespace

KoCustomPushButton::KoCustomPushButton(QWidget *parent)
    : QPushButton(parent)
{
    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setFixedSize(20, 30);
    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("textLabel"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_textLabel->setStyleSheet(QLatin1String(kCaptionStyle));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addStretch();
    layout->addWidget(m_iconLabel);
    layout->addWidget(m_textLabel);
    layout->addStretch();
}

void KoCustomPushButton::setIconImage(const QString &fileName)
{
    m_iconLabel->setStyleSheet(QStringLiteral("image: url(:/images/images/%1);").arg(fileName));
}

void KoCustomPushButton::setButtonText(const QString &text)
{
    m_textLabel->setText(text);
}

QString KoCustomPushButton::buttonText() const
{
    return m_textLabel->text();
}

// Restyling re-polishes the caption, so it is done only when the state changes.
void KoCustomPushButton::enterEvent(QEvent *event)
{
    if (!m_hovered) {
        m_hovered = true;
        m_textLabel->setStyleSheet(QLatin1String(kCaptionHoverStyle));
    }
    QPushButton::enterEvent(event);
}

void KoCustomPushButton::leaveEvent(QEvent *event)
{
    if (m_hovered) {
        m_hovered = false;
        m_textLabel->setStyleSheet(QLatin1String(kCaptionStyle));
    }
    QPushButton::leaveEvent(event);
}

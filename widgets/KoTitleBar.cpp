#include "widgets/KoTitleBar.h"

#include "app/KoLogging.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace {

// The buttons are flat images; under the mouse each shows its "_press" form.
struct ButtonImage
{
    const char *objectName;
    const char *image;
};
const ButtonImage kButtonImages[] = {
    {"ButtonClose", "icon_top_cancel"}, {"ButtonRestore", "icon_top_recovery"},
    {"ButtonMax", "icon_top_enlarge"},  {"ButtonMin", "icon_top_narrow"},
    {"ButtonMenu", "icon_top_set"},
};

QString titleStyleSheet()
{
    const QString clear = QStringLiteral("border-color: rgba(0,0,0,0);\nbackground-color: rgba(0,0,0,0);");
    QString sheet;
    for (const ButtonImage &b : kButtonImages) {
        sheet += QStringLiteral(
                     "QPushButton#%1 {\nborder-image: url(:/images/images/%2.png);\n%3\n}\n"
                     "QPushButton#%1:hover {\nborder-image: url(:/images/images/%2_press.png);\n%3\n}\n")
                     .arg(QLatin1String(b.objectName), QLatin1String(b.image), clear);
    }
    sheet += QStringLiteral("QLabel#TitleContent, QLabel#TitleIcon {\n%1\n}\n").arg(clear);
    return sheet;
}

QPushButton *makeButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(30, 30);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

KoTitleBar::KoTitleBar(QWidget *parent)
    : QWidget(parent)
{
    initControl();
    initConnections();
    loadStyleSheet();
    setTitleIcon(QStringLiteral(":/images/images/logo.png"), QSize(132, 28));
}

void KoTitleBar::initControl()
{
    m_icon = new QLabel;
    m_icon->setObjectName(QStringLiteral("TitleIcon"));
    m_titleContent = new QLabel;
    m_titleContent->setObjectName(QStringLiteral("TitleContent"));
    // The heaviest weight the font system knows.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(13);
    font.setWeight(QFont::Black);
    font.setItalic(false);
    m_titleContent->setFont(font);
    m_titleContent->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_buttonMenu = makeButton("ButtonMenu");
    m_buttonMin = makeButton("ButtonMin");
    m_buttonRestore = makeButton("ButtonRestore");
    m_buttonMax = makeButton("ButtonMax");
    m_buttonClose = makeButton("ButtonClose");

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_icon);
    layout->addWidget(m_titleContent);
    layout->addWidget(m_buttonMenu);
    layout->addWidget(m_buttonMin);
    layout->addWidget(m_buttonRestore);
    layout->addWidget(m_buttonMax);
    layout->addWidget(m_buttonClose);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(4);

    setFixedHeight(kHeight);
    m_buttonRestore->setVisible(false);
}

void KoTitleBar::initConnections()
{
    connect(m_buttonMin, &QPushButton::clicked, this, &KoTitleBar::onButtonMinClicked);
    connect(m_buttonRestore, &QPushButton::clicked, this, &KoTitleBar::onButtonRestoreClicked);
    connect(m_buttonMax, &QPushButton::clicked, this, &KoTitleBar::onButtonMaxClicked);
    connect(m_buttonClose, &QPushButton::clicked, this, &KoTitleBar::onButtonCloseClicked);
    connect(m_buttonMenu, &QPushButton::clicked, this, &KoTitleBar::pnButtonMenuClicked);
}

void KoTitleBar::loadStyleSheet()
{
    setStyleSheet(styleSheet() + titleStyleSheet());
}

void KoTitleBar::setButtonType(int type)
{
    m_buttonType = type;
    switch (type) {
    case ButtonTypeMinClose:
        m_buttonRestore->setVisible(false);
        m_buttonMax->setVisible(false);
        break;
    case ButtonTypeMinMaxClose:
        m_buttonRestore->setVisible(false);
        break;
    case ButtonTypeCloseOnly:
        m_buttonMin->setVisible(false);
        m_buttonRestore->setVisible(false);
        m_buttonMax->setVisible(false);
        m_buttonMenu->setVisible(false);
        break;
    default:
        qCWarning(lcUi) << "unknown type" << type;
        break;
    }
}

void KoTitleBar::setTitleIcon(const QString &path, const QSize &size)
{
    const QPixmap pixmap(path);
    if (pixmap.isNull()) {
        qCWarning(lcUi) << "cannot load" << path;
        return;
    }
    m_icon->setPixmap(pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void KoTitleBar::setTransparentStyle()
{
    m_transparent = true;
    m_icon->setVisible(false);
    update();
}

QRect KoTitleBar::maximisedGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    return screen->availableGeometry().adjusted(-3, -3, 3, 3);
}

void KoTitleBar::maximiseWindow(QWidget *window)
{
    saveRestoreInfo(window->pos(), window->size());
    const QRect target = maximisedGeometry();
    if (target.isNull()) {
        qCWarning(lcUi) << "no screen";
        return;
    }
    window->setGeometry(target);
}

void KoTitleBar::restoreWindow(QWidget *window)
{
    // Nothing to go back to unless a maximise saved a geometry first.
    if (!m_restoreSize.isValid()) {
        qCWarning(lcUi) << "no saved geometry";
        return;
    }
    window->setGeometry(QRect(m_restorePos, m_restoreSize));
}

void KoTitleBar::saveRestoreInfo(const QPoint &pos, const QSize &size)
{
    m_restorePos = pos;
    m_restoreSize = size;
}

void KoTitleBar::getRestoreInfo(QPoint &pos, QSize &size) const
{
    pos = m_restorePos;
    size = m_restoreSize;
}

void KoTitleBar::pnButtonMenuClicked()
{
    emit signalShowAppSetting();
}

void KoTitleBar::onButtonMinClicked()
{
    emit signalButtonMinClicked();
}

void KoTitleBar::onButtonRestoreClicked()
{
    m_buttonRestore->setVisible(false);
    m_buttonMax->setVisible(true);
    emit signalButtonRestoreClicked();
}

void KoTitleBar::onButtonMaxClicked()
{
    m_buttonMax->setVisible(false);
    m_buttonRestore->setVisible(true);
    emit signalButtonMaxClicked();
}

void KoTitleBar::onButtonCloseClicked()
{
    emit signalButtonCloseClicked();
}

void KoTitleBar::mousePressEvent(QMouseEvent *event)
{
    // A maximised main window stays where it is.
    if (m_buttonType != ButtonTypeMinMaxClose || m_buttonMax->isVisible()) {
        m_isPressed = true;
        m_lastMousePos = event->globalPos();
    }
    QWidget::mousePressEvent(event);
}

void KoTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = parentWidget();
    if (m_isPressed && window) {
        const QPoint current = event->globalPos();
        window->move(window->pos() + (current - m_lastMousePos));
        m_lastMousePos = current;
    }
    QWidget::mouseMoveEvent(event);
}

void KoTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_isPressed = false;
    QWidget::mouseReleaseEvent(event);
}

void KoTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_buttonType == ButtonTypeMinMaxClose) {
        if (m_buttonMax->isVisible())
            onButtonMaxClicked();
        else
            onButtonRestoreClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

void KoTitleBar::paintEvent(QPaintEvent *event)
{
    if (!m_transparent) {
        QPainter painter(this);
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        path.addRect(0, 0, width(), height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.fillPath(path,
                         QBrush(QColor(m_backgroundColor[0], m_backgroundColor[1], m_backgroundColor[2])));
    }
    // The bar has no resize handling of its own: it follows its window here.
    if (parentWidget() && width() != parentWidget()->width())
        setFixedWidth(parentWidget()->width());
    QWidget::paintEvent(event);
}

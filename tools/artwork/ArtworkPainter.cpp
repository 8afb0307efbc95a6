#include "tools/artwork/ArtworkPainter.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdint>

namespace {

// The program's colours: deep navy panels, cyan accents, white glyphs.
const QColor kNavy(12, 13, 34);
const QColor kPanel(5, 38, 61);
const QColor kCyan(18, 253, 254);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 86, 70);
const QColor kGreen(22, 200, 124);

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QString g_regularFamily = QStringLiteral("Sans");
QString g_boldFamily = QStringLiteral("Sans");

// Text as a filled outline: sizes may be fractional, the result does not
// depend on hinting, and it can be squeezed horizontally.
QPainterPath textPath(const QString &text, bool bold, qreal pixelSize, qreal squeeze = 1.0,
                      qreal letterSpacing = 0.0)
{
    QFont font(bold ? g_boldFamily : g_regularFamily);
    font.setPixelSize(100);
    font.setBold(bold);
    font.setKerning(true);
    if (letterSpacing != 0.0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing * 100.0 / pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform scale;
    scale.scale(pixelSize / 100.0 * squeeze, pixelSize / 100.0);
    return scale.map(path);
}

// The path moved so that its bounding box is centred on `centre`.
QPainterPath centredOn(QPainterPath path, const QPointF &centre)
{
    path.translate(centre - path.boundingRect().center());
    return path;
}

// Moves the origin to the canvas centre (most glyphs are drawn around it).
void toCentre(QPainter &p, const QSize &s)
{
    p.translate(s.width() / 2.0, s.height() / 2.0);
}

QPen roundPen(const QColor &c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Point at `radius` from `centre` in the direction `degrees` clockwise from up.
QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qSin(a), -radius * qCos(a));
}

// Adds slight noise to a gradient fill so that wide, slow gradients do not band.
void dither(QImage &img, int amplitude)
{
    uint32_t seed = 0x2545F491u;
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int n = int((seed >> 24) % uint32_t(2 * amplitude + 1)) - amplitude;
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a == 0)
                continue;
            line[x] = qRgba(qBound(0, qRed(px) + n, a), qBound(0, qGreen(px) + n, a),
                            qBound(0, qBlue(px) + n, a), a);
        }
    }
}

// ---------------------------------------------------------------------------
// Button looks

enum class State
{
    Normal,
    Press,
    Disabled
};

QColor glyphColour(State s)
{
    switch (s) {
    case State::Press:
        return kCyan;
    case State::Disabled:
        return withAlpha(kWhite, 64);
    case State::Normal:
        break;
    }
    return withAlpha(kWhite, 235);
}

// Round backdrop of a transport button: the hover/pressed form lights up in
// cyan; the main button (play/pause) always carries a ring.
void transportBackdrop(QPainter &p, const QSize &s, State state, bool primary)
{
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    const qreal r = s.width() / 2.0 - 1.25;
    if (state == State::Press) {
        QRadialGradient glow(c, r);
        glow.setColorAt(0.0, withAlpha(kCyan, 70));
        glow.setColorAt(0.75, withAlpha(kCyan, 38));
        glow.setColorAt(1.0, withAlpha(kCyan, 22));
        p.setPen(QPen(withAlpha(kCyan, primary ? 230 : 150), 1.3));
        p.setBrush(glow);
        p.drawEllipse(c, r, r);
    } else if (primary) {
        p.setPen(QPen(withAlpha(kWhite, state == State::Disabled ? 50 : 170), 1.3));
        p.setBrush(withAlpha(kWhite, state == State::Disabled ? 6 : 14));
        p.drawEllipse(c, r, r);
    }
}

using Glyph = void (*)(QPainter &, const QColor &);

// Transport glyphs, drawn around the origin in a box of about 20 x 20.

void glyphPlay(QPainter &p, const QColor &c)
{
    QPainterPath t;
    t.moveTo(-4.6, -8.2);
    t.lineTo(8.6, 0.0);
    t.lineTo(-4.6, 8.2);
    t.closeSubpath();
    p.setPen(roundPen(c, 1.6));
    p.setBrush(c);
    p.drawPath(t);
}

void glyphPauseBars(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-6.2, -7.8, 4.4, 15.6), 1.2, 1.2);
    p.drawRoundedRect(QRectF(1.8, -7.8, 4.4, 15.6), 1.2, 1.2);
}

void glyphStopSquare(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-6.5, -6.5, 13.0, 13.0), 2.0, 2.0);
}

// Previous recording: a bar and a triangle pointing left.
void glyphPrevious(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-8.0, -7.0, 2.6, 14.0), 1.0, 1.0);
    QPainterPath t;
    t.moveTo(7.6, -7.0);
    t.lineTo(-4.0, 0.0);
    t.lineTo(7.6, 7.0);
    t.closeSubpath();
    p.setPen(roundPen(c, 1.4));
    p.drawPath(t);
}

void glyphNext(QPainter &p, const QColor &c)
{
    p.save();
    p.scale(-1, 1);
    glyphPrevious(p, c);
    p.restore();
}

// Full screen: four corner brackets.
void glyphFullscreen(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 2.0));
    p.setBrush(Qt::NoBrush);
    const qreal e = 8.0, a = 4.6;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            QPainterPath corner;
            corner.moveTo(sx * e, sy * (e - a));
            corner.lineTo(sx * e, sy * e);
            corner.lineTo(sx * (e - a), sy * e);
            p.drawPath(corner);
        }
    }
}

// Snapshot: a camera.
void glyphCamera(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    QPainterPath body;
    body.addRoundedRect(QRectF(-9.0, -4.6, 18.0, 12.6), 2.6, 2.6);
    p.drawPath(body);
    QPainterPath top;
    top.moveTo(-4.6, -4.6);
    top.lineTo(-3.0, -7.6);
    top.lineTo(3.0, -7.6);
    top.lineTo(4.6, -4.6);
    p.drawPath(top);
    p.drawEllipse(QPointF(0.0, 1.6), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(6.0, -1.8), 1.1, 1.1);
}

void magnifier(QPainter &p, const QColor &c, bool plus)
{
    const QPointF centre(-2.0, -2.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(c, 1.8));
    p.drawEllipse(centre, 6.4, 6.4);
    p.setPen(roundPen(c, 2.8));
    p.drawLine(QPointF(3.0, 3.0), QPointF(8.2, 8.2));
    p.setPen(roundPen(c, 1.7));
    p.drawLine(centre + QPointF(-3.2, 0), centre + QPointF(3.2, 0));
    if (plus)
        p.drawLine(centre + QPointF(0, -3.2), centre + QPointF(0, 3.2));
}

void glyphZoomOut(QPainter &p, const QColor &c)
{
    magnifier(p, c, false);
}

void glyphZoomIn(QPainter &p, const QColor &c)
{
    magnifier(p, c, true);
}

// Switch the picture layout: a screen split into a wide pane over two.
void glyphLayout(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(c, 1.6));
    p.drawRoundedRect(QRectF(-9.0, -7.0, 18.0, 14.0), 2.0, 2.0);
    p.drawLine(QPointF(-9.0, 1.2), QPointF(9.0, 1.2));
    p.drawLine(QPointF(0.0, 1.2), QPointF(0.0, 7.0));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(c, c.alpha() / 3));
    p.drawRect(QRectF(-8.2, -6.2, 16.4, 6.6));
}

void speaker(QPainter &p, const QColor &c)
{
    QPainterPath s;
    s.moveTo(-9.0, -3.2);
    s.lineTo(-5.2, -3.2);
    s.lineTo(-0.6, -7.6);
    s.lineTo(-0.6, 7.6);
    s.lineTo(-5.2, 3.2);
    s.lineTo(-9.0, 3.2);
    s.closeSubpath();
    p.setPen(roundPen(c, 1.2));
    p.setBrush(c);
    p.drawPath(s);
}

void glyphSound(QPainter &p, const QColor &c)
{
    p.save();
    p.translate(-0.5, 0);
    speaker(p, c);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(c, 1.7));
    p.drawArc(QRectF(-4.6, -4.6, 9.2, 9.2), -45 * 16, 90 * 16);
    p.drawArc(QRectF(-9.0, -9.0, 18.0, 18.0), -48 * 16, 96 * 16);
    p.restore();
}

void glyphMute(QPainter &p, const QColor &c)
{
    p.save();
    p.translate(-0.5, 0);
    speaker(p, c);
    p.setPen(roundPen(c, 1.8));
    p.drawLine(QPointF(3.4, -3.4), QPointF(9.4, 2.6));
    p.drawLine(QPointF(3.4, 2.6), QPointF(9.4, -3.4));
    p.restore();
}

QPainterPath folderPath(qreal w, qreal h)
{
    // A folder of w x h around the origin, with its tab at the top left.
    const qreal l = -w / 2, t = -h / 2, r = w / 2, b = h / 2;
    QPainterPath f;
    f.moveTo(l, t + 1.2);
    f.quadTo(l, t, l + 1.2, t);
    f.lineTo(l + w * 0.34, t);
    f.lineTo(l + w * 0.34 + 2.0, t + 2.2);
    f.lineTo(r - 1.2, t + 2.2);
    f.quadTo(r, t + 2.2, r, t + 3.4);
    f.lineTo(r, b - 1.2);
    f.quadTo(r, b, r - 1.2, b);
    f.lineTo(l + 1.2, b);
    f.quadTo(l, b, l, b - 1.2);
    f.closeSubpath();
    return f;
}

// Add files: a folder with a plus.
void glyphFolderAdd(QPainter &p, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(c, 1.7));
    p.drawPath(folderPath(18.0, 14.0));
    p.setPen(roundPen(c, 1.8));
    p.drawLine(QPointF(0.0, -1.4), QPointF(0.0, 5.0));
    p.drawLine(QPointF(-3.2, 1.8), QPointF(3.2, 1.8));
}

ArtworkEntry transport(const QString &name, Glyph glyph, State state, bool primary = false)
{
    return {QStringLiteral("images"), name, QSize(37, 37), [=](QPainter &p, const QSize &s) {
                transportBackdrop(p, s, state, primary);
                toCentre(p, s);
                glyph(p, glyphColour(state));
            }};
}

// ---------------------------------------------------------------------------
// Title bar buttons (30 x 30): small line glyphs; the hover form lights up.

void titleBackdrop(QPainter &p, const QSize &s, State state)
{
    if (state != State::Press)
        return;
    p.setPen(QPen(withAlpha(kCyan, 110), 1.0));
    p.setBrush(withAlpha(kCyan, 34));
    p.drawRoundedRect(QRectF(3.5, 3.5, s.width() - 7.0, s.height() - 7.0), 4.0, 4.0);
}

void titleMin(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.5));
    p.drawLine(QPointF(-5.0, 0.5), QPointF(5.0, 0.5));
}

void titleMax(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-5.0, -5.0, 10.0, 10.0), 1.2, 1.2);
}

void titleRestore(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-5.5, -2.5, 8.0, 8.0), 1.0, 1.0);
    QPainterPath back;
    back.moveTo(-2.5, -2.5);
    back.lineTo(-2.5, -5.5);
    back.lineTo(5.5, -5.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(2.5, 2.5);
    p.drawPath(back);
}

void titleClose(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.6));
    p.drawLine(QPointF(-5.0, -5.0), QPointF(5.0, 5.0));
    p.drawLine(QPointF(-5.0, 5.0), QPointF(5.0, -5.0));
}

// Settings: a gear.
void titleGear(QPainter &p, const QColor &c)
{
    QPainterPath gear;
    gear.addEllipse(QPointF(0, 0), 5.0, 5.0);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.5, -7.4, 3.0, 4.0), 0.7, 0.7);
        QTransform t;
        t.rotate(i * 45.0);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 2.2, 2.2);
    gear = gear.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(gear);
}

ArtworkEntry titleButton(const QString &name, Glyph glyph, State state)
{
    return {QStringLiteral("images"), name, QSize(30, 30), [=](QPainter &p, const QSize &s) {
                titleBackdrop(p, s, state);
                toCentre(p, s);
                glyph(p, glyphColour(state));
            }};
}

// ---------------------------------------------------------------------------
// File list icons (20 x 20 in a 20 x 30 label) and row images.

void fileAddFile(QPainter &p, const QSize &s)
{
    toCentre(p, s);
    QPainterPath doc;
    doc.moveTo(-5.8, -7.8);
    doc.lineTo(1.6, -7.8);
    doc.lineTo(5.8, -3.6);
    doc.lineTo(5.8, 7.8);
    doc.lineTo(-5.8, 7.8);
    doc.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kWhite, 1.4));
    p.drawPath(doc);
    QPainterPath fold;
    fold.moveTo(1.6, -7.8);
    fold.lineTo(1.6, -3.6);
    fold.lineTo(5.8, -3.6);
    p.drawPath(fold);
    p.setPen(roundPen(kCyan, 1.6));
    p.drawLine(QPointF(0.0, -0.6), QPointF(0.0, 5.0));
    p.drawLine(QPointF(-2.8, 2.2), QPointF(2.8, 2.2));
}

void fileAddDir(QPainter &p, const QSize &s)
{
    toCentre(p, s);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kWhite, 1.4));
    p.drawPath(folderPath(16.0, 13.0));
    p.setPen(roundPen(kCyan, 1.6));
    p.drawLine(QPointF(0.0, -1.2), QPointF(0.0, 4.6));
    p.drawLine(QPointF(-2.9, 1.7), QPointF(2.9, 1.7));
}

void fileClear(QPainter &p, const QSize &s)
{
    toCentre(p, s);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kWhite, 1.4));
    p.drawLine(QPointF(-7.0, -5.2), QPointF(7.0, -5.2));
    QPainterPath handle;
    handle.moveTo(-2.6, -5.2);
    handle.lineTo(-2.0, -7.8);
    handle.lineTo(2.0, -7.8);
    handle.lineTo(2.6, -5.2);
    p.drawPath(handle);
    QPainterPath body;
    body.moveTo(-5.4, -5.2);
    body.lineTo(-4.4, 7.8);
    body.lineTo(4.4, 7.8);
    body.lineTo(5.4, -5.2);
    p.drawPath(body);
    p.setPen(roundPen(kCyan, 1.3));
    p.drawLine(QPointF(-1.8, -2.0), QPointF(-1.6, 4.8));
    p.drawLine(QPointF(1.8, -2.0), QPointF(1.6, 4.8));
}

// Remove one entry from the list: a cross in a ring.
void deleteButton(QPainter &p, const QSize &s)
{
    toCentre(p, s);
    p.setPen(QPen(withAlpha(kWhite, 120), 1.2));
    p.setBrush(withAlpha(kWhite, 18));
    p.drawEllipse(QPointF(0, 0), 9.0, 9.0);
    p.setPen(roundPen(kWhite, 1.5));
    p.drawLine(QPointF(-3.4, -3.4), QPointF(3.4, 3.4));
    p.drawLine(QPointF(-3.4, 3.4), QPointF(3.4, -3.4));
}

// Thumbnail of a recording that has no preview yet: a dark frame with a play mark.
void defaultThumbnail(QPainter &p, const QSize &s)
{
    const QRectF r(0.5, 0.5, s.width() - 1.0, s.height() - 1.0);
    QLinearGradient bg(0, 0, 0, s.height());
    bg.setColorAt(0.0, QColor(22, 52, 82));
    bg.setColorAt(1.0, QColor(9, 18, 40));
    p.setPen(QPen(withAlpha(kWhite, 60), 1.0));
    p.setBrush(bg);
    p.drawRoundedRect(r, 3.0, 3.0);
    // A faint road running to the horizon.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kWhite, 16));
    QPainterPath road;
    road.moveTo(s.width() * 0.46, s.height() * 0.52);
    road.lineTo(s.width() * 0.54, s.height() * 0.52);
    road.lineTo(s.width() * 0.80, s.height() - 1.0);
    road.lineTo(s.width() * 0.20, s.height() - 1.0);
    road.closeSubpath();
    p.drawPath(road);
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    p.setPen(QPen(withAlpha(kCyan, 200), 1.2));
    p.setBrush(withAlpha(kNavy, 170));
    p.drawEllipse(c, 10.0, 10.0);
    QPainterPath t;
    t.moveTo(c + QPointF(-3.0, -5.0));
    t.lineTo(c + QPointF(5.6, 0.0));
    t.lineTo(c + QPointF(-3.0, 5.0));
    t.closeSubpath();
    p.setPen(roundPen(kCyan, 1.0));
    p.setBrush(kCyan);
    p.drawPath(t);
}

// ---------------------------------------------------------------------------
// Logo

// The emblem: a camera lens ringed in cyan, `r` its outer radius.
void emblem(QPainter &p, const QPointF &c, qreal r)
{
    QRadialGradient body(c, r);
    body.setColorAt(0.0, QColor(10, 40, 66));
    body.setColorAt(1.0, QColor(4, 14, 30));
    p.setPen(QPen(kCyan, qMax(1.8, r * 0.09)));
    p.setBrush(body);
    p.drawEllipse(c, r * 0.92, r * 0.92);
    QRadialGradient glass(c - QPointF(r * 0.15, r * 0.15), r * 0.6);
    glass.setColorAt(0.0, QColor(120, 255, 255));
    glass.setColorAt(0.45, QColor(18, 190, 230));
    glass.setColorAt(1.0, QColor(6, 60, 120));
    p.setPen(QPen(withAlpha(kWhite, 90), r * 0.05));
    p.setBrush(glass);
    p.drawEllipse(c, r * 0.5, r * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kNavy, 200));
    p.drawEllipse(c, r * 0.2, r * 0.2);
    p.setBrush(withAlpha(kWhite, 210));
    p.drawEllipse(c + QPointF(-r * 0.2, -r * 0.22), r * 0.1, r * 0.07);
    // Recording light.
    p.setBrush(kRed);
    p.drawEllipse(polar(c, r * 0.68, 45.0), r * 0.07, r * 0.07);
}

void titleLogo(QPainter &p, const QSize &s)
{
    emblem(p, QPointF(13.0, 14.0), 12.5);
    QPainterPath name = textPath(QStringLiteral("TAVRIN"), true, 15.0, 0.92, 1.2);
    name.translate(QPointF(31.0, 19.6) - name.boundingRect().bottomLeft());
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPath(name);
    QPainterPath sub = textPath(QStringLiteral("PLAYER"), true, 8.6, 0.95, 0.7);
    sub.translate(QPointF(name.boundingRect().right() + 3.5, 19.6) - sub.boundingRect().bottomLeft());
    p.setBrush(kCyan);
    p.drawPath(sub);
    Q_UNUSED(s);
}

void coverLogo(QPainter &p, const QSize &s)
{
    const qreal h = s.height();
    emblem(p, QPointF(h / 2.0, h / 2.0), h / 2.0 - 3.0);
    QPainterPath name = textPath(QStringLiteral("TAVRIN"), true, 50.0, 0.95, 3.0);
    const qreal left = h + 14.0;
    name.translate(QPointF(left, h * 0.60) - name.boundingRect().bottomLeft());
    QLinearGradient fill(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    fill.setColorAt(0.0, kWhite);
    fill.setColorAt(1.0, QColor(190, 225, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(name);
    QPainterPath sub = textPath(QStringLiteral("DASH CAM PLAYER"), false, 13.0, 1.0, 4.6);
    sub.translate(QPointF(left + 2.0, h * 0.84) - sub.boundingRect().bottomLeft());
    p.setBrush(kCyan);
    p.drawPath(sub);
    p.setPen(QPen(withAlpha(kCyan, 140), 1.0));
    const qreal lineY = h * 0.68;
    p.drawLine(QPointF(left + 2.0, lineY), QPointF(name.boundingRect().right(), lineY));
}

// A thin cyan rule with a diamond, under the cover logo.
void coverLogoBottom(QPainter &p, const QSize &s)
{
    const qreal y = s.height() / 2.0;
    QLinearGradient line(0, 0, s.width(), 0);
    line.setColorAt(0.0, withAlpha(kCyan, 0));
    line.setColorAt(0.5, withAlpha(kCyan, 200));
    line.setColorAt(1.0, withAlpha(kCyan, 0));
    p.setPen(QPen(QBrush(line), 1.2));
    p.drawLine(QPointF(10, y), QPointF(s.width() - 10.0, y));
    QPainterPath d;
    d.moveTo(s.width() / 2.0, y - 5);
    d.lineTo(s.width() / 2.0 + 5, y);
    d.lineTo(s.width() / 2.0, y + 5);
    d.lineTo(s.width() / 2.0 - 5, y);
    d.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kCyan);
    p.drawPath(d);
}

// Background of the idle cover; it is stretched over the whole video area,
// so it is made of soft gradients only.
void coverBackground(QPainter &p, const QSize &s)
{
    QRadialGradient g(QPointF(s.width() / 2.0, s.height() * 0.45), s.width() * 0.62);
    g.setColorAt(0.0, QColor(18, 48, 78));
    g.setColorAt(0.55, QColor(10, 22, 46));
    g.setColorAt(1.0, QColor(5, 7, 20));
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

// ---------------------------------------------------------------------------
// Panels and shadows

// Inner shadow of a panel that is stretched over its area: darker edges
// fading inwards and a faint cyan light along the top.
void panelShadow(QPainter &p, const QSize &s, int depth)
{
    const qreal w = s.width(), h = s.height();
    auto edge = [&](const QPointF &from, const QPointF &to, const QRectF &rect) {
        QLinearGradient g(from, to);
        g.setColorAt(0.0, QColor(0, 0, 0, 120));
        g.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(rect, g);
    };
    edge(QPointF(0, 0), QPointF(depth, 0), QRectF(0, 0, depth, h));
    edge(QPointF(w, 0), QPointF(w - depth, 0), QRectF(w - depth, 0, depth, h));
    edge(QPointF(0, h), QPointF(0, h - depth), QRectF(0, h - depth, w, depth));
    QLinearGradient top(0, 0, 0, depth);
    top.setColorAt(0.0, withAlpha(kCyan, 34));
    top.setColorAt(1.0, withAlpha(kCyan, 0));
    p.fillRect(QRectF(0, 0, w, depth), top);
}

void controlShadow(QPainter &p, const QSize &s)
{
    panelShadow(p, s, 10);
}

void mainShadow(QPainter &p, const QSize &s)
{
    panelShadow(p, s, 14);
}

// The file list panel is framed by three stretched pieces: top, middle, bottom.
void fileShadowTop(QPainter &p, const QSize &s)
{
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0.0, QColor(0, 0, 0, 130));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(QPoint(0, 0), s), g);
    p.fillRect(QRectF(0, 0, s.width(), 1), withAlpha(kCyan, 50));
}

void fileShadowBottom(QPainter &p, const QSize &s)
{
    QLinearGradient g(0, s.height(), 0, 0);
    g.setColorAt(0.0, QColor(0, 0, 0, 130));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

void fileShadowCentre(QPainter &p, const QSize &s)
{
    const qreal w = s.width(), depth = 8;
    QLinearGradient l(0, 0, depth, 0);
    l.setColorAt(0.0, QColor(0, 0, 0, 110));
    l.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, depth, s.height()), l);
    QLinearGradient r(w, 0, w - depth, 0);
    r.setColorAt(0.0, QColor(0, 0, 0, 110));
    r.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(w - depth, 0, depth, s.height()), r);
}

// Background of the settings dialog (its title bar is transparent over it).
void settingsBackground(QPainter &p, const QSize &s)
{
    const qreal w = s.width(), h = s.height();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, QColor(8, 30, 52));
    g.setColorAt(0.35, QColor(11, 17, 40));
    g.setColorAt(1.0, kNavy);
    p.fillRect(QRectF(0, 0, w, h), g);
    QLinearGradient head(0, 0, 0, 35);
    head.setColorAt(0.0, kPanel.lighter(115));
    head.setColorAt(1.0, kPanel);
    p.fillRect(QRectF(0, 0, w, 35), head);
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0.0, withAlpha(kCyan, 30));
    rule.setColorAt(0.5, withAlpha(kCyan, 150));
    rule.setColorAt(1.0, withAlpha(kCyan, 30));
    p.fillRect(QRectF(0, 35, w, 1), rule);
    p.setPen(QPen(withAlpha(kCyan, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0));
    p.setPen(QPen(withAlpha(kWhite, 14), 1.0));
    p.drawRect(QRectF(1.5, 1.5, w - 3.0, h - 3.0));
}

void separatorLine(QPainter &p, const QSize &s)
{
    QLinearGradient g(0, 0, s.width(), 0);
    g.setColorAt(0.0, withAlpha(kWhite, 0));
    g.setColorAt(0.15, withAlpha(kWhite, 110));
    g.setColorAt(0.85, withAlpha(kWhite, 110));
    g.setColorAt(1.0, withAlpha(kWhite, 0));
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

void sliderHandle(QPainter &p, const QSize &s)
{
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kCyan, 70));
    p.drawEllipse(c, 6.4, 6.4);
    p.setBrush(kCyan);
    p.drawEllipse(c, 4.6, 4.6);
    p.setBrush(kWhite);
    p.drawEllipse(c, 2.2, 2.2);
}

void dropdownArrow(QPainter &p, const QSize &s)
{
    toCentre(p, s);
    p.setPen(roundPen(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath v;
    v.moveTo(-4.5, -2.0);
    v.lineTo(0.0, 2.5);
    v.lineTo(4.5, -2.0);
    p.drawPath(v);
}

// ---------------------------------------------------------------------------
// Instruments (152 x 152, pivot at the centre)

const QPointF kDialCentre(76.0, 76.0);

// Dark round face shared by the speed dial and the compass bezel.
void instrumentFace(QPainter &p)
{
    const QPointF c = kDialCentre;
    QRadialGradient face(c, 75.0);
    face.setColorAt(0.0, QColor(16, 44, 72));
    face.setColorAt(0.7, QColor(9, 24, 46));
    face.setColorAt(1.0, QColor(5, 12, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(c, 75.0, 75.0);
    QLinearGradient rim(0, 0, 0, 152);
    rim.setColorAt(0.0, withAlpha(kCyan, 210));
    rim.setColorAt(0.5, withAlpha(kCyan, 90));
    rim.setColorAt(1.0, withAlpha(kCyan, 40));
    p.setPen(QPen(QBrush(rim), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 74.0, 74.0);
    p.setPen(QPen(withAlpha(kWhite, 22), 1.0));
    p.drawEllipse(c, 71.5, 71.5);
}

// Speed dial: 0 to 240 over 240 degrees, 0 at the lower left (120 degrees
// anticlockwise from up), 120 at the top, 240 at the lower right.
void speedDial(QPainter &p, const QSize &)
{
    const QPointF c = kDialCentre;
    instrumentFace(p);

    // Scale band, with the top of the range in red.
    const qreal band = 68.0;
    const QRectF bandRect(c.x() - band, c.y() - band, 2 * band, 2 * band);
    auto arc = [&](qreal from, qreal to, const QColor &colour) {
        // QPainter angles: 0 at three o'clock, anticlockwise positive.
        p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(bandRect, int((90.0 - from) * 16), int(-(to - from) * 16));
    };
    arc(-120.0, 80.0, withAlpha(kCyan, 110));
    arc(80.0, 120.0, withAlpha(kRed, 220));

    for (int v = 0; v <= 240; v += 5) {
        const qreal a = v - 120.0;
        const bool major = v % 20 == 0;
        const bool mid = v % 10 == 0;
        const qreal outer = 65.5;
        const qreal inner = major ? 56.5 : mid ? 60.5 : 62.5;
        const QColor colour = v > 200 ? kRed : kWhite;
        p.setPen(QPen(withAlpha(colour, major ? 255
                                        : mid ? 190
                                              : 120),
                      major ? 2.0 : 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(c, inner, a), polar(c, outer, a));
    }
    p.setPen(Qt::NoPen);
    for (int v = 0; v <= 240; v += 20) {
        const qreal a = v - 120.0;
        QPainterPath label = textPath(QString::number(v), true, 8.8, 0.8);
        label = centredOn(label, polar(c, 47.5, a));
        p.setBrush(v > 200 ? kRed : kWhite);
        p.drawPath(label);
    }
    // Hairline circle inside the numbers, for depth.
    p.setPen(QPen(withAlpha(kCyan, 36), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 35.0, 35.0);
}

// The speed needle, drawn pointing at the 0 mark; the hub is the pivot.
void speedPointer(QPainter &p, const QSize &)
{
    p.translate(kDialCentre);
    p.rotate(-120.0);
    QPainterPath needle;
    needle.moveTo(0.0, -62.0);
    needle.lineTo(2.7, -2.0);
    needle.lineTo(2.0, 11.0);
    needle.lineTo(-2.0, 11.0);
    needle.lineTo(-2.7, -2.0);
    needle.closeSubpath();
    p.setPen(QPen(withAlpha(kCyan, 45), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(needle);
    QLinearGradient fill(0, -62, 0, 11);
    fill.setColorAt(0.0, QColor(190, 255, 255));
    fill.setColorAt(0.35, kCyan);
    fill.setColorAt(1.0, QColor(0, 120, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(needle);
    QRadialGradient hub(QPointF(-2, -2), 9.0);
    hub.setColorAt(0.0, QColor(60, 84, 108));
    hub.setColorAt(1.0, QColor(10, 20, 36));
    p.setPen(QPen(withAlpha(kCyan, 220), 1.5));
    p.setBrush(hub);
    p.drawEllipse(QPointF(0, 0), 8.0, 8.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kCyan);
    p.drawEllipse(QPointF(0, 0), 2.4, 2.4);
}

// Compass bezel: the fixed part, with a mark pointing straight up (the
// direction of travel) and the vehicle in the middle.
void compassBezel(QPainter &p, const QSize &)
{
    const QPointF c = kDialCentre;
    instrumentFace(p);
    p.setPen(QPen(withAlpha(kWhite, 120), 1.6, Qt::SolidLine, Qt::FlatCap));
    for (int a = 45; a < 360; a += 45)
        p.drawLine(polar(c, 66.0, a), polar(c, 71.0, a));
    QPainterPath mark;
    mark.moveTo(c.x(), 3.5);
    mark.lineTo(c.x() + 6.0, 13.5);
    mark.lineTo(c.x() - 6.0, 13.5);
    mark.closeSubpath();
    p.setPen(roundPen(kCyan, 1.0));
    p.setBrush(kCyan);
    p.drawPath(mark);
    // The vehicle: a navigation arrow pointing up.
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(0.0, -11.0));
    arrow.lineTo(c + QPointF(8.0, 9.0));
    arrow.lineTo(c + QPointF(0.0, 4.5));
    arrow.lineTo(c + QPointF(-8.0, 9.0));
    arrow.closeSubpath();
    p.setPen(QPen(withAlpha(kCyan, 50), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    QLinearGradient fill(0, c.y() - 11, 0, c.y() + 9);
    fill.setColorAt(0.0, QColor(170, 255, 255));
    fill.setColorAt(1.0, QColor(0, 150, 200));
    p.setPen(roundPen(kCyan, 1.0));
    p.setBrush(fill);
    p.drawPath(arrow);
}

// Compass card: turns under the bezel; N at the top, then E, S, W clockwise.
void compassCard(QPainter &p, const QSize &)
{
    const QPointF c = kDialCentre;
    for (int a = 0; a < 360; a += 5) {
        const bool major = a % 30 == 0;
        const bool mid = a % 10 == 0;
        const qreal outer = 62.0;
        const qreal inner = major ? 54.0 : mid ? 57.5 : 59.5;
        p.setPen(QPen(withAlpha(kWhite, major ? 240
                                        : mid ? 170
                                              : 100),
                      major ? 1.8 : 1.1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(c, inner, a), polar(c, outer, a));
    }
    struct Label
    {
        int angle;
        const char *text;
        bool cardinal;
    };
    const Label labels[] = {{0, "N", true},     {30, "3", false},   {60, "6", false},   {90, "E", true},
                            {120, "12", false}, {150, "15", false}, {180, "S", true},   {210, "21", false},
                            {240, "24", false}, {270, "W", true},   {300, "30", false}, {330, "33", false}};
    p.setPen(Qt::NoPen);
    for (const Label &l : labels) {
        // Letters stand on the card's radius, upright when they are at the top.
        p.save();
        p.translate(c);
        p.rotate(l.angle);
        QPainterPath text =
            textPath(QString::fromLatin1(l.text), true, l.cardinal ? 15.0 : 8.5, l.cardinal ? 1.0 : 0.9);
        text = centredOn(text, QPointF(0.0, l.cardinal ? -43.0 : -45.5));
        p.setBrush(l.angle == 0 ? kCyan : withAlpha(kWhite, l.cardinal ? 255 : 200));
        p.drawPath(text);
        p.restore();
    }
    // North pointer on the card's inner edge.
    QPainterPath north;
    north.moveTo(polar(c, 33.0, 0));
    north.lineTo(c + QPointF(4.0, -27.0));
    north.lineTo(c + QPointF(-4.0, -27.0));
    north.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(north);
}

// ---------------------------------------------------------------------------
// Map markers (30 x 30)

// A map pin whose tip is the bottom centre of the image.
QPainterPath pinPath(const QSize &s, qreal headRadius, qreal headY)
{
    const QPointF tip(s.width() / 2.0, s.height() - 1.0);
    const QPointF centre(s.width() / 2.0, headY);
    const qreal d = tip.y() - centre.y();
    const qreal beta = qRadiansToDegrees(qAcos(headRadius / d));
    const QRectF head(centre.x() - headRadius, centre.y() - headRadius, 2 * headRadius, 2 * headRadius);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.arcTo(head, -90.0 + beta, 360.0 - 2 * beta);
    pin.closeSubpath();
    return pin;
}

void pin(QPainter &p, const QSize &s, const QColor &colour, bool start)
{
    const qreal headY = 11.0, r = 10.0;
    const QPainterPath body = pinPath(s, r, headY);
    QLinearGradient fill(0, 0, 0, s.height());
    fill.setColorAt(0.0, colour.lighter(125));
    fill.setColorAt(1.0, colour.darker(135));
    p.setPen(QPen(withAlpha(kWhite, 230), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(body);
    const QPointF c(s.width() / 2.0, headY);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    if (start) {
        QPainterPath t;
        t.moveTo(c + QPointF(-3.0, -4.6));
        t.lineTo(c + QPointF(5.0, 0.0));
        t.lineTo(c + QPointF(-3.0, 4.6));
        t.closeSubpath();
        p.drawPath(t);
    } else {
        p.drawRoundedRect(QRectF(c.x() - 3.8, c.y() - 3.8, 7.6, 7.6), 1.2, 1.2);
    }
}

void markerStart(QPainter &p, const QSize &s)
{
    pin(p, s, kGreen, true);
}

void markerFinish(QPainter &p, const QSize &s)
{
    pin(p, s, kRed, false);
}

// The moving marker: centred, a cyan dot with a halo.
void markerCurrent(QPainter &p, const QSize &s)
{
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    QRadialGradient halo(c, 14.5);
    halo.setColorAt(0.0, withAlpha(kCyan, 120));
    halo.setColorAt(0.6, withAlpha(kCyan, 60));
    halo.setColorAt(1.0, withAlpha(kCyan, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 14.5, 14.5);
    p.setBrush(kWhite);
    p.drawEllipse(c, 7.2, 7.2);
    p.setBrush(QColor(0, 170, 220));
    p.drawEllipse(c, 5.0, 5.0);
}

// The application icon: the emblem on a rounded dark tile, with a route
// drawn behind it from the larger sizes on.
void drawApplicationIcon(QPainter &p, const QSize &s)
{
    const qreal w = s.width();
    const QRectF tile(w * 0.04, w * 0.04, w * 0.92, w * 0.92);
    QLinearGradient body(0, tile.top(), 0, tile.bottom());
    body.setColorAt(0.0, QColor(14, 58, 88));
    body.setColorAt(1.0, kNavy);
    p.setPen(QPen(withAlpha(kCyan, 170), qMax(1.0, w / 48.0)));
    p.setBrush(body);
    p.drawRoundedRect(tile, w * 0.2, w * 0.2);
    if (w >= 32) {
        QPainterPath route;
        route.moveTo(w * 0.16, w * 0.84);
        route.cubicTo(w * 0.34, w * 0.62, w * 0.58, w * 0.96, w * 0.86, w * 0.70);
        p.setPen(roundPen(withAlpha(kGreen, 220), w / 20.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(route);
    }
    emblem(p, QPointF(w * 0.5, w * 0.44), w * 0.33);
}

ArtworkEntry image(const QString &name, QSize size, void (*draw)(QPainter &, const QSize &))
{
    return {QStringLiteral("images"), name, size, draw};
}

} // namespace

bool ArtworkPainter::loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    const int regular = QFontDatabase::addApplicationFont(dir + QStringLiteral("DejaVuSans.ttf"));
    const int bold = QFontDatabase::addApplicationFont(dir + QStringLiteral("DejaVuSans-Bold.ttf"));
    if (regular < 0 || bold < 0)
        return false;
    g_regularFamily = QFontDatabase::applicationFontFamilies(regular).value(0, g_regularFamily);
    g_boldFamily = QFontDatabase::applicationFontFamilies(bold).value(0, g_boldFamily);
    return true;
}

QVector<ArtworkEntry> ArtworkPainter::catalog()
{
    const State N = State::Normal, P = State::Press, D = State::Disabled;
    QVector<ArtworkEntry> all;

    // Title bar.
    struct TitleGlyph
    {
        const char *name;
        Glyph glyph;
    };
    for (const TitleGlyph &t :
         {TitleGlyph{"icon_top_set", titleGear}, TitleGlyph{"icon_top_narrow", titleMin},
          TitleGlyph{"icon_top_enlarge", titleMax}, TitleGlyph{"icon_top_recovery", titleRestore},
          TitleGlyph{"icon_top_cancel", titleClose}}) {
        const QString base = QString::fromLatin1(t.name);
        all << titleButton(base + QStringLiteral(".png"), t.glyph, N)
            << titleButton(base + QStringLiteral("_press.png"), t.glyph, P);
    }
    all << image(QStringLiteral("logo.png"), QSize(132, 28), titleLogo);

    // Transport bar. The file names are historical: "icon_enter" is the
    // previous recording, "icon_retreat" the next one, "icon_pause" stops,
    // "icon_stop" is the pause form shown while playing, "icon_shrink" zooms
    // out and "icon_enlarge" zooms in.
    struct TransportGlyph
    {
        const char *name;
        Glyph glyph;
        bool primary;
        bool disabledForm;
    };
    const TransportGlyph transports[] = {
        {"icon_folder", glyphFolderAdd, false, false}, {"icon_zoom", glyphFullscreen, false, true},
        {"icon_cut", glyphCamera, false, true},        {"icon_enter", glyphPrevious, false, true},
        {"icon_play", glyphPlay, true, true},          {"icon_stop", glyphPauseBars, true, true},
        {"icon_retreat", glyphNext, false, true},      {"icon_pause", glyphStopSquare, false, true},
        {"icon_shrink", glyphZoomOut, false, true},    {"icon_enlarge", glyphZoomIn, false, true},
        {"icon_pipe", glyphLayout, false, true},       {"icon_sound", glyphSound, false, true},
        {"icon_mute", glyphMute, false, true},
    };
    for (const TransportGlyph &t : transports) {
        const QString base = QString::fromLatin1(t.name);
        all << transport(base + QStringLiteral(".png"), t.glyph, N, t.primary)
            << transport(base + QStringLiteral("_press.png"), t.glyph, P, t.primary);
        if (t.disabledForm)
            all << transport(base + QStringLiteral("_dis.png"), t.glyph, D, t.primary);
    }
    all << image(QStringLiteral("schedule_round.png"), QSize(13, 13), sliderHandle);

    // File list.
    all << image(QStringLiteral("file_add_file.png"), QSize(20, 20), fileAddFile)
        << image(QStringLiteral("file_add_dir.png"), QSize(20, 20), fileAddDir)
        << image(QStringLiteral("file_clear.png"), QSize(20, 20), fileClear)
        << image(QStringLiteral("icon_off.png"), QSize(30, 30), deleteButton)
        << image(QStringLiteral("default_file_icon.png"), QSize(70, 40), defaultThumbnail)
        << image(QStringLiteral("file_shadow_top.png"), QSize(340, 9), fileShadowTop)
        << image(QStringLiteral("file_shadow_bottom.png"), QSize(340, 9), fileShadowBottom)
        << image(QStringLiteral("file_shadow.png"), QSize(340, 240), fileShadowCentre);

    // Main window panels and the idle cover.
    all << image(QStringLiteral("control_shadow.png"), QSize(700, 64), controlShadow)
        << image(QStringLiteral("main_shadow.png"), QSize(700, 160), mainShadow)
        << image(QStringLiteral("display_logo.png"), QSize(380, 110), coverLogo)
        << image(QStringLiteral("display_logo_bottom.png"), QSize(380, 30), coverLogoBottom)
        << image(QStringLiteral("display_bg.png"), QSize(960, 540), coverBackground);

    // Instruments.
    all << image(QStringLiteral("icon_meter_ring.png"), QSize(152, 152), speedDial)
        << image(QStringLiteral("icon_meter_pointer.png"), QSize(152, 152), speedPointer)
        << image(QStringLiteral("icon_pointer_ring.png"), QSize(152, 152), compassBezel)
        << image(QStringLiteral("icon_pointer.png"), QSize(152, 152), compassCard);

    // Settings dialog.
    all << image(QStringLiteral("setting_shadow.png"), QSize(420, 520), settingsBackground)
        << image(QStringLiteral("hline_white.png"), QSize(380, 1), separatorLine)
        << image(QStringLiteral("icon_set_dropdown.png"), QSize(14, 14), dropdownArrow);

    // Map markers, beside the map pages.
    const QString maps = QStringLiteral("maps");
    all << ArtworkEntry{maps, QStringLiteral("map_tab_s.png"), QSize(30, 30), markerStart}
        << ArtworkEntry{maps, QStringLiteral("map_tab_f.png"), QSize(30, 30), markerFinish}
        << ArtworkEntry{maps, QStringLiteral("map_tab_current.png"), QSize(30, 30), markerCurrent};
    return all;
}

QImage ArtworkPainter::render(const ArtworkEntry &entry)
{
    QImage img(entry.size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        entry.draw(p, entry.size);
    }
    if (entry.size.width() * entry.size.height() >= 100000)
        dither(img, 1);
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage ArtworkPainter::contactSheet(const QVector<QPair<QString, QImage>> &images)
{
    // Each image sits in a cell on the panel colour; images up to 40 pixels
    // are also shown four times enlarged (pixel for pixel), large ones shrunk.
    const int sheetWidth = 1500, pad = 14, labelHeight = 30;
    struct Cell
    {
        QRect rect;
        int index;
    };
    QVector<Cell> cells;
    int x = pad, y = pad + 40, rowHeight = 0;
    auto cellSize = [](const QImage &img) {
        const QSize s = img.size();
        if (s.width() <= 40 && s.height() <= 40)
            return QSize(s.width() + 8 + 4 * s.width(), qMax(4 * s.height(), 60)) + QSize(24, 0);
        const QSize fit = s.scaled(QSize(qMin(s.width(), 460), qMin(s.height(), 300)), Qt::KeepAspectRatio);
        return QSize(qMax(fit.width(), 120) + 16, fit.height() + 16);
    };
    for (int i = 0; i < images.size(); ++i) {
        QSize cs = cellSize(images[i].second);
        cs.setWidth(qMax(cs.width(), 180));
        if (x + cs.width() > sheetWidth - pad) {
            x = pad;
            y += rowHeight + labelHeight + pad;
            rowHeight = 0;
        }
        cells.push_back({QRect(QPoint(x, y), cs), i});
        x += cs.width() + pad;
        rowHeight = qMax(rowHeight, cs.height());
    }
    const int height = y + rowHeight + labelHeight + pad;
    QImage sheet(sheetWidth, height, QImage::Format_ARGB32);
    sheet.fill(QColor(40, 44, 52));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPath(textPath(QStringLiteral("Tavrin Player artwork: %1 images").arg(images.size()), true, 18.0)
                   .translated(pad, 32));
    for (const Cell &cell : cells) {
        const QImage &img = images[cell.index].second;
        p.fillRect(cell.rect, kNavy);
        p.setPen(QPen(QColor(70, 76, 90), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(cell.rect).adjusted(-0.5, -0.5, 0.5, 0.5));
        if (img.width() <= 40 && img.height() <= 40) {
            const QPoint at1 = cell.rect.topLeft() + QPoint(8, (cell.rect.height() - img.height()) / 2);
            p.drawImage(at1, img);
            const QRect big(cell.rect.topLeft() +
                                QPoint(16 + img.width(), (cell.rect.height() - 4 * img.height()) / 2),
                            img.size() * 4);
            p.fillRect(big, kPanel);
            p.drawImage(big, img.scaled(img.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        } else {
            const QSize fit = img.size()
                                  .scaled(cell.rect.size() - QSize(16, 16), Qt::KeepAspectRatio)
                                  .boundedTo(img.size());
            const QRect target(cell.rect.topLeft() + QPoint(8, 8), fit);
            p.drawImage(target, img.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 226, 235));
        const QString label =
            QStringLiteral("%1  %2x%3").arg(images[cell.index].first).arg(img.width()).arg(img.height());
        p.drawPath(textPath(label, false, 11.0).translated(cell.rect.left(), cell.rect.bottom() + 18));
    }
    return sheet;
}

QVector<int> ArtworkPainter::applicationIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage ArtworkPainter::applicationIcon(int size)
{
    return render({QStringLiteral("icons"), QString(), QSize(size, size), drawApplicationIcon});
}

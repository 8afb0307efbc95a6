#include "widgets/KoGsensorWidget.h"

#include "app/KoLogging.h"

#include "library/KoFileInfoModel.h"

#include <QPainter>
#include <QtGlobal>

#include <cmath>

namespace {
const QColor kGuideColor(49, 164, 214);
const QColor kPlayedColor(49, 164, 214, 100);
const QColor kXColor(0, 255, 255);
const QColor kYColor(251, 176, 59);
const QColor kZColor(0, 255, 0);
} // namespace

KoGsensorWidget::KoGsensorWidget(QWidget *parent)
    : QWidget(parent)
{}

void KoGsensorWidget::setModel(KoFileInfoModel *model)
{
    m_maxX = m_maxY = m_maxZ = 0;
    m_currentIndex = 0;
    m_showX = m_showY = m_showZ = true;
    m_curves = QImage();
    if (!model)
        m_model = nullptr;
    else if (model->hasGSensor())
        m_model = model;
    update();
    if (!m_model)
        return;

    const QList<float> xs = m_model->gForceXs();
    const QList<float> ys = m_model->gForceYs();
    const QList<float> zs = m_model->gForceZs();
    const int n = std::min({xs.size(), ys.size(), zs.size()});
    for (int i = 0; i < n; ++i) {
        m_maxX = std::max(m_maxX, std::fabs(xs.at(i)));
        m_maxY = std::max(m_maxY, std::fabs(ys.at(i)));
        m_maxZ = std::max(m_maxZ, std::fabs(zs.at(i)));
    }
    qCDebug(lcUi) << "G-sensor chart of" << n << "samples, largest" << m_maxX << m_maxY << m_maxZ;
}

void KoGsensorWidget::setCurrentIndex(int index)
{
    m_currentIndex = index;
    update();
}

void KoGsensorWidget::draw(QPainter *painter, const QRect &rect) const
{
    const int w = rect.width();
    const int h = rect.height();
    painter->save();
    painter->translate(rect.topLeft());
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    const QPen guidePen(kGuideColor, 1.0);
    painter->setPen(guidePen);
    // The zero lines of the three bands.
    const float s = float(h) / 6.0f;
    painter->drawLine(QLineF(0, s, w, s));
    painter->drawLine(QLineF(0, 3 * s, w, 3 * s));
    painter->drawLine(QLineF(0, 5 * s, w, 5 * s));

    const float band = float(h / 3.0);
    const float half = band * 0.5f;
    // One scale for all three axes: the largest value reaches its band's edge.
    const float maxAll = std::max(std::max(m_maxX, m_maxY), m_maxZ);
    const float k = maxAll > 0 ? half / maxAll : 0.0f;

    if (m_model) {
        // The lists are implicitly shared: these copies cost no allocation.
        const QList<float> xs = m_model->gForceXs();
        const QList<float> ys = m_model->gForceYs();
        const QList<float> zs = m_model->gForceZs();
        const int n = std::min({xs.size(), ys.size(), zs.size()});
        // One sample has no horizontal extent (and an empty rectangle no
        // room): only the guides are drawn, nothing divides by zero.
        if (n > 1 && w > 0 && h > 0) {
            const float step = float(w) / float(n - 1);
            const float pos = float(m_currentIndex) * step;
            const float offset = std::max(0.0f, pos - float(w));
            const float cursor = offset > 0 ? float(pos - 0.5) : float(pos + 0.5);

            const float played = cursor - offset;
            if (played > 0)
                painter->fillRect(QRectF(0, 2.5, played, h - 4), kPlayedColor);
            painter->setPen(QPen(kGuideColor, 1));
            painter->drawLine(QLineF(played, 2.5, played, h - 2.5));

            // The curves change only with the recording, the size and the
            // offset, not with the cursor: they are drawn once into a layer
            // that every later paint lays over the played area as it is.
            const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
            if (m_curves.isNull() || m_curvesSize != rect.size() || m_curvesOffset != offset ||
                m_curves.devicePixelRatioF() != dpr) {
                m_curves = QImage(rect.size() * dpr, QImage::Format_ARGB32_Premultiplied);
                m_curves.setDevicePixelRatio(dpr);
                m_curves.fill(Qt::transparent);
                m_curvesSize = rect.size();
                m_curvesOffset = offset;
                QPainter layer(&m_curves);
                drawCurves(&layer, xs, ys, zs, n, step, offset, band, k);
            }
            painter->drawImage(0, 0, m_curves);
        }
    }

    painter->setPen(guidePen);
    painter->drawLine(QLineF(0, 0, 0, h));
    painter->drawLine(QLineF(w - 0.5, 0, w - 0.5, h));
    painter->restore();
}

void KoGsensorWidget::drawCurves(QPainter *painter, const QList<float> &xs, const QList<float> &ys,
                                 const QList<float> &zs, int n, float step, float offset, float band,
                                 float k) const
{
    // Segment i joins samples i and i + 1. X is drawn on whole pixels (end
    // points truncated), Y and Z on exact coordinates. Each curve stays
    // inside its own band, so drawing them one after the other gives the
    // picture of drawing them segment by segment without a pen change for
    // every segment.
    const float half = band * 0.5f;
    if (m_showX) {
        QVector<QLine> lines;
        lines.reserve(n - 1);
        for (int i = 0; i < n - 1; ++i) {
            const float x0 = float(i) * step - offset;
            const float x1 = float(i + 1) * step - offset;
            lines.append(QLine(int(x0), int(half - xs.at(i) * k), int(x1), int(half - xs.at(i + 1) * k)));
        }
        painter->setPen(QPen(kXColor, 1.0));
        painter->drawLines(lines);
    }
    const auto drawFloatCurve = [&](const QList<float> &values, float base, const QColor &color) {
        QVector<QLineF> lines;
        lines.reserve(n - 1);
        for (int i = 0; i < n - 1; ++i) {
            const float x0 = float(i) * step - offset;
            const float x1 = float(i + 1) * step - offset;
            lines.append(QLineF(x0, base - values.at(i) * k, x1, base - values.at(i + 1) * k));
        }
        painter->setPen(QPen(color, 1.0));
        painter->drawLines(lines);
    };
    if (m_showY)
        drawFloatCurve(ys, half + band, kYColor);
    if (m_showZ)
        drawFloatCurve(zs, 2 * band + half, kZColor);
}

void KoGsensorWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(&painter, rect());
}

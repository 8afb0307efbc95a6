#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

class KoFileInfoModel;
class QPainter;

// Three-axis G-sensor trace of the playing recording: X, Y and Z in three
// stacked bands sharing one scale, the played part filled and a cursor at
// the current sample. The recording is not owned; the caller clears it
// before the recording goes away.
class KoGsensorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KoGsensorWidget(QWidget *parent = nullptr);

    // A recording without G-sensor data leaves the shown one in place (its
    // cursor and maxima reset); null empties the chart.
    void setModel(KoFileInfoModel *model);
    KoFileInfoModel *model() const { return m_model; }

    // Index of the current GPS sample; stored unchecked.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_currentIndex; }

    float maxX() const { return m_maxX; }
    float maxY() const { return m_maxY; }
    float maxZ() const { return m_maxZ; }

    // Paints the chart for a widget occupying `rect` (the background is the
    // parent's: nothing is filled outside the played area).
    void draw(QPainter *painter, const QRect &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawCurves(QPainter *painter, const QList<float> &xs, const QList<float> &ys, const QList<float> &zs,
                    int n, float step, float offset, float band, float k) const;

    KoFileInfoModel *m_model = nullptr;
    int m_currentIndex = 0;
    bool m_showX = true;
    bool m_showY = true;
    bool m_showZ = true;
    float m_maxX = 0;
    float m_maxY = 0;
    float m_maxZ = 0;

    // The curves as last drawn, for the size and offset they were drawn at.
    mutable QImage m_curves;
    mutable QSize m_curvesSize;
    mutable float m_curvesOffset = 0;
};

#include "TestMain.h"

#include "widgets/KoProgressSlider.h"

#include <QApplication>
#include <QStyleOptionSlider>

class tst_KoProgressSlider : public QObject
{
    Q_OBJECT

private slots:
    void pressJumpsToTheFractionOfTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("button");
        QTest::newRow("quarter") << 200 << 0 << 100 << 50 << 25 << 0.25 << int(Qt::LeftButton);
        QTest::newRow("last pixel truncates") << 200 << 0 << 100 << 199 << 99 << 0.995 << int(Qt::LeftButton);
        QTest::newRow("offset range") << 100 << 10 << 20 << 33 << 13 << 0.33 << int(Qt::LeftButton);
        QTest::newRow("right button") << 200 << 0 << 100 << 50 << 25 << 0.25 << int(Qt::RightButton);
        QTest::newRow("middle button") << 200 << 0 << 100 << 150 << 75 << 0.75 << int(Qt::MiddleButton);
    }
    void pressJumpsToTheFractionOfTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, x);
        QFETCH(int, value);
        QFETCH(double, fraction);
        QFETCH(int, button);
        const auto mouseButton = Qt::MouseButton(button);

        KoProgressSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(minimum, maximum);
        slider.resize(width, 20);
        QSignalSpy spy(&slider, &KoProgressSlider::posChangedSignal);
        QTest::mousePress(&slider, mouseButton, {}, QPoint(x, 10));
        QCOMPARE(slider.value(), value);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), fraction);
        QTest::mouseRelease(&slider, mouseButton, {}, QPoint(x, 10));
    }

    void pressOnTheHandleStillStartsADrag()
    {
        KoProgressSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 100);
        slider.setValue(50);
        slider.resize(200, 20);
        QStyleOptionSlider option;
        option.initFrom(&slider);
        option.orientation = Qt::Horizontal;
        option.minimum = 0;
        option.maximum = 100;
        option.sliderPosition = option.sliderValue = 50;
        option.subControls = QStyle::SC_SliderHandle;
        const QRect handle =
            slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
        QVERIFY(handle.isValid());
        QSignalSpy pressed(&slider, &QSlider::sliderPressed);
        QSignalSpy pos(&slider, &KoProgressSlider::posChangedSignal);
        QTest::mousePress(&slider, Qt::LeftButton, {}, handle.center());
        QCOMPARE(pressed.count(), 1);
        QVERIFY(slider.isSliderDown());
        QCOMPARE(pos.count(), 1);
        QCOMPARE(pos.at(0).at(0).toDouble(), handle.center().x() / 200.0);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, handle.center());
        QVERIFY(!slider.isSliderDown());
    }

    void everyPressEmitsEvenWithoutAValueChange()
    {
        KoProgressSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 100);
        slider.resize(200, 20);
        QSignalSpy pos(&slider, &KoProgressSlider::posChangedSignal);
        QSignalSpy changed(&slider, &QSlider::valueChanged);
        for (int i = 0; i < 2; ++i) {
            QTest::mousePress(&slider, Qt::RightButton, {}, QPoint(100, 10));
            QTest::mouseRelease(&slider, Qt::RightButton, {}, QPoint(100, 10));
        }
        QCOMPARE(pos.count(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(slider.value(), 50);
    }

    // The clip's marks are drawn where a press would seek to them; the range
    // between both is shaded, a single mark is a tick alone.
    void marksAreDrawnWhereTheyAre()
    {
        KoProgressSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 60);
        slider.resize(300, 20);
        auto isMark = [](QRgb pixel) {
            return qRed(pixel) > 200 && qGreen(pixel) > 150 && qBlue(pixel) < 120;
        };
        auto paint = [&slider] {
            QImage image(slider.size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            slider.render(&image);
            return image;
        };
        QImage image = paint();
        QVERIFY(!isMark(image.pixel(50, 10)));

        slider.setMarks(10, 30);
        QCOMPARE(slider.xOf(10), 50);
        QCOMPARE(slider.xOf(30), 150);
        image = paint();
        QVERIFY(isMark(image.pixel(50, 2)));
        QVERIFY(isMark(image.pixel(150, 2)));
        QVERIFY(!isMark(image.pixel(100, 2)));    // between the ticks, above the band
        QVERIFY(qRed(image.pixel(100, 10)) > 60); // the band
        QVERIFY(qRed(image.pixel(200, 10)) < qRed(image.pixel(100, 10)));

        slider.setMarks(-1, 45);
        image = paint();
        QVERIFY(!isMark(image.pixel(50, 2)));
        QVERIFY(isMark(image.pixel(225, 2)));
    }

    // Driving events are marked in their kind's colour where a press would
    // seek to them; the mark a pointer is on is the nearest within reach.
    void eventsAreMarkedInTheirKindsColour()
    {
        KoProgressSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 60);
        slider.resize(300, 20);
        KoDrivingEvents::Event braking;
        braking.offset = 10;
        braking.kind = KoDrivingEvents::HarshBraking;
        KoDrivingEvents::Event impact;
        impact.offset = 12;
        impact.kind = KoDrivingEvents::Impact;
        slider.setEvents({braking, impact}, false);
        QImage image(slider.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        slider.render(&image);
        QCOMPARE(image.pixelColor(50, 1), KoProgressSlider::eventColour(KoDrivingEvents::HarshBraking));
        QCOMPARE(image.pixelColor(60, 1), KoProgressSlider::eventColour(KoDrivingEvents::Impact));
        QVERIFY(KoProgressSlider::eventColour(KoDrivingEvents::SharpCornering) !=
                KoProgressSlider::eventColour(KoDrivingEvents::HarshAcceleration));
        QCOMPARE(slider.eventAt(52), 0);
        QCOMPARE(slider.eventAt(56), 1);
        QCOMPARE(slider.eventAt(44), -1);
        QCOMPARE(slider.eventAt(150), -1);
        slider.setEvents({}, false);
        QCOMPARE(slider.eventAt(50), -1);
    }
};

TAVRIN_TEST_MAIN(tst_KoProgressSlider, QApplication)
#include "tst_KoProgressSlider.moc"

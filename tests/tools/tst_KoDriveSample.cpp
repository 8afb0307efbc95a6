#include "TestMain.h"

#include "tools/samples/KoDriveSample.h"

#include <QtEndian>

namespace {

KoDriveSample shanghaiSample()
{
    KoDriveSample s;
    s.status = 'A';
    s.year = 2019;
    s.month = 5;
    s.day = 23;
    s.hour = 14;
    s.minute = 30;
    s.second = 5;
    s.latitude = 3112.345703f;
    s.longitude = 12130.123047f;
    s.speedKnots = 12.34f;
    s.heading = 181.5f;
    s.altitude = 35.5f;
    s.gX = 12;
    s.gY = -34;
    s.gZ = 1021;
    return s;
}

template <typename T> T at(const QByteArray &block, int offset)
{
    return qFromLittleEndian<T>(reinterpret_cast<const uchar *>(block.constData() + offset));
}

} // namespace

class tst_KoDriveSample : public QObject
{
    Q_OBJECT

private slots:
    void blockLayout()
    {
        const QByteArray b = shanghaiSample().toBlock();
        QCOMPARE(b.size(), 120);
        QCOMPARE(b.mid(32, 11), QByteArray("velmortech\0", 11));
        QCOMPARE(b.mid(0, 32), QByteArray(32, '\0'));
        QCOMPARE(b.mid(48, 3), QByteArray("ANE"));
        QCOMPARE(at<qint32>(b, 52), 2019);
        QCOMPARE(at<qint32>(b, 56), 5);
        QCOMPARE(at<qint32>(b, 72), 5);
        QCOMPARE(at<float>(b, 76), 12130.123047f);
        QCOMPARE(at<float>(b, 80), 3112.345703f);
        QCOMPARE(at<float>(b, 84), 12.34f);
        QCOMPARE(at<float>(b, 88), 181.5f);
        QCOMPARE(at<float>(b, 92), 35.5f);
        QCOMPARE(at<qint32>(b, 96), 12);
        QCOMPARE(at<qint32>(b, 100), -34);
        QCOMPARE(at<qint32>(b, 104), 1021);
        QCOMPARE(b.mid(108), QByteArray(12, '\0'));
    }

    void longIdentifierStaysTerminated()
    {
        KoDriveSample s;
        s.identifier = QByteArray(40, 'x');
        const QByteArray b = s.toBlock();
        QCOMPARE(b.mid(32, 15), QByteArray(15, 'x'));
        QCOMPARE(b.at(47), '\0');
    }

    void trackLineAsTheExtractorWritesIt()
    {
        KoDriveSample s = shanghaiSample();
        QCOMPARE(
            s.toTrackLine(true),
            QByteArray("A20190523143005,3112.345703,N,12130.123047,E,12.34,181.50,12,-34,1021,35.500000\n"));
        // A four-digit year is only reduced by the layout that reduces it.
        QCOMPARE(s.toTrackLine(false).left(9), QByteArray("A20201905"));
        s.year = 19;
        QCOMPARE(s.toTrackLine(false).left(15), QByteArray("A20190523143005"));
        s.year = 5;
        QCOMPARE(s.toTrackLine(false).left(5), QByteArray("A2005"));
    }

    void fixWithoutPositionIsVoid()
    {
        KoDriveSample s = shanghaiSample();
        s.latitude = 0;
        QCOMPARE(s.toTrackLine(true).left(48),
                 QByteArray("V20190523143005,0.000000,N,0.000000,E,12.34,181."));
        // A void sample keeps what it stores.
        s = shanghaiSample();
        s.status = 'V';
        QVERIFY(s.toTrackLine(true).startsWith("V20190523143005,3112.345703,N,12130.123047,E,"));
    }
};

TAVRIN_TEST_MAIN(tst_KoDriveSample, QCoreApplication)
#include "tst_KoDriveSample.moc"

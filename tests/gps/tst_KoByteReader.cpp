#include "TestMain.h"
#include "gps/KoByteReader.h"
#include "gps/KoByteSource.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

QByteArray readBytes(const KoByteReader &r, qint64 offset, qint64 length, qint64 *got = nullptr)
{
    QByteArray out(int(length), 'x');
    const qint64 n = r.read(offset, out.data(), length);
    if (got)
        *got = n;
    return out;
}

} // namespace

class tst_KoByteReader : public QObject
{
    Q_OBJECT

private slots:
    void readsOutsideAreZero();
    void subWindowsNest();
    void byteOrder();
    void fileReadsMatchMemory();
    void fileShrinkingAfterOpenReadsZeros();
    void missingFileHasNoSource();
};

void tst_KoByteReader::readsOutsideAreZero()
{
    const QByteArray data = "abcdef";
    auto source = KoByteSource::fromMemory(data.constData(), data.size());
    const KoByteReader r(source.get());
    QCOMPARE(r.size(), qint64(6));
    qint64 got = -1;
    QCOMPARE(readBytes(r, 4, 4, &got), QByteArray("ef\0\0", 4));
    QCOMPARE(got, qint64(2));
    QCOMPARE(readBytes(r, -2, 4, &got), QByteArray("\0\0ab", 4));
    QCOMPARE(got, qint64(2));
    QCOMPARE(readBytes(r, 6, 3, &got), QByteArray(3, '\0'));
    QCOMPARE(got, qint64(0));
    QCOMPARE(readBytes(r, -10, 3, &got), QByteArray(3, '\0'));
    QCOMPARE(readBytes(r, qint64(1) << 40, 2, &got), QByteArray(2, '\0'));
    QCOMPARE(r.read(0, nullptr, 0), qint64(0));
    QCOMPARE(KoByteReader().be32(0), 0u);
}

void tst_KoByteReader::subWindowsNest()
{
    const QByteArray data = "abcdefgh";
    auto source = KoByteSource::fromMemory(data.constData(), data.size());
    const KoByteReader r(source.get());
    const KoByteReader box = r.sub(2, 3);
    QCOMPARE(box.size(), qint64(3));
    QCOMPARE(readBytes(box, 0, 5), QByteArray("cde\0\0", 5));
    QCOMPARE(readBytes(box, -1, 2), QByteArray("\0c", 2));
    QCOMPARE(readBytes(box.sub(1, 100), 0, 3), QByteArray("de\0", 3));
    QCOMPARE(readBytes(r.sub(-5, 7), 0, 3), QByteArray("ab\0", 3));
    QCOMPARE(r.sub(100, 5).size(), qint64(0));
    QCOMPARE(r.sub(3, -1).size(), qint64(0));
}

void tst_KoByteReader::byteOrder()
{
    const QByteArray data("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    auto source = KoByteSource::fromMemory(data.constData(), data.size());
    const KoByteReader r(source.get());
    QCOMPARE(r.be16(0), quint16(0x0102));
    QCOMPARE(r.be32(4), 0x05060708u);
    QCOMPARE(r.be32(6), 0x07080000u);
    QCOMPARE(r.be64(0), 0x0102030405060708ull);
    QCOMPARE(KoByteReader::littleEndian32(reinterpret_cast<const uchar *>(data.constData())), 0x04030201u);
}

void tst_KoByteReader::fileReadsMatchMemory()
{
    // The file source reads through small windows; any mix of near, far,
    // overlapping and large reads must give the memory source's bytes.
    QRandomGenerator random(7);
    QByteArray data(300000, '\0');
    for (char &c : data)
        c = char(random.bounded(256));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
    f.close();

    auto fileSource = KoByteSource::openFile(path);
    QVERIFY(fileSource);
    auto memorySource = KoByteSource::fromMemory(data.constData(), data.size());
    const KoByteReader file(fileSource.get());
    const KoByteReader memory(memorySource.get());
    QCOMPARE(file.size(), memory.size());
    qint64 offset = 0;
    for (int i = 0; i < 5000; ++i) {
        const int pattern = random.bounded(4);
        if (pattern == 0)
            offset = random.bounded(-100, data.size() + 100);
        else if (pattern == 1)
            offset += random.bounded(-200, 9000);
        else if (pattern == 2)
            offset = 8192 * random.bounded(40) - random.bounded(130);
        const qint64 length = random.bounded(3) == 0 ? random.bounded(20000) : random.bounded(130);
        qint64 gotFile = 0;
        qint64 gotMemory = 0;
        const QByteArray a = readBytes(file, offset, length, &gotFile);
        const QByteArray b = readBytes(memory, offset, length, &gotMemory);
        QVERIFY2(a == b && gotFile == gotMemory,
                 qPrintable(QStringLiteral("read %1 at %2").arg(length).arg(offset)));
    }
}

void tst_KoByteReader::fileShrinkingAfterOpenReadsZeros()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'a'));
    f.close();
    auto source = KoByteSource::openFile(path);
    const KoByteReader r(source.get());
    QVERIFY(f.resize(1000));
    qint64 got = -1;
    QCOMPARE(readBytes(r, 990, 20, &got), QByteArray(10, 'a') + QByteArray(10, '\0'));
    QCOMPARE(got, qint64(10));
    QCOMPARE(readBytes(r, 50000, 20000, &got), QByteArray(20000, '\0'));
    QCOMPARE(got, qint64(0));
}

void tst_KoByteReader::missingFileHasNoSource()
{
    QVERIFY(!KoByteSource::openFile(QStringLiteral("/nonexistent/recording.mp4")));
    QVERIFY(!KoByteSource::openFile(QString()));
}

TAVRIN_TEST_MAIN(tst_KoByteReader, QCoreApplication)
#include "tst_KoByteReader.moc"

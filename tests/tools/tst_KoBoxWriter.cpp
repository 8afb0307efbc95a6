#include "TestMain.h"

#include "tools/samples/KoBoxWriter.h"

#include <QTemporaryFile>

class tst_KoBoxWriter : public QObject
{
    Q_OBJECT

private slots:
    void nestedBoxesGetTheirSizes()
    {
        KoBoxWriter w;
        w.begin("moov");
        w.begin("mvhd");
        w.fullBoxHeader(1, 0x000203);
        w.u32(0xdeadbeef);
        w.end();
        w.box("udta", QByteArray("xy"));
        QCOMPARE(w.depth(), 1);
        w.end();
        QVERIFY(w.ok());
        const QByteArray expected = QByteArray::fromHex("000000226d6f6f76" // moov, 34
                                                        "000000106d766864" // mvhd, 16
                                                        "01000203deadbeef" // version, flags, value
                                                        "0000000a75647461"
                                                        "7879"); // udta, 10
        QCOMPARE(w.data().toHex(), expected.toHex());
    }

    void fieldsAreBigEndian()
    {
        KoBoxWriter w;
        w.u16(0x0102);
        w.u24(0x030405);
        w.u64(0x060708090a0b0c0dull);
        w.i32(-2);
        w.fixed16(1920);
        w.fixed8(1.0);
        w.fourcc("gps");
        QCOMPARE(w.data().toHex(), QByteArray("0102030405060708090a0b0c0dfffffffe07800000010067707320"));
    }

    void makeBoxHelpers()
    {
        QCOMPARE(KoBoxWriter::makeBox("free", "GPS ").toHex(), QByteArray("0000000c6672656547505320"));
        QCOMPARE(KoBoxWriter::makeFullBox("stco", 0, 0, QByteArray(4, '\0')).toHex(),
                 QByteArray("000000107374636f0000000000000000"));
    }

    void patchesLaterValues()
    {
        KoBoxWriter w;
        w.u32(0);
        w.u32(7);
        w.patchU32(0, 0x11223344);
        QCOMPARE(w.pos(), qint64(8));
        QCOMPARE(w.data().toHex(), QByteArray("1122334400000007"));
    }

    void streamsOntoAFile()
    {
        // A box larger than anything kept in memory is patched on disk.
        QTemporaryFile file;
        QVERIFY(file.open());
        KoBoxWriter w(&file);
        w.begin("mdat");
        w.zeros(100000);
        w.end();
        w.box("moov", {});
        QVERIFY(w.ok());
        file.flush();
        file.seek(0);
        const QByteArray head = file.read(8);
        QCOMPARE(head.toHex(), QByteArray("000186a86d646174"));
        QCOMPARE(file.size(), qint64(100008 + 8));
    }

    void unbalancedOrUnwritableFails()
    {
        KoBoxWriter unbalanced;
        unbalanced.end();
        QVERIFY(!unbalanced.ok());

        QFile readOnly(QStringLiteral(TAVRIN_SOURCE_DIR "/README.md"));
        QVERIFY(readOnly.open(QIODevice::ReadOnly));
        KoBoxWriter w(&readOnly);
        QVERIFY(!w.ok());
        w.box("free", "x"); // ignored, no crash
        QVERIFY(!w.ok());
        KoBoxWriter none(nullptr);
        none.u32(1);
        QVERIFY(!none.ok());
    }
};

TAVRIN_TEST_MAIN(tst_KoBoxWriter, QCoreApplication)
#include "tst_KoBoxWriter.moc"

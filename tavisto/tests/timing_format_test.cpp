// The .mtf image without a file: decoded, encoded back over its own bytes, and inspected.

#include "TimingFileFormat.h"
#include "support/FileChecks.h"

#include <QtTest>

using namespace tavisto;

namespace {

FileImage imageOf(const QByteArray& bytes)
{
    return FileImage(bytes.begin(), bytes.end());
}

QByteArray bytesOf(const FileImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

// File offset of buffer byte i: table t = i / 800 starts block t + 1 of 2048 bytes; random table at 18432.
int fileOffsetOf(int i)
{
    return i < 6400 ? (i / 800 + 1) * 2048 + i % 800 : 18432 + i - 6400;
}

using Found = QList<QPair<int, int>>;  // kind, value

}  // namespace

class TimingFormatTest : public QObject {
    Q_OBJECT
private slots:
    void decodeAndEncode_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 100, 2048 + 52, 18432 + 55, 18559, 18560, 20000})
            QTest::addRow("%d bytes", size) << size;
    }

    // Every field comes from its offset; beyond the end of a short image everything reads as in a new
    // set. Encoded back over its own bytes, an unedited set changes none, the unused ones included.
    void decodeAndEncode()
    {
        QFETCH(int, size);
        const FileImage image = imageOf(patternFile(size));
        const TimingSet set = decodeTimingFile(image);
        QCOMPARE(int(set.RunProgram), size > 0 ? quint8(patternByte(0)) : 1);
        QCOMPARE(int(set.RandomEnabled), size > 18559 ? quint8(patternByte(18559)) : 1);
        for (int i = 0; i < 6500; ++i) {
            const int offset = fileOffsetOf(i);
            QVERIFY2(set.Buffer.bytes()[i] == (offset < size ? quint8(patternByte(offset)) : 0xFF),
                     qPrintable(QString::number(i)));
        }
        FileImage back = image;
        encodeTimingFile(set, back);
        QCOMPARE(int(back.size()), std::max(size, 18560));
        QVERIFY(std::equal(image.begin(), image.end(), back.begin()));
    }

    // A new set saved at once: 0xFF tables but slot 1 of program 1's music table, both settings 1,
    // zeros in every unused byte.
    void newSetMakesTheFullImage()
    {
        TimingSet set = TimingSet::fresh();
        CP cp;
        cp.Serial = 1;
        SaveCPtoBuf(set.Buffer, SlotSelection{}, 0, cp);
        FileImage image;
        encodeTimingFile(set, image);
        QCOMPARE(bytesOf(image), freshFile());
    }

    void inspection_data()
    {
        using K = TimingFileFinding::Kind;
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<Found>("found");
        QByteArray good = freshFile();
        auto with = [&good](int offset, const QByteArray& bytes) {
            return QByteArray(good).replace(offset, bytes.size(), bytes);
        };
        QTest::newRow("a file this program wrote") << good << Found{};
        QTest::newRow("a 5-byte text")
            << QByteArray("hello") << Found{{int(K::Short), 5}, {int(K::RunProgram), 'h'}};
        QTest::newRow("run program 0") << with(0, QByteArray(1, '\0')) << Found{{int(K::RunProgram), 0}};
        QTest::newRow("used slot 100, empty slots with any bytes")
            << with(2048 + 99 * 8, QByteArray("\x64\x23\x59\x63\x63\x63\x7F\x3F", 8))
                   .replace(2056, 8, QByteArray("\x00\xAA\xAA\xAA\xAA\xAA\xAA\xAA", 8))
            << Found{};
        QTest::newRow("serial of another slot")
            << with(4096 + 8, QByteArray("\x07\x00\x00\x00\x00\x00\x00\x00", 8))
            << Found{{int(K::Serial), 7}};
        QTest::newRow("hour 24, minute 60, nibble A")
            << with(2048, QByteArray("\x01\x24\x00", 3))
                   .replace(10240 + 8, 5, QByteArray("\x02\x00\x60\x1A\x00", 5))
            << Found{{int(K::Time), 0x2400}, {int(K::Time), 0x0060}, {int(K::Time), 0x1A00}};
        QTest::newRow("tracks above 99")
            << with(2048, QByteArray("\x01\x00\x00\x00\x63\x64", 6))
                   .replace(18432 + 10, 10, QByteArray("\x02\0\0\0\0\0\0\0\x05\xC8", 10))
            << Found{{int(K::Track), 100}, {int(K::Track), 200}};
        QTest::newRow("peripheral byte 5 is not a track")
            << with(10240, QByteArray("\x01\x00\x00\x00\x00\xFF", 6)) << Found{};
    }

    // What the format gives meaning to, and nothing else, is found, in file order.
    void inspection()
    {
        QFETCH(QByteArray, image);
        QFETCH(Found, found);
        Found actual;
        for (const TimingFileFinding& finding : inspectTimingFile(imageOf(image)))
            actual << qMakePair(int(finding.kind), finding.value);
        QCOMPARE(actual, found);
    }
};

QTEST_APPLESS_MAIN(TimingFormatTest)
#include "timing_format_test.moc"

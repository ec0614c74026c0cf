// Decoding the relation diagram, and damaged pictures that must neither end the program nor
// show half a picture.

#include "FileChecks.h"
#include "JpegPicture.h"

#include <QtTest>

using namespace tavisto;

class JpegPictureTest : public QObject {
    Q_OBJECT
private slots:
    void decodesTheDiagram()
    {
        const QImage image = loadJpegResource(QStringLiteral(":/relation-diagram.jpg"));
        QCOMPARE(image.size(), QSize(639, 512));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        // The background is a light, nearly white cream; a colour mix-up would show here.
        const QColor corner = image.pixelColor(2, 2);
        QVERIFY2(corner.red() > 235 && corner.green() > 235 && corner.blue() > 225,
                 qPrintable(corner.name()));
    }

    void damagedPicturesGiveNullImage_data()
    {
        const QByteArray good = fileBytes(QStringLiteral(":/relation-diagram.jpg"));
        QVERIFY(good.size() > 1000);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray(4096, '\x5a');
        QTest::newRow("start marker only") << QByteArray("\xff\xd8", 2);
        QTest::newRow("header only") << good.left(600);
        QTest::newRow("cut in half") << good.left(good.size() / 2);
        QTest::newRow("last bytes missing") << good.chopped(2);

        // A frame size that no longer matches the picture data.
        QByteArray resized = good;
        const int frame = resized.indexOf(QByteArray("\xff\xc0", 2));
        QVERIFY(frame > 0);
        resized[frame + 7] = char(0x40);  // width 0x40xx, over 16000 pixels
        QTest::newRow("frame size damaged") << resized;
    }
    void damagedPicturesGiveNullImage()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(decodeJpeg(bytes).isNull());
    }

    void missingResourceGivesNullImage()
    {
        QVERIFY(loadJpegResource(QStringLiteral(":/no-such.jpg")).isNull());
    }
};

QTEST_APPLESS_MAIN(JpegPictureTest)
#include "jpeg_picture_test.moc"

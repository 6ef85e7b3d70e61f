// The pictures of the resources: JPEG decoding with libjpeg, damaged data,
// the logo drawing and the button glyphs.

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "gui/controls/Pictures.h"

namespace {

QByteArray ResourceBytes(int id)
{
    QFile file(QStringLiteral(":/pictures/%1.jpg").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The offset of the first byte after the two marker bytes 0xFF `code`.
qsizetype MarkerOffset(const QByteArray& bytes, unsigned char code)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && static_cast<unsigned char>(bytes[i + 1]) == code)
            return i + 2;
    return -1;
}

// The number of pixels of a picture that are more opaque than `alpha`.
int Painted(const QImage& image, int alpha)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > alpha ? 1 : 0;
    return painted;
}

// The largest difference of a channel between two pictures of one size,
// sampled every `stepX` columns and `stepY` rows.
int LargestDifference(const QImage& a, const QImage& b, int stepX = 1, int stepY = 1)
{
    int worst = 0;
    for (int y = 0; y < a.height(); y += stepY)
        for (int x = 0; x < a.width(); x += stepX) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return worst;
}

QImage Glyph(const char* name)
{
    return ButtonGlyph(name).pixmap(16, 16).toImage();
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void productPictureDecodesAsQtsOwnDecoderDoes()
    {
        const QImage picture = JpegResource(1101);
        QCOMPARE(picture.size(), QSize(500, 220));
        QImage reference;
        QVERIFY(reference.loadFromData(ResourceBytes(1101), "JPG"));
        const int worst = LargestDifference(picture.convertToFormat(QImage::Format_RGB32),
                                            reference.convertToFormat(QImage::Format_RGB32), 5, 7);
        QVERIFY2(worst <= 3, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
    }

    void languageStripsDiffer()
    {
        const QList<int> ids = {1900, 2900, 3900, 7900, 8900, 9900};
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(JpegResource(ids[i]).size(), QSize(220, 14));
            for (int j = i + 1; j < ids.size(); ++j)
                QVERIFY(JpegResource(ids[i]) != JpegResource(ids[j]));
        }
        QVERIFY(JpegResource(4711).isNull());
    }

    void damagedJpegsAreEmpty_data()
    {
        const QByteArray good = ResourceBytes(1101);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is no picture at all", 32);
        QTest::newRow("cut in the header") << good.left(100);
        QTest::newRow("cut in the data") << good.left(good.size() / 2);

        // The frame header: length (2), precision (1), height (2), width (2).
        const qsizetype frame = MarkerOffset(good, 0xC0);
        QVERIFY(frame > 0);
        QByteArray zeroHeight = good;
        zeroHeight[frame + 3] = zeroHeight[frame + 4] = 0;
        QTest::newRow("height zero") << zeroHeight;
        QByteArray huge = good;
        huge[frame + 3] = huge[frame + 5] = char(0xFF);
        huge[frame + 4] = huge[frame + 6] = char(0xF0);
        QTest::newRow("65520 x 65520") << huge;

        // A Huffman table whose counts claim more codes than there are.
        const qsizetype table = MarkerOffset(good, 0xC4);
        QVERIFY(table > 0);
        QByteArray badTable = good;
        badTable.replace(table + 3, 16, QByteArray(16, char(0xFF)));
        QTest::newRow("huffman table") << badTable;
    }
    void damagedJpegsAreEmpty()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(DecodeJpeg(bytes).isNull());
    }

    void logoIsADrawing()
    {
        const auto logo = MetafileResource(101);
        QVERIFY(logo && logo->isValid());
        QVERIFY(logo->defaultSize().width() > logo->defaultSize().height());
        QVERIFY(!MetafileResource(102));
        const QImage image = MetafileImage(101, QSize(290, 64));
        QCOMPARE(image.size(), QSize(290, 64));
        QVERIFY(Painted(image.copy(0, 0, 64, 64), 0) > 500);  // the mark on the left
        QVERIFY(MetafileImage(999, QSize(10, 10)).isNull());
    }

    void buttonGlyphs()
    {
        for (const char* name : {"BUTTON_FRAGE", "BUTTON_PRINT", "BUTTON_CLOSE", "BUTTON_NOTES", "BUTTON_PREVIOUS",
                                 "BUTTON_NEXT", "BUTTON_FIRST", "BUTTON_LAST"}) {
            const QImage image = Glyph(name);
            QCOMPARE(image.size(), QSize(16, 16));
            const int painted = Painted(image, 128);
            QVERIFY2(painted > 20 && painted < 256, name);
        }
        QVERIFY(ButtonGlyph("BUTTON_NONE").isNull());
        QVERIFY(ButtonGlyph(nullptr).isNull());
        // Previous and next are mirror images, up to the smoothing of edges.
        const int worst = LargestDifference(Glyph("BUTTON_PREVIOUS").mirrored(true, false), Glyph("BUTTON_NEXT"));
        QVERIFY2(worst < 96, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"

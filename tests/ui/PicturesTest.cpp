// The pictures of the resources: JPEG decoding with libjpeg, damaged data,
// the logo drawing and the button glyphs.

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "ui/Pictures.h"

namespace {

QByteArray ResourceBytes(int id)
{
    QFile file(QStringLiteral(":/pictures/%1.jpg").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The offset of the first byte after the two marker bytes 0xFF `code`.
qsizetype MarkerOffset(const QByteArray& bytes, unsigned char code)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && static_cast<unsigned char>(bytes[i + 1]) == code)
            return i + 2;
    }
    return -1;
}

// The mean colour of a rectangle of the picture.
QColor MeanColour(const QImage& image, const QRect& area)
{
    long long r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
            ++n;
        }
    }
    return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void productPictureDecodes()
    {
        const QImage picture = JpegResource(1101);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(500, 220));
        QCOMPARE(picture.format(), QImage::Format_RGB888);
        // Dark band under the white contact lines, light casing in the middle.
        QVERIFY(MeanColour(picture, QRect(0, 200, 500, 18)).lightness() < 60);
        QVERIFY(MeanColour(picture, QRect(99, 75, 4, 100)).lightness() > 180);
    }

    void sameAsQtsOwnDecoder()
    {
        // Qt's reader decodes the same bytes to (nearly) the same pixels.
        QImage reference;
        QVERIFY(reference.loadFromData(ResourceBytes(1101), "JPG"));
        const QImage ours = JpegResource(1101).convertToFormat(QImage::Format_RGB32);
        reference = reference.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ours.size(), reference.size());
        int worst = 0;
        for (int y = 0; y < ours.height(); y += 7) {
            for (int x = 0; x < ours.width(); x += 5) {
                const QRgb a = ours.pixel(x, y), b = reference.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        }
        QVERIFY2(worst <= 3, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
    }

    void languageStrips_data()
    {
        QTest::addColumn<int>("id");
        for (const int id : {1900, 2900, 3900, 7900, 8900, 9900})
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }

    void languageStrips()
    {
        QFETCH(int, id);
        const QImage strip = JpegResource(id);
        QCOMPARE(strip.size(), QSize(220, 14));
        // House blue with white lettering: some pixels are nearly white.
        int white = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 20; x < strip.width(); ++x)
                white += qGray(strip.pixel(x, y)) > 220 ? 1 : 0;
        QVERIFY2(white > 40, qPrintable(QStringLiteral("only %1 white pixels").arg(white)));
    }

    void stripsDifferPerLanguage()
    {
        const QList<int> ids = {1900, 2900, 3900, 7900, 8900, 9900};
        for (int i = 0; i < ids.size(); ++i)
            for (int j = i + 1; j < ids.size(); ++j)
                QVERIFY(JpegResource(ids[i]) != JpegResource(ids[j]));
    }

    void unknownNumberIsEmpty()
    {
        QVERIFY(JpegResource(4711).isNull());
        QVERIFY(JpegResource(-1).isNull());
    }

    void damagedJpegsAreEmpty_data()
    {
        const QByteArray good = ResourceBytes(1101);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is no picture at all", 32);
        QTest::newRow("only the start marker") << good.left(2);
        QTest::newRow("cut in the header") << good.left(100);
        QTest::newRow("cut in the data") << good.left(good.size() / 2);
        QTest::newRow("without end marker") << good.left(good.size() - 2);

        QByteArray noStart = good;
        noStart[1] = 0x00;
        QTest::newRow("start marker broken") << noStart;

        // The frame header: length (2), precision (1), height (2), width (2).
        const qsizetype frame = MarkerOffset(good, 0xC0);
        QVERIFY(frame > 0);
        QByteArray zeroHeight = good;
        zeroHeight[frame + 3] = 0;
        zeroHeight[frame + 4] = 0;
        QTest::newRow("height zero") << zeroHeight;
        QByteArray huge = good;
        huge[frame + 3] = char(0xFF);
        huge[frame + 4] = char(0xF0);
        huge[frame + 5] = char(0xFF);
        huge[frame + 6] = char(0xF0);
        QTest::newRow("65520 x 65520") << huge;
        QByteArray badPrecision = good;
        badPrecision[frame + 2] = 3;
        QTest::newRow("precision 3") << badPrecision;

        // A Huffman table whose counts claim more codes than there are.
        const qsizetype table = MarkerOffset(good, 0xC4);
        QVERIFY(table > 0);
        QByteArray badTable = good;
        for (int i = 3; i < 3 + 16; ++i)
            badTable[table + i] = char(0xFF);
        QTest::newRow("huffman table") << badTable;

        // Garbage after the start of the scan.
        const qsizetype scan = MarkerOffset(good, 0xDA);
        QVERIFY(scan > 0);
        QByteArray garbage = good.left(scan + 12);
        garbage.append(QByteArray(64, char(0xFF)));
        QTest::newRow("scan of fill bytes") << garbage;
    }

    void damagedJpegsAreEmpty()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(DecodeJpeg(bytes).isNull());
    }

    void greyPictureDecodes()
    {
        QImage grey(40, 30, QImage::Format_Grayscale8);
        grey.fill(128);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        QVERIFY(writer.write(grey));
        const QImage decoded = DecodeJpeg(bytes);
        QCOMPARE(decoded.size(), QSize(40, 30));
        QCOMPARE(decoded.format(), QImage::Format_Grayscale8);
        QVERIFY(std::abs(qGray(decoded.pixel(20, 15)) - 128) <= 2);
    }

    void logoIsADrawing()
    {
        const auto logo = MetafileResource(101);
        QVERIFY(logo);
        QVERIFY(logo->isValid());
        QVERIFY(logo->defaultSize().width() > logo->defaultSize().height());
        QVERIFY(!MetafileResource(102));

        const QImage image = MetafileImage(101, QSize(290, 64));
        QCOMPARE(image.size(), QSize(290, 64));
        // The mark on the left is drawn, the right end of the box stays clear.
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 64; ++x)
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY(painted > 500);
        QVERIFY(MetafileImage(101, QSize()).isNull());
        QVERIFY(MetafileImage(999, QSize(10, 10)).isNull());
    }

    void buttonGlyphs_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const char* name : {"BUTTON_FRAGE", "BUTTON_PRINT", "BUTTON_CLOSE", "BUTTON_NOTES", "BUTTON_PREVIOUS",
                                 "BUTTON_NEXT", "BUTTON_FIRST", "BUTTON_LAST"})
            QTest::newRow(name) << QByteArray(name);
    }

    void buttonGlyphs()
    {
        QFETCH(QByteArray, name);
        const QIcon icon = ButtonGlyph(name.constData());
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        int painted = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                painted += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        QVERIFY(painted > 20);
        QVERIFY(painted < 256);
    }

    void glyphsDiffer()
    {
        const QImage previous = ButtonGlyph("BUTTON_PREVIOUS").pixmap(16, 16).toImage();
        const QImage next = ButtonGlyph("BUTTON_NEXT").pixmap(16, 16).toImage();
        QVERIFY(previous != next);
        // Drawn as mirror images of each other, up to the smoothing of edges.
        const QImage mirrored = previous.mirrored(true, false);
        int worst = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                worst = std::max(worst, std::abs(qAlpha(mirrored.pixel(x, y)) - qAlpha(next.pixel(x, y))));
        QVERIFY2(worst < 96, qPrintable(QStringLiteral("largest difference %1").arg(worst)));
    }

    void unknownGlyphIsNull()
    {
        QVERIFY(ButtonGlyph("BUTTON_NONE").isNull());
        QVERIFY(ButtonGlyph("").isNull());
        QVERIFY(ButtonGlyph(nullptr).isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"

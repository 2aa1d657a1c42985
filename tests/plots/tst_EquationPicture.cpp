// The equation picture of the hodograph and D-partition panels, drawn by itself.

#include "plots/EquationPicture.h"
#include "tests/support/LabsTestMain.h"

#include <QImage>
#include <QPainter>

namespace {

QImage Render() {
    QImage image(TEquationPicture::kWidth, TEquationPicture::kHeight,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const TEquationPicture picture;
    picture.Paint(painter);
    return image;
}

// The extent of everything drawn (non-transparent pixels).
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int InkInRows(const QImage& image, int top, int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                ++count;
    return count;
}

} // namespace

class TestEquationPicture : public QObject {
    Q_OBJECT
  private slots:
    void sizeAndTransparency() {
        TEquationPicture picture;
        QCOMPARE(picture.size(), QSize(179, 57));
        QVERIFY(picture.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(!picture.autoFillBackground());
    }

    void fitsUnclippedInsideTheDrawingArea() {
        const QRect text = TEquationPicture().TextBounds();
        const QRect area(0, 0, TEquationPicture::kDrawingWidth, TEquationPicture::kDrawingHeight);
        QVERIFY2(area.contains(text), qPrintable(QStringLiteral("text reaches %1,%2 .. %3,%4")
                                                     .arg(text.left())
                                                     .arg(text.top())
                                                     .arg(text.right())
                                                     .arg(text.bottom())));
        // What is painted stays where the metrics say.
        const QRect ink = InkBounds(Render());
        QVERIFY(!ink.isEmpty());
        QVERIFY(text.adjusted(-1, -1, 1, 1).contains(ink));
    }

    void twoLinesOfBlackText() {
        const QImage image = Render();
        QVERIFY(InkInRows(image, 0, 17) > 50);   // the heading
        QVERIFY(InkInRows(image, 24, 50) > 100); // the equation with its scripts
        QVERIFY(InkInRows(image, 18, 19) == 0);  // a gap between the two
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) != 0)
                    QVERIFY(qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0);
            }
    }
};

LABS_TEST_MAIN(TestEquationPicture)
#include "tst_EquationPicture.moc"

// Dense screens: the artwork's "@2x" versions stand in for the pictures at
// the same logical size, and the mercury is painted in device pixels, filling
// the tube of the sharper thermometer exactly.
#include <QImage>
#include <cmath>

#include "harness.h"
#include "ui/art_resolution.h"

namespace {

TEST(DenseScreenArt, TwiceThePixelsAtTheSameLogicalSize) {
  for (const QString path :
       {":/art/background.gif", ":/art/thermometer.gif", ":/art/QUESUP.bmp", ":/art/QUESDOWN.bmp",
        ":/art/MINUSUP.bmp", ":/art/MINUSDOWN.bmp", ":/art/XUP.bmp", ":/art/XDOWN.bmp"}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(ui::sharpestArt(path, 1.0), path) << "ordinary screens keep the picture";
    const QString dense = ui::sharpestArt(path, 2.0);
    ASSERT_NE(dense, path);
    EXPECT_EQ(ui::sharpestArt(path, 1.5), dense);
    QPixmap sharp(dense);
    sharp.setDevicePixelRatio(ui::artPixelRatio(dense));
    const QPixmap plain(path);
    EXPECT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size()));
  }
  // A picture drawn at one resolution only is loaded as it is.
  EXPECT_EQ(ui::sharpestArt(QStringLiteral(":/art/HAND.png"), 2.0), ":/art/HAND.png");
  EXPECT_EQ(ui::artPixelRatio(QStringLiteral(":/art/HAND.png")), 1.0);
}

class DenseScreenTest : public harness::MainWindowTest {
 protected:
  QImage painted(qreal ratio) {
    QImage image(form->PicTherm->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    form->PicTherm->render(&image);
    return image;
  }
  // The first device row of a column painted in the mercury's colour.
  int mercuryTop(const QImage& image, int column) {
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(column, y) == QColor(178, 24, 0)) return y;
    return -1;
  }
};

TEST_F(DenseScreenTest, MercuryIsPaintedInDevicePixels) {
  form->PicTherm->setPicture(ui::loadArt(QStringLiteral(":/art/thermometer@2x.gif")));
  enterAndConvert("50");
  for (float y : {-0.5f, -0.503f, -0.5055f, -0.21f}) {
    SCOPED_TRACE(y);
    dragTo(y);
    const double logicalTop = form->PicTherm->toPixel({0, y}).y();
    for (qreal ratio : {1.0, 2.0}) {
      const QImage image = painted(ratio);
      const int column = static_cast<int>(form->PicTherm->toPixel({-0.035, 0}).x() * ratio);
      EXPECT_EQ(mercuryTop(image, column), static_cast<int>(std::floor(logicalTop * ratio)))
          << ratio;
    }
  }

  // Across, the column fills the inside of the sharper tube exactly: tube red
  // on both sides, nothing of the white inside left beside the mercury.
  dragTo(-0.5f);
  const QImage image = painted(2.0);
  const int row = static_cast<int>(form->PicTherm->toPixel({0, -0.25}).y() * 2);
  std::string across;
  for (int x = 84; x < 103; ++x) {
    const QColor c = image.pixelColor(x, row);
    across += c == QColor(178, 24, 0) ? 'm' : c == QColor(214, 28, 16) ? 'r' : '.';
  }
  EXPECT_EQ(across, "....rrmmmmmmmrr....");
}

}  // namespace

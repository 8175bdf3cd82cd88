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
       {":/art/background.gif", ":/art/thermometer.gif", ":/art/QUESUP.bmp", ":/art/XDOWN.bmp"}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(ui::sharpestArt(path, 1.0), path) << "ordinary screens keep the picture";
    const QString dense = ui::sharpestArt(path, 1.5);
    ASSERT_EQ(dense, ui::sharpestArt(path, 2.0));
    const QPixmap sharp = ui::loadArt(dense), plain = ui::loadArt(path);
    EXPECT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size()));
  }
  // A picture drawn at one resolution only is loaded as it is.
  EXPECT_EQ(ui::sharpestArt(":/art/HAND.png", 2.0), ":/art/HAND.png");
}

using DenseScreenTest = harness::MainWindowTest;

TEST_F(DenseScreenTest, MercuryIsPaintedInDevicePixels) {
  const auto painted = [this](qreal ratio) {
    QImage image(form->PicTherm->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    form->PicTherm->render(&image);
    return image;
  };
  const QColor mercury(178, 24, 0);
  form->PicTherm->setPicture(ui::loadArt(":/art/thermometer@2x.gif"));
  enterAndConvert("50");
  for (const float y : {-0.5f, -0.503f, -0.5055f, -0.21f}) {
    dragTo(y);
    const double logicalTop = form->PicTherm->toPixel({0, y}).y();
    for (const qreal ratio : {1.0, 2.0}) {
      const QImage image = painted(ratio);
      const int column = static_cast<int>(form->PicTherm->toPixel({-0.035, 0}).x() * ratio);
      int top = 0;
      while (top < image.height() && image.pixelColor(column, top) != mercury) ++top;
      EXPECT_EQ(top, static_cast<int>(std::floor(logicalTop * ratio))) << y << " at " << ratio;
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
    across += c == mercury ? 'm' : c == QColor(214, 28, 16) ? 'r' : '.';
  }
  EXPECT_EQ(across, "....rrmmmmmmmrr....");
}

}  // namespace

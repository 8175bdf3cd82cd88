// The mercury is painted in device pixels, filling the sharper tube exactly; at 100 % and 200 %
// every label lies on the glass, clear of the border and tube.
#include <cmath>

#include "harness.h"
#include "ui/art_resolution.h"

namespace {

class DenseScreenTest : public harness::MainWindowTest {
 protected:
  QImage painted(qreal ratio) {
    QImage image(form->PicTherm->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    form->PicTherm->render(&image);
    return image;
  }
  // The drawing painted again with its mercury but no labels.
  QImage paintedWithoutLabels(qreal ratio) {
    const auto list = form->PicTherm->displayList();
    form->PicTherm->Cls();
    for (const auto& op : list)
      if (op.kind == ui::PictureBox::Operation::Kind::FilledBox)
        form->PicTherm->Line(op.x1, op.y1, op.x2, op.y2, op.color);
    return painted(ratio);
  }
};

TEST_F(DenseScreenTest, MercuryIsPaintedInDevicePixels) {
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
  // Across, the column fills the sharper tube's inside exactly: tube red both sides, no white left.
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

// The glass is pale blue; the border, the tube, its white inside and what blends with them are not.
bool isGlass(QRgb c) { return qBlue(c) == 255 && qRed(c) >= 200 && qRed(c) < 255; }

// Pixels of label ink on or beside a pixel that is not glass.
int touchingInk(const QImage& drawn, const QImage& bare) {
  int touching = 0;
  for (int y = 1; y + 1 < bare.height(); ++y)
    for (int x = 1; x + 1 < bare.width(); ++x) {
      if (drawn.pixel(x, y) == bare.pixel(x, y)) continue;
      bool clear = true;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) clear = clear && isGlass(bare.pixel(x + dx, y + dy));
      touching += !clear;
    }
  return touching;
}

TEST_F(DenseScreenTest, LabelsStayOnTheGlassClearOfBorderAndTube) {
  // The widest labels of each kind of scale, typed in °F or in °C.
  const std::pair<const char*, bool> cases[] = {
      {"50000", false},  {"-500000", false}, {"-500000", true}, {"0.0005", false},
      {"-0.0005", true}, {"-0.00005", true}, {"1e-45", false},  {"-1e-45", true},
      {"-9e37", false},  {"-9e37", true},
  };
  for (const qreal ratio : {1.0, 2.0}) {
    const char* art = ratio == 1.0 ? ":/art/thermometer.gif" : ":/art/thermometer@2x.gif";
    form->PicTherm->setPicture(ui::loadArt(art));
    for (const auto& [typed, celsius] : cases) {
      (celsius ? form->Option2 : form->Option1)->setValue(true);
      enterAndConvert(typed);
      const QImage drawn = painted(ratio);
      EXPECT_EQ(touchingInk(drawn, paintedWithoutLabels(ratio)), 0)
          << typed << (celsius ? " C" : " F") << " at " << ratio;
    }
  }
}

// Pictures decoded ahead on a thread of their own are those decoded when asked for.
TEST(PicturesDecodedAhead, AreThoseDecodedWhenAskedFor) {
  const QStringList art = {":/art/thermometer@2x.gif", ":/art/background.gif"};
  std::vector<QPixmap> asked;
  for (const QString& path : art) asked.push_back(ui::loadArt(path));
  ui::preloadArt(art);
  for (qsizetype i = art.size() - 1; i >= 0; --i) {
    const QPixmap ahead = ui::loadArt(art[i]);
    EXPECT_EQ(ahead.toImage(), asked[i].toImage()) << art[i].toStdString();
    EXPECT_EQ(ahead.devicePixelRatio(), asked[i].devicePixelRatio()) << art[i].toStdString();
  }
}

}  // namespace

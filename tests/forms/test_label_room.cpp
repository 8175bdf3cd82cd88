// Every label of the thermometer lies on its pale glass, its ink touching
// neither the blue border nor the tube, on ordinary and on dense screens.
#include <QImage>

#include "harness.h"
#include "ui/art_resolution.h"

namespace {

class LabelRoomTest : public harness::MainWindowTest {
 protected:
  QImage painted(qreal ratio) {
    QImage image(form->PicTherm->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    form->PicTherm->render(&image);
    return image;
  }
  // The drawing as it is, and the same with its mercury but no labels.
  std::pair<QImage, QImage> withAndWithoutLabels(qreal ratio) {
    const QImage drawn = painted(ratio);
    const auto list = form->PicTherm->displayList();
    form->PicTherm->Cls();
    for (const auto& op : list)
      if (op.kind == ui::PictureBox::Operation::Kind::FilledBox)
        form->PicTherm->Line(op.x1, op.y1, op.x2, op.y2, op.color);
    return {drawn, painted(ratio)};
  }
};

// The glass is pale blue; the border, the tube, its white inside and
// anything blended with them are not.
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

TEST_F(LabelRoomTest, LabelsStayOnTheGlassClearOfBorderAndTube) {
  // The widest labels of each kind of scale, typed in °F or in °C.
  const std::pair<const char*, bool> cases[] = {
      {"50000", false},  {"-500000", false}, {"-500000", true}, {"0.0005", false},
      {"-0.0005", true}, {"-0.00005", true}, {"1e-45", false},  {"-1e-45", true},
      {"-9e37", false},  {"-9e37", true},
  };
  for (const qreal ratio : {1.0, 2.0}) {
    form->PicTherm->setPicture(ui::loadArt(ratio == 1.0
                                               ? QStringLiteral(":/art/thermometer.gif")
                                               : QStringLiteral(":/art/thermometer@2x.gif")));
    for (const auto& [typed, celsius] : cases) {
      (celsius ? form->Option2 : form->Option1)->setValue(true);
      enterAndConvert(typed);
      const auto [drawn, bare] = withAndWithoutLabels(ratio);
      EXPECT_EQ(touchingInk(drawn, bare), 0) << typed << (celsius ? " C" : " F") << " at " << ratio;
    }
  }
}

}  // namespace

#include "ui/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/accessible_notices.h"
#include "ui/designed_style.h"
#include "ui/mouse_codes.h"

namespace ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureBox::changed() {
  if (repaintPending_) return;
  repaintPending_ = true;
  update();
}

void PictureBox::setScale(float left, float top, float width, float height) {
  textLayer_ = QPixmap();
  scaleLeft_ = left;
  scaleTop_ = top;
  scaleWidth_ = width;
  scaleHeight_ = height;
  changed();
}

void PictureBox::setPicture(const QPixmap& picture) {
  textLayer_ = QPixmap();
  picture_ = picture;
  changed();
}

void PictureBox::Cls() {
  displayList_.clear();
  CurrentX = scaleLeft_;
  CurrentY = scaleTop_;
  // What the drawing said to assistive technology went with it.
  setGauge({}, {});
  changed();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, const QColor& color) {
  displayList_.push_back({Operation::Kind::FilledBox, x1, y1, x2, y2, color, {}});
  changed();
}

void PictureBox::Print(const QString& text) {
  displayList_.push_back({Operation::Kind::Text, CurrentX, CurrentY, 0, 0, {}, text});
  changed();
}

void PictureBox::setGauge(const Gauge& gauge, std::function<QString()> describe) {
  gauge_ = gauge;
  describe_ = std::move(describe);
  // Once for all the drawing of one event; a screen reader asks for the rest.
  tellLater(this, QAccessible::ValueChanged);
  tellLater(this, QAccessible::DescriptionChanged);
}

QPointF PictureBox::toUser(QPointF pixel) const {
  return {scaleLeft_ + pixel.x() * scaleWidth_ / width(),
          scaleTop_ + pixel.y() * scaleHeight_ / height()};
}

QPointF PictureBox::toPixel(QPointF user) const {
  return {(user.x() - scaleLeft_) * width() / scaleWidth_,
          (user.y() - scaleTop_) * height() / scaleHeight_};
}

namespace {
bool isText(const PictureBox::Operation& op) {
  return op.kind == PictureBox::Operation::Kind::Text;
}
}  // namespace

void PictureBox::paintBackdrop(QPainter& painter) const {
  // A picture made for another density is scaled smoothly (a "@2x" one on a
  // screen of 150 %); at its own density it is copied pixel for pixel.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // At a fractional scale the box ends inside a device pixel, which is the
  // box's too: the back colour reaches it.
  painter.fillRect(QRectF(rect()).adjusted(0, 0, 1, 1), palette().color(QPalette::Window));
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
}

QRectF PictureBox::boxRect(const QPainter& painter, const Operation& op) const {
  // Whole pixels of what is painted on (a dense screen's, or a rendering's),
  // both corners included, as a filled box has always been drawn; a box of
  // no height is still one row.
  const QTransform toDevice = painter.deviceTransform();
  const QPointF a = toDevice.map(toPixel({op.x1, op.y1}));
  const QPointF b = toDevice.map(toPixel({op.x2, op.y2}));
  const double left = std::floor(std::min(a.x(), b.x()));
  const double top = std::floor(std::min(a.y(), b.y()));
  const double right = std::max(std::ceil(std::max(a.x(), b.x())), left + 1);
  const double bottom = std::max(std::ceil(std::max(a.y(), b.y())), top + 1);
  return toDevice.inverted().mapRect(QRectF(left, top, right - left, bottom - top));
}

void PictureBox::paintFocus(QPainter& painter) const {
  // Along the edge, which the artwork leaves bare and no drawing reaches;
  // drawn on the screen's own pixels, so the same at every scale.
  if (hasFocus()) drawFocusFrame(painter, rect(), palette().color(QPalette::WindowText));
}

void PictureBox::paintEvent(QPaintEvent*) {
  repaintPending_ = false;
  QPainter painter(this);
  const auto end = displayList_.cend();
  const auto firstText = std::find_if(displayList_.cbegin(), end, isText);
  if (!std::all_of(firstText, end, isText)) {
    paintBackdrop(painter);
    for (const Operation& op : displayList_) {
      if (isText(op)) {
        painter.drawStaticText(toPixel({op.x1, op.y1}), laidOut(op.text));
      } else {
        painter.fillRect(boxRect(painter, op), op.color);
      }
    }
    paintFocus(painter);
    return;
  }
  // Boxes, then texts: how a scale is drawn. The layer is made at the
  // density actually painted on (a rendering may be denser than the screen). While the same texts
  // come back (at every move of a drag) the picture with its texts is one kept layer, and a repaint
  // copies it and fills the boxes.
  painter.drawPixmap(0, 0, backdropWithTexts(painter.deviceTransform().m11(), firstText));
  std::vector<QRectF> boxes;
  for (auto op = displayList_.cbegin(); op != firstText; ++op) {
    boxes.push_back(boxRect(painter, *op));
    painter.fillRect(boxes.back(), op->color);
  }
  // A text that a box covers was drawn after it, so it shows on top.
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  for (auto op = firstText; op != end; ++op) {
    const QStaticText& text = laidOut(op->text);
    const QRectF area(toPixel({op->x1, op->y1}), text.size());
    if (std::any_of(boxes.begin(), boxes.end(),
                    [&](const QRectF& b) { return b.intersects(area); }))
      painter.drawStaticText(area.topLeft(), text);
  }
  paintFocus(painter);
}

const QPixmap& PictureBox::backdropWithTexts(qreal ratio,
                                             std::vector<Operation>::const_iterator first) {
  const auto last = displayList_.cend();
  // Whole device pixels, the last partly covered one included.
  const QSize pixels(static_cast<int>(std::ceil(width() * ratio)),
                     static_cast<int>(std::ceil(height() * ratio)));
  const bool kept = !textLayer_.isNull() && textLayer_.devicePixelRatioF() == ratio &&
                    textLayer_.size() == pixels &&
                    std::equal(first, last, layerTexts_.cbegin(), layerTexts_.cend(),
                               [](const Operation& a, const Operation& b) {
                                 return a.x1 == b.x1 && a.y1 == b.y1 && a.text == b.text;
                               });
  if (!kept) {
    layerTexts_.assign(first, last);
    textLayer_ = QPixmap(pixels);
    textLayer_.setDevicePixelRatio(ratio);
    QPainter layer(&textLayer_);
    paintBackdrop(layer);
    for (auto op = first; op != last; ++op)
      layer.drawStaticText(toPixel({op->x1, op->y1}), laidOut(op->text));
  }
  return textLayer_;
}

void PictureBox::changeEvent(QEvent* event) {
  // Static texts laid out in the old font are laid out again as they are drawn.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
    textLayer_ = QPixmap();
  QWidget::changeEvent(event);
}

const QStaticText& PictureBox::laidOut(const QString& text) {
  auto found = layouts_.find(text);
  if (found != layouts_.end()) return *found;
  // Bounded: scales come and go, the texts of two (22 each) stay. Each keeps
  // its glyphs, so more would hold memory for scales long gone.
  if (layouts_.size() >= 64) layouts_.clear();
  QStaticText laid(text);
  laid.setTextFormat(Qt::PlainText);
  laid.setPerformanceHint(QStaticText::AggressiveCaching);
  laid.prepare(QTransform(), font());
  return *layouts_.insert(text, laid);
}

void PictureBox::dispatch(const MouseHandler& handler, int button, QMouseEvent* event) {
  if (!handler) return;
  const QPointF user = toUser(event->position());
  handler(button, shiftCode(event->modifiers()), static_cast<float>(user.x()),
          static_cast<float>(user.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  dispatch(onMouseDown, buttonCode(event->button()), event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  dispatch(onMouseMove, buttonCode(event->buttons()), event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  dispatch(onMouseUp, buttonCode(event->button()), event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  if (onKeyDown) onKeyDown(event->key(), shiftCode(event->modifiers()));
}

}  // namespace ui

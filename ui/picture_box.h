// A drawing surface with a user coordinate system. Drawing (erase, filled
// box, text at a position) is recorded in a display list that painting
// replays over the background picture, so a repaint computes nothing.
// Mouse events carry the button code (1 left, 2 right, 4 middle), the shift
// state and the position in user units, and keep coming while a button is
// held, also outside the box. While it has the keyboard focus it shows the
// classic dotted focus rectangle along its edge.
#pragma once

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace ui {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  struct Operation {
    enum class Kind { FilledBox, Text };
    Kind kind;
    float x1, y1;  // box corner, or the text's top left
    float x2, y2;  // other box corner
    QColor color;
    QString text;
  };

  explicit PictureBox(QWidget* parent = nullptr);

  void setScale(float left, float top, float width, float height);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

  // Erases all drawing and what it reads; the background picture stays.
  void Cls();
  // A filled box between two corners, outline and interior in one colour.
  void Line(float x1, float y1, float x2, float y2, const QColor& color);
  float CurrentX = 0;
  float CurrentY = 0;
  // Draws the text with its top left at (CurrentX, CurrentY).
  void Print(const QString& text);

  const std::vector<Operation>& displayList() const { return displayList_; }

  // What the drawing shows, for assistive technology: a value on a scale
  // between two ends, moved by `step` at a time, and the same in words. The
  // words are worked out only when asked for, so drawing at every move of a
  // drag stays cheap. All zero while nothing is drawn.
  struct Gauge {
    double value = 0, minimum = 0, maximum = 0, step = 0;
  };
  void setGauge(const Gauge& gauge, std::function<QString()> describe);
  const Gauge& gauge() const { return gauge_; }
  QString description() const { return describe_ ? describe_() : QString(); }

  QPointF toUser(QPointF pixel) const;
  QPointF toPixel(QPointF user) const;

  using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
  MouseHandler onMouseDown, onMouseMove, onMouseUp;

  // A key pressed while the box has the focus: the key (Qt::Key) and the
  // shift state.
  using KeyHandler = std::function<void(int key, int shift)>;
  KeyHandler onKeyDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void dispatch(const MouseHandler& handler, int button, QMouseEvent* event);
  // One repaint for all the drawing done before the next paint.
  void changed();

  const QStaticText& laidOut(const QString& text);
  void paintBackdrop(QPainter& painter) const;
  void paintFocus(QPainter& painter) const;
  QRectF boxRect(const QPainter& painter, const Operation& op) const;
  // The background picture with the texts from `first` to the end of the
  // display list on it, kept while the same texts come back.
  const QPixmap& backdropWithTexts(qreal ratio, std::vector<Operation>::const_iterator first);

  float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
  QPixmap picture_;
  std::vector<Operation> displayList_;
  // Texts come back at every redraw of a scale; laying each out once keeps
  // a repaint cheap while the mercury is dragged.
  QHash<QString, QStaticText> layouts_;
  std::vector<Operation> layerTexts_;
  QPixmap textLayer_;
  Gauge gauge_;
  std::function<QString()> describe_;
  bool repaintPending_ = false;
};

}  // namespace ui

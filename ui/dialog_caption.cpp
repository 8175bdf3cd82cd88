#include "ui/dialog_caption.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ui {

namespace {

constexpr int kMargin = 4;
constexpr int kIconSize = 16;

// The caption's colours: the desktop's selection colours while the window is
// active, its window text on a darker shade otherwise.
QColor background(const QWidget& caption) {
  return caption.palette().color(caption.isActiveWindow() ? QPalette::Highlight : QPalette::Dark);
}

QColor ink(const QWidget& caption) {
  return caption.palette().color(caption.isActiveWindow() ? QPalette::HighlightedText
                                                          : QPalette::WindowText);
}

// A cross in the caption's ink, on a lighter square while pointed at or held.
class CloseBox : public QAbstractButton {
 public:
  explicit CloseBox(QWidget* caption) : QAbstractButton(caption) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Close"));
    setToolTip(QStringLiteral("Close"));
    setAttribute(Qt::WA_Hover);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QWidget& caption = *parentWidget();
    if (underMouse() || isDown()) {
      painter.fillRect(rect(), background(caption).lighter(isDown() ? 170 : 135));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink(caption), 1.6));
    const QRectF cross = QRectF(rect()).adjusted(5.5, 5.5, -5.5, -5.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
  }
};

}  // namespace

DialogCaption::DialogCaption(QWidget* window) : QWidget(window), closeBox_(new CloseBox(this)) {
  connect(closeBox_, &QAbstractButton::clicked, window, &QWidget::close);
  window->installEventFilter(this);
  setGeometry(0, 0, window->width(), heightFor(*window));
}

int DialogCaption::heightFor(const QWidget& window) {
  return std::max(kIconSize, window.fontMetrics().height()) + 2 * kMargin;
}

void DialogCaption::resizeEvent(QResizeEvent*) {
  closeBox_->setGeometry(width() - height(), 0, height(), height());
}

void DialogCaption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background(*this));
  int left = kMargin;
  const QIcon icon = window()->windowIcon();
  if (!icon.isNull()) {
    icon.paint(&painter, QRect(left, (height() - kIconSize) / 2, kIconSize, kIconSize));
    left += kIconSize + kMargin;
  }
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(ink(*this));
  const QRect room(left, 0, closeBox_->x() - kMargin - left, height());
  const QString title = window()->windowTitle().trimmed();
  painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(title, Qt::ElideRight, room.width()));
}

void DialogCaption::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && window()->windowHandle()) {
    window()->windowHandle()->startSystemMove();
  }
}

bool DialogCaption::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:  // a window laid out by its contents
      resize(window()->width(), height());
      break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::ActivationChange:
      update();
      closeBox_->update();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace ui

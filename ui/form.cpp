#include "ui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "ui/clear_placement.h"
#include "ui/designed_look.h"
#include "ui/dialog_caption.h"
#include "ui/x11_window_manager.h"

namespace ui {

namespace {
int loadedForms = 0;
std::function<void()>& lastUnloadedHandler() {
  static std::function<void()> handler;
  return handler;
}

// Until the window manager tells, a window's frame is unknown, and so is
// whether its position is its frame's or its client's: room for a usual title
// bar either side.
constexpr QMargins kUsualFrame(4, 30, 4, 30);

// The monitor that holds most of the window.
const QScreen* screenHolding(const QWidget& window) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  QList<QRect> monitors;
  for (const QScreen* screen : screens) monitors.append(screen->geometry());
  const qsizetype at = monitorHolding(window.frameGeometry(), monitors);
  return at < 0 ? nullptr : screens[at];
}
}  // namespace

// On Wayland a fixed dialog draws its caption itself (see dressAsDialog); Qt
// would put a frame back for a window that asks for a close box. Every window
// is a fixed design: its colours and font are its own.
Form::Form(Qt::WindowFlags flags)
    : QWidget(nullptr,
              flags == kFixedDialog && onWayland() ? Qt::Tool | Qt::FramelessWindowHint : flags),
      fixedDialog_(flags == kFixedDialog) {
  keepDesignedLook(this);
}

Form::~Form() {
  // A window destroyed without an unload (at program exit) still leaves the
  // slot, so no dangling instance is handed out.
  if (!unloading_ && detach_) {
    detach_();
    --loadedForms;
  }
}

void Form::load(std::function<void()> detach) {
  detach_ = std::move(detach);
  ++loadedForms;
  Form_Load();
  // Its designed place on the screen it is made on; ShowBy may move it on.
  if (const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen())
    placeOn(shownOn->geometry());
  if (fixedDialog_) dressAsDialog();
}

void Form::dressAsDialog() {
  if (onWayland()) {
    // Compositors draw either nothing, and Qt then draws a bar with minimise
    // and maximise, or their own bar with minimise: the dialog draws its own
    // caption, and its controls move below it.
    const QSize inner = size();
    const int top = DialogCaption::heightFor(*this);
    client_ = new QWidget(this);
    client_->setGeometry(1, top, inner.width(), inner.height());
    const QObjectList controls = children();
    for (QObject* child : controls) {
      if (child->isWidgetType()) adopt(static_cast<QWidget*>(child));
    }
    setFixedSize(inner.width() + 2, top + inner.height() + 1);
    caption_ = new DialogCaption(this);
  } else {
    offerOnlyCloseUnderOpenbox(*this);
  }
}

// Controls made later (while the window lives) move there once made.
void Form::childEvent(QChildEvent* event) {
  QWidget::childEvent(event);
  if (!client_ || !event->added() || !event->child()->isWidgetType()) return;
  QPointer<QWidget> control(static_cast<QWidget*>(event->child()));
  QMetaObject::invokeMethod(
      this,
      [this, control] {
        if (control) adopt(control);
      },
      Qt::QueuedConnection);
}

void Form::adopt(QWidget* control) {
  if (control == client_ || control == caption_ || control->isWindow() ||
      control->parentWidget() != this) {
    return;
  }
  const bool hidden = control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide);
  control->setParent(client_);
  if (!hidden) control->show();
}

// A self-drawn caption's window has a thin outline of its own.
void Form::paintEvent(QPaintEvent*) {
  if (!client_) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form::Show() {
  if (isMinimized()) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
  }
  show();
  raise();
}

void Form::Hide() { hide(); }

void Form::ShowBy(QWidget& owner, const QRect& keepClear) {
  if (!shownBy_) {
    shownBy_ = true;
    if (client_) {
      create();
      windowHandle()->setTransientParent(owner.window()->windowHandle());
    } else if (const QScreen* screen = screenHolding(owner)) {
      // Its designed place on the owner's monitor, wholly on it.
      placeOn(screen->geometry());
      const QRect area = screen->availableGeometry();
      const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
      const QRect outer = geometry().marginsAdded(known.isNull() ? kUsualFrame : known);
      const QRect onMonitor = outer.translated(shiftIntoArea(outer, area));
      move(pos() + placedClearOf(onMonitor, keepClear, area).topLeft() - outer.topLeft());
    }
  }
  Show();
}

void Form::closeOnEscape() {
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); });
}

void Form::Unload() {
  if (unloading_) return;
  unloading_ = true;
  Form_Unload();
  if (detach_) detach_();
  hide();
  deleteLater();
  if (--loadedForms == 0 && lastUnloadedHandler()) lastUnloadedHandler()();
}

int Form::loadedCount() { return loadedForms; }

void Form::setLastUnloadedHandler(std::function<void()> handler) {
  lastUnloadedHandler() = std::move(handler);
}

void Form::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

void Form::showEvent(QShowEvent*) {
  if (!unloading_) Form_Resize();
}

void Form::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !unloading_) Form_Resize();
}

}  // namespace ui

#include "ui/form.h"

#include <QCloseEvent>
#include <QShortcut>

#include "ui/designed_look.h"

namespace ui {

namespace {
int loadedForms = 0;
std::function<void()>& lastUnloadedHandler() {
  static std::function<void()> handler;
  return handler;
}
}  // namespace

// Every window is a fixed design: its colours and font are its own.
Form::Form(Qt::WindowFlags flags) : QWidget(nullptr, flags) { keepDesignedLook(this); }

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
}

void Form::Show() {
  if (isMinimized()) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
  }
  show();
  raise();
}

void Form::Hide() { hide(); }

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

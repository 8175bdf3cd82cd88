// Windows with a life of their own: one instance per window class, loaded
// unseen on first reference, a load handler that runs once per instance, an
// unload that discards it, and a program that ends when no window is loaded.
#pragma once

#include <QWidget>
#include <functional>

namespace ui {

// A fixed dialog: a caption with a close box only, not resizable, no minimise
// or maximise, no task-bar entry of its own, under every window manager and
// compositor.
inline constexpr Qt::WindowFlags kFixedDialog =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

class Form : public QWidget {
  Q_OBJECT
 public:
  ~Form() override;

  // Visible and non-modal; a minimised window comes back.
  void Show();
  void Hide();
  // Show, tied to `owner`: a Wayland compositor places the window by its
  // owner. Elsewhere its first show puts it in its place on the monitor that
  // holds most of the owner, wholly on it, and off `keepClear` (a part of the
  // owner, on the screen) where the monitor has room.
  void ShowBy(QWidget& owner, const QRect& keepClear);

  // Runs the unload handler, forgets the instance (the next reference makes a
  // fresh one) and destroys the window once control is back in the event
  // loop, so a window may unload itself from its own handlers.
  void Unload();

  // Windows loaded now, hidden ones included.
  static int loadedCount();

  // Runs when the last loaded window unloads; the program sets it to quit.
  static void setLastUnloadedHandler(std::function<void()> handler);

 protected:
  explicit Form(Qt::WindowFlags flags = Qt::Window);
  // Esc closes the window, as its close box does.
  void closeOnEscape();

  virtual void Form_Load() {}
  // Moves the window to its designed place on a monitor (its whole area).
  virtual void placeOn(const QRect& /*monitor*/) {}
  virtual void Form_Unload() {}
  // Runs on the first show and whenever the window is minimised or restored.
  virtual void Form_Resize() {}

  // The window manager's close button unloads the window.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void childEvent(QChildEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  template <class T>
  friend T& Instance();
  void load(std::function<void()> detach);
  void dressAsDialog();
  void adopt(QWidget* control);

  std::function<void()> detach_;
  bool unloading_ = false;
  bool fixedDialog_;
  bool shownBy_ = false;
  // Where the controls go below a caption the dialog draws itself, and that
  // caption; none where the desktop draws it.
  QWidget* client_ = nullptr;
  QWidget* caption_ = nullptr;
};

template <class T>
struct FormSlot {
  static inline T* instance = nullptr;
};

// The one instance of a window class, loading it unseen if it is not loaded.
template <class T>
T& Instance() {
  T*& slot = FormSlot<T>::instance;
  if (slot == nullptr) {
    slot = new T();
    T* created = slot;
    slot->load([created] {
      if (FormSlot<T>::instance == created) FormSlot<T>::instance = nullptr;
    });
  }
  return *slot;
}

template <class T>
bool IsLoaded() {
  return FormSlot<T>::instance != nullptr;
}

// Unloads the window if it is loaded; does nothing otherwise.
template <class T>
void Unload() {
  if (T* form = FormSlot<T>::instance) form->Unload();
}

}  // namespace ui

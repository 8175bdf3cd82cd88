// Windows with a life of their own: one instance per window class, loaded
// unseen on first reference, a load handler that runs once per instance, an
// unload that discards it, and a program that ends when no window is loaded.
#pragma once

#include <QWidget>
#include <functional>

namespace ui {

class Form : public QWidget {
  Q_OBJECT
 public:
  ~Form() override;

  // Visible and non-modal; a minimised window comes back.
  void Show();
  void Hide();

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
  virtual void Form_Unload() {}
  // Runs on the first show and whenever the window is minimised or restored.
  virtual void Form_Resize() {}

  // The window manager's close button unloads the window.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  template <class T>
  friend T& Instance();
  void load(std::function<void()> detach);

  std::function<void()> detach_;
  bool unloading_ = false;
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

#include "ui/accessible_controls.h"

#include <QAccessibleWidget>

#include "ui/image.h"
#include "ui/picture_box.h"

namespace ui {
namespace {

constexpr int kLeftButton = 1;

class AccessibleImage : public QAccessibleWidget {
 public:
  explicit AccessibleImage(Image* image) : QAccessibleWidget(image) {}

  QAccessible::Role role() const override {
    return acts() ? QAccessible::Button : QAccessible::Graphic;
  }

  QString text(QAccessible::Text kind) const override {
    const QString text = QAccessibleWidget::text(kind);
    // A picture has no caption; its tooltip says what it is for.
    if (kind == QAccessible::Name && text.isEmpty()) return widget()->toolTip();
    return text;
  }

  QStringList actionNames() const override {
    return acts() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
  }

  void doAction(const QString& name) override {
    if (!acts() || name != pressAction()) return QAccessibleWidget::doAction(name);
    Image* pressed = image();
    if (pressed->onMouseDown) pressed->onMouseDown(kLeftButton, 0);
    pressed->onMouseUp(kLeftButton, 0);
  }

 private:
  Image* image() const { return static_cast<Image*>(widget()); }
  // Only a picture that answers a release does anything when clicked.
  bool acts() const { return static_cast<bool>(image()->onMouseUp); }
};

class AccessiblePictureBox : public QAccessibleWidget {
 public:
  explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return static_cast<PictureBox*>(widget())->description();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("ui::Image"))
    return new AccessibleImage(static_cast<Image*>(object));
  if (className == QLatin1String("ui::PictureBox"))
    return new AccessiblePictureBox(static_cast<PictureBox*>(object));
  return nullptr;
}

}  // namespace

void installAccessibleControls() { QAccessible::installFactory(accessibleControl); }

}  // namespace ui

#include "ui/accessible_image.h"

#include <QAccessibleWidget>

#include "ui/image.h"

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

QAccessibleInterface* accessibleImage(const QString& className, QObject* object) {
  if (className == QLatin1String("ui::Image") && object && object->isWidgetType())
    return new AccessibleImage(static_cast<Image*>(object));
  return nullptr;
}

}  // namespace

void installAccessibleImages() { QAccessible::installFactory(accessibleImage); }

}  // namespace ui

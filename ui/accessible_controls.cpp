#include "ui/accessible_controls.h"

#include <QAccessibleWidget>

#include "ui/accessible_notices.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/picture_box.h"

namespace ui {
namespace {

constexpr int kLeftButton = 1;
constexpr char kUnmet[] = "ui_unmet";

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

class AccessibleLink : public QAccessibleWidget {
 public:
  explicit AccessibleLink(Label* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return label()->text();
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& name) override {
    if (name != pressAction()) return QAccessibleWidget::doAction(name);
    if (label()->onClick) label()->onClick();
  }

 private:
  Label* label() const { return static_cast<Label*>(widget()); }
};

class AccessiblePictureBox : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {}

  // One the keyboard moves is a slider; any other is a picture.
  QAccessible::Role role() const override {
    return adjustable() ? QAccessible::Slider : QAccessible::Graphic;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return box()->description();
    return QAccessibleWidget::text(kind);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface && adjustable())
      return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return box()->gauge().value; }
  // Moved by the keyboard and the mouse, as the user moves it.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return box()->gauge().maximum; }
  QVariant minimumValue() const override { return box()->gauge().minimum; }
  QVariant minimumStepSize() const override { return box()->gauge().step; }

 private:
  PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
  bool adjustable() const { return static_cast<bool>(box()->onKeyDown); }
};

// A window, named by its title, whose unmet controls are left out.
class AccessibleForm : public QAccessibleWidget {
 public:
  explicit AccessibleForm(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(met().size()); }
  QAccessibleInterface* child(int index) const override { return met().value(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(met().indexOf(const_cast<QAccessibleInterface*>(child)));
  }

 private:
  QList<QAccessibleInterface*> met() const {
    QList<QAccessibleInterface*> children;
    for (int index = 0; index < QAccessibleWidget::childCount(); ++index) {
      QAccessibleInterface* child = QAccessibleWidget::child(index);
      if (child && !child->object()->property(kUnmet).toBool()) children.push_back(child);
    }
    return children;
  }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("ui::Form")) return new AccessibleForm(widget);
  if (className == QLatin1String("ui::Image"))
    return new AccessibleImage(static_cast<Image*>(widget));
  if (className == QLatin1String("ui::Label"))
    return new AccessibleLink(static_cast<Label*>(widget));
  if (className == QLatin1String("ui::PictureBox"))
    return new AccessiblePictureBox(static_cast<PictureBox*>(widget));
  return nullptr;
}

}  // namespace

void installAccessibleControls() {
  QAccessible::installFactory(accessibleControl);
  orderAccessibleNotices();
}

void keepFromAssistiveTechnology(QWidget* control) { control->setProperty(kUnmet, true); }

}  // namespace ui

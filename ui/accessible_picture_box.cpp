#include "ui/accessible_picture_box.h"

#include <QAccessibleWidget>

#include "ui/picture_box.h"

namespace ui {
namespace {

class AccessiblePictureBox : public QAccessibleWidget {
 public:
  explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return static_cast<PictureBox*>(widget())->description();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* accessiblePictureBox(const QString& className, QObject* object) {
  if (className == QLatin1String("ui::PictureBox") && object && object->isWidgetType())
    return new AccessiblePictureBox(static_cast<PictureBox*>(object));
  return nullptr;
}

}  // namespace

void installAccessiblePictureBoxes() { QAccessible::installFactory(accessiblePictureBox); }

}  // namespace ui

#include "ui/accessible_notices.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace ui {
namespace {

struct Notice {
  QPointer<QObject> object;
  QAccessible::Event change;
  int child;
};

struct Description {
  QPointer<QWidget> widget;
  std::function<QString()> describe;
};

struct Pending {
  std::vector<Description> descriptions;
  std::vector<Notice> changes;
  std::optional<Notice> focus;
  bool posted = false;
};

Pending& pending() {
  static Pending held;
  return held;
}

// Straight to the platform's bridge, past the handler below.
void forward(QAccessibleEvent* event) {
  const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(self);
}

void tell(const Notice& notice) {
  if (!notice.object) return;
  if (notice.change == QAccessible::ValueChanged) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(notice.object);
    if (!face || !face->valueInterface()) return;
    QAccessibleValueChangeEvent event(notice.object, face->valueInterface()->currentValue());
    forward(&event);
    return;
  }
  QAccessibleEvent event(notice.object, notice.change);
  event.setChild(notice.child);
  forward(&event);
}

void flush() {
  Pending now = std::exchange(pending(), {});
  // Setting a description tells of it at once.
  for (const Description& description : now.descriptions)
    if (description.widget) description.widget->setAccessibleDescription(description.describe());
  for (const Notice& change : now.changes) tell(change);
  if (now.focus) tell(*now.focus);
}

void flushWhenHandled() {
  if (std::exchange(pending().posted, true)) return;
  QMetaObject::invokeMethod(QCoreApplication::instance(), flush, Qt::QueuedConnection);
}

void holdFocus(QAccessibleEvent* event) {
  // The bridge ignores table model changes; Qt has already applied them to
  // the table's own interface, and telling them again would apply them twice.
  if (event->type() == QAccessible::TableModelChanged) return;
  if (event->type() != QAccessible::Focus || !event->object()) return forward(event);
  pending().focus = Notice{event->object(), QAccessible::Focus, event->child()};
  flushWhenHandled();
}

}  // namespace

void orderAccessibleNotices() { QAccessible::installUpdateHandler(holdFocus); }

void tellLater(QObject* object, QAccessible::Event change, int child) {
  if (!QAccessible::isActive()) return;
  auto& changes = pending().changes;
  const bool told = std::any_of(changes.begin(), changes.end(), [&](const Notice& n) {
    return n.object == object && n.change == change && n.child == child;
  });
  if (!told) changes.push_back({object, change, child});
  flushWhenHandled();
}

void describeLater(QWidget* widget, std::function<QString()> describe) {
  if (!QAccessible::isActive()) return;
  auto& descriptions = pending().descriptions;
  const auto same = std::find_if(descriptions.begin(), descriptions.end(),
                                 [&](const Description& d) { return d.widget == widget; });
  if (same != descriptions.end()) {
    same->describe = std::move(describe);
  } else {
    descriptions.push_back({widget, std::move(describe)});
  }
  flushWhenHandled();
}

}  // namespace ui

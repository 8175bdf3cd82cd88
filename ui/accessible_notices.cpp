#include "ui/accessible_notices.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ui/accessible_controls.h"

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
  std::vector<Description> announcements;
  bool posted = false;
};

constexpr char kAnnouncer[] = "ui_announcer";
constexpr char kWords[] = "ui_words";

// A window's voice: a notification no one sees, named by the last words it
// was given. Showing it again is what a screen reader speaks.
class AccessibleAnnouncer : public QAccessibleWidget {
 public:
  explicit AccessibleAnnouncer(QWidget* voice)
      : QAccessibleWidget(voice, QAccessible::Notification) {}
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? widget()->property(kWords).toString() : QString();
  }
};

QAccessibleInterface* announcerFace(const QString&, QObject* object) {
  if (!object || object->objectName() != QLatin1String(kAnnouncer)) return nullptr;
  return new AccessibleAnnouncer(static_cast<QWidget*>(object));
}

QWidget* announcerOf(QWidget* near) {
  QWidget* window = near->window();
  if (auto* voice = window->findChild<QWidget*>(kAnnouncer, Qt::FindDirectChildrenOnly))
    return voice;
  auto* voice = new QWidget(window);
  voice->setObjectName(kAnnouncer);
  voice->hide();
  keepFromAssistiveTechnology(voice);
  return voice;
}

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
  for (const Description& announcement : now.announcements) {
    const QString words = announcement.widget ? announcement.describe() : QString();
    if (words.isEmpty()) continue;
    announcement.widget->setProperty(kWords, words);
    tell(Notice{announcement.widget.data(), QAccessible::ObjectShow, -1});
  }
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

// The last words given for a widget win.
void keepLast(std::vector<Description>& held, QWidget* widget, std::function<QString()> words) {
  const auto same = std::find_if(held.begin(), held.end(),
                                 [&](const Description& d) { return d.widget == widget; });
  if (same != held.end()) {
    same->describe = std::move(words);
  } else {
    held.push_back({widget, std::move(words)});
  }
  flushWhenHandled();
}
}  // namespace

void orderAccessibleNotices() {
  QAccessible::installUpdateHandler(holdFocus);
  QAccessible::installFactory(announcerFace);
}

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
  if (QAccessible::isActive()) keepLast(pending().descriptions, widget, std::move(describe));
}

void announceLater(QWidget* near, std::function<QString()> words) {
  if (QAccessible::isActive())
    keepLast(pending().announcements, announcerOf(near), std::move(words));
}

}  // namespace ui

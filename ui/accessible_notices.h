// What assistive technology is told, in an order a screen reader can follow:
// the changes made while one event is handled are told once each when the
// handling ends, and a move of the focus after them, so the newly focused
// control already says what the handling made of it when it is read; last,
// what a window announces of a change away from the focus.
#pragma once

#include <QAccessible>
#include <functional>

class QWidget;

namespace ui {

// Call once, after the QApplication is made.
void orderAccessibleNotices();

// Tells, once the current event is handled, that the object (or its item
// `child`) changed this way. Costs nothing while no screen reader listens.
void tellLater(QObject* object, QAccessible::Event change, int child = -1);

// Gives the widget the accessible description `describe` returns, worked
// out once the current event is handled (the last one given wins).
void describeLater(QWidget* widget, std::function<QString()> describe);

// Announces the words `words` returns, worked out once the current event is
// handled, as a notification of the window `near` is in (the last one given
// wins; no words, no notice). For what changes where the focus does not move:
// a screen reader speaks a notification whatever has the focus.
void announceLater(QWidget* near, std::function<QString()> words);

}  // namespace ui

// The form layer's own controls as assistive technology sees them: windows
// are windows named by their title; pictures that act as buttons are buttons
// named by their tooltip, whose press action is a click with the left
// button; a link label is a link that a press follows; a drawing surface the
// keyboard moves is a slider whose value and description are what its drawing
// shows, worked out when asked for.
#pragma once

class QWidget;

namespace ui {

// Call once, after the QApplication is made.
void installAccessibleControls();

// Keeps a control that no user ever meets (a hidden store of pictures, a
// button only the program presses) out of what assistive technology reads.
void keepFromAssistiveTechnology(QWidget* control);

}  // namespace ui

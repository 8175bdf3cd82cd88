#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

#include "thermometer/locale_separators.h"
#include "ui/accessible_controls.h"
#include "ui/art_resolution.h"
#include "ui/designed_style.h"
#include "ui/fonts.h"

namespace app {

void configureApplication() {
  // One look everywhere, whatever desktop theme is around.
  QApplication::setStyle(ui::createDesignedStyle());
  // No store of drawn pictures. The style names each picture after the
  // control's state, size and palette, and these change all session long (a
  // back colour, a scroll bar's place). Qt 6.4's store forgets a picture when
  // full but keeps its name until asked for it again, which a name gone out
  // of use never is: the names piled up without end. Drawing a control afresh
  // costs a tenth of a millisecond more for the whole window.
  QPixmapCache::setCacheLimit(0);
  // The default dialog font everywhere a window names none: message boxes and
  // tooltips look like the windows, and no second font is loaded for them.
  QApplication::setFont(ui::mappedFont(QStringLiteral("MS Sans Serif"), 8.25));
  // Hidden windows that are still loaded keep the program running.
  QApplication::setQuitOnLastWindowClosed(false);
  // The desktop matches the windows with the installed menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.caldorine.Caldorine"));
  // Numbers are written and read with the user's separators, taken once.
  thermometer::useSystemLocaleSeparators();
  // The title buttons are pictures; screen readers get them as buttons, and
  // the thermometer's reading as its description.
  ui::installAccessibleControls();
}

namespace {

// Every window, message boxes too, shows the icon the package installs. Each
// size is decoded by its named decoder: adding files would have Qt guess
// their format by loading every image plugin there is.
void setApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128})
    icon.addPixmap(ui::loadArt(QStringLiteral(":/art/caldorine-%1.png").arg(size)));
  QApplication::setWindowIcon(icon);
}

// Sets the icon once the window's first paint is done, then goes.
class FirstFrameWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* window, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      // Queued, so it runs after this paint reaches the screen.
      QTimer::singleShot(0, [] { setApplicationIcon(); });
      window->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void setIconAfterFirstFrame(QWidget& window) {
  window.installEventFilter(new FirstFrameWatch(&window));
}

}  // namespace app

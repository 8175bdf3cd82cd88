// The floor of the start-up figure: the least a Qt Widgets program does to
// put a window of the main window's size on screen. With "--label" it also
// shows one line of text, so that the floor pays for fonts as any window
// with words in it does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setWindowTitle(QStringLiteral("bare_window"));
  window.setFixedSize(210, 330);
  if (app.arguments().contains(QStringLiteral("--label")))
    new QLabel(QStringLiteral("Convert"), &window);
  window.show();
  return app.exec();
}

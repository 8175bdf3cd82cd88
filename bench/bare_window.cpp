// The floor of the start-up figure: the least a Qt Widgets program does to
// put a window of the main window's size on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setWindowTitle(QStringLiteral("bare_window"));
  window.setFixedSize(210, 330);
  window.show();
  return app.exec();
}

// Program entry: the application title, then the main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("Velmora"));
  window.resize(1000, 682);
  window.show();
  return app.exec();
}

// The yardstick of the launch benchmark: an empty Qt main window, shown, then quit.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(609, 420);
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}

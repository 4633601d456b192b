// The yardstick for bench_startup: the least a Qt Widgets program can do to show a window of about
// the chat window's size. It links Qt only, none of Corvel.

#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare window"_s);
    window.resize(560, 420);
    window.show();
    return QApplication::exec();
}

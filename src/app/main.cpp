#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Corvel"_s);
    QApplication::setOrganizationName(u"Corvel"_s);
    QWidget window;
    window.setWindowTitle(u"Corvel"_s);
    window.show();
    QApplication::exec();
    return 0;
}

#include "app/AppDelegate.h"
#include "app/Document.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Corvel"_s);
    QApplication::setOrganizationName(u"Corvel"_s);
    QApplication::setDesktopFileName(u"corvel"_s);
    QApplication::setWindowIcon(QIcon(u":/corvel.png"_s));
    QApplication::setQuitOnLastWindowClosed(corvel::AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    corvel::Document document;
    document.makeWindowControllers();
    QApplication::exec();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for bench_startup: the least a Qt Widgets program can do to show a window of about
// the chat window's size. It links Qt only, none of Corvel. With --text the window shows one line
// of text, which alone brings in font matching, shaping and a loaded font.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare window"_s);
    window.resize(560, 420);
    if (QApplication::arguments().contains(u"--text"_s))
        (new QVBoxLayout(&window))->addWidget(new QLabel(u"One line of text"_s));
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the black-box start-up figure: the least a Qt desktop program shows, an empty
// main window of the size Pitchwise's main window opens at, started the same way.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1120, 720);
    window.show();
    return app.exec();
}

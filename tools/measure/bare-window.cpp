// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window: an empty Qt widget of the game's size, what any Qt window
// costs before it shows anything.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(305, 549);
    window.show();
    return QApplication::exec();
}

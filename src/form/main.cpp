// Quadlo's entry point: the application object and the one window.
#include <QApplication>

#include "form/frmQuadlo.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadlo"));
    // Lets the desktop tie the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quadlo.Quadlo"));
    QApplication::setWindowIcon(quadlo::frmQuadlo::applicationIcon());

    quadlo::frmQuadlo window;
    window.show();
    return QApplication::exec();
}

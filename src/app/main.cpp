#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
#if QT_VERSION_MAJOR < 6
    // On Qt 5's Wayland platform the GL widget stays black until its first
    // repaint and covers the sound button. On a Wayland session with
    // XWayland, unless a platform is asked for, the program goes through X.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    QApplication application(argc, argv);
    // Docks and Wayland compositors match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Dravoune"));
    MainWindow fenetre;
    fenetre.show();
    return QApplication::exec();
}

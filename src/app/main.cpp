#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Docks and Wayland compositors match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Dravoune"));
    MainWindow fenetre;
    fenetre.show();
    return QApplication::exec();
}

#include "mainwindow.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
#if QT_VERSION_MAJOR < 6
    // On Qt 5's Wayland platform the GL widget stays black until its first
    // repaint and covers the sound button. On a Wayland session with
    // XWayland, unless a platform is asked for, the program goes through X.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#else
    // Qt 6 plays our audio sink through its FFmpeg media back-end, which
    // otherwise probes the video hardware at start (slowly, and the drivers
    // print what they lack) and announces itself. The user's settings win.
    for (const char *materiel : {"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "QT_FFMPEG_ENCODING_HW_DEVICE_TYPES"})
        if (!qEnvironmentVariableIsSet(materiel))
            qputenv(materiel, QByteArray(""));
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.ffmpeg.info=false"));
#endif
    QApplication application(argc, argv);
    // Docks and Wayland compositors match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Dravoune"));
    MainWindow fenetre;
    fenetre.show();
    return QApplication::exec();
}

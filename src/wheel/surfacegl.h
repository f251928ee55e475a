#ifndef SURFACEGL_H
#define SURFACEGL_H

#include <QtGlobal>

// The OpenGL widget the wheel paints on. Qt 6 has no QGLWidget: its
// successor paints in paintGL(), into a framebuffer object that the window
// composites, and has no buffers of its own to swap.
#if QT_VERSION_MAJOR < 6
#include <QGLWidget>
using SurfaceGL = QGLWidget;
#else
#include <QOpenGLWidget>
using SurfaceGL = QOpenGLWidget;
#endif

#endif

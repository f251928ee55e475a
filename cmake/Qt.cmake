# The toolkit: Qt 5, the reference, or Qt 6. Our targets link Qt's
# versionless targets, which both provide.
set(DRAVOUNE_QT 5 CACHE STRING "Major version of Qt to build with: 5 or 6")
set_property(CACHE DRAVOUNE_QT PROPERTY STRINGS 5 6)
if(DRAVOUNE_QT STREQUAL "5")
  set(dravoune_qt_minimum 5.15)
  set(dravoune_qt_opengl OpenGL)
elseif(DRAVOUNE_QT STREQUAL "6")
  set(dravoune_qt_minimum 6.4)
  # QGLWidget's successor, QOpenGLWidget, has a module of its own.
  set(dravoune_qt_opengl OpenGL OpenGLWidgets)
else()
  message(FATAL_ERROR "DRAVOUNE_QT is \"${DRAVOUNE_QT}\": Dravoune builds with Qt 5 or Qt 6, "
                      "-DDRAVOUNE_QT=5 (the default) or -DDRAVOUNE_QT=6")
endif()
find_package(Qt${DRAVOUNE_QT} ${dravoune_qt_minimum} REQUIRED
  COMPONENTS Widgets ${dravoune_qt_opengl} Multimedia Test)
# The OpenGL targets that the widgets link.
list(TRANSFORM dravoune_qt_opengl PREPEND Qt::)

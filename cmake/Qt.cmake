# The toolkit: Qt 6, or Qt 5 for as long as distributions ship it. Our
# targets link Qt's versionless targets, which both provide.
set(DRAVOUNE_QT 6 CACHE STRING "Major version of Qt to build with: 6 or 5")
set_property(CACHE DRAVOUNE_QT PROPERTY STRINGS 6 5)
if(DRAVOUNE_QT STREQUAL "6")
  set(dravoune_qt_minimum 6.4)
  set(dravoune_qt_opengl OpenGL OpenGLWidgets)
elseif(DRAVOUNE_QT STREQUAL "5")
  set(dravoune_qt_minimum 5.15)
  set(dravoune_qt_opengl OpenGL)
else()
  message(FATAL_ERROR "DRAVOUNE_QT is \"${DRAVOUNE_QT}\": Dravoune builds with Qt 6 or Qt 5, "
                      "-DDRAVOUNE_QT=6 (the default) or -DDRAVOUNE_QT=5")
endif()
find_package(Qt${DRAVOUNE_QT} ${dravoune_qt_minimum} REQUIRED COMPONENTS Widgets ${dravoune_qt_opengl} Multimedia Test)
# The OpenGL targets that the widgets link.
list(TRANSFORM dravoune_qt_opengl PREPEND Qt::)

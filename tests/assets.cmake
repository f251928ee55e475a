# Checks the committed asset files; included from tests/CMakeLists.txt.
add_executable(tst_assets ${CMAKE_CURRENT_LIST_DIR}/tst_assets.cpp)
target_compile_definitions(tst_assets PRIVATE
  DRAVOUNE_ASSETS_DIR="${CMAKE_SOURCE_DIR}/assets"
  DRAVOUNE_QRC="${CMAKE_SOURCE_DIR}/dravoune.qrc"
)
target_link_libraries(tst_assets PRIVATE Qt5::Gui Qt5::Test dravoune_options)
add_test(NAME tst_assets COMMAND tst_assets)
set_tests_properties(tst_assets PROPERTIES LABELS unit TIMEOUT 120)

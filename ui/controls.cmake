# The in-house look of the check box, the radio button, the main menu and the
# page control.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UVxControls.h
  ${CMAKE_CURRENT_LIST_DIR}/UVxMnemonic.h
  ${CMAKE_CURRENT_LIST_DIR}/UVxControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UVxMainMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UVxPageControl.cpp
)
wrg_add_gui_test(VxControlsTest ${PROJECT_SOURCE_DIR}/tests/ui/VxControlsTest.cpp)

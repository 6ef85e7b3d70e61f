# The numeric edits and the aligned combo box.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NumEdit.h
  ${CMAKE_CURRENT_LIST_DIR}/NumEdit.cpp
)
wrg_add_gui_test(NumEditTest ${PROJECT_SOURCE_DIR}/tests/ui/NumEditTest.cpp)

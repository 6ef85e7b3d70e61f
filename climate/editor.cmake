# The climate data window (wrgui) and its GUI test.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ClimateEditorCells.h
  ${CMAKE_CURRENT_LIST_DIR}/ClimateEditorCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClimatePreview.h
  ${CMAKE_CURRENT_LIST_DIR}/ClimatePreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FKlimaDaten.h
  ${CMAKE_CURRENT_LIST_DIR}/FKlimaDaten.cpp
)
wrg_add_gui_test(ClimateEditorTest ${PROJECT_SOURCE_DIR}/tests/climate/ClimateEditorTest.cpp)

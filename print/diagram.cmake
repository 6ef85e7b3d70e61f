# The diagram and climate data pages with the chart's scale rule.
target_sources(wrgprint PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DiagramScale.h
  ${CMAKE_CURRENT_LIST_DIR}/DiagramScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiagramPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClimatePage.cpp
)

wrg_add_gui_test(DiagramPagesTest ${PROJECT_SOURCE_DIR}/tests/print/DiagramPagesTest.cpp)

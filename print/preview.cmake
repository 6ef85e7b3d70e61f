# The page preview window with printing and PDF export, and its tests. The
# print support is found globally because wrgui belongs to the top folder.
find_package(Qt6 REQUIRED COMPONENTS PrintSupport GLOBAL)
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FSeite.h
  ${CMAKE_CURRENT_LIST_DIR}/FSeite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FSeite_Print.cpp
)
target_link_libraries(wrgui PUBLIC Qt6::PrintSupport)

wrg_add_gui_test(PreviewTest ${PROJECT_SOURCE_DIR}/tests/print/PreviewTest.cpp)
wrg_add_gui_test(PdfExportTest ${PROJECT_SOURCE_DIR}/tests/print/PdfExportTest.cpp)

# The help: the two HTML documents in the resources and the help window.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help/help.qrc
)
wrg_add_gui_test(HelpViewerTest ${PROJECT_SOURCE_DIR}/tests/ui/HelpViewerTest.cpp)

# The options window (wrgui) and its GUI test.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FOptionen.h
  ${CMAKE_CURRENT_LIST_DIR}/FOptionen.cpp
)
wrg_add_gui_test(OptionsWindowTest ${PROJECT_SOURCE_DIR}/tests/settings/OptionsWindowTest.cpp LIBRARIES wrgapp)

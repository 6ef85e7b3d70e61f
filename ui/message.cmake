# The message box, the info window with the splash screen, and the pictures.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UVxMessage.h
  ${CMAKE_CURRENT_LIST_DIR}/UVxMessage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FInfo.h
  ${CMAKE_CURRENT_LIST_DIR}/FInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pictures/pictures.qrc
)

wrg_add_gui_test(MessageBoxTest ${PROJECT_SOURCE_DIR}/tests/ui/MessageBoxTest.cpp)
wrg_add_gui_test(InfoWindowTest ${PROJECT_SOURCE_DIR}/tests/ui/InfoWindowTest.cpp)
wrg_add_gui_test(PicturesTest ${PROJECT_SOURCE_DIR}/tests/ui/PicturesTest.cpp)

# The main window TFormWRG (wrgapp) and its GUI tests.
target_sources(wrgapp PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FWRG.h
  ${CMAKE_CURRENT_LIST_DIR}/FWRG.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Workflow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Calculate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FWRG_Datasheets.cpp
)
wrg_add_gui_test(MainWindowTest ${PROJECT_SOURCE_DIR}/tests/app/MainWindowTest.cpp)
if(TARGET MainWindowTest)
  target_link_libraries(MainWindowTest PRIVATE wrgapp)
endif()
wrg_add_gui_test(MainWindowCalculateTest ${PROJECT_SOURCE_DIR}/tests/app/MainWindowCalculateTest.cpp)
if(TARGET MainWindowCalculateTest)
  target_link_libraries(MainWindowCalculateTest PRIVATE wrgapp)
endif()
wrg_add_gui_test(MainWindowSettingsTest ${PROJECT_SOURCE_DIR}/tests/app/MainWindowSettingsTest.cpp)
if(TARGET MainWindowSettingsTest)
  target_link_libraries(MainWindowSettingsTest PRIVATE wrgapp)
endif()
wrg_add_gui_test(MainWindowUnitsTest ${PROJECT_SOURCE_DIR}/tests/app/MainWindowUnitsTest.cpp)
if(TARGET MainWindowUnitsTest)
  target_link_libraries(MainWindowUnitsTest PRIVATE wrgapp)
endif()
wrg_add_gui_test(MainWindowDatasheetsTest ${PROJECT_SOURCE_DIR}/tests/app/MainWindowDatasheetsTest.cpp)
if(TARGET MainWindowDatasheetsTest)
  target_link_libraries(MainWindowDatasheetsTest PRIVATE wrgapp)
endif()

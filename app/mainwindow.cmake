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
  ${CMAKE_CURRENT_LIST_DIR}/ProgramEnd.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramEnd.cpp
)
foreach(test MainWindowTest MainWindowCalculateTest MainWindowSettingsTest MainWindowUnitsTest
             MainWindowDatasheetsTest MainWindowMessagesTest)
  wrg_add_gui_test(${test} ${PROJECT_SOURCE_DIR}/tests/app/${test}.cpp LIBRARIES wrgapp)
endforeach()
# The program's end; it also starts the program wrg itself.
wrg_add_gui_test(ProgramLifecycleTest ${PROJECT_SOURCE_DIR}/tests/app/ProgramLifecycleTest.cpp LIBRARIES wrgapp)
if(TARGET ProgramLifecycleTest)
  target_compile_definitions(ProgramLifecycleTest PRIVATE WRG_PROGRAM="$<TARGET_FILE:wrg>")
  add_dependencies(ProgramLifecycleTest wrg)
endif()

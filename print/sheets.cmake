# The frame, the blocks, the energy and cost pages, the snapshot, the print
# font and the logo.
target_sources(wrgprint PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MakerData.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintFont.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Metafile.h
  ${CMAKE_CURRENT_LIST_DIR}/Metafile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawings.qrc
  ${CMAKE_CURRENT_LIST_DIR}/SheetData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceBlock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesignBlock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EnergyPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CostPage.cpp
)

wrg_add_gui_test(DatasheetPagesTest ${PROJECT_SOURCE_DIR}/tests/print/DatasheetPagesTest.cpp)

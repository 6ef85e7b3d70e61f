# The frame, the blocks, the energy and cost pages, the snapshot (one part).
include(${CMAKE_CURRENT_LIST_DIR}/sheets.cmake)
# The diagram and climate data pages (another part).
include(${CMAKE_CURRENT_LIST_DIR}/diagram.cmake)

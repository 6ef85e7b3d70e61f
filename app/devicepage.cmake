# The device page's rules and lists (Qt-free).
target_sources(wrgcore PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DevicePage.cpp)

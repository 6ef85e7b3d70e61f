target_sources(wrgcore PRIVATE ${CMAKE_CURRENT_LIST_DIR}/InputChecks.cpp)

# Texts of the energy and cost result pages (Qt-free, wrgcore).
target_sources(wrgcore PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ResultsDisplay.cpp)

# Writing pages to a PDF file (QtGui only, for the window and the command line).
target_sources(wrgprint PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PdfExport.cpp)

target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UVxForms.h
  ${CMAKE_CURRENT_LIST_DIR}/UVxForms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowText.h
)
# Qt's own dialogs in the program's language.
target_sources(wrgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.h
  ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.cpp
)

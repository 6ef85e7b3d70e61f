# The text catalogue (wrgcore, no Qt). The language files ui/texts/<code>.tsv
# are built into the program: scripts/embed_catalogue.cmake turns them into a
# C++ source in the build tree whenever one of them changes.
set(WRG_CATALOGUE_TEXTS ${CMAKE_CURRENT_LIST_DIR}/texts)
set(WRG_CATALOGUE_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/embed_catalogue.cmake)
set(WRG_CATALOGUE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/CatalogueFiles.cpp)

set(wrg_catalogue_inputs "")
foreach(code IN ITEMS de en fr pl zh ru)
  if(EXISTS ${WRG_CATALOGUE_TEXTS}/${code}.tsv)
    list(APPEND wrg_catalogue_inputs ${WRG_CATALOGUE_TEXTS}/${code}.tsv)
  endif()
endforeach()
# A language file that appears or disappears changes the list above.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${WRG_CATALOGUE_TEXTS})

add_custom_command(
  OUTPUT ${WRG_CATALOGUE_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DTEXTS_DIR=${WRG_CATALOGUE_TEXTS} -DOUTPUT=${WRG_CATALOGUE_SOURCE}
          -P ${WRG_CATALOGUE_SCRIPT}
  DEPENDS ${wrg_catalogue_inputs} ${WRG_CATALOGUE_SCRIPT}
  COMMENT "Building the text catalogue into the program"
  VERBATIM)
# wrgcore is defined in the top folder; the custom target makes sure the
# source is written before wrgcore is compiled.
add_custom_target(wrg_catalogue_files DEPENDS ${WRG_CATALOGUE_SOURCE})
add_dependencies(wrgcore wrg_catalogue_files)

target_sources(wrgcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Catalogue.cpp
  ${WRG_CATALOGUE_SOURCE}
)

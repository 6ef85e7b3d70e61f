# Writes the C++ source that carries the language files of the text catalogue
# into the program:
#
#   cmake -DTEXTS_DIR=<folder of the .tsv files> -DOUTPUT=<file.cpp> -P embed_catalogue.cmake
#
# Each file <code>.tsv becomes a byte array, handed out by
# wrg_catalogue_files::EmbeddedCatalogueFile(language number). The bytes are
# copied unchanged; core/text/Catalogue.cpp reads them. A missing or empty file gives
# an empty content.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED TEXTS_DIR OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "embed_catalogue.cmake needs -DTEXTS_DIR=... and -DOUTPUT=...")
endif()

set(codes de en fr pl zh ru)
set(numbers 1 2 3 7 8 9)

# CMake regular expressions have no counted repetition.
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line_of_bytes)

set(arrays "")
set(cases "")
foreach(code number IN ZIP_LISTS codes numbers)
  set(file "${TEXTS_DIR}/${code}.tsv")
  set(hex "")
  if(EXISTS "${file}" AND NOT IS_DIRECTORY "${file}")
    file(READ "${file}" hex HEX)
  endif()
  if(hex STREQUAL "")
    continue()
  endif()
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # 0x.., for every byte, sixteen to a line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(${line_of_bytes})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "// ${code}.tsv, ${size} bytes\nconst unsigned char ${code}_tsv[] = {\n    ${bytes}\n};\n\n")
  string(APPEND cases "    case ${number}:\n        return {reinterpret_cast<const char*>(${code}_tsv), sizeof ${code}_tsv};\n")
endforeach()

set(source "// Written by scripts/embed_catalogue.cmake from core/text/texts/*.tsv; do not edit.

#include <string_view>

namespace {

${arrays}}  // namespace

namespace wrg_catalogue_files {

std::string_view EmbeddedCatalogueFile(int language);

std::string_view EmbeddedCatalogueFile(int language)
{
    switch (language) {
${cases}    default:
        return {};
    }
}

}  // namespace wrg_catalogue_files
")

file(WRITE "${OUTPUT}" "${source}")

# Writes a manual page from its template and compresses it for installation.
#
#   cmake -DTEMPLATE=<page.1.in> -DOUTPUT=<page.1> -DVERSION=<x.y.z> -DDATE=<yyyy-mm-dd>
#         [-DPROGRAM=<command-line program>] -P make_manpage.cmake
#
# @VERSION@ and @DATE@ of the template take the given values. With PROGRAM,
# @COMMANDS@ takes the program's own help: its --help, then the --help of
# every subcommand it lists, and of theirs, so that the page names every
# command and option the program has. Writes OUTPUT and OUTPUT.gz (gzip -9n:
# no name or time stamp, so that the same page gives the same bytes).

foreach(required TEMPLATE OUTPUT VERSION DATE)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "make_manpage.cmake needs -D${required}=...")
  endif()
endforeach()

# The help text as lines of no-fill troff: a backslash is written as \e, and
# a line that starts with a period or an apostrophe is kept from being read as
# a request.
function(troff_literal text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The names listed under "Subcommands:" of a help text.
function(subcommands_of help out)
  set(names "")
  string(REGEX MATCH "\nSubcommands:\n([^\n]+\n?)+" block "${help}")
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" lines "${block}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" name)
    list(APPEND names "${name}")
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

set(COMMANDS "")
if(DEFINED PROGRAM)
  get_filename_component(program_name "${PROGRAM}" NAME)
  set(pending "<top>")
  while(pending)
    list(POP_FRONT pending entry)
    if(entry STREQUAL "<top>")
      set(words "")
    else()
      string(REPLACE " " ";" words "${entry}")
    endif()
    execute_process(COMMAND "${PROGRAM}" ${words} --help
                    OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${program_name} ${words} --help failed (${status}): ${errors}")
    endif()
    string(STRIP "${help}" help)
    troff_literal("${help}" literal)
    string(REPLACE ";" " " heading "${program_name} ${words}")
    string(STRIP "${heading}" heading)
    string(APPEND COMMANDS ".SS \"${heading}\"\n.nf\n${literal}\n.fi\n")
    subcommands_of("\n${help}" names)
    foreach(name IN LISTS names)
      if(entry STREQUAL "<top>")
        list(APPEND pending "${name}")
      else()
        list(APPEND pending "${entry} ${name}")
      endif()
    endforeach()
  endwhile()
endif()

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
execute_process(COMMAND gzip -9 -n -c "${OUTPUT}" OUTPUT_FILE "${OUTPUT}.gz" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip of ${OUTPUT} failed")
endif()

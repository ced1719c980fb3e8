# Writes the manual pages of the programs from their --help and --version (help2man), gzipped
# as Debian keeps them. Included by the install step with TD700_MAN_DIR, TD700_PROGRAMS and
# TD700_VERSION set. Without help2man the pages are left out, with a warning.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(NOT HELP2MAN)
  message(WARNING "help2man was not found: no manual pages are installed")
  return()
endif()
file(MAKE_DIRECTORY "${TD700_MAN_DIR}")
foreach(program IN LISTS TD700_PROGRAMS)
  get_filename_component(name "${program}" NAME)
  set(help_option --help)
  if(name STREQUAL "td700")
    set(summary "command-line companion of the TD700 recorders")
    set(help_option --help-all)
  elseif(name STREQUAL "td700-sim")
    set(summary "simulator of TD700 recorders on a pseudo-terminal or RTU over TCP")
  else()
    set(summary "PC companion of the TD700 recorders")
  endif()
  set(page "${TD700_MAN_DIR}/${name}.1")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${summary}
            --help-option=${help_option} --version-option=--version --output=${page} ${program}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "help2man could not write the manual page of ${name}")
  endif()
  if(GZIP)
    execute_process(COMMAND ${GZIP} -9nf ${page})
  endif()
  message(STATUS "Installing: ${page}.gz")
endforeach()

# Shared compile settings and helpers for the project's targets.

# Warnings stop the build in CI and by default; a newer compiler's new warning need not stop a
# newcomer's build (-DTD700_WERROR=OFF).
option(TD700_WERROR "Treat compiler warnings as errors" ON)
# Libraries compile in batches (each batch reads the Qt headers once): fastest from scratch.
# Off, each file compiles alone: faster to rebuild after a change to one file.
option(TD700_UNITY_BUILD "Compile library sources in batches" ON)

function(td700_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough $<$<BOOL:${TD700_WERROR}>:-Werror>)
endfunction()

# td700_library(name SOURCES ... LIBS ...)
function(td700_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  # The sources compile in batches: each batch reads the Qt headers once, not each file.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ${TD700_UNITY_BUILD}
    UNITY_BUILD_BATCH_SIZE 8)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  td700_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY TD700_TARGETS ${name})
endfunction()

# td700_program(name SOURCES ... LIBS ...)
function(td700_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  td700_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY TD700_TARGETS ${name})
endfunction()

# The screen GUI tests run on: a usual desktop of 1920 x 1080 (the offscreen platform's own is
# 800 x 800, on which every window would be fitted smaller than a user sees it).
set(TD700_TEST_SCREEN "${CMAKE_BINARY_DIR}/test-screen.json")
file(WRITE "${TD700_TEST_SCREEN}"
  "{\"screens\": [{\"name\": \"desktop\", \"x\": 0, \"y\": 0, \"width\": 1920, "
  "\"height\": 1080, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n")

# td700_test(name SOURCES ... LIBS ... [GUI]) registers a Qt Test executable with CTest.
# GUI tests run on the offscreen platform so that they need no display.
function(td700_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  td700_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY TD700_TARGETS ${name})
  add_test(NAME ${name} COMMAND ${name})
  # Tests run in the texts of the code and a neutral locale, whatever the developer's shell
  # speaks (a Korean LANG must not change a message or a number a test compares).
  set(env "TD700_BIN_DIR=${CMAKE_BINARY_DIR}/bin;TD700_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      "LC_ALL=C.UTF-8")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen:configfile=${TD700_TEST_SCREEN}")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(ARG_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()

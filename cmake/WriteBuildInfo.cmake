# Writes the source that tells the programs their version and the day they were built.
# Run at every build; the file is rewritten only when its text changes (once a day), so that
# nothing is compiled again in between. SOURCE_DATE_EPOCH, when set, fixes the day.
string(TIMESTAMP day "%Y-%m-%d" UTC)
set(text "// Written by the build; do not edit.\n#include \"core/Version.h\"\n\n"
         "const char* const kProgramVersion = \"${VERSION}\";\n"
         "const char* const kBuildDate = \"${day}\";\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
else()
  set(old "")
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()

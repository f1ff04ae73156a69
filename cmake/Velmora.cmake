# Shared build settings: every target of the suite gets the same warnings.
function(velmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# velmora_test(NAME SOURCES... [LIBS ...]) declares one GoogleTest executable whose
# cases run headless under a German locale.
function(velmora_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE velmora_testsupport ${ARG_LIBS})
  # pictures of real windows that tests render, for a person to look at
  target_compile_definitions(${name} PRIVATE VELMORA_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  velmora_warnings(${name})
  # the test main also pins the German locale
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endfunction()

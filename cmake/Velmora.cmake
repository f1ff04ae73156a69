# Shared build settings: every target of the suite gets the same warnings.
function(velmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# velmora_test(NAME SOURCES... [LIBS ...]) declares one GoogleTest executable whose
# cases run headless under a German locale.
function(velmora_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE velmora_testsupport ${ARG_LIBS})
  velmora_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=de_DE.UTF-8;${ARG_ENV}"
               TIMEOUT 120)
endfunction()

# Shared build settings: every target of the suite gets the same warnings.
function(velmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# velmora_test(NAME SOURCES... [LIBS ...]) declares one GoogleTest executable whose
# cases run headless under a German locale, in a GUI application.
function(velmora_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  velmora_gtest(${name} "${ARG_SOURCES}" velmora_testsupport ${ARG_LIBS})
endfunction()

# velmora_core_test(NAME SOURCES... [LIBS ...]) declares one GoogleTest executable of what needs
# no widget: it starts no GUI application and links Qt Core alone, or Qt Gui too where LIBS draw
# on an image (velmora_drawing).
function(velmora_core_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  velmora_gtest(${name} "${ARG_SOURCES}" velmora_core_testmain velmora_core_testsupport ${ARG_LIBS})
endfunction()

function(velmora_gtest name sources)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN})
  velmora_warnings(${name})
  # the test main also pins the German locale
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endfunction()

# velmora_program(NAME SOURCES ... LIBS ...) declares one program of the suite, the executable
# NAME in bin/.
function(velmora_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  velmora_warnings(${name})
endfunction()

# velmora_library(NAME SOURCES ... LIBS ...) declares one static library of the suite; what it
# links, its users link too.
function(velmora_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  velmora_warnings(${name})
endfunction()

# velmora_panel_library(NAME SOURCES ... LIBS ...) declares a panel with its tone path and chart
# as a library of its own, free of any main window, so that a control module can link it alone.
function(velmora_panel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  velmora_library(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS} velmora_common Qt6::Widgets)
endfunction()

# velmora_link_probe(NAME SOURCE LIB PRESENT pattern ABSENT pattern) links SOURCE with LIB alone
# and tests that the executable holds a symbol matching PRESENT and none matching ABSENT.
function(velmora_link_probe name)
  cmake_parse_arguments(ARG "" "SOURCE;LIB;PRESENT;ABSENT" "" ${ARGN})
  add_executable(${name}_probe ${ARG_SOURCE})
  target_link_libraries(${name}_probe PRIVATE ${ARG_LIB})
  add_test(NAME ${name}.panel_links_alone
    COMMAND sh -c "nm -C \"$1\" > \"$1.symbols\" && grep -q '${ARG_PRESENT}' \"$1.symbols\" && ! grep -E '${ARG_ABSENT}' \"$1.symbols\"" sh $<TARGET_FILE:${name}_probe>)
endfunction()

# velmora_control(Name SOURCES ... LIBS ...) builds the control library Name.so in controls/:
# a module with its own copy of the suite's static libraries, exporting only the four entry
# points. SOURCES define velmoraControlDefinition().
function(velmora_control name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/platform/com/Entry.cpp)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/controls)
  target_link_libraries(${name} PRIVATE velmora_com ${ARG_LIBS})
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL -Wl,-z,defs)
  velmora_warnings(${name})
endfunction()

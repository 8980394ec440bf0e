# Small helpers so that every library and test is declared the same way.
# Unknown arguments are refused, so a typo never silently drops a source.

function(vexa_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PUBLIC_LIBS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vexa_add_library(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_LIBS})
  vexa_warnings(${name})
endfunction()

function(vexa_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vexa_add_test(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE vexa_test_support_gui)
  else()
    target_link_libraries(${name} PRIVATE vexa_test_support)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  vexa_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600)
  # gtest_discover_tests splits a property value at every ';', which would keep
  # only the first variable of the environment. A script run after the
  # discovered tests are added sets the whole list on each of them.
  set(env "QT_QPA_PLATFORM=offscreen;VEXA_TODAY=15/03/2024;VEXA_SOURCE_DIR=${PROJECT_SOURCE_DIR};VEXA_BIN_DIR=${CMAKE_BINARY_DIR}/bin;LC_ALL=C.UTF-8")
  # Suites of the folders listed in VEXA_BOTH_ENGINE_SUITES (tests/CMakeLists.txt)
  # carry the label "both-engines": tools/test.sh runs them again on PostgreSQL.
  set(labels "")
  file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}/tests" "${CMAKE_CURRENT_SOURCE_DIR}")
  string(REGEX REPLACE "/.*" "" suite "${rel}")
  if(suite IN_LIST VEXA_BOTH_ENGINE_SUITES)
    set(labels "LABELS both-engines")
  endif()
  set(env_script "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
  file(WRITE "${env_script}"
    "if(DEFINED ${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${env}]==] ${labels})\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${env_script}")
endfunction()

function(vexa_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VEXA_WERROR)
    # GCC's maybe-uninitialized analysis gives false alarms on std::optional at -O2;
    # it stays a warning rather than breaking an optimised build.
    target_compile_options(${target} PRIVATE -Werror -Wno-error=maybe-uninitialized)
  endif()
endfunction()

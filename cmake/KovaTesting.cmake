# kova_add_gtest(<name> [GUI] SOURCES <files...> LIBS <targets...> [TIMEOUT <s>])
# One GoogleTest executable registered with CTest. Every test gets a timeout and runs with
# the offscreen platform so no test ever needs a display or a person. GUI: the test program
# runs under a QApplication (widgets, text layout, charts); otherwise a QCoreApplication.
function(kova_add_gtest name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    set(entry kova_testmain_gui)
  else()
    set(entry kova_testmain)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} kova_testsupport ${entry} GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KOVA_TEST_SOURCE_DIR=${CMAKE_SOURCE_DIR}/tests")
endfunction()

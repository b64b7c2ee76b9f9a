# Shared fixtures of the tests: header-only, plain C++ (temporary folders, record builders) and
# Qt (program folders, dialog drivers) alike; the Qt headers are used only by Qt tests.
add_library(zdk_testsupport INTERFACE)
target_include_directories(zdk_testsupport INTERFACE ${CMAKE_SOURCE_DIR}/testsupport)

# zdk_add_gtest(name LIBS lib... SOURCES file...): one GoogleTest executable.
function(zdk_add_gtest name)
  cmake_parse_arguments(G "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${G_SOURCES})
  target_link_libraries(${name} PRIVATE ${G_LIBS} zdk_testsupport GTest::gtest GTest::gtest_main)
  # One variable per property: a list value would be split on its way through the discovery
  # script, and every variable after the first would be lost.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "ZDK_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
               ENVIRONMENT_MODIFICATION "ZDK_PROGRAM_DIR=set:${ZDK_PROGRAM_DIR}")
endfunction()

# zdk_add_qtest(LIBS lib... TESTS name...): one Qt Test executable per tests/<name>.cpp, run offscreen.
function(zdk_add_qtest)
  cmake_parse_arguments(Q "" "" "LIBS;TESTS" ${ARGN})
  foreach(name IN LISTS Q_TESTS)
    add_executable(${name} tests/${name}.cpp)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${Q_LIBS} zdk_testsupport Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;ZDK_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZDK_PROGRAM_DIR=${ZDK_PROGRAM_DIR}")
  endforeach()
endfunction()

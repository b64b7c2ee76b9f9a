# zdk_add_gtest(name lib...): one GoogleTest executable from the tests/*.cpp of the calling folder.
function(zdk_add_gtest name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  # One variable per property: a list value would be split on its way through the discovery
  # script, and every variable after the first would be lost.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "ZDK_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
               ENVIRONMENT_MODIFICATION "ZDK_PROGRAM_DIR=set:${ZDK_PROGRAM_DIR}")
endfunction()

# zdk_add_qtest(name lib...): one Qt Test executable per tests/*.cpp of the calling folder, run offscreen.
function(zdk_add_qtest)
  cmake_parse_arguments(Q "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  foreach(src IN LISTS sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${Q_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;ZDK_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZDK_PROGRAM_DIR=${ZDK_PROGRAM_DIR}")
  endforeach()
endfunction()

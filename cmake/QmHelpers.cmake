# qm_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable, registered with CTest as one test. Widget tests run offscreen.
function(qm_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QM_SOURCE_DIR=${PROJECT_SOURCE_DIR};QM_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 300)
endfunction()

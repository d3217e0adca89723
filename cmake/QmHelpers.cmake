# Compile speed: each target is built as a unity build (QM_UNITY_BUILD, batches of
# QM_UNITY_BATCH files) and takes the Qt, GoogleTest and standard headers from one of three shared
# precompiled headers instead of parsing them for every source file:
#   core     the standard library and Qt Core               (libraries without widgets)
#   widgets  core + Qt Gui and Widgets                      (dialogs, windows, the programs)
#   test     widgets + GoogleTest                           (test programs and the test kit)
# A header is only reused when the compiler flags and macros it was built with are given again, so
# each carrier below defines no more than what every user defines (QT_CORE_LIB, and
# GTEST_HAS_PTHREAD for tests) and gets the other Qt headers through include paths only. The
# compiler checks this itself (-Winvalid-pch): a header it cannot use shows up as a warning.
option(QM_UNITY_BUILD "Compile the files of each target together in batches" ON)
set(QM_UNITY_BATCH 16 CACHE STRING "Files per unity batch")
set(CMAKE_UNITY_BUILD ${QM_UNITY_BUILD})
set(CMAKE_UNITY_BUILD_BATCH_SIZE ${QM_UNITY_BATCH})

set(QM_PCH_CORE
  <algorithm> <array> <cstdint> <cstring> <deque> <functional> <map> <memory> <optional> <set>
  <span> <string> <utility> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QList> <QLocale> <QMap>
  <QObject> <QPointer> <QRegularExpression> <QSaveFile> <QString> <QStringList> <QTimer>)
set(QM_PCH_WIDGETS
  <QAction> <QApplication> <QCheckBox> <QCloseEvent> <QComboBox> <QDialog> <QFrame> <QGridLayout>
  <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMainWindow> <QMenu>
  <QMenuBar> <QPainter> <QPlainTextEdit> <QPushButton> <QRadioButton> <QTabWidget> <QVBoxLayout>
  <QWidget>)
set(QM_PCH_TEST <gtest/gtest.h> <QTemporaryDir>)

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/qm_pch/carrier.cpp CONTENT "// Carries a shared precompiled header.\n")
function(qm_pch_carrier family)
  add_library(qm_pch_${family} OBJECT ${CMAKE_BINARY_DIR}/qm_pch/carrier.cpp)
  set_target_properties(qm_pch_${family} PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
  target_link_libraries(qm_pch_${family} PRIVATE Qt6::Core)
  target_include_directories(qm_pch_${family} SYSTEM PRIVATE
    $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
  target_precompile_headers(qm_pch_${family} PRIVATE ${ARGN})
endfunction()
qm_pch_carrier(core ${QM_PCH_CORE})
qm_pch_carrier(widgets ${QM_PCH_CORE} ${QM_PCH_WIDGETS})
if(QM_TESTS)
  qm_pch_carrier(test ${QM_PCH_CORE} ${QM_PCH_WIDGETS} ${QM_PCH_TEST})
  target_link_libraries(qm_pch_test PRIVATE GTest::gtest)
endif()

# qm_share_headers(<core|widgets|test> <targets...>)
# Only widgets declare QObject classes here; elsewhere the moc file is empty and loading the
# precompiled header would be most of its cost, so it is compiled without.
function(qm_share_headers family)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM qm_pch_${family})
    if(NOT family STREQUAL "widgets")
      get_target_property(binary_dir ${target} BINARY_DIR)
      set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endforeach()
endfunction()

# qm_add_test(<name> [NO_QT] SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable, registered with CTest as one test. Widget tests run offscreen.
# NO_QT: a test of code without Qt, which cannot share the test headers.
function(qm_add_test name)
  cmake_parse_arguments(ARG "NO_QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(NOT ARG_NO_QT)
    qm_share_headers(test ${name})
  endif()
  # One source file gains nothing from a unity build. Files that are compiled together must not
  # share names in their anonymous namespaces, and their TEST_F/TEST_P stay inside the anonymous
  # namespace of their fixture (else -Wsubobject-linkage).
  set(cpp_sources ${ARG_SOURCES})
  list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH cpp_sources cpp_count)
  if(cpp_count LESS 2)
    set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QM_SOURCE_DIR=${PROJECT_SOURCE_DIR};QM_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 300)
endfunction()

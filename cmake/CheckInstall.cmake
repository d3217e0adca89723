# cmake -DROOT=<installed prefix> [-DINSTALL_FROM=<build folder>] -P CheckInstall.cmake
#
# Checks an installed tree: the layout, the manual pages and package documents, the desktop
# entries, and each installed program's own report of the files it finds beside it
# (`--check-files`, offscreen). With INSTALL_FROM the build is first installed into ROOT (emptied
# first); `make package` points ROOT at an unpacked .deb.
cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

if(NOT ROOT)
  fail("ROOT is not set")
endif()

if(INSTALL_FROM)
  file(REMOVE_RECURSE "${ROOT}")
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${INSTALL_FROM}" --prefix "${ROOT}"
                  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
  if(rc)
    fail("cmake --install failed:\n${out}")
  endif()
endif()

# ---- layout -----------------------------------------------------------------------------------
set(expected
  bin/quillonedit bin/merrowedit bin/merrow-receiver-sim
  lib/quillonedit/quillonedit lib/quillonedit/Help/Quillon.hlp
  lib/merrowedit/merrowedit lib/merrowedit/Help/Merrow.HLP
  share/applications/quillonedit.desktop share/applications/merrowedit.desktop
  share/icons/hicolor/scalable/apps/quillonedit.svg share/icons/hicolor/scalable/apps/merrowedit.svg)
foreach(k RANGE 1 8)
  list(APPEND expected lib/quillonedit/Examples/Blank.00${k})
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${ROOT}/${path}")
    fail("not installed: ${path}")
  endif()
endforeach()
foreach(k RANGE 1 8)
  file(SIZE "${ROOT}/lib/quillonedit/Examples/Blank.00${k}" size)
  if(NOT size EQUAL 4096)
    fail("Blank.00${k} holds ${size} bytes, not 4096")
  endif()
endforeach()
foreach(program quillonedit merrowedit)
  file(READ_SYMLINK "${ROOT}/bin/${program}" target)
  if(NOT target STREQUAL "../lib/${program}/${program}")
    fail("bin/${program} should link to ../lib/${program}/${program}, not '${target}'")
  endif()
endforeach()
# Each program folder holds only its own help file; no test or benchmark is installed.
file(GLOB_RECURSE strays RELATIVE "${ROOT}"
     "${ROOT}/lib/quillonedit/Help/Merrow*" "${ROOT}/lib/merrowedit/Help/Quillon*"
     "${ROOT}/*test_*" "${ROOT}/*merrow-link-bench*")
if(strays)
  fail("installed but should not be: ${strays}")
endif()

# ---- manual pages and package documents ------------------------------------------------------
# Every program in bin/ has its manual page; these and the changelog are compressed as Debian
# wants: best compression, no file name or time stamp (gzip -9n), so builds give the same bytes.
file(GLOB programs RELATIVE "${ROOT}/bin" "${ROOT}/bin/*")
set(compressed share/doc/quillon-merrow/changelog.Debian.gz)
foreach(program IN LISTS programs)
  list(APPEND compressed share/man/man1/${program}.1.gz)
endforeach()
foreach(path IN LISTS compressed share/doc/quillon-merrow/copyright)
  if(NOT EXISTS "${ROOT}/${path}")
    fail("not installed: ${path}")
  endif()
endforeach()
foreach(path IN LISTS compressed)
  # Header: magic 1f8b, method 08, flags (no name: bit 3 clear), time stamp 0, extra flags 02.
  file(READ "${ROOT}/${path}" header LIMIT 10 HEX)
  if(NOT header MATCHES "^1f8b08[0-9a-f][0-7]0000000002")
    fail("${path} is not compressed with gzip -9n (header ${header})")
  endif()
endforeach()

# ---- desktop entries --------------------------------------------------------------------------
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
  fail("desktop-file-validate is missing (package desktop-file-utils; `make deps` installs it)")
endif()
foreach(program quillonedit merrowedit)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${ROOT}/share/applications/${program}.desktop"
                  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
  if(rc OR NOT out STREQUAL "")
    fail("${program}.desktop does not validate:\n${out}")
  endif()
endforeach()

# ---- the installed programs find their files ---------------------------------------------------
# Started through their links in bin/, as a user would; each must resolve its own folder under lib/.
function(check_program program)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                          "${ROOT}/bin/${program}" --check-files
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 120)
  message(STATUS "${program} --check-files:\n${out}${err}")
  if(NOT rc EQUAL 0)
    fail("installed ${program} did not find its files (exit ${rc})")
  endif()
  file(REAL_PATH "${ROOT}/lib/${program}" folder)
  foreach(line "program folder ${folder}" ${ARGN})
    string(FIND "${out}" "${line}\n" at)
    if(at EQUAL -1)
      fail("installed ${program} did not report '${line}'")
    endif()
  endforeach()
endfunction()

file(REAL_PATH "${ROOT}/lib" lib)
check_program(quillonedit
  "found help ${lib}/quillonedit/Help/Quillon.hlp"
  "example project: opened, 8 pages, all zero")
if(IS_DIRECTORY "${ROOT}/lib/merrowedit/States")
  file(GLOB states "${ROOT}/lib/merrowedit/States/*.st")
  list(LENGTH states count)
  check_program(merrowedit "found help ${lib}/merrowedit/Help/Merrow.HLP" "state files: ${count}")
else()
  check_program(merrowedit "found help ${lib}/merrowedit/Help/Merrow.HLP")
endif()

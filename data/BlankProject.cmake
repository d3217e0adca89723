# cmake -DPRISTINE=<folder> -DRUN=<folder> -P BlankProject.cmake
# The example project Blank.001 .. Blank.008: eight erased pages of 4,096 zero bytes, as the
# controller's memory reads when empty. PRISTINE is always rewritten (it is what gets installed);
# the copy in the program folder RUN is written only where a page is missing, so a user who opened
# and saved the example there keeps the edits.
foreach(folder "${PRISTINE}" "${RUN}")
  file(MAKE_DIRECTORY "${folder}")
  foreach(k RANGE 1 8)
    set(page "${folder}/Blank.00${k}")
    if(folder STREQUAL "${RUN}" AND EXISTS "${page}")
      continue()
    endif()
    # Written under a temporary name and renamed, so a page is never left half-written.
    execute_process(COMMAND head -c 4096 /dev/zero OUTPUT_FILE "${page}.part" RESULT_VARIABLE failed)
    file(SIZE "${page}.part" size)
    if(failed OR NOT size EQUAL 4096)
      message(FATAL_ERROR "Could not write ${page}")
    endif()
    file(RENAME "${page}.part" "${page}")
  endforeach()
endforeach()

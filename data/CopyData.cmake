# cmake -DSOURCE=<data folder> -DDEST=<program folder> -P CopyData.cmake
foreach(folder Help States)
  if(EXISTS "${SOURCE}/${folder}")
    file(COPY "${SOURCE}/${folder}" DESTINATION "${DEST}")
  endif()
endforeach()

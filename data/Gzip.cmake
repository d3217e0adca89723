# cmake -DGZIP=<gzip> -DIN=<file> -DOUT=<file.gz> -P Gzip.cmake
# gzip -9n: best compression and no file name or time stamp in the header, so the same text
# always gives the same bytes, as Debian wants of manual pages and changelogs.
execute_process(COMMAND "${GZIP}" -9nc INPUT_FILE "${IN}" OUTPUT_FILE "${OUT}.tmp"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "gzip ${IN} failed: ${err}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")

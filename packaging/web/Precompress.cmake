# Writes FILE packed for a server to hand to a browser that accepts it:
# OUTPUT.br with brotli at its best and OUTPUT.gz with gzip at its best,
# without the file's name or time, so the same file packs to the same bytes.
#   cmake -D BROTLI=<brotli> -D GZIP=<gzip> -D FILE=<file> -D OUTPUT=<path> -P Precompress.cmake
execute_process(COMMAND ${BROTLI} --quality=11 --stdout ${FILE} OUTPUT_FILE ${OUTPUT}.br
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GZIP} -9 --no-name --stdout ${FILE} OUTPUT_FILE ${OUTPUT}.gz
    COMMAND_ERROR_IS_FATAL ANY)

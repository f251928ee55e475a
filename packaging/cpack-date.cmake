# Read by cpack before it packs: the package's time stamps, which the DEB
# generator takes from SOURCE_DATE_EPOCH, are the last commit's unless the
# caller set one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_DRAVOUNE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(date MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${date}")
  endif()
endif()

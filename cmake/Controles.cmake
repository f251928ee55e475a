# The checked builds: AddressSanitizer and UBSan over the program and its
# tests, or libFuzzer over the fuzz target (clang only). Both add their
# flags to dravoune_options, which every target of ours links.

option(DRAVOUNE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DRAVOUNE_FUZZ "Build the fuzz target (clang only)" OFF)

if(DRAVOUNE_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # The level the sanitizers advise, and the line tables that their reports
  # need: a quarter less to compile than the build type's -O2 -g.
  target_compile_options(dravoune_options INTERFACE -O1 -g1)
elseif(DRAVOUNE_FUZZ)
  set(sanitizers -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
endif()
if(sanitizers)
  target_compile_options(dravoune_options INTERFACE ${sanitizers})
  target_link_options(dravoune_options INTERFACE ${sanitizers})
endif()

# Leaks of the libraries we link, never of our own code.
set(DRAVOUNE_LSAN "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0")

# The environment of a sanitized test, and the command prefix it runs
# behind. Mesa unloads its software driver when the last GL context goes,
# which leaves the driver's static allocations unreachable and unnamed in
# leak reports, so no suppression can match them. Keeping it loaded for
# the whole run lets them stay reachable. ASan must then tolerate a preload
# that comes before its runtime.
set(DRAVOUNE_TEST_ENV)
set(DRAVOUNE_TEST_PREFIXE)
if(DRAVOUNE_SANITIZE)
  find_file(DRAVOUNE_MESA_DRIVER swrast_dri.so
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri NO_DEFAULT_PATH)
  set(DRAVOUNE_TEST_ENV
    "ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "${DRAVOUNE_LSAN}")
  set(DRAVOUNE_TEST_PREFIXE env "LD_PRELOAD=${DRAVOUNE_MESA_DRIVER}")
endif()

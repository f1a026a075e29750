# VELMORA_SANITIZE builds everything, tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer. ./scripts/test --sanitize uses it.
option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VELMORA_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "VELMORA_SANITIZE is for GCC and Clang")
    endif()
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
    # Read by tests/CMakeLists.txt: every test runs with these.
    set(VELMORA_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

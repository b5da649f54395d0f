# Sanitized builds of our own targets.
#   -DSTARLOOM_SANITIZE=ON  AddressSanitizer and UndefinedBehaviorSanitizer on every target
#                           of this project (Qt and the system libraries stay as installed);
#                           the first report ends the process with a failure
#   -DSTARLOOM_FUZZ=ON      with clang: the same sanitizers plus libFuzzer's coverage on our
#                           code, and the fuzz targets of tests/fuzz
#   -DSTARLOOM_TSAN=ON      ThreadSanitizer on every target of this project, for the code
#                           that runs on several threads (the batch)
# Both are set before any folder is added, so they reach every target we build.
option(STARLOOM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(STARLOOM_FUZZ "Build the libFuzzer targets (clang only)" OFF)
option(STARLOOM_TSAN "Build with ThreadSanitizer" OFF)

set(STARLOOM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                             -fno-sanitize-recover=all)

if(STARLOOM_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "STARLOOM_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(${STARLOOM_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    add_link_options(-fsanitize=address,undefined)
elseif(STARLOOM_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(STARLOOM_SANITIZE)
    add_compile_options(${STARLOOM_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
endif()

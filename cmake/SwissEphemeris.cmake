# The Swiss Ephemeris library and its data files (Debian: libswe-dev, swe-standard-data),
# the reference the precise positions are fitted to and checked against. Only the table
# generator, the tests and the benchmark use it; the programs never link it.
#   starloom_link_swiss_ephemeris(<target>) adds the library and defines SWE_DATA_DIR.
find_path(SWE_INCLUDE_DIR swephexp.h)
find_library(SWE_LIBRARY swe)
set(SWE_DATA_DIR "/usr/share/libswe/ephe" CACHE PATH "The Swiss Ephemeris data files")
if(SWE_INCLUDE_DIR AND SWE_LIBRARY AND EXISTS "${SWE_DATA_DIR}/sepl_18.se1")
    set(SWE_FOUND TRUE)
else()
    set(SWE_FOUND FALSE)
endif()

function(starloom_link_swiss_ephemeris target)
    target_include_directories(${target} PRIVATE ${SWE_INCLUDE_DIR})
    target_compile_definitions(${target} PRIVATE SWE_DATA_DIR="${SWE_DATA_DIR}")
    target_link_libraries(${target} PRIVATE ${SWE_LIBRARY} m)
endfunction()

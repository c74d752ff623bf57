# Shared settings for every Vellumbrix target.

set(VBX_WARNING_FLAGS -Wall -Wextra)
if(VBX_WERROR)
    list(APPEND VBX_WARNING_FLAGS -Werror)
endif()

# Fuzzing builds instrument every library for coverage and check it with
# both sanitizers; a sanitizer report ends the run so that it counts as a
# finding.
if(VBX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VBX_FUZZ needs clang: -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # One code path per function, so that coverage feedback stays stable.
    add_compile_definitions(VBX_NO_TARGET_CLONES)
endif()

# A sanitizer report ends the program, so that a test sees it as a failure.
if(VBX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# vbx_library(NAME SOURCES... [DEPENDS libs...] [PRIVATE_DEPENDS libs...])
# Declares the static library vbx_NAME for the folder src/NAME. Headers are
# included as "NAME/Header.h" from the src root.
function(vbx_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
    add_library(vbx_${name} STATIC ${ARG_SOURCES})
    target_include_directories(vbx_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(vbx_${name} PRIVATE ${VBX_WARNING_FLAGS})
    target_link_libraries(vbx_${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
endfunction()

# vbx_executable(NAME SOURCES... [DEPENDS libs...])
function(vbx_executable name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${VBX_WARNING_FLAGS})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

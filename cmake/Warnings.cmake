# Common compile options for every target of the project.
add_library(velloran_options INTERFACE)
target_compile_options(velloran_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual)
if(VELLORAN_WERROR)
    target_compile_options(velloran_options INTERFACE -Werror)
endif()
if(VELLORAN_SANITIZE)
    target_compile_options(velloran_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(velloran_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds every .cpp of the given folders (relative to the current source dir) to a target.
function(velloran_glob_sources target)
    foreach(dir IN LISTS ARGN)
        file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
        target_sources(${target} PRIVATE ${_srcs})
    endforeach()
endfunction()

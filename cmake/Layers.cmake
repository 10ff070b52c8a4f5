# Every file includes its headers by folder, #include "settings/ficherostxt.h", and finds only
# those of the libraries its target links: there is no include path to the top of the tree.
# Instead each folder gets, in the build tree, an include directory that holds nothing but
# links named <folder>/<header> to the folder's own headers (not those of its subfolders), and
# a library gives its folder's directory to whoever links it.

# Sets <out> to the include directory of a source folder, making its links anew.
function(brx_folder_include_dir out source_dir)
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${source_dir})
    string(REPLACE "/" "." key ${folder})
    set(dir ${CMAKE_BINARY_DIR}/include/${key})
    file(GLOB headers CONFIGURE_DEPENDS ${source_dir}/*.h)
    file(REMOVE_RECURSE ${dir})
    file(MAKE_DIRECTORY ${dir}/${folder})
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${dir}/${folder}/${name} SYMBOLIC)
    endforeach()
    set(${out} ${dir} PARENT_SCOPE)
endfunction()

# brx_library(<name> <STATIC|INTERFACE> [sources...]): add_library, and the folder's headers
# for the library and for every target that links it.
function(brx_library name)
    add_library(${name} ${ARGN})
    brx_folder_include_dir(dir ${CMAKE_CURRENT_SOURCE_DIR})
    get_target_property(type ${name} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${name} INTERFACE ${dir})
    else()
        target_include_directories(${name} PUBLIC ${dir})
    endif()
endfunction()

# brx_executable(<name> [sources...]): add_executable, with the headers of its own folder
# (a test program's fixtures) besides those of what it links.
function(brx_executable name)
    add_executable(${name} ${ARGN})
    brx_folder_include_dir(dir ${CMAKE_CURRENT_SOURCE_DIR})
    target_include_directories(${name} PRIVATE ${dir})
endfunction()

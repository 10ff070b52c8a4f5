# Installs the build into a fresh prefix and checks that the program, its menu entry, its
# icons, its AppStream metadata and its manual page land where desktops look for them. Run
# with -DBUILD=<build dir> -DPREFIX=<scratch dir>.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(expected bin/brixamo share/applications/brixamo.desktop
    share/icons/hicolor/scalable/apps/brixamo.svg
    share/metainfo/org.brixamo.Brixamo.metainfo.xml
    share/man/man1/brixamo.1.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/brixamo.png)
endforeach()
foreach(f ${expected})
    if(NOT EXISTS ${PREFIX}/${f})
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
# Each PNG lies under the size it has: width and height from its header.
foreach(size 16 32 48 64 128 256)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/brixamo.png header
        HEX OFFSET 16 LIMIT 8)
    string(SUBSTRING ${header} 0 8 width_hex)
    string(SUBSTRING ${header} 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT "${width}x${height}" STREQUAL "${size}x${size}")
        message(FATAL_ERROR "the ${size}x${size} icon is ${width}x${height}")
    endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/brixamo --version RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed bin/brixamo does not run: ${rc}")
endif()
file(STRINGS ${PREFIX}/share/applications/brixamo.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=brixamo" "Icon=brixamo")
    if(NOT "${line}" IN_LIST entry)
        message(FATAL_ERROR "brixamo.desktop lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})

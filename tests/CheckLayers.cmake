# Fails when a file includes a header against the layers of the tree. Run as:
#   cmake -DSOURCE_DIR=<top> -DLAYERS=<layers> -DUSES=<uses> -P CheckLayers.cmake
# LAYERS lists the folders from the bottom up, a layer's folders side by side
# joined by ",": a file may include headers of its own folder and of the
# layers below it, never of a layer above, and of a folder beside it only
# where its folder uses that one. USES lists those uses as
# <folder>:<used>,<used>... A file belongs to the deepest folder of the list
# that holds it, so tests/support is not tests.
#
# Project headers are included by their path from the top of the tree,
# quoted or in angle brackets ("kit/PersonEntry.h", <kit/PersonEntry.h>); a
# quoted include by any other name (a bare "PersonEntry.h", a folder that is
# not listed) is a fault, and so is one that names a file no folder holds. Angle-bracket includes of other paths
# are system headers and pass.

cmake_policy(VERSION 3.25)

set(folders "")
set(level 0)
foreach(layer IN LISTS LAYERS)
    string(REPLACE "," ";" layer_folders "${layer}")
    foreach(folder IN LISTS layer_folders)
        set(level_of_${folder} ${level})
        list(APPEND folders ${folder})
    endforeach()
    math(EXPR level "${level} + 1")
endforeach()
foreach(entry IN LISTS USES)
    string(FIND "${entry}" ":" colon)
    string(SUBSTRING "${entry}" 0 ${colon} user)
    math(EXPR after "${colon} + 1")
    string(SUBSTRING "${entry}" ${after} -1 used)
    string(REPLACE "," ";" used "${used}")
    set(uses_of_${user} ${used})
endforeach()

# The deepest listed folder that holds `path` (relative to the top), or empty.
function(folder_of path out)
    set(found "")
    foreach(folder IN LISTS folders)
        string(LENGTH "${folder}" length)
        string(LENGTH "${found}" found_length)
        if(path MATCHES "^${folder}/" AND length GREATER found_length)
            set(found ${folder})
        endif()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(faults "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
         "${SOURCE_DIR}/${folder}/*.inc" "${SOURCE_DIR}/${folder}/*.h.in")
    foreach(source IN LISTS sources)
        folder_of("${source}" owner)
        if(NOT owner STREQUAL folder)
            continue()
        endif()
        file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"].*" "\\1;\\2" parts "${line}")
            list(GET parts 0 bracket)
            list(GET parts 1 included)
            folder_of("${included}" target)
            if(target STREQUAL "")
                if(bracket STREQUAL "\"")
                    list(APPEND faults "${source} includes ${included}, by no path of the layered folders")
                endif()
                continue()
            endif()
            if(NOT EXISTS "${SOURCE_DIR}/${included}" AND NOT EXISTS "${SOURCE_DIR}/${included}.in")
                list(APPEND faults "${source} includes ${included}, which ${target}/ does not hold")
            elseif(level_of_${target} GREATER level_of_${folder})
                list(APPEND faults "${source} includes ${included} of ${target}/, a layer above")
            elseif(level_of_${target} EQUAL level_of_${folder} AND NOT target STREQUAL folder
                   AND NOT target IN_LIST uses_of_${folder})
                list(APPEND faults "${source} includes ${included} of ${target}/, beside it and not used")
            endif()
        endforeach()
    endforeach()
endforeach()
# One line a fault, as it is, then the failure.
foreach(fault IN LISTS faults)
    message("${fault}")
endforeach()
list(LENGTH faults count)
if(count GREATER 0)
    message(FATAL_ERROR "${count} of the includes above run against the layers")
endif()

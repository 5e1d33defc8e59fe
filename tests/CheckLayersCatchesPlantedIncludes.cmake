# Plants includes against the layers in a small tree of the same folders and
# checks that CheckLayers.cmake reports each of them, and nothing that is
# allowed. Run as:
#   cmake -DWORK=<folder> -DLAYERS=<layers> -DUSES=<uses> -P CheckLayersCatchesPlantedIncludes.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")

# The headers the plants include, so that each include names a real file.
foreach(header IN ITEMS kit/PersonEntry.h western/Lookups.h complete/CompleteReading.h tools/SampleReadings.h
                        bench/ClosedWindows.h)
    file(WRITE "${WORK}/${header}" "#pragma once\n")
endforeach()

# file, include, and the fault it must be reported as ("" for none).
set(plants
    "kit/Upward.h|\"complete/CompleteReading.h\"|a layer above"
    "kit/IntoACalculator.cpp|\"western/Lookups.h\"|a layer above"
    "ui/IntoTheKit.cpp|<kit/PersonEntry.h>|a layer above"
    "chinese/Beside.cpp|\"western/Lookups.h\"|beside it and not used"
    "western/IntoComplete.cpp|<complete/CompleteReading.h>|beside it and not used"
    "tests/support/IntoTools.h|\"tools/SampleReadings.h\"|a layer above"
    "shell/IntoBench.cpp|\"bench/ClosedWindows.h\"|a layer above"
    "kit/Bare.cpp|\"PersonEntry.h\"|by no path of the layered folders"
    "kit/Missing.cpp|\"kit/NoSuchHeader.h\"|which kit/ does not hold"
    "complete/UsesWestern.cpp|\"western/Lookups.h\"|"
    "tests/western/AnyHeader.cpp|\"complete/CompleteReading.h\"|"
    "western/System.cpp|<QWidget>|")
set(expected "")
foreach(plant IN LISTS plants)
    string(REPLACE "|" ";" parts "${plant}")
    list(GET parts 0 file)
    list(GET parts 1 include)
    list(GET parts 2 fault)
    file(WRITE "${WORK}/${file}" "#include ${include}\n")
    if(fault)
        string(REGEX REPLACE "^[<\"](.*)[>\"]$" "\\1" included "${include}")
        list(APPEND expected "${file} includes ${included}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} "-DLAYERS=${LAYERS}" "-DUSES=${USES}"
                        -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake
                RESULT_VARIABLE result ERROR_VARIABLE report)
if(result EQUAL 0)
    message(FATAL_ERROR "the layering check passed a tree with planted faults")
endif()
# Each fault is a line of its own: "<file> includes <header>..." from its
# first column.
string(REPLACE "\n" ";" lines "${report}")
set(reported "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ]+ includes [^ ,]+)")
        list(APPEND reported "${CMAKE_MATCH_1}")
    endif()
endforeach()
list(SORT reported)
list(SORT expected)
if(NOT reported STREQUAL expected)
    message(FATAL_ERROR "expected faults:\n${expected}\nreported:\n${report}")
endif()

# Runs velmora-snapshot with screen options and checks the size in device
# pixels of the launcher picture it writes.
# cmake -DSNAPSHOT=<velmora-snapshot> -DFOLDER=<scratch folder> -P SnapshotTest.cmake

# Width and height of a PNG file, from its header.
function(png_size file width height)
    file(READ "${file}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 w)
    string(SUBSTRING "${header}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    set(${width} ${w} PARENT_SCOPE)
    set(${height} ${h} PARENT_SCOPE)
endfunction()

function(snapshot)
    file(REMOVE_RECURSE "${FOLDER}")
    execute_process(COMMAND "${SNAPSHOT}" ${ARGN} "${FOLDER}" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "velmora-snapshot ${ARGN} failed: ${result}")
    endif()
endfunction()

# Maximised on a 1024 x 768 screen at 200 %: the screen less the window's
# frame, in twice the pixels.
snapshot(--size 1024x768 --scale 2)
png_size("${FOLDER}/launcher.png" width height)
if(width LESS 2000 OR width GREATER 2048 OR height LESS 1500 OR height GREATER 1536)
    message(FATAL_ERROR "maximised at 200 % on 1024x768: ${width} x ${height} pixels")
endif()

# At its own width of 792 at 150 %; its height is the design client area
# (546) with the menu bar and the window's frame.
snapshot(--unmaximised --scale 1.5)
png_size("${FOLDER}/launcher.png" width height)
if(NOT width EQUAL 1188 OR height LESS 819 OR height GREATER 960)
    message(FATAL_ERROR "unmaximised at 150 %: ${width} x ${height} pixels, not 1188 x 819 to 960")
endif()

# A scale out of range is refused with the usage.
execute_process(COMMAND "${SNAPSHOT}" --scale 9 "${FOLDER}" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 2)
    message(FATAL_ERROR "--scale 9 gave ${result}, not 2")
endif()
file(REMOVE_RECURSE "${FOLDER}")

# Helpers for the packaging checks, which run as cmake -P scripts.

# Runs a command; stops the check when it fails. The standard output lands in
# <out>, the standard error in <out>_ERROR.
function(run_checked out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${result}):\n${output}${error}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
    set(${out}_ERROR "${error}" PARENT_SCOPE)
endfunction()

function(expect_equal what actual expected)
    if(NOT actual STREQUAL expected)
        message(SEND_ERROR "${what}: expected \"${expected}\", got \"${actual}\"")
    endif()
endfunction()

# The installed program's --version, as a desktop without a display would see it.
function(expect_version executable expected)
    run_checked(output ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                ${executable} --version)
    expect_equal("${executable} --version" "${output}" "${expected}\n")
endfunction()

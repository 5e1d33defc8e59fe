# velmora_add_calculator(<name> CORE <files...> [CORE_LIBS <libs...>] [USES <calculators...>]
#                        WINDOWS <files...>)
#
# Adds the calculator of the folder it is called in, named as the folder:
# - velmora_<name>_core: its lookups and its reading in plain C++, on its
#   compiled-in texts (velmora_content_<name>, where it has texts) and the
#   plain cores of the calculators it USES, so the build proves they need
#   nothing of the windows; the libc++ build (VELMORA_LOOKUPS_ONLY) builds
#   and tests only these;
# - velmora_<name>: its windows on the window kit (and on the windows of the
#   calculators it USES), and its declaration (Calculator.h, Calculator.cpp),
#   which tells the launcher, the tests, the benchmarks and the tools that it
#   exists.
# The layering test allows a calculator to include another's headers only
# where it USES that calculator.
function(velmora_add_calculator name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "CORE;CORE_LIBS;USES;WINDOWS")
    set(core velmora_${name}_core)
    add_library(${core} STATIC ${ARG_CORE})
    target_link_libraries(${core} PUBLIC velmora_kit_core ${ARG_CORE_LIBS})
    if(TARGET velmora_content_${name})
        target_link_libraries(${core} PUBLIC velmora_content_${name})
    endif()
    foreach(used IN LISTS ARG_USES)
        target_link_libraries(${core} PUBLIC velmora_${used}_core)
    endforeach()
    set_target_properties(${core} PROPERTIES AUTOMOC OFF)
    set_property(GLOBAL PROPERTY VELMORA_USES_${name} "${ARG_USES}")
    if(VELMORA_LOOKUPS_ONLY)
        return()
    endif()
    add_library(velmora_${name} STATIC ${ARG_WINDOWS} Calculator.h Calculator.cpp)
    target_link_libraries(velmora_${name} PUBLIC ${core} velmora_kit)
    foreach(used IN LISTS ARG_USES)
        target_link_libraries(velmora_${name} PUBLIC velmora_${used})
    endforeach()
endfunction()

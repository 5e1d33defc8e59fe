# velmora_add_calculator(<name> LOOKUPS <files...> [LOOKUP_LIBS <libs...>] WINDOWS <files...>)
#
# Adds a calculator from the folder it is called in: velmora_<name>_lookups,
# its lookups and reading pipeline in plain C++ on its compiled-in texts
# (velmora_content_<name>), so the build proves they need nothing of the
# windows; and, unless only the lookups are built, velmora_<name>, its windows
# on the window kit.
function(velmora_add_calculator name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "LOOKUPS;LOOKUP_LIBS;WINDOWS")
    set(lookups velmora_${name}_lookups)
    add_library(${lookups} STATIC ${ARG_LOOKUPS})
    target_include_directories(${lookups} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${lookups} PUBLIC velmora_content_${name} velmora_kit_core ${ARG_LOOKUP_LIBS})
    set_target_properties(${lookups} PROPERTIES AUTOMOC OFF)
    if(VELMORA_LOOKUPS_ONLY)
        return()
    endif()
    add_library(velmora_${name} STATIC ${ARG_WINDOWS})
    target_include_directories(velmora_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(velmora_${name} PUBLIC ${lookups} velmora_kit)
endfunction()

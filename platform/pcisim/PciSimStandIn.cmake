# pcisim_stand_in(<target> <output file name> <output dir> SOURCES <files...>
#                 [INCLUDES <dirs...>] [DEFINITIONS <definitions...>])
# Builds a register-access stand-in over the simulated PCI devices: no soname, and
# only its entry points and test controls exported, so several builds can live in
# one process.
function(pcisim_stand_in target file dir)
    cmake_parse_arguments(S "" "" "SOURCES;INCLUDES;DEFINITIONS" ${ARGN})
    add_library(${target} SHARED ${S_SOURCES})
    target_include_directories(${target} PRIVATE ${S_INCLUDES})
    target_link_libraries(${target} PRIVATE vyrpcisim)
    target_compile_definitions(${target} PRIVATE ${S_DEFINITIONS})
    get_filename_component(name ${file} NAME_WE)
    get_filename_component(suffix ${file} EXT)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${name} PREFIX "" SUFFIX ${suffix} NO_SONAME ON
        LIBRARY_OUTPUT_DIRECTORY ${dir}
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
        AUTOMOC OFF)
    target_link_options(${target} PRIVATE -Wl,-Bsymbolic)
    vyr_set_warnings(${target})
endfunction()

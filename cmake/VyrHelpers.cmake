# Warning set for every target of the project; it also records the target for the build-cost
# settings of VyrBuildCost.cmake.
function(vyr_set_warnings target)
    vyr_record_target(${target})
    vyr_warning_options(${target})
endfunction()

# The warning options alone (the hosts of the precompiled headers take them too: -Wpedantic
# changes which macros the compiler predefines, and a header is only taken where they agree).
function(vyr_warning_options target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wconversion -Wsign-conversion)
    # GCC 12 reports byte writes through QByteArray::data() at -O2 as overflows of
    # Qt's array header (a known false positive); AddressSanitizer checks the real bounds.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-stringop-overflow)
    endif()
    if(VYR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# vyr_add_qtest(NAME <name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#               [XVFB])
# Builds one Qt Test executable and registers it with CTest. Tests run headless on
# Qt's offscreen platform; XVFB runs the test under a private Xvfb server for code
# that needs a real X display. Anything else in the call is an error, so a misspelt
# option never passes unnoticed: words before the first keyword, a keyword without a
# value, and any word in capitals that is not a keyword (which would otherwise be taken
# for one more source, library or label; those are never written in capitals).
function(vyr_add_qtest)
    set(keywords XVFB NAME SOURCES LIBS LABELS)
    foreach(word IN LISTS ARGN)
        if(word MATCHES "^[A-Z][A-Z0-9_]*$" AND NOT word IN_LIST keywords)
            message(FATAL_ERROR "vyr_add_qtest: unknown option ${word}")
        endif()
    endforeach()
    cmake_parse_arguments(PARSE_ARGV 0 T "XVFB" "NAME" "SOURCES;LIBS;LABELS")
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vyr_add_qtest: unknown arguments: ${T_UNPARSED_ARGUMENTS}")
    endif()
    if(T_KEYWORDS_MISSING_VALUES)
        message(FATAL_ERROR "vyr_add_qtest: no value given for: ${T_KEYWORDS_MISSING_VALUES}")
    endif()
    if(NOT T_NAME OR NOT T_SOURCES)
        message(FATAL_ERROR "vyr_add_qtest: NAME and SOURCES are required")
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_link_libraries(${T_NAME} PRIVATE Qt5::Core Qt5::Test ${T_LIBS})
    target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_compile_definitions(${T_NAME} PRIVATE
        VYR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        VYR_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
        VYR_BIN_DIR="${VYR_BIN_DIR}"
        VYR_BUILD_DIR="${CMAKE_BINARY_DIR}")
    vyr_set_warnings(${T_NAME})
    # The test's own code is compiled with less optimisation than the code it tests: it runs
    # once, and -O1 compiles it about a third faster.
    target_compile_options(${T_NAME} PRIVATE
                           $<$<OR:$<CONFIG:RelWithDebInfo>,$<CONFIG:Release>>:-O1>)
    if(T_XVFB)
        add_test(NAME ${T_NAME}
                 COMMAND xvfb-run -a -s "-screen 0 1280x1024x24 +extension RANDR"
                         $<TARGET_FILE:${T_NAME}>)
    else()
        add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    endif()
    set(env "QT_QPA_PLATFORM=offscreen")
    if(T_XVFB)
        # No test draws with OpenGL. Without the GLX integration no GL driver library is loaded
        # and unloaded again, which would leave the leak checker an allocation of an unknown
        # module at exit.
        set(env "QT_QPA_PLATFORM=xcb" "QT_XCB_GL_INTEGRATION=none")
    endif()
    if(VYR_SANITIZE)
        # The default frame-pointer unwinding on malloc: the slow unwinder made the tree
        # tests, which allocate a widget per row, several times slower. Leak reports still
        # name the library that allocated, which is what the suppressions match.
        list(APPEND env
             "ASAN_OPTIONS=detect_leaks=1"
             "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp"
             "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    endif()
    # The time limits only catch a test that hangs. The whole-editor tests take minutes on two
    # loaded cores, several times that under the sanitizers, so the limits leave room for that;
    # Qt Test's own limit per test function follows CTest's.
    set(timeout 900)
    list(APPEND env "QTEST_FUNCTION_TIMEOUT=${timeout}000")
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "${env}" LABELS "${T_LABELS}" TIMEOUT ${timeout})
    if(T_XVFB)
        # xvfb-run -a picks a free display by probing, which races when two start at once.
        set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK xvfb)
    endif()
endfunction()

# vyr_program_folder(<target> <folder> PLUGINS <plug-in targets...>)
# A custom target that makes <folder> a place the program runs from: the simulated driver
# control library and configuration store beside it, the plug-ins in its plugins/ folder.
function(vyr_program_folder target folder)
    cmake_parse_arguments(PARSE_ARGV 2 F "" "" "PLUGINS")
    set(F_PLUGINS_FILES "")
    foreach(plugin ${F_PLUGINS})
        list(APPEND F_PLUGINS_FILES $<TARGET_FILE:${plugin}>)
    endforeach()
    add_custom_target(${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/plugins
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                $<TARGET_FILE:wexnoxxx> $<TARGET_FILE:vyrpcs> ${folder}/
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${F_PLUGINS_FILES} ${folder}/plugins/
        DEPENDS wexnoxxx vyrpcs ${F_PLUGINS}
        COMMENT "Program folder ${folder}")
endfunction()

# vyr_include_root(<target> <name>): includes of <target>'s sources and of its users name the
# target's folder, the current source folder, as <name> ("frame/vyredidrowobject.h"). The
# include path they get for it is a folder of the build tree that holds that one name, a link
# to the source folder, and nothing else: a header of a folder that <target> does not link is
# not found from it, so an include that crosses the layers upwards does not compile (the layer
# probe, tests/layers/, checks it).
function(vyr_include_root target name)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()

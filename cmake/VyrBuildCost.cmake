# What keeps a whole build cheap: line-table debug information, the gold linker, unity builds and
# precompiled Qt headers.
#
# Every target of the project passes through vyr_set_warnings(), which records it here. Once
# all targets are defined, vyr_precompile_qt_headers() gives each recorded target the
# precompiled Qt headers of the Qt modules it links (directly or through the project's own
# libraries). One small host library per set of modules builds that header once; every other
# target of the set reuses it, so the Qt headers are parsed a handful of times per build instead
# of once per source file. -Winvalid-pch makes a header the compiler would not take (other flags,
# other Qt macros) an error under VYR_WERROR instead of a silent slow build.

option(VYR_PCH "Precompile the Qt headers, once per set of Qt modules" ON)
option(VYR_UNITY "Build each library in batches of sources (unity build)" ON)

# Line tables and function names are what a backtrace and a sanitizer report need; full debug
# information (-DVYR_DEBUG_INFO=-g, for stepping through locals) makes every object file and link
# several times larger.
set(VYR_DEBUG_INFO "-g1" CACHE STRING "Debug information option of the Debug and RelWithDebInfo builds")
foreach(language C CXX)
    foreach(config DEBUG RELWITHDEBINFO)
        string(REGEX REPLACE "(^| )-g[0-9]?( |$)" "\\1${VYR_DEBUG_INFO}\\2"
               CMAKE_${language}_FLAGS_${config} "${CMAKE_${language}_FLAGS_${config}}")
    endforeach()
endforeach()

# The gold linker links the test executables in about half the time of the default one.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    include(CheckLinkerFlag)
    check_linker_flag(CXX -fuse-ld=gold VYR_HAVE_GOLD)
    if(VYR_HAVE_GOLD)
        add_link_options(-fuse-ld=gold)
    endif()
endif()

# The headers each set of modules precompiles. A test executable takes <QtTest> whole (its
# sources include it, and it brings all of Qt Core); the rest take the classes most sources use.
set(VYR_PCH_CORE <QObject> <QString> <QStringList> <QByteArray> <QList> <QVector> <QMap>
                 <QHash> <QVariant> <QDebug> <QFile> <QDir> <QCoreApplication> <QPointer>
                 <QtGlobal> <vector> <memory> <functional> <algorithm>)
set(VYR_PCH_GUI <QIcon> <QColor> <QFont> <QPainter>)
set(VYR_PCH_WIDGETS <QWidget> <QApplication> <QLineEdit> <QComboBox> <QCheckBox> <QLabel>
                    <QPushButton> <QToolButton> <QTreeWidget> <QTreeWidgetItem> <QHBoxLayout>
                    <QVBoxLayout> <QGridLayout> <QMainWindow> <QMenu> <QAction>
                    <QMessageBox> <QDialog> <QSpinBox> <QRadioButton> <QGroupBox>
                    <QStackedWidget> <QHeaderView> <QTableWidget>)
set(VYR_PCH_TEST <QtTest> <QSignalSpy>)

# vyr_record_target(<target>): a target of the project's own, built with the project's flags.
function(vyr_record_target target)
    set_property(GLOBAL APPEND PROPERTY VYR_RECORDED_TARGETS ${target})
    if(VYR_UNITY)
        get_target_property(type ${target} TYPE)
        # Executables here are one source each (and their moc file); libraries gain.
        if(NOT type STREQUAL "EXECUTABLE")
            set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
        endif()
    endif()
endfunction()

# vyr_unity_apart(<target> <sources...>): sources that keep a batch of their own, because
# file-local names of theirs (an enum Field, a constant, a using-directive) meet the same name in
# another source of the target. The caller says which names.
function(vyr_unity_apart target)
    set_source_files_properties(${ARGN} TARGET_DIRECTORY ${target}
                                PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endfunction()

# Collects into <out> the Qt modules (Gui, Widgets, Test) that <target> links, following the
# project's own libraries.
function(_vyr_qt_modules target out)
    set(pending ${target})
    set(seen "")
    set(modules "")
    while(pending)
        list(POP_FRONT pending item)
        if(item IN_LIST seen OR NOT TARGET ${item})
            continue()
        endif()
        list(APPEND seen ${item})
        foreach(module Gui Widgets Test)
            if(item STREQUAL "Qt5::${module}")
                list(APPEND modules ${module})
            endif()
        endforeach()
        if(item MATCHES "^Qt5::")
            continue()
        endif()
        get_target_property(type ${item} TYPE)
        set(links "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${item} LINK_LIBRARIES)
            if(direct)
                list(APPEND links ${direct})
            endif()
        endif()
        get_target_property(passed ${item} INTERFACE_LINK_LIBRARIES)
        if(passed)
            list(APPEND links ${passed})
        endif()
        foreach(link ${links})
            # A static library passes its private links on as $<LINK_ONLY:...>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            list(APPEND pending ${link})
        endforeach()
    endwhile()
    if("Widgets" IN_LIST modules)
        list(APPEND modules Gui)
    endif()
    list(REMOVE_DUPLICATES modules)
    list(SORT modules)
    set(${out} ${modules} PARENT_SCOPE)
endfunction()

# The host target that builds the precompiled header for one set of modules.
function(_vyr_pch_host modules out)
    string(REPLACE ";" "" key "pch${modules}")
    string(TOLOWER "vyr${key}" host)
    if(NOT TARGET ${host})
        set(source ${CMAKE_BINARY_DIR}/pch/${host}.cpp)
        file(GENERATE OUTPUT ${source} CONTENT "// The host of a precompiled header.\n")
        add_library(${host} STATIC ${source})
        set(headers ${VYR_PCH_CORE})
        set(libs Qt5::Core)
        foreach(module ${modules})
            string(TOUPPER ${module} upper)
            list(APPEND headers ${VYR_PCH_${upper}})
            list(APPEND libs Qt5::${module})
        endforeach()
        target_link_libraries(${host} PRIVATE ${libs})
        target_precompile_headers(${host} PRIVATE ${headers})
        set_target_properties(${host} PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
        vyr_warning_options(${host})
        target_compile_options(${host} PRIVATE -Winvalid-pch)
    endif()
    set(${out} ${host} PARENT_SCOPE)
endfunction()

# Gives every recorded target the precompiled headers of its set of Qt modules. A target with
# flags of its own that the shared header was not built with keeps parsing its headers: one
# with the property VYR_NO_PCH, and one with a CXX_VISIBILITY_PRESET (the platform stand-ins,
# which hide their symbols).
function(vyr_precompile_qt_headers)
    if(NOT VYR_PCH)
        return()
    endif()
    get_property(targets GLOBAL PROPERTY VYR_RECORDED_TARGETS)
    foreach(target ${targets})
        get_target_property(skip ${target} VYR_NO_PCH)
        get_target_property(visibility ${target} CXX_VISIBILITY_PRESET)
        if(skip OR visibility)
            continue()
        endif()
        _vyr_qt_modules(${target} modules)
        _vyr_pch_host("${modules}" host)
        target_precompile_headers(${target} REUSE_FROM ${host})
        target_compile_options(${target} PRIVATE -Winvalid-pch)
        # A test includes the moc output of its own source, which leaves the moc file of the
        # executable empty; loading the header there would cost more than the file.
        get_target_property(type ${target} TYPE)
        get_target_property(automoc ${target} AUTOMOC)
        if(type STREQUAL "EXECUTABLE" AND automoc)
            get_target_property(binary ${target} BINARY_DIR)
            set_source_files_properties(${binary}/${target}_autogen/mocs_compilation.cpp
                                        TARGET_DIRECTORY ${target}
                                        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
endfunction()

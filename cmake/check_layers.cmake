# The core's layers, kept by the test run: a file in a core folder includes only its own
# folder and the folders of lower layers, and nothing in the core includes Qt or the GUI.
#   cmake -DCORE_DIR=<path to src/core> -P check_layers.cmake
# Prints every offending include and fails when there is one.

# Lowest first; folders of one layer (joined by commas) do not include each other either.
set(layers text calendar,io,commands settings store schedule,reports,editors app)

get_filename_component(CORE_DIR "${CORE_DIR}" ABSOLUTE)
if(NOT IS_DIRECTORY "${CORE_DIR}")
    message(FATAL_ERROR "CORE_DIR is not a folder: ${CORE_DIR}")
endif()

set(rank 0)
foreach(layer IN LISTS layers)
    string(REPLACE "," ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        set(rank_of_${folder} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

set(faults "")
file(GLOB_RECURSE sources RELATIVE "${CORE_DIR}" "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
list(SORT sources)
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT DEFINED rank_of_${folder})
        string(APPEND faults "${source}: the folder ${folder} has no place in the layers\n")
        continue()
    endif()
    file(STRINGS "${CORE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "<(Q[A-Za-z]*|qt[^>]*)>")
            string(APPEND faults "${source}: includes ${CMAKE_MATCH_1}: the core stays free of Qt\n")
        elseif(line MATCHES "\"(gui/[^\"]*)\"")
            string(APPEND faults "${source}: includes ${CMAKE_MATCH_1}: the core stays free of Qt\n")
        elseif(line MATCHES "\"core/([^/\"]+)/[^\"]*\"")
            set(target "${CMAKE_MATCH_1}")
            if(target STREQUAL folder)
                continue()
            endif()
            if(NOT DEFINED rank_of_${target})
                string(APPEND faults "${source}: includes core/${target}/, which has no place in the layers\n")
            elseif(NOT rank_of_${target} LESS rank_of_${folder})
                string(APPEND faults
                       "${source}: includes core/${target}/, which is not below ${folder}/\n")
            endif()
        endif()
    endforeach()
endforeach()

if(faults)
    message("${faults}")
    message(FATAL_ERROR "The core's layers are broken (lowest first: text, calendar/io/commands, "
                        "settings, store, schedule/reports/editors, app).")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} core files keep to the layers")

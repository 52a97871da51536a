# Holds an exe's import table against reviewed lists of the DLLs and functions it may import, so
# that a new import fails the build until someone has checked it against the oldest Windows the
# program supports.
#
#   cmake -DOBJDUMP=<objdump> -DEXE=<program.exe> -DALLOWED=<list>[;<list>...] -P check_imports.cmake
#
# A list holds one DLL!function a line; '#' starts a comment. DLL names compare without regard to
# case, as Windows loads them; function names compare exactly.

cmake_minimum_required(VERSION 3.21)

foreach(variable OBJDUMP EXE ALLOWED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check_imports.cmake needs -D${variable}=...")
    endif()
endforeach()

# Upper-cases the DLL part of DLL!function.
function(normalise_import import outVariable)
    string(FIND "${import}" "!" bang)
    string(SUBSTRING "${import}" 0 ${bang} dll)
    string(SUBSTRING "${import}" ${bang} -1 function)
    string(TOUPPER "${dll}" dll)
    set(${outVariable} "${dll}${function}" PARENT_SCOPE)
endfunction()

function(read_allowed_imports outVariable)
    set(allowed "")
    foreach(listFile IN LISTS ALLOWED)
        file(STRINGS "${listFile}" lines)
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "#.*" "" line "${line}")
            string(STRIP "${line}" line)
            if(line STREQUAL "")
                continue()
            endif()
            if(NOT line MATCHES "^[A-Za-z0-9_.]+![A-Za-z0-9_@?$]+$")
                message(FATAL_ERROR "${listFile}: not a DLL!function entry: '${line}'")
            endif()
            normalise_import("${line}" entry)
            list(APPEND allowed "${entry}")
        endforeach()
    endforeach()
    set(${outVariable} "${allowed}" PARENT_SCOPE)
endfunction()

# Reads the import table as objdump -p prints it: a "DLL Name:" line, a "vma:" heading, then one
# line per function (address, hint, name) up to a blank line. An import by ordinal has no name
# and cannot be reviewed, so it is reported as it stands.
function(read_imports outVariable)
    execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump ERROR_VARIABLE errors
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed: ${errors}")
    endif()
    # Functions loaded at first use through a delay-import table would escape this review.
    if(dump MATCHES "Entry d ([0-9a-fA-F]+) [0-9a-fA-F]+ Delay Import Directory" AND
       NOT CMAKE_MATCH_1 MATCHES "^0+$")
        message(FATAL_ERROR "${EXE} has delay-loaded imports, which this check cannot review")
    endif()
    # CMake lists split on ';' and treat brackets specially; neither occurs in an import.
    string(REGEX REPLACE "[][;]" " " dump "${dump}")
    string(REPLACE "\n" ";" lines "${dump}")
    set(imports "")
    set(dll "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^\tDLL Name: (.+)$")
            set(dll "${CMAKE_MATCH_1}")
        elseif(NOT line MATCHES "^\t")
            set(dll "")  # a blank line or the next table: this DLL's functions have ended
        elseif(dll STREQUAL "" OR line MATCHES "^\tvma:")
            continue()
        elseif(line MATCHES "^\t[0-9a-fA-F]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_@?$]*)$")
            list(APPEND imports "${dll}!${CMAKE_MATCH_1}")
        else()
            string(STRIP "${line}" line)
            list(APPEND imports "${dll}!<by ordinal: ${line}>")
        endif()
    endforeach()
    if(imports STREQUAL "")
        message(FATAL_ERROR "No imports found in ${EXE}: objdump's output was not understood")
    endif()
    set(${outVariable} "${imports}" PARENT_SCOPE)
endfunction()

read_allowed_imports(allowed)
read_imports(imports)

set(allowedDlls "")
foreach(entry IN LISTS allowed)
    string(REGEX REPLACE "!.*" "" dll "${entry}")
    list(APPEND allowedDlls "${dll}")
endforeach()

set(unknownDlls "")
set(unknownFunctions "")
foreach(import IN LISTS imports)
    normalise_import("${import}" entry)
    string(REGEX REPLACE "!.*" "" dll "${entry}")
    if(NOT dll IN_LIST allowedDlls)
        list(APPEND unknownDlls "${dll}")
    elseif(NOT entry IN_LIST allowed)
        list(APPEND unknownFunctions "${import}")
    endif()
endforeach()
list(REMOVE_DUPLICATES unknownDlls)

if(unknownDlls OR unknownFunctions)
    set(report "${EXE} imports what the reviewed lists do not allow.\n")
    foreach(dll IN LISTS unknownDlls)
        string(APPEND report "  DLL not in the list: ${dll}\n")
    endforeach()
    foreach(import IN LISTS unknownFunctions)
        string(APPEND report "  function not in the list: ${import}\n")
    endforeach()
    string(APPEND report "Check each against the oldest supported Windows (XP SP3) before adding it "
                         "to ${ALLOWED}, or resolve it at run time.")
    message(FATAL_ERROR "${report}")
endif()
list(LENGTH imports count)
message(STATUS "${EXE}: all ${count} imports are in the reviewed lists")

# Holds an exe's PE header to the defences that Windows reads from it: each DllCharacteristics
# flag named in REQUIRED must be set, and the exe must carry the relocations that loading it at a
# random address needs.
#
#   cmake -DOBJDUMP=<objdump> -DEXE=<program.exe> -DREQUIRED=<flag>[;<flag>...] -P check_pe_flags.cmake
#
# Flags are named as the PE format names them, without IMAGE_DLLCHARACTERISTICS_: HIGH_ENTROPY_VA,
# DYNAMIC_BASE, NX_COMPAT, TERMINAL_SERVER_AWARE.

cmake_minimum_required(VERSION 3.21)

foreach(variable OBJDUMP EXE REQUIRED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check_pe_flags.cmake needs -D${variable}=...")
    endif()
endforeach()

set(flagBit_HIGH_ENTROPY_VA 0x0020)
set(flagBit_DYNAMIC_BASE 0x0040)
set(flagBit_NX_COMPAT 0x0100)
set(flagBit_TERMINAL_SERVER_AWARE 0x8000)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump ERROR_VARIABLE errors
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed: ${errors}")
endif()
if(NOT dump MATCHES "\nDllCharacteristics[ \t]+([0-9a-fA-F]+)\n")
    message(FATAL_ERROR "No DllCharacteristics in ${EXE}: objdump's output was not understood")
endif()
set(characteristics "0x${CMAKE_MATCH_1}")
if(NOT dump MATCHES "\nEntry 5 [0-9a-fA-F]+ ([0-9a-fA-F]+) Base Relocation Directory")
    message(FATAL_ERROR "No relocation directory entry in ${EXE}: objdump's output was not understood")
endif()
set(relocationBytes "0x${CMAKE_MATCH_1}")

set(problems "")
foreach(flag IN LISTS REQUIRED)
    if(NOT DEFINED flagBit_${flag})
        message(FATAL_ERROR "Unknown flag ${flag}")
    endif()
    math(EXPR set "${characteristics} & ${flagBit_${flag}}")
    if(set EQUAL 0)
        string(APPEND problems "  lacks ${flag}\n")
    endif()
endforeach()
math(EXPR relocationBytes "${relocationBytes}")
if(relocationBytes EQUAL 0)
    string(APPEND problems "  has no relocations, so it cannot be loaded at a random address\n")
endif()

if(problems)
    message(FATAL_ERROR "${EXE} (DllCharacteristics ${characteristics}):\n${problems}")
endif()
list(JOIN REQUIRED ", " required)
message(STATUS "${EXE}: DllCharacteristics ${characteristics} has ${required}; "
               "${relocationBytes} bytes of relocations")

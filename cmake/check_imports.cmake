cmake_minimum_required(VERSION 3.20)
# Checks one Windows module: it imports only Windows system DLLs (no C++ or
# threading runtime DLLs that a host machine may lack), and it exports each
# name in EXPORTS under its plain, undecorated name.
#   cmake -DOBJDUMP=... -DMODULE=file.dll [-DEXPORTS=a,b] -P check_imports.cmake
set(system_dlls ADVAPI32.DLL AVIFIL32.DLL COMCTL32.DLL COMDLG32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL
    MSVFW32.DLL OLE32.DLL SHELL32.DLL USER32.DLL WINMM.DLL)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${MODULE}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${MODULE}: no import table found")
endif()
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" upper)
  if(NOT upper IN_LIST system_dlls)
    message(SEND_ERROR "${MODULE} imports ${dll}, which is not a Windows system DLL")
  endif()
  message(STATUS "imports ${dll}")
endforeach()

string(REPLACE "," ";" exports "${EXPORTS}")
foreach(name IN LISTS exports)
  if(NOT dump MATCHES "\\] ${name}\n")
    message(SEND_ERROR "${MODULE} does not export ${name} under its plain name")
  endif()
endforeach()

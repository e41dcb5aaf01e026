cmake_minimum_required(VERSION 3.20)
# Makes TO a copy of the sample installation tree FROM without its plug-in
# folders LIBS and WARPS, which the build that owns TO fills with modules of
# its own architecture. Files that are gone from FROM are removed from TO;
# unchanged files are not copied again.
#   cmake -DFROM=tree -DTO=copy -P copy_sample_install.cmake
if(NOT IS_DIRECTORY "${FROM}/EFFECTS")
  message(FATAL_ERROR "No sample installation at ${FROM}: build the native configuration first")
endif()

set(plugin_folders "^(LIBS|WARPS)(/|$)")
file(GLOB_RECURSE wanted RELATIVE ${FROM} ${FROM}/*)
file(GLOB_RECURSE present RELATIVE ${TO} ${TO}/*)
foreach(file IN LISTS present)
  if(NOT file MATCHES "${plugin_folders}" AND NOT file IN_LIST wanted)
    file(REMOVE ${TO}/${file})
  endif()
endforeach()
file(MAKE_DIRECTORY ${TO})
file(GLOB entries RELATIVE ${FROM} ${FROM}/*)
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "${plugin_folders}")
    file(COPY ${FROM}/${entry} DESTINATION ${TO})
  endif()
endforeach()

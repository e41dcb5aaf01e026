# Test helpers shared by every configuration.
#
# GoogleTest is built from Debian's source package so that the same tests build
# natively and for Windows.
enable_testing()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# vta_add_test(NAME name SOURCES ... LIBS ... [LABELS ...] [SERIAL])
# Builds a GoogleTest program and registers it with CTest. Windows programs run
# under Wine through the toolchain's emulator.
function(vta_add_test)
  cmake_parse_arguments(T "SERIAL" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 600)
  if(T_SERIAL)
    set_tests_properties(${T_NAME} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

# vta_test_path(VAR PATH): PATH (an absolute path of this machine, generator
# expressions allowed) as this build's test programs must name it. Windows
# programs run under Wine, which shows the machine's file system as drive Z:.
function(vta_test_path var path)
  if(WIN32)
    set(${var} "Z:${path}" PARENT_SCOPE)
  else()
    set(${var} "${path}" PARENT_SCOPE)
  endif()
endfunction()

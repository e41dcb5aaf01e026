# vta_install_plugin(TARGET FOLDER): makes TARGET_install, which puts the
# plug-in module into FOLDER of the sample installation; targets that need
# the installed module depend on it. The native modules go in with the tree
# itself (sample_install, cmake/sample_install.cmake, which renders the
# effects' icons with them). The 64-bit Windows build copies its module into
# the tree after every build. The 32-bit Windows build is compiled only and
# would overwrite the 64-bit module of the same name, so it installs nothing.
function(vta_install_plugin target folder)
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
  endif()
  if(NOT WIN32)
    add_custom_target(${target}_install)
    add_dependencies(${target}_install sample_install)
    return()
  endif()
  add_custom_target(${target}_install ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VTA_SAMPLE_INSTALL_DIR}/${folder}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${VTA_SAMPLE_INSTALL_DIR}/${folder}/
    COMMENT "Installing ${target} into ${folder} of the sample installation"
    VERBATIM)
  add_dependencies(${target}_install ${target})
endfunction()

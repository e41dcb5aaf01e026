# vta_install_plugin(TARGET FOLDER): makes TARGET_install, which puts the
# plug-in module into FOLDER of the sample installation; targets that need
# the installed module depend on it. The native modules go in with the tree
# itself (sample_install, cmake/sample_install.cmake, which renders the
# effects' icons with them). The Windows builds copy their module into their
# tree after every build: x86_64 into the native tree, i686 into its own copy
# of it (a 32-bit library loads only 32-bit modules, which have the same
# names as the 64-bit ones).
function(vta_install_plugin target folder)
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
  if(TARGET sample_install)
    add_dependencies(${target}_install sample_install)
  endif()
endfunction()

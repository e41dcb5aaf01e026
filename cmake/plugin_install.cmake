# vta_install_plugin(TARGET FOLDER): copies a plug-in module into FOLDER of
# the sample installation after every build (the native build remakes the
# tree from scratch when the samples change, so the copy runs after it).
# The 32-bit Windows build is compiled only and would overwrite the 64-bit
# module of the same name, so it installs nothing.
function(vta_install_plugin target folder)
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
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

# The sample installation: effects, textures, group lists and preview
# placeholders built by `vtafx install` from samples/.
#
# VTA_SAMPLE_INSTALL_DIR is the one place its path is kept. The native build
# builds the tree there (target sample_install, part of the default build).
# The Windows builds do not run vtafx at build time; they point at the native
# build's tree beside them (build/native/install when the builds live in
# build/<name>, as scripts/lib/common.sh makes them). Override with
# -DVTA_SAMPLE_INSTALL_DIR=... when the layout differs.
if(WIN32)
  get_filename_component(vta_default_install ${CMAKE_BINARY_DIR}/../native/install ABSOLUTE)
else()
  set(vta_default_install ${CMAKE_BINARY_DIR}/install)
endif()
set(VTA_SAMPLE_INSTALL_DIR ${vta_default_install} CACHE PATH "Sample installation tree")

# The native tree also gets this build's renderer (LIBS) and sample warp
# (WARPS), and Rnd_Software renders the effects' icons, so a change to
# either plug-in remakes the tree. The plug-in targets are defined after
# this file; target names and generator expressions resolve when the build
# files are generated.
if(NOT WIN32)
  file(GLOB_RECURSE vta_sample_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/*)
  set(vta_sample_stamp ${CMAKE_BINARY_DIR}/sample_install.stamp)
  add_custom_command(OUTPUT ${vta_sample_stamp}
    COMMAND vtafx install ${CMAKE_SOURCE_DIR}/samples ${VTA_SAMPLE_INSTALL_DIR}
            --renderer $<TARGET_FILE:rnd_software> --warp $<TARGET_FILE:ripple_warp>
    COMMAND ${CMAKE_COMMAND} -E touch ${vta_sample_stamp}
    DEPENDS vtafx rnd_software ripple_warp ${vta_sample_sources}
    COMMENT "Building the sample installation in ${VTA_SAMPLE_INSTALL_DIR}"
    VERBATIM)
  add_custom_target(sample_install ALL DEPENDS ${vta_sample_stamp})
endif()

# The sample installation: effects, textures, group lists and preview
# placeholders built by `vtafx install` from samples/.
#
# VTA_SAMPLE_INSTALL_DIR is the one place a configuration keeps its path. The
# native build builds the tree there (target sample_install, part of the
# default build). The Windows builds do not run vtafx at build time:
# - x86_64 points at the native build's tree beside it (build/native/install
#   when the builds live in build/<name>, as scripts/lib/common.sh makes them)
#   and adds its plug-in modules to that tree;
# - i686 keeps a copy of its own, build/win32/install (target sample_install:
#   the native tree without its plug-in folders LIBS and WARPS), whose LIBS
#   and WARPS hold the i686 modules. A 32-bit library cannot load the 64-bit
#   modules, and the two builds' modules have the same file names.
# Override with -DVTA_SAMPLE_INSTALL_DIR=... (and for i686
# -DVTA_SAMPLE_TREE_DIR=..., the tree it copies) when the layout differs.
get_filename_component(vta_native_install ${CMAKE_BINARY_DIR}/../native/install ABSOLUTE)
if(NOT WIN32)
  set(vta_default_install ${CMAKE_BINARY_DIR}/install)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(vta_default_install ${CMAKE_BINARY_DIR}/install)
  set(VTA_SAMPLE_TREE_DIR ${vta_native_install} CACHE PATH
      "Sample installation tree the i686 copy is made from")
else()
  set(vta_default_install ${vta_native_install})
endif()
set(VTA_SAMPLE_INSTALL_DIR ${vta_default_install} CACHE PATH "Sample installation tree")
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4 AND VTA_SAMPLE_INSTALL_DIR STREQUAL VTA_SAMPLE_TREE_DIR)
  # i686 builds configured when they still shared the native tree: their
  # modules would replace the x86_64 ones there.
  message(STATUS "The i686 sample installation moves to its own copy, ${vta_default_install}")
  set(VTA_SAMPLE_INSTALL_DIR ${vta_default_install} CACHE PATH "Sample installation tree" FORCE)
endif()

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
elseif(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Brought up to date on every build (unchanged files are not copied again),
  # so the copy follows the native tree whenever that is remade.
  add_custom_target(sample_install ALL
    COMMAND ${CMAKE_COMMAND} -DFROM=${VTA_SAMPLE_TREE_DIR} -DTO=${VTA_SAMPLE_INSTALL_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/copy_sample_install.cmake
    COMMENT "Copying the sample installation into ${VTA_SAMPLE_INSTALL_DIR}"
    VERBATIM)
endif()

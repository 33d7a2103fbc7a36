# Gives a Windows program the version block Explorer's Properties and the installer's list show:
# a resource file made from packaging/windows/version.rc.in for the target, with the project's
# version, added to its sources.
function(orvane_version_resource target description)
  set(ORVANE_RC_NAME ${target})
  set(ORVANE_RC_DESCRIPTION "${description}")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()

# Gives a Windows program or DLL the version block that Explorer's Properties,
# Task Manager and the installer's entry show (packaging/windows/version.rc.in),
# and a program its manifest.
#
#   varnick_windows_version(TARGET "Description" [VERSION x.y.z])
#
# VERSION defaults to the project's; Kelvora carries its own.
function(varnick_windows_version target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "VERSION" "")
  if(NOT WIN32 OR NOT TARGET ${target})
    return()
  endif()
  if(arg_VERSION)
    set(PROJECT_VERSION ${arg_VERSION})
  endif()
  string(REPLACE "." ";" version_fields "${PROJECT_VERSION}.0.0")
  list(GET version_fields 0 PROJECT_VERSION_MAJOR)
  list(GET version_fields 1 PROJECT_VERSION_MINOR)
  list(GET version_fields 2 PROJECT_VERSION_PATCH)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(VARNICK_FILE_TYPE VFT_DLL)
    set(VARNICK_FILE_NAME ${target}.dll)
    set(VARNICK_MANIFEST "")
  else()
    set(VARNICK_FILE_TYPE VFT_APP)
    set(VARNICK_FILE_NAME ${target}.exe)
    # Programs carry a manifest (packaging/windows/program.manifest): long paths, run as the user.
    set(VARNICK_MANIFEST "1 24 \"${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest\"")
  endif()
  set(VARNICK_FILE_DESCRIPTION "${description}")
  set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# The flags a Debian package build compiles and links with, as debhelper passes them: CXXFLAGS
# with CPPFLAGS appended, and LDFLAGS. Unless the caller chooses otherwise, every hardening
# feature is asked for, so the programs get fortified functions, the strong stack protector and
# full RELRO with immediate binding (-z relro -z now), as lintian expects of a package. They come
# after the build type's flags, so dpkg-buildflags' -O2 is the optimisation used. Without -g: the
# installed programs are stripped and no debug symbol package is made, and debug information
# nearly doubles the compile time.
find_program(QM_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT QM_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "QM_DEB_BUILDFLAGS needs dpkg-buildflags (package dpkg-dev; `make deps` installs it)")
endif()
if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  set(options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
else()
  set(options "hardening=+all")
endif()

# From the source folder, so its -ffile-prefix-map maps the sources' paths out of the binaries.
function(qm_deb_buildflags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${options}" DEB_CXXFLAGS_MAINT_STRIP=-g
            ${QM_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

qm_deb_buildflags(CXXFLAGS cxxflags)
qm_deb_buildflags(CPPFLAGS cppflags)
qm_deb_buildflags(LDFLAGS ldflags)
message(STATUS "Debian build flags: ${cxxflags} ${cppflags}; linking: ${ldflags}")
add_compile_options(${cxxflags} ${cppflags})
add_link_options(${ldflags})

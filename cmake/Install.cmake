# The installed layout. Each program lives in its own folder under lib/ with the files it reads
# beside it, exactly as in the build's bin/ folder, so it finds them the same way; bin/ holds a
# link to each. The receiver simulator goes straight to bin/. Tests and the link benchmark stay
# in the build.
#
#   <prefix>/lib/quillonedit/   quillonedit, Help/, Examples/Blank.001 .. .008
#   <prefix>/lib/merrowedit/    merrowedit, Help/, States/ (when the build has state files)
#   <prefix>/bin/               quillonedit, merrowedit (links), merrow-receiver-sim
#   <prefix>/share/applications/, <prefix>/share/icons/hicolor/scalable/apps/
#   <prefix>/share/man/man1/       a manual page for each program in bin/
#   <prefix>/share/doc/quillon-merrow/   copyright, changelog.Debian.gz
#   <prefix>/share/lintian/overrides/quillon-merrow   lintian's notes this package answers
set(QM_PROGRAM_FOLDER ${CMAKE_BINARY_DIR}/bin)
set(QM_PACKAGE_NAME quillon-merrow)
set(QM_PACKAGE_RELEASE 1)
# The Maintainer field of the package; the trailer lines of data/package/changelog.Debian use it.
set(QM_PACKAGE_MAINTAINER "Quillon and Merrow editors <maintainers@users.noreply.c-seed-0cb4da78.example>")

install(TARGETS quillonedit RUNTIME DESTINATION lib/quillonedit)
install(TARGETS merrowedit RUNTIME DESTINATION lib/merrowedit)
install(TARGETS merrow-receiver-sim RUNTIME DESTINATION bin)
# A stripped install (`cmake --install --strip`, the package) also drops the compiler's version
# notes, as dh_strip does; plain strip keeps them.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program lib/quillonedit/quillonedit lib/merrowedit/merrowedit bin/merrow-receiver-sim)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

# Taken from the build's program folder at install time, so files the build copies there later
# (new help pages, the state files) are installed without reconfiguring.
install(DIRECTORY ${QM_PROGRAM_FOLDER}/Help DESTINATION lib/quillonedit PATTERN "Merrow.*" EXCLUDE)
install(DIRECTORY ${QM_PROGRAM_FOLDER}/Help DESTINATION lib/merrowedit PATTERN "Quillon.*" EXCLUDE)
install(DIRECTORY ${QM_PROGRAM_FOLDER}/States DESTINATION lib/merrowedit OPTIONAL)
install(FILES ${QM_EXAMPLE_PAGES} DESTINATION lib/quillonedit/Examples)

foreach(program quillonedit merrowedit)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
    message(STATUS \"Installing: \${link} -> ../lib/${program}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../lib/${program}/${program} \"\${link}\" SYMBOLIC)")
  install(FILES ${PROJECT_SOURCE_DIR}/data/applications/${program}.desktop DESTINATION share/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${program}.svg DESTINATION share/icons/hicolor/scalable/apps)
endforeach()

install(FILES ${QM_MAN_PAGES} DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright ${QM_DEBIAN_CHANGELOG}
        DESTINATION share/doc/${QM_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/data/package/lintian-overrides
        DESTINATION share/lintian/overrides RENAME ${QM_PACKAGE_NAME})

# The changelog's newest entry names the version being packaged; a version bump without a
# changelog entry stops here rather than shipping a package whose changelog disagrees.
set(QM_CHANGELOG ${PROJECT_SOURCE_DIR}/data/package/changelog.Debian)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QM_CHANGELOG})
file(STRINGS ${QM_CHANGELOG} newest LIMIT_COUNT 1)
string(FIND "${newest}" "${QM_PACKAGE_NAME} (${PROJECT_VERSION}-${QM_PACKAGE_RELEASE}) " at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "${QM_CHANGELOG} should begin with an entry for "
                      "${QM_PACKAGE_NAME} (${PROJECT_VERSION}-${QM_PACKAGE_RELEASE}), not '${newest}'")
endif()

# `make package`: one Debian package with both programs. Its library dependencies are read from
# the executables by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QM_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editors for the Quillon repeater controller and the Merrow weather receiver")
# Lines of at most 80 characters, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION "quillonedit edits the configuration image of a Quillon repeater
controller (projects of eight 4,096-byte pages). merrowedit sets up a
Merrow SAME weather-alert receiver over an RS-232 line and shows, prints
and saves its alert history. merrow-receiver-sim plays the receiver on a
pseudo-terminal, for trying merrowedit without one.")
set(CPACK_PACKAGE_CONTACT "${QM_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QM_PACKAGE_RELEASE})
# merrowedit opens its web pages with xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)

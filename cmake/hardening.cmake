# Debian's hardening flags, as its packages are built: fortified functions, the stack protector,
# relocations read-only and bound at start (relro, now), and a position-independent program (the
# compiler's default). dpkg-buildflags names them where it is installed; its optimisation and
# debugging flags are left to the build type, and a Debug build, which fortify cannot check,
# goes without.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags INCLUDE REGEX "^(-D_FORTIFY_SOURCE|-fstack-protector|-fstack-clash|-fcf-protection|-Wl,-z,)")
        list(APPEND hardening_flags_${kind} ${flags})
    endforeach()
    add_compile_options(${hardening_flags_CPPFLAGS} ${hardening_flags_CXXFLAGS})
    add_link_options(${hardening_flags_LDFLAGS})
endif()

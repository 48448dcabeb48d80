# Debian's hardening flags for the plain build, so that the package is built with them: stack
# protector, fortified libc calls (-D_FORTIFY_SOURCE=2), format checks, and relocations made
# read-only and bound at start-up (relro, now). -g and -O come from the build type; the
# file-prefix map is left out because it names the checkout, which would keep ccache from
# sharing objects between checkouts (the packaged programs are stripped, so no build path
# reaches the package either way).
set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${TUK_DPKG_BUILDFLAGS} --get ${kind} OUTPUT_VARIABLE flags
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-g|-O.*|-ffile-prefix-map=.*)$")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
  list(APPEND TUK_HARDENING_FLAGS ${flags})
endforeach()
message(STATUS "Hardening flags: ${TUK_HARDENING_FLAGS}")

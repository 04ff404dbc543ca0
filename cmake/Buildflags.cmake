# The package build (FLINKBLICK_PACKAGE): Debian's hardening flags, and no path of
# the build in the program, so that the same commit gives the same package bytes
# wherever it is built.

# The flags come from dpkg-buildflags at configure time, as Debian's own builds take
# them: fortify, stack protector, format checks, RELRO and bind-now (PIE is the
# compiler's default on Debian). DEB_*FLAGS_APPEND and the like still apply.
find_program(FLINKBLICK_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT FLINKBLICK_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "FLINKBLICK_PACKAGE needs dpkg-buildflags (Debian package dpkg-dev)")
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${FLINKBLICK_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flinkblick_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  # dpkg-buildflags maps the folder it was asked from; the maps below name the
  # source and build folders themselves, whatever folder cmake was run in.
  string(REGEX REPLACE "-ffile-prefix-map=[^ ]*" "" flinkblick_${kind} "${flinkblick_${kind}}")
  # No -g: the package ships the program stripped and no debug package, and the
  # debug information would name the folders CMake gives the generated moc files,
  # which depend on where the sources and the build are; the build ID is computed
  # over it before the strip.
  string(REGEX REPLACE "(^| )-g( |$)" " " flinkblick_${kind} "${flinkblick_${kind}}")
endforeach()
message(STATUS "Debian build flags: ${flinkblick_CPPFLAGS} ${flinkblick_CXXFLAGS} ${flinkblick_LDFLAGS}")
string(APPEND CMAKE_CXX_FLAGS " ${flinkblick_CPPFLAGS} ${flinkblick_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${flinkblick_LDFLAGS}")

# __FILE__ names the folder of a source or of a moc or resource file in the build
# folder; the later map wins, so a build folder inside the sources becomes build/,
# not ./build.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=." "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")

# Builds the Debian package in its own Release tree, runs lintian on it, installs it,
# reads its manual pages and starts the installed game.
# Without root it checks everything up to the package and reports the install as skipped.
add_test(NAME package_check COMMAND ${PROJECT_SOURCE_DIR}/scripts/package-check.sh)
set_tests_properties(package_check PROPERTIES
  ENVIRONMENT "FLINKBLICK_PACKAGE_BUILD=${CMAKE_BINARY_DIR}/package"
  LABELS "package"
  SKIP_RETURN_CODE 77
  # It builds with every core; running alone keeps the timing-sensitive tests undisturbed.
  RUN_SERIAL TRUE
  TIMEOUT 1800)

# The monkey: a seeded random-event stress test of the real window. It is not a
# tests/test_*.cpp, so it gets its own label and time limit here.
add_executable(test_monkey ${CMAKE_CURRENT_SOURCE_DIR}/stress/monkey.cpp)
target_link_libraries(test_monkey PRIVATE flinkblick_testsupport)
add_test(NAME test_monkey COMMAND test_monkey)
set_tests_properties(test_monkey PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96"
  TIMEOUT 300
  LABELS "stress")

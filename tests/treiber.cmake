# The driver runs the game under QApplication::exec with the real message
# boxes: closing the window in every state, and whole runs for memcheck.
add_executable(test_treiber ${CMAKE_CURRENT_SOURCE_DIR}/treiber/treiber.cpp)
target_link_libraries(test_treiber PRIVATE flinkblick_testsupport)

set(FLINKBLICK_TREIBER_ENV "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96")
foreach(zustand startmenue brett blitz fehlerbox alle50 ergebnis zeitum zeitum-in-fehlerbox)
  add_test(NAME schliessen_${zustand} COMMAND test_treiber schliessen ${zustand})
  set_tests_properties(schliessen_${zustand} PROPERTIES ENVIRONMENT "${FLINKBLICK_TREIBER_ENV}" TIMEOUT 120 LABELS "unit")
endforeach()
# Through the window's frame, as the player closes it when no box is open.
foreach(zustand startmenue brett blitz)
  add_test(NAME schliessen_${zustand}_rahmen COMMAND test_treiber schliessen ${zustand} frame)
  set_tests_properties(schliessen_${zustand}_rahmen PROPERTIES ENVIRONMENT "${FLINKBLICK_TREIBER_ENV}" TIMEOUT 120 LABELS "unit")
endforeach()
foreach(lauf einfach ausdauer)
  add_test(NAME lauf_${lauf} COMMAND test_treiber ${lauf})
  set_tests_properties(lauf_${lauf} PROPERTIES ENVIRONMENT "${FLINKBLICK_TREIBER_ENV}" TIMEOUT 120 LABELS "unit")
endforeach()

# The same two runs under valgrind memcheck. Not in a sanitizer build: the two
# tools do not run together.
find_program(VALGRIND valgrind)
if(VALGRIND AND NOT FLINKBLICK_SANITIZE)
  foreach(lauf einfach ausdauer)
    add_test(NAME memcheck_${lauf}
      COMMAND ${VALGRIND} --tool=memcheck --error-exitcode=99 --leak-check=full
              --errors-for-leak-kinds=definite --show-leak-kinds=definite --track-origins=yes
              --num-callers=30
              $<TARGET_FILE:test_treiber> ${lauf})
    set_tests_properties(memcheck_${lauf} PROPERTIES
      ENVIRONMENT "${FLINKBLICK_TREIBER_ENV};FLINKBLICK_TREIBER_FRIST=600"
      TIMEOUT 900 LABELS "memcheck")
  endforeach()
endif()

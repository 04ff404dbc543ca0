# The window icon lives in the program's resources; the window test checks it.
target_sources(test_fenster PRIVATE ${PROJECT_SOURCE_DIR}/data/flinkblick.qrc)

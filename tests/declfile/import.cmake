# The import of accounting-system files: the run, segment A, segments B to S,
# each declaration whole or absent, the batch command.
vexa_add_test(test_declfile_import
  SOURCES
    import/AccountLines.cpp import/AccountLines.h
    import/ImportCliTest.cpp
    import/ImportFixture.cpp import/ImportFixture.h
    import/ImportRunTest.cpp
    import/SegmentAChecksTest.cpp
    import/SegmentChecksTest.cpp
    import/WholeOrAbsentTest.cpp
  LIBS vexa_declfile
)
add_dependencies(test_declfile_import vexa-cli)
target_compile_definitions(test_declfile_import PRIVATE VEXA_CLI_PATH="$<TARGET_FILE:vexa-cli>")

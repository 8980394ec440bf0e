# The import of the previous version: 9.6 folders written with pxlib, hostile
# tables and readers, a fuzz run, the batch command; the screen.
find_library(PXLIB_LIBRARY NAMES px REQUIRED)
find_path(PXLIB_INCLUDE_DIR NAMES paradox.h REQUIRED)

vexa_add_test(test_declfile_previous
  SOURCES
    previous/ParadoxWriter.cpp previous/ParadoxWriter.h
    previous/PreviousFixture.cpp previous/PreviousFixture.h
    previous/PreviousVersionTest.cpp
  LIBS vexa_declfile ${PXLIB_LIBRARY}
)
target_include_directories(test_declfile_previous PRIVATE ${PXLIB_INCLUDE_DIR})
add_dependencies(test_declfile_previous vexa-cli)
target_compile_definitions(test_declfile_previous PRIVATE VEXA_CLI_PATH="$<TARGET_FILE:vexa-cli>")

vexa_add_test(test_declfile_previous_ui GUI
  SOURCES
    previous/ParadoxWriter.cpp previous/ParadoxWriter.h
    previous/PreviousFixture.cpp previous/PreviousFixture.h
    previous/FrmImportaVersao96Test.cpp
  LIBS vexa_declfile_ui ${PXLIB_LIBRARY} Qt6::Test
)
target_include_directories(test_declfile_previous_ui PRIVATE ${PXLIB_INCLUDE_DIR})

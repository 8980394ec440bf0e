# The main job end to end: the example script run as processes on a fresh
# program folder, the decoded submission files compared with the sample
# accounting-system file declaration by declaration.
vexa_add_test(test_declfile_mainjob
  SOURCES
    mainjob/DeclarationDescription.cpp mainjob/DeclarationDescription.h
    mainjob/MainJobTest.cpp
    mainjob/SampleFolder.cpp mainjob/SampleFolder.h
  LIBS vexa_declfile
)
add_dependencies(test_declfile_mainjob vexa-cli)

# The sample file is what its generator writes.
find_package(Python3 COMPONENTS Interpreter QUIET)
if(Python3_Interpreter_FOUND)
  add_test(NAME declfile_sample_up_to_date
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/examples/make-sample.py --check)
endif()

# The screen "Importa arquivo de VEXA" over the sample file, and its menu command.
vexa_add_test(test_declfile_import_ui GUI
  SOURCES
    mainjob/FrmImportaDadosTest.cpp
    mainjob/SampleFolder.cpp mainjob/SampleFolder.h
  LIBS vexa_declfile_ui vexa_app_ui
)
add_dependencies(test_declfile_import_ui vexa-cli)

# Hostile input: mutated sample files through the line reader and the import,
# for a bounded time (VEXA_FUZZ_SECONDS, default 15).
vexa_add_test(test_declfile_fuzz
  SOURCES
    fuzz/ImportFuzzTest.cpp
    mainjob/SampleFolder.cpp mainjob/SampleFolder.h
  LIBS vexa_declfile
)
add_dependencies(test_declfile_fuzz vexa-cli)

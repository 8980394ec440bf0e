# Records of the submission file: field forms, every segment at its positions,
# record order and counts, values that do not fit.
vexa_add_test(test_declfile_layout
  SOURCES
    layout/FieldFormsTest.cpp
    layout/LayoutFixture.cpp layout/LayoutFixture.h
    layout/RecordLayoutTest.cpp
    layout/RefusalTest.cpp
  LIBS vexa_declfile
)

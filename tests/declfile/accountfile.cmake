# The accounting-system file reader: lines, bytes, reading forms, segment A.
vexa_add_test(test_declfile_accountfile
  SOURCES
    accountfile/AccountFileTest.cpp
    import/AccountLines.cpp import/AccountLines.h
  LIBS vexa_declfile
)

# Reader of the accounting systems' declaration file: lines streamed in code
# page 1252, the record header, the reading forms, the fields of segment A.
target_sources(vexa_declfile PRIVATE
  AccountFile.cpp AccountFile.h
)

# Import of the accounting systems' declaration file: the run over the file,
# segment A's checks and storing, the readers of segments B to S, the final
# adjustments; one transaction per declaration.
target_sources(vexa_declfile PRIVATE
  Import.cpp Import.h
  ImportSegmentA.cpp
  ImportState.cpp ImportState.h
  SegmentChecksBE.cpp
  SegmentChecksCommon.cpp
  SegmentChecksGL.cpp
  SegmentChecksMS.cpp
)
target_link_libraries(vexa_declfile PUBLIC vexa_declaration vexa_storage Qt6::Sql)

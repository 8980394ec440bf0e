# The export run: the period's list, the checks while the records are
# produced, the reports, the container and the file written in one piece.
target_sources(vexa_declfile PRIVATE
  Export.cpp Export.h
  ExportChecks.h
  ExportList.cpp ExportList.h
)

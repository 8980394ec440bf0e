# Import of the previous version's database (9.6): its Paradox tables are read
# by the helper vexa-pxdump (pxlib) in a child process, one table at a time,
# and copied in one transaction.
target_sources(vexa_declfile PRIVATE
  ParadoxTable.cpp ParadoxTable.h
  PreviousVersion.cpp PreviousVersion.h
)
target_link_libraries(vexa_declfile PUBLIC vexa_storage Qt6::Sql)

find_library(PXLIB_LIBRARY NAMES px REQUIRED)
find_path(PXLIB_INCLUDE_DIR NAMES paradox.h REQUIRED)

# The reader of one Paradox table: plain C++ over pxlib, no Qt, so that it
# starts fast and a malformed table can only ever end this process.
add_executable(vexa-pxdump ParadoxDump.cpp)
target_include_directories(vexa-pxdump PRIVATE ${PXLIB_INCLUDE_DIR})
target_link_libraries(vexa-pxdump PRIVATE ${PXLIB_LIBRARY})
vexa_warnings(vexa-pxdump)
# Whatever links the import finds the reader beside it.
add_dependencies(vexa_declfile vexa-pxdump)

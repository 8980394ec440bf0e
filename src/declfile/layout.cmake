# Records of the submission file: the field forms, the record of every
# segment, a declaration read for the file and turned into its records.
target_sources(vexa_declfile PRIVATE
  DeclarationData.h
  DeclarationReader.cpp DeclarationReader.h
  DeclarationRecords.cpp DeclarationRecords.h
  FieldForms.cpp FieldForms.h
  RecordLayout.cpp RecordLayout.h
)
target_link_libraries(vexa_declfile PUBLIC vexa_declaration vexa_storage Qt6::Sql)

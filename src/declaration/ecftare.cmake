# Items 3.8.1 and 3.4.1: the cash registers and the TARE agreements of a declaration.
target_sources(vexa_declaration PRIVATE
  EcfTare.cpp EcfTare.h
)

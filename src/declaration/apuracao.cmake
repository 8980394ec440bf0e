# The ICMS apuração: items 5 to 8, the small-balance rule, the presentation by
# regime and the law codes valid for the declaration's month.
target_sources(vexa_declaration PRIVATE
  Apuracao.cpp Apuracao.h
)

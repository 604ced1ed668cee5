# The English message texts are compiled into the core from the file that ships beside the
# program: editing share/English.INI re-runs the configure step and rebuilds them.
set(AVEROZ_ENGLISH_SOURCE ${CMAKE_SOURCE_DIR}/share/English.INI)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${AVEROZ_ENGLISH_SOURCE})
file(READ ${AVEROZ_ENGLISH_SOURCE} AVEROZ_ENGLISH_INI)
if(AVEROZ_ENGLISH_INI MATCHES "\\)english_ini\"")
  message(FATAL_ERROR "share/English.INI contains the raw-string delimiter )english_ini\"")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/BuiltInEnglish.cpp.in
               ${CMAKE_BINARY_DIR}/generated/BuiltInEnglishIni.cpp @ONLY)
target_sources(averoz_core_app PRIVATE ${CMAKE_BINARY_DIR}/generated/BuiltInEnglishIni.cpp)

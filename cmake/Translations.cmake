# The translations: each language's files in translations/<language>/ are joined by lrelease into
# one lirvenda_<language>.qm, compiled into the core as a resource (:/translations/), so every
# program and test finds them without a path.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TRANSLATION_QRC ${CMAKE_BINARY_DIR}/translations/translations.qrc)
set(TRANSLATION_FILES "")
foreach(language en nb)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/${language}/*.ts)
  set(compiled ${CMAKE_BINARY_DIR}/translations/lirvenda_${language}.qm)
  add_custom_command(OUTPUT ${compiled}
    COMMAND Qt6::lrelease -silent -nounfinished ${sources} -qm ${compiled}
    DEPENDS ${sources} VERBATIM)
  string(APPEND TRANSLATION_FILES "    <file alias=\"lirvenda_${language}.qm\">${compiled}</file>\n")
endforeach()
file(WRITE ${TRANSLATION_QRC}.in
  "<RCC>\n  <qresource prefix=\"/translations\">\n${TRANSLATION_FILES}  </qresource>\n</RCC>\n")
configure_file(${TRANSLATION_QRC}.in ${TRANSLATION_QRC} COPYONLY)
qt_add_resources(TRANSLATION_SOURCES ${TRANSLATION_QRC})
set_source_files_properties(${TRANSLATION_SOURCES} PROPERTIES SKIP_AUTOGEN ON)
target_sources(lirvenda_core PRIVATE ${TRANSLATION_SOURCES})

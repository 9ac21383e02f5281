# vorlan_embed_catalogues(OUTPUT source FUNCTION name PO files...): compiles each .po file
# (its name is the language: de.po) with `msgfmt --check` and generates `source`, defining
# std::span<const vorlan::BuiltInCatalogue> name() over the compiled bytes.
find_program(VORLAN_MSGFMT msgfmt REQUIRED)
function(vorlan_embed_catalogues)
  cmake_parse_arguments(arg "" "OUTPUT;FUNCTION" "PO" ${ARGN})
  get_filename_component(folder ${arg_OUTPUT} DIRECTORY)
  get_filename_component(stem ${arg_OUTPUT} NAME_WE)
  set(compiled)
  foreach(po ${arg_PO})
    get_filename_component(code ${po} NAME_WE)
    set(mo ${folder}/${stem}-${code}.mo)
    add_custom_command(OUTPUT ${mo} COMMAND ${VORLAN_MSGFMT} --check -o ${mo} ${po} DEPENDS ${po} VERBATIM)
    list(APPEND compiled "${code}=${mo}")
    list(APPEND mos ${mo})
  endforeach()
  string(REPLACE ";" "," pairs "${compiled}")
  set(script ${PROJECT_SOURCE_DIR}/cmake/EmbedCatalogues.cmake)
  add_custom_command(OUTPUT ${arg_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${arg_OUTPUT} -DFUNCTION=${arg_FUNCTION} -DCATALOGUES=${pairs} -P ${script}
    DEPENDS ${mos} ${script} VERBATIM)
endfunction()

# tlx_embed_resources(<target> DIR <dir> FUNCTION <name>)
#
# Embeds every file under <dir> into <target>. The first folder below <dir> gives the resource type
# (upper-cased: XML, JS, XSL, XSD, ...), the rest of the path without its extension the name
# ("XML/1/12.xml" is type XML, name "1/12"). The generated source defines `HMODULE <name>()`, the handle
# through which the owning library finds its resources.
function(tlx_embed_resources target)
  cmake_parse_arguments(ARG "" "DIR;FUNCTION" "" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS "${ARG_DIR}/*")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DDIR=${ARG_DIR} -DOUT=${out} -DFUNCTION=${ARG_FUNCTION}
            -P "${CMAKE_SOURCE_DIR}/cmake/GenerateResources.cmake"
    DEPENDS ${files} "${CMAKE_SOURCE_DIR}/cmake/GenerateResources.cmake"
    COMMENT "Embedding resources of ${target}")
  target_sources(${target} PRIVATE "${out}")
endfunction()

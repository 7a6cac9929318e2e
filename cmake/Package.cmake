# The Debian package. `cpack -G DEB` in a build folder packs what
# `cmake --install` installs into tavimbre_<version>_<arch>.deb, with a
# stripped program. Its dependencies are the ones dpkg-shlibdeps finds in
# the program's links, and Qt's translations, which no link shows. The
# description and the copyright file are made at configure time from the
# AppStream metainfo and LICENSE; the changelog is resources/changelog.

set(TAVIMBRE_MAINTAINER "Tavimbre developers <developers@tavimbre.org>" CACHE STRING
  "Maintainer of the Debian package, as \"Name <address>\"")
set(_metainfo ${CMAKE_SOURCE_DIR}/resources/org.tavimbre.Tavimbre.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${_metainfo} ${CMAKE_SOURCE_DIR}/LICENSE)

# Appends TEXT to the string in OUT_VAR as lines of at most 72 characters,
# broken between words, each line beginning with PREFIX.
function(tavimbre_wrap OUT_VAR PREFIX TEXT)
  string(REGEX REPLACE "[ \t\r\n]+" " " TEXT "${TEXT}")
  string(STRIP "${TEXT}" TEXT)
  # A word's semicolons would split the list of words: they are held as
  # a character that no text holds, of the same width.
  string(ASCII 1 semicolon)
  string(REPLACE ";" "${semicolon}" TEXT "${TEXT}")
  string(REPLACE " " ";" words "${TEXT}")
  set(out "${${OUT_VAR}}")
  set(line "")
  foreach(word IN LISTS words)
    string(LENGTH "${PREFIX}${line} ${word}" width)
    if(line STREQUAL "")
      set(line "${word}")
    elseif(width GREATER 72)
      string(APPEND out "${PREFIX}${line}\n")
      set(line "${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  string(APPEND out "${PREFIX}${line}\n")
  string(REPLACE "${semicolon}" ";" out "${out}")
  set(${OUT_VAR} "${out}" PARENT_SCOPE)
endfunction()

# The text of an XML element whose semicolons were replaced by SEMICOLON
# (so that it could be an item of a list), character references resolved.
function(tavimbre_xml_text OUT_VAR SEMICOLON TEXT)
  string(REPLACE "${SEMICOLON}" ";" TEXT "${TEXT}")
  string(REPLACE "&lt;" "<" TEXT "${TEXT}")
  string(REPLACE "&gt;" ">" TEXT "${TEXT}")
  string(REPLACE "&quot;" "\"" TEXT "${TEXT}")
  string(REPLACE "&apos;" "'" TEXT "${TEXT}")
  string(REPLACE "&amp;" "&" TEXT "${TEXT}")
  set(${OUT_VAR} "${TEXT}" PARENT_SCOPE)
endfunction()

# The summary and the untranslated paragraphs and list items of the
# description, paragraphs apart by an empty line.
file(READ ${_metainfo} _xml)
string(ASCII 1 _semicolon)  # a character XML text cannot hold
string(REPLACE ";" "${_semicolon}" _xml "${_xml}")
if(NOT _xml MATCHES "<summary>([^<]+)</summary>")
  message(FATAL_ERROR "${_metainfo} has no <summary>")
endif()
tavimbre_xml_text(_summary "${_semicolon}" "${CMAKE_MATCH_1}")
string(STRIP "${_summary}" _summary)
if(NOT _xml MATCHES "<description>(.*)</description>")
  message(FATAL_ERROR "${_metainfo} has no <description>")
endif()
string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" _blocks "${CMAKE_MATCH_1}")
set(_description "")
foreach(_block IN LISTS _blocks)
  string(REGEX REPLACE "^<(p|li)>(.*)</(p|li)>$" "\\2" _text "${_block}")
  tavimbre_xml_text(_text "${_semicolon}" "${_text}")
  if(_block MATCHES "^<li>")
    tavimbre_wrap(_description "  " "- ${_text}")
  else()
    if(NOT _description STREQUAL "")
      string(APPEND _description "\n")
    endif()
    tavimbre_wrap(_description "" "${_text}")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" _description "${_description}")

# The copyright file in Debian's machine-readable format, the licence
# being LICENSE's text after its copyright line.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE _license)
string(REPLACE ";" "${_semicolon}" _license "${_license}")
string(REPLACE "\n" ";" _license "${_license}")
set(_holder "")
set(_license_text "")
foreach(_line IN LISTS _license)
  string(REPLACE "${_semicolon}" ";" _line "${_line}")
  if(_holder STREQUAL "")
    if(_line MATCHES "^Copyright \\(c\\) (.+)$")
      set(_holder "${CMAKE_MATCH_1}")
    endif()
  elseif(_line STREQUAL "")
    if(NOT _license_text STREQUAL "")
      string(APPEND _license_text " .\n")
    endif()
  else()
    string(APPEND _license_text " ${_line}\n")
  endif()
endforeach()
string(REGEX REPLACE "( \\.\n)+$" "" _license_text "${_license_text}")
if(_holder STREQUAL "" OR _license_text STREQUAL "")
  message(FATAL_ERROR "LICENSE has no \"Copyright (c)\" line followed by the licence")
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/package/copyright CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tavimbre

Files: *
Copyright: ${_holder}
License: Expat
${_license_text}" @ONLY)

# Debian keeps a native package's changelog and the manual pages
# compressed, without a name or a time stamp in the gzip header, so that
# the same source gives the same package.
set(_gzipped)
foreach(_file resources/changelog resources/tavimbre.1)
  get_filename_component(_name ${_file} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${_name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${_file} ${CMAKE_BINARY_DIR}/package/${_name}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/package/${_name}
    DEPENDS ${CMAKE_SOURCE_DIR}/${_file} VERBATIM)
  list(APPEND _gzipped ${CMAKE_BINARY_DIR}/package/${_name}.gz)
endforeach()
add_custom_target(gzipped_docs ALL DEPENDS ${_gzipped})

install(FILES README.md ${CMAKE_BINARY_DIR}/package/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/package/tavimbre.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavimbre)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${_summary}")
set(CPACK_PACKAGE_DESCRIPTION "${_description}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVIMBRE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
include(CPack)

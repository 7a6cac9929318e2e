# cmake -DLUPDATE=... -DTS_FILES=a.ts;b.ts -DSOURCES=... -DWORK=dir -P CheckTranslations.cmake
# Runs lupdate over the sources into copies of the .ts files, as the target
# update_translations would, and fails when a text of the program has no
# finished translation in one of them.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY "${ts}" DESTINATION "${WORK}")
  list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete ${SOURCES} -ts ${copies}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${status}")
endif()
set(failed FALSE)
foreach(copy IN LISTS copies)
  file(STRINGS "${copy}" unfinished REGEX "type=\"unfinished\"")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    message(SEND_ERROR "${copy}: ${count} text(s) without a finished translation; "
                       "run cmake --build BUILD --target update_translations and translate them")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "every text is translated in ${TS_FILES}")
endif()

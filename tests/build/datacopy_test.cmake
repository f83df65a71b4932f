# A rebuild refreshes the shipped data but never touches the user's own files.
file(REMOVE_RECURSE "${WORK_DIR}")
set(shipped "${WORK_DIR}/shipped")
set(installed "${WORK_DIR}/installed")
file(WRITE "${shipped}/settings/settings.dat" "noword|0")
file(WRITE "${shipped}/coach/personal.rtf" "shipped reasons")
file(WRITE "${shipped}/coach/randomcoach.txt" "new tip")

function(copy_data)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${shipped} -DTARGET_DIR=${installed} -P ${COPY_SCRIPT}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "copying the data folder failed")
  endif()
endfunction()

function(expect path content)
  file(READ "${installed}/${path}" actual)
  if(NOT actual STREQUAL content)
    message(FATAL_ERROR "${path}: expected '${content}', found '${actual}'")
  endif()
endfunction()

# First build: everything arrives.
copy_data()
expect(settings/settings.dat "noword|0")
expect(coach/personal.rtf "shipped reasons")

# The user saves settings, types reasons, runs a quit, keeps a history.
file(WRITE "${installed}/settings/settings.dat" "secret|1")
file(WRITE "${installed}/coach/personal.rtf" "my own reasons")
file(WRITE "${installed}/settings/data.dat" "Ann|20|euro|5|2026-03-14|21:05:33|YES|")
file(WRITE "${installed}/settings/history/attempt-1.dat" "old attempt")
file(WRITE "${shipped}/coach/randomcoach.txt" "newer tip")

# A rebuild: the shipped content is refreshed, nothing of the user's changes.
copy_data()
expect(settings/settings.dat "secret|1")
expect(coach/personal.rtf "my own reasons")
expect(settings/data.dat "Ann|20|euro|5|2026-03-14|21:05:33|YES|")
expect(settings/history/attempt-1.dat "old attempt")
expect(coach/randomcoach.txt "newer tip")

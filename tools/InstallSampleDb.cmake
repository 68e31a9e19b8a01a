# Copies the sample climate database to where the program looks on drive C:
# ~/Quenora/Quenora.mdb (C:/Quenora/Quenora.mdb on Windows).
#   cmake -DSAMPLE_DB=<built Quenora.mdb> [-DONLY_IF_MISSING=ON] -P InstallSampleDb.cmake
# An identical file already there is left alone; a different one is first renamed to
# Quenora.mdb.<date-time>.bak beside it. With ONLY_IF_MISSING (the first start of
# tools/setup.sh run) anything already there, file, folder or link, is left as it is.

if(NOT SAMPLE_DB OR NOT EXISTS "${SAMPLE_DB}")
  message(FATAL_ERROR "Sample database not found: '${SAMPLE_DB}'. Build the sample_db target first.")
endif()

if(CMAKE_HOST_WIN32)
  set(folder "C:/Quenora")
else()
  if(NOT DEFINED ENV{HOME} OR "$ENV{HOME}" STREQUAL "")
    message(FATAL_ERROR "HOME is not set: no home folder to install the sample database into.")
  endif()
  set(folder "$ENV{HOME}/Quenora")
endif()
set(target "${folder}/Quenora.mdb")

if(ONLY_IF_MISSING AND (EXISTS "${target}" OR IS_SYMLINK "${target}"))
  message(STATUS "Kept the climate database already at ${target}")
  return()
endif()

if(IS_DIRECTORY "${target}")
  message(FATAL_ERROR "${target} is a folder; move it away first.")
endif()

if(EXISTS "${target}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SAMPLE_DB}" "${target}" RESULT_VARIABLE differs)
  if(differs EQUAL 0)
    message(STATUS "${target} is already the sample database; nothing to do.")
    return()
  endif()
  string(TIMESTAMP stamp "%Y%m%d-%H%M%S")
  set(backup "${target}.${stamp}.bak")
  if(EXISTS "${backup}")
    message(FATAL_ERROR "${backup} exists already; try again in a second.")
  endif()
  file(RENAME "${target}" "${backup}")
  message(STATUS "Kept the previous ${target} as ${backup}")
endif()

file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy "${SAMPLE_DB}" "${target}" RESULT_VARIABLE failed)
if(NOT failed EQUAL 0)
  message(FATAL_ERROR "Could not copy ${SAMPLE_DB} to ${target}")
endif()
message(STATUS "Installed the sample climate database as ${target}")

# The files of the data folder that are the user's own, as the program's table
# of the data folder (src/records/datafiles.cpp) has them. data/ may hold a
# first version of some; the build copies it beside the program only when none
# is there yet, and an install never puts it under the prefix, where the
# user's own files do not live (and where, for a per-user install into
# ~/.local, they would be overwritten).
set(CLEARWIND_USER_FILES
  settings/data.dat
  settings/settings.dat
  settings/history
  journey/cravings.csv
  coach/personal.rtf)

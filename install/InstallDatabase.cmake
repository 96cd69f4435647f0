# Puts a freshly built database into the program folder without ever
# replacing one that may hold user data.
#
#   cmake -DSOURCE=<pristine database> -DTARGET=<database in the program folder>
#         -DSTAMP=<copy of what was installed last> -P InstallDatabase.cmake
#
#  - no database at the target: copy the new one;
#  - the target is still byte-identical to what was installed last (nothing
#    has written to it): replace it with the new build;
#  - otherwise the target holds data of its own: keep it, and say so when the
#    new build differs from it.
# The stamp is rewritten whenever the target is the build's own database.
cmake_minimum_required(VERSION 3.25)

set(stamp "${STAMP}")

function(install_new)
  file(COPY_FILE "${SOURCE}" "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${stamp}")
endfunction()

if(NOT EXISTS "${TARGET}")
  install_new()
  return()
endif()

file(SHA256 "${SOURCE}" new_hash)
file(SHA256 "${TARGET}" target_hash)
if(new_hash STREQUAL target_hash)
  file(COPY_FILE "${SOURCE}" "${stamp}")
  return()
endif()

if(EXISTS "${stamp}")
  file(SHA256 "${stamp}" stamp_hash)
  if(stamp_hash STREQUAL target_hash)
    install_new()
    return()
  endif()
endif()
message(STATUS "Kept ${TARGET}: it holds data of its own; the new empty database is ${SOURCE}")

# A compiler cache, where there is one, for every build of the project (the
# program, the sanitizer build, the fuzz targets), so that a build on a
# machine that has built the project before recompiles only what changed.
# Paths under the repository are hashed relative to it, so a fresh clone in
# another folder hits the same cache; a machine without ccache builds as
# before. The cache's size is ccache's own setting (scripts/install-deps.sh
# raises it to what the three builds need).
find_program(N3_CCACHE ccache)
if(N3_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  get_filename_component(N3_REPOSITORY ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${N3_REPOSITORY} CCACHE_NOHASHDIR=1
      "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime" ${N3_CCACHE})
endif()

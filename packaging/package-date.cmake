# Read by cpack as it packs (CPACK_PROJECT_CONFIG_FILE). CPack dates every
# file and archive in the package by SOURCE_DATE_EPOCH when it is set, and
# leaves the gzip time out; here it is set, unless the caller set it, to
# the time of the last commit, so that every build of one commit gives the
# same bytes on any day. Outside a git checkout the package is dated now.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_ORVANE_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE orvane_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE orvane_git_status ERROR_QUIET)
  if(orvane_git_status EQUAL 0 AND orvane_commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${orvane_commit_time})
  endif()
endif()

# Fails when a library or program holds a symbol that matches FORBIDDEN, so that a boundary
# between the parts of the program cannot come back unseen:
#   cmake -DFILE=<library or program> -DFORBIDDEN=<regular expression> -DWHAT=<what> -P <this>
execute_process(COMMAND nm -C ${FILE} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed
                ERROR_VARIABLE error)
if(failed)
    message(FATAL_ERROR "nm cannot read ${FILE}: ${error}")
endif()
string(REGEX MATCHALL "[^\n]*(${FORBIDDEN})[^\n]*" found "${symbols}")
if(found)
    list(REMOVE_DUPLICATES found)
    list(JOIN found "\n" lines)
    message(FATAL_ERROR "${FILE} holds ${WHAT}:\n${lines}")
endif()

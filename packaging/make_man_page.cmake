# Writes a manual page from a template and the program's own help, so that the page's list of
# commands and options never drifts from the program:
#   cmake [-DPROGRAM=...] -DLANGUAGE=en|ru -DTEMPLATE=page.1.in -DOUTPUT=page.1.gz -DWORK=folder
#         -DVERSION=... -DDATE=... -P make_man_page.cmake
# The template is troff with @VERSION@, @DATE@ and, with PROGRAM, @HELP@, which becomes the help
# text of PROGRAM in LANGUAGE, one tagged paragraph per form of the command line. The page is
# compressed with gzip -9n (no name, no time), as Debian installs manual pages.
cmake_minimum_required(VERSION 3.25)

foreach(var LANGUAGE TEMPLATE OUTPUT WORK VERSION DATE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "make_man_page.cmake needs -D${var}=...")
    endif()
endforeach()

# The help in the language asked for, whatever the settings of the user who builds: an empty
# configuration folder and a start folder without Velmora.ini.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/config")
set(help "")
if(PROGRAM)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env --unset=LC_ALL --unset=LC_MESSAGES --unset=LANG
                "LANGUAGE=${LANGUAGE}" "XDG_CONFIG_HOME=${WORK}/config" "ASAN_OPTIONS=detect_leaks=0"
                "${PROGRAM}" --help
        WORKING_DIRECTORY "${WORK}"
        OUTPUT_VARIABLE help
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR help STREQUAL "")
        message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
    endif()
endif()

# Takes from the text in text_var what comes before the first separator into item_var and leaves
# what follows it; the text ends with a separator.
function(take_until separator text_var item_var)
    set(text "${${text_var}}")
    string(FIND "${text}" "${separator}" end)
    string(SUBSTRING "${text}" 0 ${end} item)
    math(EXPR next "${end} + 1")
    string(SUBSTRING "${text}" ${next} -1 text)
    set(${item_var} "${item}" PARENT_SCOPE)
    set(${text_var} "${text}" PARENT_SCOPE)
endfunction()

# Text for troff: backslashes, minus signs and a leading dot or quote escaped.
function(troff_text out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    if(text MATCHES "^[.']")
        set(text "\\&${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A form of the command line: the program, subcommands, options and fixed values bold (they start
# with a small Latin letter or "-"), placeholders (INPUT, OUTPUT.typ, N, 1-20, ФАЙЛ) italic.
function(troff_synopsis out line)
    set(result "")
    string(APPEND line " ")
    while(NOT line STREQUAL "")
        take_until(" " line word)
        if(word STREQUAL "")
            continue()
        endif()
        # Brackets of optional parts stay roman.
        set(open "")
        set(close "")
        if(word MATCHES "^(\\[*)(.*[^]])(\\]*)$")
            set(open "${CMAKE_MATCH_1}")
            set(word "${CMAKE_MATCH_2}")
            set(close "${CMAKE_MATCH_3}")
        endif()
        troff_text(escaped "${word}")
        if(word MATCHES "^[a-z-]")
            string(APPEND result " ${open}\\fB${escaped}\\fR${close}")
        else()
            string(APPEND result " ${open}\\fI${escaped}\\fR${close}")
        endif()
    endwhile()
    string(STRIP "${result}" result)
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Line by line; not as a CMake list, whose splitting brackets and semicolons would disturb.
set(body "")
set(first TRUE)
string(APPEND help "\n")
while(NOT help STREQUAL "")
    take_until("\n" help line)
    if(line STREQUAL "")
        continue()
    endif()
    if(first)
        # "Usage:": the template's section heading says it.
        set(first FALSE)
        if(line MATCHES ":$")
            continue()
        endif()
    endif()
    if(line MATCHES "^      (.*)$")
        troff_text(text "${CMAKE_MATCH_1}")
        string(APPEND body "${text}\n")
    elseif(line MATCHES "^  ([^ ].*)$")
        troff_synopsis(text "${CMAKE_MATCH_1}")
        string(APPEND body ".TP\n${text}\n")
    else()
        troff_text(text "${line}")
        string(APPEND body ".PP\n${text}\n")
    endif()
endwhile()

file(READ "${TEMPLATE}" page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@DATE@" "${DATE}" page "${page}")
string(REPLACE "@HELP@\n" "${body}" page "${page}")
file(WRITE "${WORK}/page" "${page}")
execute_process(COMMAND gzip -9n -c "${WORK}/page" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${WORK}/page")
endif()

# Compiles the help pages into Verbsmith52.chm with chmcmd: the file list,
# contents and context map (each topic number opens its page) come from
# topics.txt.
#   cmake -DSOURCE=<help dir> -DSTAGE=<work dir> -DCHMCMD=<chmcmd>
#         -DOUTPUT=<.chm path> -P build_chm.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/read_topics.cmake)
verbsmith_read_topics(${SOURCE}/topics.txt)

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
# chmcmd takes the project's directory from the working directory, where
# symbolic links are already resolved.
file(REAL_PATH ${STAGE} stage)
set(DEST ${stage})
include(${CMAKE_CURRENT_LIST_DIR}/copy_pages.cmake)

# chmcmd 3.2.2 records a context number's page as the project directory's
# absolute path followed by the page, not as the page's name inside the
# help file, so a viewer asking for the number looks for that path. The
# pages are stored under that path too, and the numbers open them.
string(REGEX REPLACE "^/+" "" mirror "${stage}")
set(DEST ${stage}/${mirror})
include(${CMAKE_CURRENT_LIST_DIR}/copy_pages.cmake)

set(HELP_FILES "")
set(HELP_ALIASES "")
set(HELP_MAP "")
foreach(n IN LISTS help_numbers)
  string(APPEND HELP_FILES "${help_page_${n}}\n")
  string(APPEND HELP_ALIASES "IDH_${n}=${help_page_${n}}\n")
  string(APPEND HELP_MAP "#define IDH_${n} ${n}\n")
endforeach()
file(GLOB_RECURSE mirrored RELATIVE ${stage} ${stage}/${mirror}/*.htm)
list(SORT mirrored)
foreach(page IN LISTS mirrored)
  string(APPEND HELP_FILES "${page}\n")
endforeach()
configure_file(${SOURCE}/Verbsmith52.hhp.in ${stage}/Verbsmith52.hhp @ONLY)

# Contents: each step, with the pages of its fields below it.
function(sitemap_entry out title page)
  string(REPLACE "\"" "&quot;" title "${title}")
  set(${out} "${${out}}<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"${title}\">\n<param name=\"Local\" value=\"${page}\">\n</OBJECT>\n" PARENT_SCOPE)
endfunction()
set(contents "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML>\n<BODY>\n<UL>\n")
sitemap_entry(contents "Contents" "index.htm")
foreach(step IN LISTS help_numbers)
  if(NOT help_step_${step} STREQUAL step)
    continue()
  endif()
  sitemap_entry(contents "${help_title_${step}}" "${help_page_${step}}")
  set(fields "")
  foreach(n IN LISTS help_numbers)
    if(help_step_${n} STREQUAL step AND NOT n STREQUAL step)
      sitemap_entry(fields "${help_title_${n}}" "${help_page_${n}}")
    endif()
  endforeach()
  if(fields)
    string(APPEND contents "<UL>\n${fields}</UL>\n")
  endif()
endforeach()
sitemap_entry(contents "Frequently Asked Questions" "cxfaq.htm")
string(APPEND contents "</UL>\n</BODY>\n</HTML>\n")
file(WRITE ${stage}/Verbsmith52.hhc "${contents}")

execute_process(COMMAND ${CHMCMD} Verbsmith52.hhp
                WORKING_DIRECTORY ${stage}
                RESULT_VARIABLE result
                OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS ${stage}/Verbsmith52.chm)
  message(FATAL_ERROR "chmcmd could not compile the help (${result}):\n${log}")
endif()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${stage}/Verbsmith52.chm ${OUTPUT})

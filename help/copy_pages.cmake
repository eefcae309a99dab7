# Copies the help pages (.htm and .css, keeping their folders) from SOURCE
# into DEST, replacing what DEST held, so a page removed from the sources
# does not linger.
#   cmake -DSOURCE=<help dir> -DDEST=<dir> -P copy_pages.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${DEST})
file(GLOB_RECURSE pages RELATIVE ${SOURCE} ${SOURCE}/*.htm ${SOURCE}/*.css)
foreach(page IN LISTS pages)
  get_filename_component(folder ${DEST}/${page} DIRECTORY)
  file(COPY ${SOURCE}/${page} DESTINATION ${folder})
endforeach()

# Makes PREFIX a booted Wine prefix, from which each example session under
# Wine takes a copy of its own: booting one costs seconds, copying it none.
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
# No Mono or Gecko install prompts, no desktop menu entries.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml,winemenubuilder.exe=")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND wineboot --init RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wineboot --init failed with ${status}")
endif()
# Windows are made by Wine's null display driver, which needs no X server.
execute_process(COMMAND wine reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not choose Wine's null display driver (${status})")
endif()
# Waits until the server has saved the registry and gone.
execute_process(COMMAND wineserver --wait)

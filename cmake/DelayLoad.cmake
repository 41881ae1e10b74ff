# Import libraries that load a system DLL at the first call of one of its functions instead of at start:
# comdlg32 and shell32 bring a dozen more DLLs with them and winmm starts its drivers, which the game
# needs only for the colour chooser, the help file and music.
set(ZARNOCK_DELAY_IMPORTS
  "comdlg32.dll:ChooseColorA@4"
  "shell32.dll:ShellExecuteA@24"
  "winmm.dll:mciSendCommandA@16")

if(NOT CMAKE_DLLTOOL)
  find_program(CMAKE_DLLTOOL i686-w64-mingw32-dlltool REQUIRED)
endif()
set(ZARNOCK_DELAY_LIBS)
foreach(entry ${ZARNOCK_DELAY_IMPORTS})
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 dll)
  list(GET parts 1 function)
  get_filename_component(name ${dll} NAME_WE)
  set(def ${CMAKE_BINARY_DIR}/delay/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n    ${function}\n")
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib} -k
    DEPENDS ${def} VERBATIM)
  list(APPEND ZARNOCK_DELAY_LIBS ${lib})
endforeach()
add_custom_target(zarnock_delay_libs DEPENDS ${ZARNOCK_DELAY_LIBS})

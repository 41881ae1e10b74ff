# The rooms of the house, one static library per folder, each seeing and linking only the rooms below it.
#
# Every file includes the headers of a room by the room's folder ("game/Board.h"), so the source root on an
# include path would let any room see every other. Instead each room gets a folder of its own in the build tree
# holding links to its own folder and to resources/ only; a library's users see the folders of the rooms it
# links, and nothing else. An include of a higher room then fails to compile, and a call into one cannot link.
set(ZARNOCK_ROOMS_DIR ${CMAKE_BINARY_DIR}/rooms)

# The view of room <room>: <build>/rooms/<room>/ holding <room> and resources, both links into the sources.
function(zarnock_room_view room out)
  set(view ${ZARNOCK_ROOMS_DIR}/${room})
  file(MAKE_DIRECTORY ${view})
  foreach(seen ${room} resources)
    set(link ${view}/${seen})
    if(IS_SYMLINK ${link})
      file(READ_SYMLINK ${link} target)
      if(NOT target STREQUAL ${CMAKE_SOURCE_DIR}/${seen})
        file(REMOVE ${link})
      endif()
    endif()
    if(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${seen} ${link} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${view} PARENT_SCOPE)
endfunction()

# zarnock_room(<room> [BELOW <rooms>...] [EXCLUDE <files>...]) adds the library zarnock_<room> from
# <room>/*.cpp but the EXCLUDEd files. It sees its own room, resources/ and the rooms BELOW, which it links.
# Whatever every room of the program is compiled with belongs here, in one place.
function(zarnock_room room)
  cmake_parse_arguments(ROOM "" "" "BELOW;EXCLUDE" ${ARGN})
  zarnock_room_view(${room} view)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${room}/*.cpp)
  foreach(excluded ${ROOM_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${room}/${excluded})
  endforeach()
  add_library(zarnock_${room} STATIC ${sources})
  target_include_directories(zarnock_${room} PUBLIC ${view})
  list(TRANSFORM ROOM_BELOW PREPEND zarnock_)
  target_link_libraries(zarnock_${room} PUBLIC ${ROOM_BELOW})
  # Unused functions and data stay out of the programs that link the room.
  target_compile_options(zarnock_${room} PRIVATE -ffunction-sections -fdata-sections)
endfunction()

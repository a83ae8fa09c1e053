# The views of the tool windows, built into velmora_view with the other windows (they use
# its shared dialogs and panes). Included by src/app/CMakeLists.txt.
set(VELMORA_TOOLS_VIEW_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/note_window.h
  ${CMAKE_CURRENT_LIST_DIR}/note_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_note_ui.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_note_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wuxing_window.h
  ${CMAKE_CURRENT_LIST_DIR}/wuxing_window.cpp
)

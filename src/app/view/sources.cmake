# The widgets of the program: the main window's view over the form FrmQiming, the name
# analysis window's view over TFrmmain, the calendar window's over TFRM_Date, the 吉日
# window's over TFrmJiri, the tool windows' views over the forms of src/tools, and the Qt
# implementations of their dialogs.
# Included by src/app/CMakeLists.txt for `velmora` and by tests/app and bench/ through the
# library velmora_view.
set(VELMORA_VIEW_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/backdrop.h
  ${CMAKE_CURRENT_LIST_DIR}/backdrop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hot_area.h
  ${CMAKE_CURRENT_LIST_DIR}/hot_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_pane.h
  ${CMAKE_CURRENT_LIST_DIR}/memo_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_text_edit.h
  ${CMAKE_CURRENT_LIST_DIR}/cell_text_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.h
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/results_grid.h
  ${CMAKE_CURRENT_LIST_DIR}/results_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/service_dialog.h
  ${CMAKE_CURRENT_LIST_DIR}/service_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/yongzi_dialog.h
  ${CMAKE_CURRENT_LIST_DIR}/yongzi_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gbk_validator.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_ui.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/analysis_window.h
  ${CMAKE_CURRENT_LIST_DIR}/analysis_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_analysis_ui.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_analysis_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_window.h
  ${CMAKE_CURRENT_LIST_DIR}/date_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_field.h
  ${CMAKE_CURRENT_LIST_DIR}/date_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jiri_window.h
  ${CMAKE_CURRENT_LIST_DIR}/jiri_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/poetry_view.h
  ${CMAKE_CURRENT_LIST_DIR}/poetry_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/note_window.h
  ${CMAKE_CURRENT_LIST_DIR}/note_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_note_ui.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_note_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wuxing_window.h
  ${CMAKE_CURRENT_LIST_DIR}/wuxing_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xiaoming_window.h
  ${CMAKE_CURRENT_LIST_DIR}/xiaoming_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jiemeng_window.h
  ${CMAKE_CURRENT_LIST_DIR}/jiemeng_window.cpp)

// Notification codes sent between the panes of the main window.
#ifndef TARNLY_WINDOW_BASE_NOTIFY_CODES_H
#define TARNLY_WINDOW_BASE_NOTIFY_CODES_H

enum NotifyCode {
  NOTIFY_OPEN_SOURCE_FOLDER = 1,
  NOTIFY_CONVERT_ENDED = 2,
  NOTIFY_CONVERT_STARTING = 3,
  NOTIFY_CONVERT_LOCK = 4,
  NOTIFY_CONVERT_UNLOCK = 5,
  NOTIFY_START_ALL = 6,
  NOTIFY_STOP = 7,
  NOTIFY_LOAD_STARTED = 8,
  NOTIFY_LOAD_FINISHED = 9,
  NOTIFY_ADD_FILES = 10,
  NOTIFY_FILE_LOADED = 11,         // payload: FileRowInfo*
  NOTIFY_ADD_FOLDER = 12,
  NOTIFY_DELETE = 13,
  NOTIFY_CLEAR_ALL = 14,
  NOTIFY_SELECT_ALL = 15,
  NOTIFY_ROW_CLICKED = 16,         // payload: FileCellInfo*
  NOTIFY_ROWS_REMOVED = 17,        // payload: FileCellInfo* (row -1 for all)
  NOTIFY_SELECT_INVERT = 18,
  NOTIFY_CELL_CHANGING = 19,       // payload: FileCellInfo* (allow flag)
  // 20 to 22 are not assigned.
  NOTIFY_PREFERENCES = 23,
  NOTIFY_RANGE_ALL = 24,
  NOTIFY_RANGE_CURRENT = 25,       // payload: int* page
  NOTIFY_RANGE_TEXT = 26,          // payload: wxString* range text
  NOTIFY_PREVIEW_PAGE = 27,        // payload: int* page
  NOTIFY_PREFS_APPLY = 28,         // payload: int* refuse flag
  NOTIFY_PREFS_RESET = 29
};

#endif

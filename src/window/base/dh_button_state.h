// Mouse states shared by the skinned buttons.  States 0, 3 and 4 look normal.
#ifndef TARNLY_WINDOW_BASE_DH_BUTTON_STATE_H
#define TARNLY_WINDOW_BASE_DH_BUTTON_STATE_H

enum DhButtonState {
  DH_BUTTON_NORMAL = 0,    // created or enabled
  DH_BUTTON_CURRENT = 1,   // pointer over the button
  DH_BUTTON_PRESSED = 2,   // left button down (or double click)
  DH_BUTTON_RELEASED = 3,  // released after a click
  DH_BUTTON_LEFT = 4,      // pointer left while enabled
  DH_BUTTON_DISABLED = 6
};

#endif

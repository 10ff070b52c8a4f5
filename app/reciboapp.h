// The application: runs the receipt form as the program's one window.
#pragma once

class CReciboApp {
  public:
    // Runs the form modally and returns when it closes, however it closed. Returns false, as
    // the program has no message loop of its own to run afterwards.
    bool InitInstance();
};

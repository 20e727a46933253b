#pragma once

class QApplication;

// The program once its folders are prepared and its application object is
// built: it refuses to run a second time per user, otherwise shows the
// top-level window until the program ends, whichever way (the window's
// close buttons, the tray's exit, the desktop session's end). The mark that
// an instance runs goes last, so that a new one cannot start while this one
// is still stopping. Returns the exit code.
int runProgram(QApplication &app);

// Carries the program's resources and does nothing else, so that they can be
// checked before the real executable exists.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}

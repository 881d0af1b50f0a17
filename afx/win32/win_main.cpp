// The program's entry point: the framework runs the one application object.
#include "afx/cwinapp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showCommand) {
  return AfxWinMain(instance, commandLine, showCommand);
}

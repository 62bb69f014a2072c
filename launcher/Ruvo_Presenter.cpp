// The launcher program; its start-up checks and PowerPoint handling are still to come.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }

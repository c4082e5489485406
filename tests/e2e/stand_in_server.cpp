// Stands in for a game server process: no window; runs until it is killed, or for
// five minutes, so that one a test run left behind ends by itself.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(5 * 60 * 1000);
    return 0;
}

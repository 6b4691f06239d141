// A screen reader's first contact with what is on the screen: it asks each
// window shown, and each window in it, for its UI Automation root (-25).
#include <windows.h>

BOOL CALLBACK askForRoot(HWND window, LPARAM)
{
    SendMessageW(window, WM_GETOBJECT, 0, -25);
    return TRUE;
}

BOOL CALLBACK askWindowAndChildren(HWND window, LPARAM)
{
    if (IsWindowVisible(window)) {
        askForRoot(window, 0);
        EnumChildWindows(window, askForRoot, 0);
    }
    return TRUE;
}

int main()
{
    EnumWindows(askWindowAndChildren, 0);
}

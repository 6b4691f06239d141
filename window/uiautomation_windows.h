#pragma once

#include <windows.h>
// MinGW's <uiautomation.h> does not compile as C++; these two carry the types.
#include <uiautomationclient.h>
#include <uiautomationcore.h>

// The functions of Windows' UIAutomationCore.dll that announcing needs,
// found by name when first asked for, so that the program does not import
// them and starts where they are missing. Windows has them all from
// Windows 10 version 1709; elsewhere canAnnounce() is false.
struct UiAutomation {
    LRESULT(WINAPI *returnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple *) = nullptr;
    HRESULT(WINAPI *hostProviderFromHwnd)(HWND, IRawElementProviderSimple **) = nullptr;
    HRESULT(WINAPI *raiseNotificationEvent)(IRawElementProviderSimple *, int kind, int processing, BSTR text,
                                            BSTR activityId) = nullptr;
    BOOL(WINAPI *clientsAreListening)() = nullptr;
    HRESULT(WINAPI *disconnectProvider)(IRawElementProviderSimple *) = nullptr;

    // Windows' numbers, which MinGW's headers lack: what WM_GETOBJECT asks
    // for a window's UI Automation root with; a notification of an action
    // completed; one that replaces any older one with its activity id not
    // yet spoken.
    static constexpr LONG RootObjectId = -25;
    static constexpr int ActionCompleted = 2;
    static constexpr int ImportantMostRecent = 1;

    static const UiAutomation &functions();
    bool canAnnounce() const;
};

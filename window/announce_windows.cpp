#include "announce.h"

#include "announcementprovider_windows.h"
#include "uiautomation_windows.h"

#include <QGuiApplication>
#include <QString>
#include <QWindow>

// Qt 6.4 cannot announce (QAccessibleAnnouncementEvent comes with Qt 6.8 and
// then replaces this file and the two beside it). Windows speaks a UI
// Automation notification, which Narrator and NVDA say at once, raised on
// an element of the program's own: the element of a window in the
// program's window, 1 × 1 pixels, disabled and taking none of its pixels,
// which answers a screen reader's question for its root with that element.
// Where Windows has no notifications (before Windows 10 version 1709, Wine)
// nothing is said.

namespace {

const wchar_t AnnouncerClass[] = L"CourierFirmsAnnouncer";
// Tells a screen reader that a newer message of the program's replaces one
// not yet spoken.
const wchar_t ActivityId[] = L"courier-firms.answer";

// The announcer's window, while it is there.
HWND announcer = nullptr;

AnnouncementProvider *providerOf(HWND window)
{
    return reinterpret_cast<AnnouncementProvider *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK announcerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AnnouncementProvider *provider = providerOf(window);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == UiAutomation::RootObjectId && provider)
        return UiAutomation::functions().returnRawElementProvider(window, wParam, lParam, provider);
    if (message == WM_DESTROY && provider) {
        // No screen reader may reach the element once its window is gone.
        UiAutomation::functions().disconnectProvider(provider);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        provider->Release();
        announcer = nullptr;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Makes the announcer's window in parent, where it goes when parent does.
HWND makeAnnouncer(HWND parent)
{
    static const bool registered = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = announcerProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = AnnouncerClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    HWND window = registered ? CreateWindowExW(WS_EX_TRANSPARENT, AnnouncerClass, L"", WS_CHILD | WS_DISABLED, 0,
                                               0, 1, 1, parent, nullptr, GetModuleHandleW(nullptr), nullptr)
                             : nullptr;
    if (!window)
        return nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new AnnouncementProvider(window)));
    // An empty region: the program's window keeps painting its pixel.
    if (HRGN nowhere = CreateRectRgn(0, 0, 0, 0); nowhere && !SetWindowRgn(window, nowhere, FALSE))
        DeleteObject(nowhere);
    ShowWindow(window, SW_SHOWNA);
    return window;
}

} // namespace

void announce(const QString &message)
{
    QWindow *window = QGuiApplication::focusWindow();
    if (message.isEmpty() || !window || !UiAutomation::functions().canAnnounce())
        return;
    const UiAutomation &automation = UiAutomation::functions();
    // Made at the first message, so that a screen reader meeting the program
    // from then on finds the element among the program's windows.
    if (!announcer)
        announcer = makeAnnouncer(reinterpret_cast<HWND>(window->winId()));
    if (!announcer || !automation.clientsAreListening())
        return;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(message.utf16()), UINT(message.size()));
    BSTR activityId = SysAllocString(ActivityId);
    if (text && activityId)
        automation.raiseNotificationEvent(providerOf(announcer), UiAutomation::ActionCompleted,
                                          UiAutomation::ImportantMostRecent, text, activityId);
    SysFreeString(text);
    SysFreeString(activityId);
}

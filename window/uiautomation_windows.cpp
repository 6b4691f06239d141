#include "uiautomation_windows.h"

namespace {

template<typename Function>
void find(HMODULE library, Function &function, const char *name)
{
    // A function pointer of any type converts to any other through FARPROC.
    function = reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name)));
}

UiAutomation load()
{
    UiAutomation found;
    // From System32 only, as Qt loads it, never from beside the program;
    // it stays loaded as long as the program runs.
    HMODULE library = LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library)
        return found;
    find(library, found.returnRawElementProvider, "UiaReturnRawElementProvider");
    find(library, found.hostProviderFromHwnd, "UiaHostProviderFromHwnd");
    find(library, found.raiseNotificationEvent, "UiaRaiseNotificationEvent");
    find(library, found.clientsAreListening, "UiaClientsAreListening");
    find(library, found.disconnectProvider, "UiaDisconnectProvider");
    return found;
}

} // namespace

const UiAutomation &UiAutomation::functions()
{
    static const UiAutomation loaded = load();
    return loaded;
}

bool UiAutomation::canAnnounce() const
{
    return returnRawElementProvider && hostProviderFromHwnd && raiseNotificationEvent && clientsAreListening
        && disconnectProvider;
}

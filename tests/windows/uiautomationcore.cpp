// A stand-in for Windows' UIAutomationCore.dll under Wine, whose own cannot
// announce: each call becomes a line of tab-separated fields in the file
// UIA_CALLS_LOG names, and a screen reader listens once a window has given
// one its root, unless UIA_LISTENING is "no". Every function answers as
// Windows does when all goes well.
#include <windows.h>

#include <cstdio>

static bool listening = false;

static HRESULT record(const wchar_t *format, ...)
{
    wchar_t path[MAX_PATH], line[512];
    char utf8[2048];
    va_list fields;
    va_start(fields, format);
    const int length = _vsnwprintf(line, 512, format, fields);
    va_end(fields);
    FILE *file = GetEnvironmentVariableW(L"UIA_CALLS_LOG", path, MAX_PATH) ? _wfopen(path, L"ab") : nullptr;
    if (file && length > 0)
        fwrite(utf8, 1, WideCharToMultiByte(CP_UTF8, 0, line, length, utf8, sizeof utf8, nullptr, nullptr), file);
    if (file)
        fclose(file);
    return S_OK;
}

#define EXPORT extern "C" __declspec(dllexport)

EXPORT LRESULT WINAPI UiaReturnRawElementProvider(HWND window, WPARAM, LPARAM, void *root)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    wchar_t deaf[8] = L"";
    GetEnvironmentVariableW(L"UIA_LISTENING", deaf, 8);
    listening = wcscmp(deaf, L"no") && (listening || root);
    return record(L"UiaReturnRawElementProvider\t%ls\t%p\n", name, root);
}

EXPORT BOOL WINAPI UiaClientsAreListening()
{
    record(L"UiaClientsAreListening\t%d\n", listening);
    return listening;
}

EXPORT HRESULT WINAPI UiaRaiseNotificationEvent(void *element, int kind, int processing, BSTR text, BSTR activity)
{
    return record(L"UiaRaiseNotificationEvent\t%p\t%d\t%d\t%ls\t%ls\n", element, kind, processing, text, activity);
}

EXPORT HRESULT WINAPI UiaDisconnectProvider(void *element)
{
    return record(L"UiaDisconnectProvider\t%p\n", element);
}

EXPORT HRESULT WINAPI UiaHostProviderFromHwnd(HWND, void **host)
{
    *host = nullptr;
    return record(L"UiaHostProviderFromHwnd\n");
}

EXPORT HRESULT WINAPI UiaRaiseAutomationEvent(void *element, int id)
{
    return record(L"UiaRaiseAutomationEvent\t%p\t%d\n", element, id);
}

EXPORT HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(void *element, int id, VARIANT, VARIANT)
{
    return record(L"UiaRaiseAutomationPropertyChangedEvent\t%p\t%d\n", element, id);
}

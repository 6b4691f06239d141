#include "announcementprovider_windows.h"

AnnouncementProvider::AnnouncementProvider(HWND window)
    : m_window(window)
{
}

HRESULT AnnouncementProvider::QueryInterface(REFIID id, void **object)
{
    if (!object)
        return E_POINTER;
    if (id != __uuidof(IUnknown) && id != __uuidof(IRawElementProviderSimple)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IRawElementProviderSimple *>(this);
    AddRef();
    return S_OK;
}

ULONG AnnouncementProvider::AddRef()
{
    return ++m_references;
}

ULONG AnnouncementProvider::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

// Served in the program itself, on the thread that made it.
HRESULT AnnouncementProvider::get_ProviderOptions(ProviderOptions *options)
{
    if (!options)
        return E_POINTER;
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    return S_OK;
}

HRESULT AnnouncementProvider::GetPatternProvider(PATTERNID, IUnknown **provider)
{
    if (!provider)
        return E_POINTER;
    *provider = nullptr;
    return S_OK;
}

HRESULT AnnouncementProvider::GetPropertyValue(PROPERTYID property, VARIANT *value)
{
    if (!value)
        return E_POINTER;
    VariantInit(value);
    if (property == UIA_IsControlElementPropertyId || property == UIA_IsContentElementPropertyId) {
        value->vt = VT_BOOL;
        value->boolVal = VARIANT_FALSE;
    }
    return S_OK;
}

HRESULT AnnouncementProvider::get_HostRawElementProvider(IRawElementProviderSimple **host)
{
    if (!host)
        return E_POINTER;
    return UiAutomation::functions().hostProviderFromHwnd(m_window, host);
}

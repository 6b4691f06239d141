#pragma once

#include "uiautomation_windows.h"

#include <atomic>

// The UI Automation element of the announcer's window, on which its
// notifications are raised. It has nothing to show: the window it lives in
// says where it is, and a screen reader's views of the program leave it out.
// Made with one reference, which its window holds.
class AnnouncementProvider final : public IRawElementProviderSimple
{
public:
    explicit AnnouncementProvider(HWND window);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown **provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override;

private:
    const HWND m_window;
    std::atomic<ULONG> m_references = 1;
};

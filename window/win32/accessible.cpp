// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/win32/accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <utility>

namespace {

// Spelt out: mingw-w64's import library gives the wrong GUID for IID_IAccessible.
constexpr IID accessibleId{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The system's own object for a control, but for its name and description,
// which the control gives when it has its own.
class Worded final : public IAccessible {
public:
    Worded(HWND control, IAccessible *system)
        : m_control(control)
        , m_system(system)
    {}
    Worded(const Worded &) = delete;
    Worded &operator=(const Worded &) = delete;
    Worded(Worded &&) = delete;
    Worded &operator=(Worded &&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, accessibleId)) {
            *object = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        return m_system->QueryInterface(id, object); // the window it stands for, its children and the like
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return own(child, accessible::name, name) ? S_OK : m_system->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        return own(child, accessible::description, description) ? S_OK
                                                                : m_system->get_accDescription(child, description);
    }

    // The rest as the system says it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return m_system->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_system->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override
    {
        return m_system->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member,
                                     REFIID id,
                                     LCID locale,
                                     WORD flags,
                                     DISPPARAMS *parameters,
                                     VARIANT *result,
                                     EXCEPINFO *exception,
                                     UINT *argumentError) override
    {
        return m_system->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return m_system->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override { return m_system->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return m_system->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return m_system->get_accValue(child, value);
    }
    // By the control's class, as Windows' own objects give it; wine's give
    // a Static or Button control only the role of a window's client area.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        constexpr std::array<std::pair<const wchar_t *, LONG>, 3> roles{
            {{WC_STATICW, ROLE_SYSTEM_STATICTEXT}, {WC_EDITW, ROLE_SYSTEM_TEXT}, {WC_BUTTONW, ROLE_SYSTEM_PUSHBUTTON}}};
        std::array<wchar_t, 16> kind{};
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || !GetClassNameW(m_control, kind.data(), kind.size()))
            return m_system->get_accRole(child, role);
        for (const auto &[name, own] : roles)
            if (lstrcmpiW(kind.data(), name) == 0) {
                role->vt = VT_I4;
                role->lVal = own;
                return S_OK;
            }
        return m_system->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        const HRESULT result = m_system->get_accState(child, state);
        BSTR none = nullptr;
        if (SUCCEEDED(result) && state->vt == VT_I4 && own(child, accessible::silence, &none))
            state->lVal |= STATE_SYSTEM_INVISIBLE;
        SysFreeString(none);
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return m_system->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override
    {
        return m_system->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return m_system->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override { return m_system->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override
    {
        return m_system->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return m_system->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_system->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child) override
    {
        return m_system->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override
    {
        return m_system->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT *child) override
    {
        return m_system->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return m_system->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_system->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_system->put_accValue(child, value);
    }

private:
    ~Worded() { m_system->Release(); }

    // Asked anew each time, so that the words follow the control's text; a
    // control that is gone answers nothing.
    bool own(const VARIANT &child, accessible::Words kind, BSTR *words) const
    {
        std::wstring text;
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF
            || SendMessageW(m_control, accessible::wordsMessage, kind, reinterpret_cast<LPARAM>(&text)) == 0)
            return false;
        *words = SysAllocString(text.c_str());
        return true;
    }

    HWND m_control;
    IAccessible *m_system;
    LONG m_references = 1;
};

// A function of a system library that this Windows may lack; GetProcAddress
// types them all alike.
template <typename Function>
Function lookUp(HMODULE library, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

LRESULT accessible::answerGetObject(HWND control, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    void *system = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, accessibleId, &system)))
        return 0;
    auto *worded = new Worded(control, static_cast<IAccessible *>(system));
    const LRESULT answer = LresultFromObject(accessibleId, wParam, worded);
    worded->Release(); // the answer holds its own reference
    return answer;
}

void accessible::announce(HWND window, const std::wstring &words)
{
    // Looked up, not linked: the notification came with Windows 10 1709.
    using HostFromWindow = HRESULT(WINAPI *)(HWND, IUnknown **);
    using RaiseNotification = HRESULT(WINAPI *)(IUnknown *, int, int, BSTR, BSTR);
    constexpr int actionCompleted = 2;     // NotificationKind_ActionCompleted
    constexpr int importantMostRecent = 1; // NotificationProcessing_ImportantMostRecent

    static const HMODULE automation = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!automation)
        return;
    const auto host = lookUp<HostFromWindow>(automation, "UiaHostProviderFromHwnd");
    const auto raise = lookUp<RaiseNotification>(automation, "UiaRaiseNotificationEvent");
    IUnknown *provider = nullptr;
    if (!host || !raise || FAILED(host(window, &provider)) || !provider)
        return;
    BSTR text = SysAllocString(words.c_str());
    BSTR activity = SysAllocString(L"MorvaneCalc.results");
    raise(provider, actionCompleted, importantMostRecent, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
}

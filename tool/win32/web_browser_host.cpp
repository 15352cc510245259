#include "tool/win32/web_browser_host.h"

#include <exdispid.h>
#include <mshtml.h>

#include "tool/win32/wide_text.h"

namespace zelvo {
namespace {

// An argument of an event: the arguments come last first, and some by
// reference.
const VARIANT& Argument(const DISPPARAMS* parameters, UINT index_from_first) {
  const VARIANT& argument = parameters->rgvarg[parameters->cArgs - 1 - index_from_first];
  if (argument.vt == (VT_BYREF | VT_VARIANT) && argument.pvarVal != nullptr) {
    return *argument.pvarVal;
  }
  return argument;
}

std::u16string TextOf(const VARIANT& value) {
  if (value.vt != VT_BSTR || value.bstrVal == nullptr) return {};
  return FromWide(std::wstring_view(value.bstrVal, ::SysStringLen(value.bstrVal)));
}

// Sets the event's Cancel argument, a VARIANT_BOOL by reference.
void SetCancel(DISPPARAMS* parameters, UINT index_from_first, bool cancel) {
  VARIANT& argument = parameters->rgvarg[parameters->cArgs - 1 - index_from_first];
  if (argument.vt == (VT_BYREF | VT_BOOL) && argument.pboolVal != nullptr) {
    *argument.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

template <typename Interface>
void ReleaseAndClear(Interface*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

}  // namespace

WebBrowserHost* WebBrowserHost::Create(HWND window, BrowserEvents* events) {
  auto* host = new WebBrowserHost(window, events);
  if (!host->Embed()) {
    host->Close();
    return nullptr;
  }
  return host;
}

WebBrowserHost::~WebBrowserHost() = default;

bool WebBrowserHost::Embed() {
  if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object_))) ||
      FAILED(object_->SetClientSite(this))) {
    return false;
  }
  ::OleSetContainedObject(object_, TRUE);
  RECT area = {};
  ::GetClientRect(window_, &area);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &area)) ||
      FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
    return false;
  }
  IConnectionPointContainer* container = nullptr;
  if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer,
                                      reinterpret_cast<void**>(&container)))) {
    return false;
  }
  const bool connected =
      SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_point_)) &&
      SUCCEEDED(events_point_->Advise(static_cast<IDispatch*>(this), &events_cookie_));
  container->Release();
  return connected;
}

void WebBrowserHost::Close() {
  events_ = nullptr;
  if (events_point_ != nullptr && events_cookie_ != 0) events_point_->Unadvise(events_cookie_);
  ReleaseAndClear(events_point_);
  ReleaseAndClear(browser_);
  if (object_ != nullptr) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  ReleaseAndClear(object_);
  Release();
}

void WebBrowserHost::Resize() {
  if (object_ == nullptr) return;
  IOleInPlaceObject* in_place = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&in_place))))
    return;
  RECT area = {};
  ::GetClientRect(window_, &area);
  in_place->SetObjectRects(&area, &area);
  in_place->Release();
}

bool WebBrowserHost::DocumentReady() const {
  IDispatch* document = nullptr;
  if (browser_ == nullptr || FAILED(browser_->get_Document(&document)) || document == nullptr)
    return false;
  IHTMLDocument2* html = nullptr;
  BSTR state = nullptr;
  bool ready = false;
  if (SUCCEEDED(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html))) &&
      SUCCEEDED(html->get_readyState(&state)) && state != nullptr) {
    ready = ::lstrcmpiW(state, L"complete") == 0 || ::lstrcmpiW(state, L"interactive") == 0;
  }
  ::SysFreeString(state);
  if (html != nullptr) html->Release();
  document->Release();
  return ready;
}

bool WebBrowserHost::TranslateAccelerator(MSG* message) {
  if (object_ == nullptr || message->message < WM_KEYFIRST || message->message > WM_KEYLAST ||
      (message->hwnd != window_ && !::IsChild(window_, message->hwnd))) {
    return false;
  }
  IOleInPlaceActiveObject* active = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceActiveObject,
                                     reinterpret_cast<void**>(&active)))) {
    return false;
  }
  const bool handled = active->TranslateAccelerator(message) == S_OK;
  active->Release();
  return handled;
}

bool WebBrowserHost::IsTopLevel(IDispatch* browser) const {
  if (browser == nullptr || browser_ == nullptr) return false;
  IUnknown* theirs = nullptr;
  IUnknown* ours = nullptr;
  browser->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs));
  browser_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ours));
  const bool same = theirs != nullptr && theirs == ours;
  if (theirs != nullptr) theirs->Release();
  if (ours != nullptr) ours->Release();
  return same;
}

// --- IUnknown ---------------------------------------------------------------

HRESULT WebBrowserHost::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *object = static_cast<IDispatch*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG WebBrowserHost::AddRef() { return ++references_; }

ULONG WebBrowserHost::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

// --- IOleClientSite ---------------------------------------------------------

HRESULT WebBrowserHost::SaveObject() { return E_NOTIMPL; }
HRESULT WebBrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  *moniker = nullptr;
  return E_NOTIMPL;
}
HRESULT WebBrowserHost::GetContainer(IOleContainer** container) {
  *container = nullptr;
  return E_NOINTERFACE;
}
HRESULT WebBrowserHost::ShowObject() { return S_OK; }
HRESULT WebBrowserHost::OnShowWindow(BOOL) { return S_OK; }
HRESULT WebBrowserHost::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleWindow -------------------------------------------------------------

HRESULT WebBrowserHost::GetWindow(HWND* window) {
  *window = window_;
  return S_OK;
}
HRESULT WebBrowserHost::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceSite --------------------------------------------------------

HRESULT WebBrowserHost::CanInPlaceActivate() { return S_OK; }
HRESULT WebBrowserHost::OnInPlaceActivate() { return S_OK; }
HRESULT WebBrowserHost::OnUIActivate() { return S_OK; }

HRESULT WebBrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                         RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* info) {
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  ::GetClientRect(window_, position);
  *clip = *position;
  info->fMDIApp = FALSE;
  info->hwndFrame = ::GetAncestor(window_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT WebBrowserHost::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT WebBrowserHost::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT WebBrowserHost::OnInPlaceDeactivate() { return S_OK; }
HRESULT WebBrowserHost::DiscardUndoState() { return E_NOTIMPL; }
HRESULT WebBrowserHost::DeactivateAndUndo() { return E_NOTIMPL; }
HRESULT WebBrowserHost::OnPosRectChange(const RECT*) { return S_OK; }

// --- IOleInPlaceFrame -------------------------------------------------------

HRESULT WebBrowserHost::GetBorder(RECT*) { return INPLACE_E_NOTOOLSPACE; }
HRESULT WebBrowserHost::RequestBorderSpace(const BORDERWIDTHS*) { return INPLACE_E_NOTOOLSPACE; }
HRESULT WebBrowserHost::SetBorderSpace(const BORDERWIDTHS*) { return OLE_E_INVALIDRECT; }
HRESULT WebBrowserHost::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT WebBrowserHost::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) { return E_NOTIMPL; }
HRESULT WebBrowserHost::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT WebBrowserHost::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT WebBrowserHost::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT WebBrowserHost::EnableModeless(BOOL) { return S_OK; }
HRESULT WebBrowserHost::TranslateAccelerator(MSG*, WORD) { return S_FALSE; }

// --- IDispatch --------------------------------------------------------------

HRESULT WebBrowserHost::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}
HRESULT WebBrowserHost::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}
HRESULT WebBrowserHost::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT WebBrowserHost::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                               EXCEPINFO*, UINT*) {
  if (events_ == nullptr || parameters == nullptr) return S_OK;
  const UINT count = parameters->cArgs;
  const auto browser_of = [&](UINT index) {
    const VARIANT& value = Argument(parameters, index);
    return value.vt == VT_DISPATCH ? value.pdispVal : nullptr;
  };
  switch (id) {
    case DISPID_BEFORENAVIGATE2:  // browser, URL, flags, target, post data, headers, Cancel
      if (count == 7) {
        const bool cancel =
            events_->BeforeNavigate(TextOf(Argument(parameters, 1)), IsTopLevel(browser_of(0)));
        SetCancel(parameters, 6, cancel);
      }
      break;
    case DISPID_NAVIGATECOMPLETE2:  // browser, URL
      if (count == 2) events_->NavigateComplete(IsTopLevel(browser_of(0)));
      break;
    case DISPID_DOWNLOADCOMPLETE:
      events_->DownloadComplete();
      break;
    case DISPID_NAVIGATEERROR:  // browser, URL, frame, status, Cancel
      if (count == 5) events_->NavigateError(IsTopLevel(browser_of(0)));
      break;
    case DISPID_TITLECHANGE:  // text
      if (count == 1) events_->TitleChanged(TextOf(Argument(parameters, 0)));
      break;
    case DISPID_STATUSTEXTCHANGE:  // text
      if (count == 1) events_->StatusTextChanged(TextOf(Argument(parameters, 0)));
      break;
    case DISPID_COMMANDSTATECHANGE:  // command, enable
      if (count == 2) {
        const VARIANT& command = Argument(parameters, 0);
        const VARIANT& enable = Argument(parameters, 1);
        if (command.vt == VT_I4 && enable.vt == VT_BOOL) {
          events_->CommandStateChanged(command.lVal, enable.boolVal != VARIANT_FALSE);
        }
      }
      break;
    case DISPID_WINDOWCLOSING:  // is child window, Cancel
      if (count == 2) {
        // The frame closes instead, and the control with it.
        SetCancel(parameters, 1, true);
        events_->WindowClosing();
      }
      break;
  }
  return S_OK;
}

}  // namespace zelvo

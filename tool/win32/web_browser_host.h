// The WebBrowser control hosted in a window of ours: a small OLE container
// (the control's client site, in-place site and in-place frame) and the sink
// of the control's DWebBrowserEvents2, which hands the events on.
#pragma once

#include <windows.h>
// After windows.h.
#include <exdisp.h>
#include <ole2.h>

#include <atomic>
#include <string>
#include <string_view>

namespace zelvo {

// What the control tells its host.
class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  // Before a navigation of the page or one of its frames; true cancels it.
  virtual bool BeforeNavigate(std::u16string_view address, bool top_level) = 0;
  virtual void NavigateComplete(bool top_level) = 0;
  virtual void DownloadComplete() = 0;
  virtual void NavigateError(bool top_level) = 0;
  virtual void TitleChanged(std::u16string_view title) = 0;
  virtual void StatusTextChanged(std::u16string_view text) = 0;
  // CSC_NAVIGATEBACK or CSC_NAVIGATEFORWARD became possible or not.
  virtual void CommandStateChanged(long command, bool enabled) = 0;
  // A script of the page asked to close its window.
  virtual void WindowClosing() = 0;
};

class WebBrowserHost final : public IOleClientSite,
                             public IOleInPlaceSite,
                             public IOleInPlaceFrame,
                             public IDispatch {
 public:
  // Creates the control in `window` (which the host does not own), sized to
  // its client area. Null when the control cannot be had.
  static WebBrowserHost* Create(HWND window, BrowserEvents* events);

  IWebBrowser2* browser() const { return browser_; }
  // Fits the control to the window's client area.
  void Resize();
  // Whether the page's document is interactive or complete.
  bool DocumentReady() const;
  // Lets the control handle a key message meant for it; true when it did.
  bool TranslateAccelerator(MSG* message);
  // Disconnects and closes the control, then lets go of the host's own
  // reference (which may be the last).
  void Close();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

  // IOleWindow, of both the in-place site and the in-place frame
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, RECT* position,
                                             RECT* clip, OLEINPLACEFRAMEINFO* info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* position) override;

  // IOleInPlaceUIWindow and IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE GetBorder(RECT* border) override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(const BORDERWIDTHS*) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(const BORDERWIDTHS*) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override;

  // IDispatch: the events of DWebBrowserEvents2
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  WebBrowserHost(HWND window, BrowserEvents* events) : window_(window), events_(events) {}
  ~WebBrowserHost();
  bool Embed();
  bool IsTopLevel(IDispatch* browser) const;

  std::atomic<ULONG> references_{1};
  const HWND window_;
  BrowserEvents* events_;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* events_point_ = nullptr;
  DWORD events_cookie_ = 0;
};

}  // namespace zelvo

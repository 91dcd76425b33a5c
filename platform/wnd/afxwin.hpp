// The framework's window classes over the window layer: CWnd and the classes the program derives
// from. A CWnd is attached to its window from creation to destruction and receives every message
// of that window through its WindowProc; what a handler does not take goes to Default(), the
// window class's own procedure.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/afxgdi.hpp"
#include "platform/wnd/wnd.hpp"

struct CREATESTRUCTW {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;
    UINT_PTR id = 0;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    const wchar_t* lpszName = nullptr;
    const wchar_t* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

class CToolTipCtrl;

class CWnd {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();  // destroys the window if it still exists

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Creation of a child or top-level window of a registered class, attached to this object.
    virtual BOOL Create(const wchar_t* className, const wchar_t* text, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();
    static CWnd* FromHandle(HWND hwnd);  // the attached object, or null

    // Message processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();  // the current message, unchanged, to DefWindowProc
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Handlers called by the default WindowProc; each one's own default is Default().
    virtual int OnCreate(CREATESTRUCTW* create);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnSetFocus(CWnd* old);
    virtual void OnKillFocus(CWnd* next);
    virtual UINT OnGetDlgCode();
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual LRESULT OnNcHitTest(POINT screenPoint);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnEnable(BOOL enable);

    // Helpers over the window calls.
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ScreenToClient(POINT* point) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    int SetWindowRgn(HRGN region, BOOL redraw);
    void SetWindowTextW(const wchar_t* text);
    int GetWindowTextW(wchar_t* buffer, int maxCount) const;
    std::wstring GetWindowTextString() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void UpdateWindow();
    BOOL GetUpdateRect(RECT* rect, BOOL erase = FALSE);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    void SetFont(HFONT font, BOOL redraw = TRUE);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unused);
    BOOL KillTimer(UINT_PTR id);
    CWnd* SetCapture();
    CWnd* SetFocus();
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL PostMessageW(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessageW(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    HDC GetDC();
    int ReleaseDC(HDC dc);
    CWnd* GetDlgItem(int id) const;
    HMENU GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    // The framework's own tips for the child windows: when the mouse comes over a child, the
    // window is asked for the text with WM_NOTIFY TTN_GETDISPINFOW (idFrom the child's window,
    // TTF_IDISHWND); a non-empty answer shows as a tip.
    void EnableToolTips(BOOL enable = TRUE);
    void CenterWindow(CWnd* alternateOwner = nullptr);

  protected:
    const MSG* currentMessage() const { return &current_; }

  private:
    friend LRESULT DispatchToObject(CWnd* object, HWND hwnd, UINT message, WPARAM wParam,
                                    LPARAM lParam);
    MSG current_;  // the message WindowProc is handling, for Default()
    void FilterToolTipMessage(const MSG* msg);
    bool toolTipsEnabled_ = false;  // EnableToolTips
    HWND toolTipChild_ = nullptr;   // the child the framework's tip last asked about
    std::unique_ptr<CToolTipCtrl> frameworkTip_;
};

// Paint context of a window: BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

  private:
    HWND hwnd_;
};

// A DC for the client area (GetDC / ReleaseDC).
class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

  private:
    HWND hwnd_;
};

// Dialog templates come from the resources by ID (res/dialog_templates).
class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the window from the template, sends WM_INITDIALOG, centres it over its owner,
    // shows it and runs a nested modal loop until EndDialog; returns the EndDialog result.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    virtual void OnOK();                                    // EndDialog(IDOK)
    virtual void OnCancel();                                // EndDialog(IDCANCEL)
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;  // IDOK/IDCANCEL to OnOK/OnCancel
    BOOL PreTranslateMessage(MSG* msg) override;            // dialog keys: Tab, Escape, Enter, F1
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT templateId() const { return templateId_; }

  protected:
    CWnd* parentWnd_;

  private:
    UINT templateId_;
    bool ended_ = false;
    int result_ = 0;
};

class CDialogEx : public CDialog {
  public:
    using CDialog::CDialog;
};

class CButton : public CWnd {
  public:
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;
};

class CStatic : public CWnd {
  public:
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;
};

// The tooltip control: a top-level window of class "tooltips_class32" that shows a tool's text in
// its own borderless window near the cursor after the delay.
class CToolTipCtrl : public CWnd {
  public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    using CWnd::Create;
    BOOL AddTool(CWnd* tool, const wchar_t* text, const RECT* rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* tool, UINT_PTR id = 0);
    void RelayEvent(MSG* msg);
    void SetDelayTime(UINT delay);  // TTDT_AUTOMATIC
    void SetTipTextColor(COLORREF color);
    void SetTipBkColor(COLORREF color);
    void Activate(BOOL activate);
    int GetToolCount() const;

  protected:
    void OnEnable(BOOL enable) override;
};

class CWinApp {
  public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();
    virtual BOOL InitInstance();
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();  // the application's main window (CWinThread::GetMainWnd)

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

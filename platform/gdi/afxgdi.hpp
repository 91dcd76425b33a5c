// The framework's drawing classes over the drawing calls: CDC and the GDI object wrappers.
// Each wrapper owns its handle and releases it when destroyed (DeleteObject / DeleteDC), unless
// the handle was detached.
#pragma once

#include "platform/gdi/gdi.hpp"

class CGdiObject {
  public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CBitmap : public CGdiObject {
  public:
    BOOL LoadBitmapW(UINT resourceId);
    BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    int GetBitmap(BITMAP* info) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CBrush : public CGdiObject {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CPen : public CGdiObject {
  public:
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirectW(const LOGFONTW* logFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CRgn : public CGdiObject {
  public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};

// A device context. m_hDC is the output context, m_hAttribDC the attribute context (the same DC
// here). A CDC that created its DC (CreateCompatibleDC) deletes it when destroyed.
class CDC {
  public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);  // null: compatible with the screen
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ object);  // returns the object selected before
    HGDIOBJ SelectObject(const CGdiObject* object) { return SelectObject(object->m_hObject); }

    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    int SetBkMode(int mode);
    int SetStretchBltMode(int mode);
    int SetMapMode(int mode);
    int GetMapMode() const;
    POINT SetWindowOrg(int x, int y);
    POINT SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    SIZE SetWindowExt(SIZE size);
    SIZE GetWindowExt() const;
    SIZE SetViewportExt(SIZE size);
    SIZE GetViewportExt() const;
    void LPtoDP(RECT* rect) const;
    void DPtoLP(RECT* rect) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int sx, int sy, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int sx, int sy, int sw, int sh,
                    DWORD rop);
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    int FillRect(const RECT* rect, CBrush* brush);
    COLORREF GetPixel(int x, int y) const;
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL TextOutW(int x, int y, const wchar_t* text, int length);
    int DrawTextW(const wchar_t* text, int length, RECT* rect, UINT format);
    BOOL DrawIcon(int x, int y, HICON icon);

  protected:
    bool ownsDc_ = false;
};

// The framework's drawing classes, thin owners over the drawing calls.
#include "platform/gdi/afxgdi.hpp"

#include "platform/wnd/wnd.hpp"

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (object == nullptr || m_hObject != nullptr) return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CBitmap::LoadBitmapW(UINT resourceId) {
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), resourceId));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc != nullptr ? dc->m_hDC : nullptr, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

int CBitmap::GetBitmap(BITMAP* info) const {
    return ::GetObjectW(m_hObject, sizeof(BITMAP), info);
}

CBrush::CBrush(COLORREF color) {
    CreateSolidBrush(color);
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    return Attach(::CreateSolidBrush(color));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    return Attach(::CreatePen(style, width, color));
}

BOOL CFont::CreateFontIndirectW(const LOGFONTW* logFont) {
    return Attach(::CreateFontIndirectW(logFont));
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
    return Attach(::CreateRoundRectRgn(left, top, right, bottom, w, h));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn(*this, a != nullptr ? static_cast<HRGN>(*a) : nullptr,
                        b != nullptr ? static_cast<HRGN>(*b) : nullptr, mode);
}

CDC::~CDC() {
    if (ownsDc_) DeleteDC();
}

BOOL CDC::Attach(HDC dc) {
    if (dc == nullptr || m_hDC != nullptr) return FALSE;
    m_hDC = dc;
    m_hAttribDC = dc;
    ownsDc_ = false;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    ownsDc_ = false;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC != nullptr) return FALSE;
    HDC created = ::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr);
    if (created == nullptr) return FALSE;
    m_hDC = created;
    m_hAttribDC = created;
    ownsDc_ = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    const BOOL ok = ::DeleteDC(Detach());
    return ok;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return ::SelectObject(m_hDC, object);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return ::SetBkColor(m_hDC, color);
}
COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hAttribDC);
}
COLORREF CDC::SetTextColor(COLORREF color) {
    return ::SetTextColor(m_hDC, color);
}
COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hAttribDC);
}
int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}
int CDC::SetStretchBltMode(int mode) {
    return ::SetStretchBltMode(m_hDC, mode);
}
int CDC::SetMapMode(int mode) {
    return ::SetMapMode(m_hDC, mode);
}
int CDC::GetMapMode() const {
    return ::GetMapMode(m_hAttribDC);
}

POINT CDC::SetWindowOrg(int x, int y) {
    POINT previous;
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

SIZE CDC::SetWindowExt(SIZE size) {
    SIZE previous;
    ::SetWindowExtEx(m_hDC, size.cx, size.cy, &previous);
    return previous;
}

SIZE CDC::GetWindowExt() const {
    SIZE extent;
    ::GetWindowExtEx(m_hAttribDC, &extent);
    return extent;
}

SIZE CDC::SetViewportExt(SIZE size) {
    SIZE previous;
    ::SetViewportExtEx(m_hDC, size.cx, size.cy, &previous);
    return previous;
}

SIZE CDC::GetViewportExt() const {
    SIZE extent;
    ::GetViewportExtEx(m_hAttribDC, &extent);
    return extent;
}

void CDC::LPtoDP(RECT* rect) const {
    if (rect == nullptr) return;
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    ::LPtoDP(m_hAttribDC, corners, 2);
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CDC::DPtoLP(RECT* rect) const {
    if (rect == nullptr) return;
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    ::DPtoLP(m_hAttribDC, corners, 2);
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, src != nullptr ? src->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int sx, int sy, int sw, int sh,
                     DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, src != nullptr ? src->m_hDC : nullptr, sx, sy,
                        sw, sh, rop);
}

// As in the framework, the fill leaves the context's background colour set to the fill colour.
void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    if (rect == nullptr) return;
    ::SetBkColor(m_hDC, color);
    BrushObject brush;
    brush.color = color;
    ::FillRect(m_hDC, rect, &brush);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    const RECT r{x, y, x + width, y + height};
    FillSolidRect(&r, color);
}

int CDC::FillRect(const RECT* rect, CBrush* brush) {
    return ::FillRect(m_hDC, rect, brush != nullptr ? static_cast<HBRUSH>(*brush) : nullptr);
}

COLORREF CDC::GetPixel(int x, int y) const {
    return ::GetPixel(m_hDC, x, y);
}

POINT CDC::MoveTo(int x, int y) {
    POINT previous;
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

BOOL CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::TextOutW(int x, int y, const wchar_t* text, int length) {
    return ::TextOutW(m_hDC, x, y, text, length);
}

int CDC::DrawTextW(const wchar_t* text, int length, RECT* rect, UINT format) {
    return ::DrawTextW(m_hDC, text, length, rect, format);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}

// Drawing objects and the drawing calls the program uses, under their Windows names and values.
// Handles are plain pointers to objects owned by the drawing layer's object table; DeleteObject and
// DeleteDC release them. GdiLiveObjectCount tells how many are alive (leak checks in tests).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/damage.hpp"
#include "platform/gdi/region.hpp"
#include "platform/gdi/surface.hpp"
#include "platform/wintypes.hpp"

class FontFace;  // a resolved face at a pixel size (text.hpp)

struct GdiObject {
    GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;
};

struct BitmapObject : GdiObject {
    Surface surface;          // pixels; a monochrome bitmap holds only 0x000000 and 0xFFFFFF
    bool monochrome = false;  // 1 plane, 1 bit per pixel
};

struct BrushObject : GdiObject {
    COLORREF color = 0;
};

struct PenObject : GdiObject {
    int style = 0;
    int width = 1;
    COLORREF color = 0;
};

inline constexpr int LF_FACESIZE = 32;
struct LOGFONTW {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    wchar_t lfFaceName[LF_FACESIZE] = {};
};

struct FontObject : GdiObject {
    LOGFONTW logFont;
    std::shared_ptr<const FontFace> face;  // resolved when the font is created
};

struct RegionObject : GdiObject {
    Region region;
};

// A device context draws into a surface: a memory DC into its selected bitmap, a window DC into
// the surface of its top-level window (set up by the window layer), at an origin and with a clip.
struct DcObject : GdiObject {
    Surface* target = nullptr;       // window DCs: the top-level window's surface
    POINT deviceOrigin;              // where the DC's device (0, 0) lies on the surface
    std::optional<Region> clip;      // in surface coordinates; none = the whole surface
    std::shared_ptr<Damage> damage;  // window DCs: where the pixels drawn are noted
    bool isMemory = false;
    BitmapObject* bitmap = nullptr;  // memory DCs: the selected bitmap (a 1 x 1 stock one at first)
    POINT windowOrg;                 // logical origin (SetWindowOrgEx)
    int mapMode = 1;                 // MM_TEXT
    COLORREF bkColor = 0x00FFFFFF;
    COLORREF textColor = 0x00000000;
    int bkMode = 2;                // OPAQUE
    int stretchMode = 1;           // BLACKONWHITE
    FontObject* font = nullptr;    // the system font until one is selected
    PenObject* pen = nullptr;      // the black pen until one is selected
    BrushObject* brush = nullptr;  // the white brush until one is selected
    POINT penPosition;
};

using HGDIOBJ = GdiObject*;
using HBITMAP = BitmapObject*;
using HBRUSH = BrushObject*;
using HPEN = PenObject*;
using HFONT = FontObject*;
using HRGN = RegionObject*;
using HDC = DcObject*;

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;  // a module handle; the program has one module
struct IconObject;
using HICON = IconObject*;

// Values.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr int HALFTONE = 4;
inline constexpr int BLACKONWHITE = 1;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int MM_TEXT = 1;
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;
inline constexpr int ERROR_REGION = 0;  // Windows calls it ERROR
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;
inline constexpr int PS_SOLID = 0;
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr BYTE DEFAULT_QUALITY = 0;
inline constexpr BYTE DRAFT_QUALITY = 1;
inline constexpr BYTE PROOF_QUALITY = 2;
inline constexpr BYTE NONANTIALIASED_QUALITY = 3;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;
inline constexpr int PS_NULL = 5;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int BLACK_PEN = 7;

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// Objects.
HDC CreateCompatibleDC(HDC dc);  // dc may be null: compatible with the screen
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirectW(const LOGFONTW* logFont);
HGDIOBJ GetStockObject(int which);  // stock objects are never deleted
BOOL DeleteObject(HGDIOBJ object);  // stock objects and null are ignored
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetObjectW(HGDIOBJ object, int size, void* out);  // BITMAP for bitmaps, LOGFONTW for fonts
// Copies a bitmap's pixels, rows top to bottom, 4 bytes per pixel: blue, green, red, 0.
LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits);
std::size_t GdiLiveObjectCount();  // bitmaps, brushes, pens, fonts, regions and DCs alive

// Bitmaps from the program's resources (the resource ID's low 16 bits); null when there is none.
HBITMAP LoadBitmapW(HINSTANCE instance, UINT resourceId);
HINSTANCE AfxGetResourceHandle();

// Attributes.
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* previous);
BOOL GetWindowExtEx(HDC dc, SIZE* extent);
BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* previous);
BOOL GetViewportExtEx(HDC dc, SIZE* extent);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

// Drawing. Coordinates are logical; all output is clipped to the DC's surface and clip region.
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw,
                int sh, DWORD rop);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
COLORREF GetPixel(HDC dc, int x, int y);  // CLR_INVALID outside the surface or clip
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL TextOutW(HDC dc, int x, int y, const wchar_t* text, int length);
int DrawTextW(HDC dc, const wchar_t* text, int length, RECT* rect, UINT format);
BOOL GetTextExtentPoint32W(HDC dc, const wchar_t* text, int length, SIZE* size);
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Fonts: enumeration of the installed families and registration of a font file for this process.
struct TEXTMETRICW {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmWeight = 0;
};
// Called once per installed family; return nonzero for the next one, 0 to stop.
using FONTENUMPROCW = int (*)(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD fontType,
                              LPARAM lParam);
// Enumerates the installed families named `family` (compared ignoring case, as fontconfig does;
// a name that is only an alias of another family is not reported). The LOGFONTW carries the
// family's name as installed and the TEXTMETRICW the family's cell at a 16-pixel height. Returns
// the callback's last result, 1 when nothing was enumerated.
int EnumFontFamiliesW(HDC dc, const wchar_t* family, FONTENUMPROCW callback, LPARAM lParam);
// Makes a font file's face available to this process; nonzero on success. A missing file such
// as "arial.ttf" names its face ("Arial"), which is made available when an installed family is
// its metric twin (Liberation Sans for Arial), and fails otherwise.
int AddFontResourceW(const wchar_t* fileName);

// For the window layer: a device context drawing onto a surface at a device origin, with an
// optional clip in surface coordinates, noting the rectangles it draws in `damage` (if given).
// Deleted with DeleteDC.
HDC GdiCreateSurfaceDC(Surface* target, POINT deviceOrigin, std::optional<Region> clip,
                       std::shared_ptr<Damage> damage = nullptr);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT* box);
int OffsetRgn(HRGN region, int dx, int dy);

// Rectangles.
BOOL SetRect(RECT* r, int left, int top, int right, int bottom);
BOOL PtInRect(const RECT* r, POINT p);
BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b);
BOOL IsRectEmpty(const RECT* r);
BOOL OffsetRect(RECT* r, int dx, int dy);

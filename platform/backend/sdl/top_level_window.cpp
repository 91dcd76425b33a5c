#include "platform/backend/sdl/top_level_window.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/backend/sdl/shape_bands.hpp"
#include "platform/backend/sdl/x11_window.hpp"
#include "platform/gdi/utf.hpp"
#include "platform/wnd/input.hpp"

namespace platform::sdl {
namespace {

// Tooltips and popup menus: the desktop shows them exactly where placed, above the other windows,
// and never gives them the focus or a frame (X11: override-redirect windows).
Uint32 UnmanagedKind(const std::wstring& className) {
    if (className == L"tooltips_class32") {
        return SDL_WINDOW_TOOLTIP;
    }
    if (className == L"#32768") {
        return SDL_WINDOW_POPUP_MENU;
    }
    return 0;
}

Uint32 CreationFlags(const WindowObject& window) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | UnmanagedKind(window.className);
    if ((window.exStyle & WS_EX_TOPMOST) != 0) {
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    }
    return flags;
}

// Copies one rectangle of the window layer's surface (logical pixels) onto SDL's window surface
// (locked; device pixels): the one place where the window layer's pixels become the screen's.
void CopyPixels(const Surface& pixels, SDL_Surface& target, const SDL_Rect& area,
                const DeviceScale& scale) {
    const int factor = scale.factor();
    auto* destination =
        static_cast<std::uint8_t*>(target.pixels) +
        static_cast<std::ptrdiff_t>(scale.ToDevice(area.y)) * target.pitch +
        static_cast<std::ptrdiff_t>(scale.ToDevice(area.x)) * target.format->BytesPerPixel;
    const RECT logical{area.x, area.y, area.x + area.w, area.y + area.h};
    if (factor > 1 && pixels.scale() == factor && pixels.fine() != nullptr) {
        // The surface's rendition at the screen's scale: its device pixels as they are.
        const Surface& fine = *pixels.fine();
        const int width = scale.ToDevice(area.w);
        const int height = scale.ToDevice(area.h);
        const std::uint32_t* source = fine.row(scale.ToDevice(area.y)) + scale.ToDevice(area.x);
        if (target.format->format == SDL_PIXELFORMAT_RGB888) {
            const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
            for (int y = 0; y < height; ++y) {
                std::memcpy(destination, source, rowBytes);
                destination += target.pitch;
                source += fine.width();
            }
        } else {
            SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, source,
                              fine.width() * static_cast<int>(sizeof(std::uint32_t)),
                              target.format->format, destination, target.pitch);
        }
        return;
    }
    if (target.format->format == SDL_PIXELFORMAT_RGB888) {
        // The surface's own layout (0x00RRGGBB): rows are copied as they are.
        if (factor == 1) {
            const std::size_t rowBytes = static_cast<std::size_t>(area.w) * sizeof(std::uint32_t);
            const std::uint32_t* source = pixels.row(area.y) + area.x;
            for (int y = 0; y < area.h; ++y) {
                std::memcpy(destination, source, rowBytes);
                destination += target.pitch;
                source += pixels.width();
            }
        } else {
            CopyScaled(pixels, logical, factor, reinterpret_cast<std::uint32_t*>(destination),
                       target.pitch);
        }
        return;
    }
    if (factor == 1) {
        const int sourcePitch = pixels.width() * static_cast<int>(sizeof(std::uint32_t));
        SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGB888, pixels.row(area.y) + area.x,
                          sourcePitch, target.format->format, destination, target.pitch);
        return;
    }
    // Another layout: scaled in the surface's own, then converted.
    const int width = scale.ToDevice(area.w);
    const int height = scale.ToDevice(area.h);
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
    const int scaledPitch = width * static_cast<int>(sizeof(std::uint32_t));
    CopyScaled(pixels, logical, factor, scaled.data(), scaledPitch);
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, scaled.data(), scaledPitch,
                      target.format->format, destination, target.pitch);
}

}  // namespace

TopLevelWindow::TopLevelWindow(HWND hwnd, DeviceScale scale)
    : hwnd_(hwnd), unmanaged_(UnmanagedKind(hwnd->className) != 0), scale_(scale) {
    const RECT rect = WindowScreenRect(hwnd_);
    const int width = std::max(1, static_cast<int>(rect.right - rect.left));
    const int height = std::max(1, static_cast<int>(rect.bottom - rect.top));
    caption_ = WindowCaption(hwnd_);
    window_.reset(SDL_CreateWindow(Utf8FromWide(caption_).c_str(), scale_.ToDevice(rect.left),
                                   scale_.ToDevice(rect.top), scale_.ToDevice(width),
                                   scale_.ToDevice(height), CreationFlags(*hwnd_)));
    if (!window_) {
        throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
    }
    if (!unmanaged_) {
        SDL_SetWindowHitTest(window_.get(), &TopLevelWindow::HitTest, this);
    }
    applyShape(WindowShape(hwnd_), width, height);
    rect_ = rect;
    devicePosition_ = POINT{scale_.ToDevice(rect.left), scale_.ToDevice(rect.top)};
    x11Window_ = X11WindowOf(window_.get());
}

void TopLevelWindow::Sync() {
    const WindowObject& record = *hwnd_;
    if (!record.minimised) {
        const RECT rect = WindowScreenRect(hwnd_);
        const int width = std::max(1, static_cast<int>(rect.right - rect.left));
        const int height = std::max(1, static_cast<int>(rect.bottom - rect.top));
        const bool resized =
            width != rect_.right - rect_.left || height != rect_.bottom - rect_.top;
        if (resized) {
            SDL_SetWindowSize(window_.get(), scale_.ToDevice(width), scale_.ToDevice(height));
        }
        const Region shape = WindowShape(hwnd_);
        if (resized || shape != shape_) {
            applyShape(shape, width, height);
        }
        if (rect.left != rect_.left || rect.top != rect_.top) {
            devicePosition_ = POINT{scale_.ToDevice(rect.left), scale_.ToDevice(rect.top)};
            SDL_SetWindowPosition(window_.get(), devicePosition_.x, devicePosition_.y);
        }
        rect_ = rect;
    }

    std::wstring caption = WindowCaption(hwnd_);
    if (caption != caption_) {
        caption_ = std::move(caption);
        SDL_SetWindowTitle(window_.get(), Utf8FromWide(caption_).c_str());
    }

    if (!record.visible) {
        if (shown_) {
            SDL_HideWindow(window_.get());
            shown_ = false;
        }
        showPending_ = false;
        minimised_ = record.minimised;
        minimiseDue_.reset();
        return;
    }
    if (!shown_ && !showPending_) {
        if (record.minimised) {
            // Shown as an icon: nothing of it is painted on screen.
            SDL_ShowWindow(window_.get());
            shown_ = true;
        } else {
            // Mapped at the first present, once the window layer has painted it.
            showPending_ = true;
        }
    }
    if (record.minimised != minimised_) {
        minimised_ = record.minimised;
        if (minimised_) {
            SDL_MinimizeWindow(window_.get());
            minimiseDue_ = Clock::now() + std::chrono::milliseconds(500);
        } else {
            minimiseDue_.reset();
            SDL_RestoreWindow(window_.get());
            PresentAll();
        }
    }
}

long long TopLevelWindow::Present(const std::vector<RECT>& damage) {
    if (showPending_) {
        showPending_ = false;
        // Without a window manager SDL gives every window it shows the keyboard focus: a tooltip
        // or a menu gives it back to the window that had it.
        const std::optional<unsigned long> focus =
            unmanaged_ ? X11InputFocus(window_.get()) : std::nullopt;
        SDL_ShowWindow(window_.get());
        if (focus && *focus > PointerRootFocus && X11InputFocus(window_.get()) == x11Window_) {
            SetX11InputFocus(window_.get(), *focus);
        }
        shown_ = true;
        return PresentAll();
    }
    const Surface* pixels = WindowSurface(hwnd_);
    SDL_Surface* target = SDL_GetWindowSurface(window_.get());
    if (!shown_ || pixels == nullptr || pixels->empty() || target == nullptr) {
        return 0;
    }
    // The logical pixels that the device surface holds whole.
    const int width = std::min(pixels->width(), scale_.ToLogical(target->w));
    const int height = std::min(pixels->height(), scale_.ToLogical(target->h));
    std::vector<SDL_Rect> areas;
    areas.reserve(damage.size());
    for (const RECT& r : damage) {
        const int x0 = std::max(0, static_cast<int>(r.left));
        const int y0 = std::max(0, static_cast<int>(r.top));
        const int x1 = std::min(static_cast<int>(r.right), width);
        const int y1 = std::min(static_cast<int>(r.bottom), height);
        if (x0 < x1 && y0 < y1) {
            areas.push_back(SDL_Rect{x0, y0, x1 - x0, y1 - y0});
        }
    }
    if (areas.empty() || SDL_LockSurface(target) != 0) {
        return 0;
    }
    long long count = 0;
    for (SDL_Rect& area : areas) {
        CopyPixels(*pixels, *target, area, scale_);
        count += static_cast<long long>(area.w) * area.h;
        area = SDL_Rect{scale_.ToDevice(area.x), scale_.ToDevice(area.y), scale_.ToDevice(area.w),
                        scale_.ToDevice(area.h)};
    }
    SDL_UnlockSurface(target);
    SDL_UpdateWindowSurfaceRects(window_.get(), areas.data(), static_cast<int>(areas.size()));
    return count;
}

long long TopLevelWindow::PresentAll() {
    return Present({RECT{0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top}});
}

void TopLevelWindow::NoteExposed(const ShapeRect& area) {
    exposuresKnown_ = true;
    exposed_.Add(scale_.LogicalCover(area));
}

long long TopLevelWindow::PresentExposed() {
    if (!exposuresKnown_) {
        return PresentAll();
    }
    const std::vector<RECT> areas = exposed_.Take();
    return areas.empty() ? 0 : Present(areas);
}

bool TopLevelWindow::RefreshPosition() {
    if (minimised_ || !shown_) {
        return false;
    }
    const POINT device = DesktopPosition(window_.get());
    if (device.x == devicePosition_.x && device.y == devicePosition_.y) {
        // Where it was put last (a window moved with the pointer may sit in its logical place
        // otherwise than a device position rounded down would say).
        return false;
    }
    devicePosition_ = device;
    const auto [x, y] = scale_.ToLogical(devicePosition_);
    if (x == rect_.left && y == rect_.top) {
        return false;
    }
    rect_ = RECT{x, y, x + (rect_.right - rect_.left), y + (rect_.bottom - rect_.top)};
    return true;
}

bool TopLevelWindow::NoteMinimised(bool minimised) {
    minimiseDue_.reset();
    if (minimised == minimised_ || !shown_) {
        return false;
    }
    minimised_ = minimised;
    return true;
}

void TopLevelWindow::MinimiseUndone() {
    minimiseDue_.reset();
    minimised_ = false;
}

void TopLevelWindow::StartPointerMove() {
    pointerMoveStart_ = devicePosition_;
}

void TopLevelWindow::FollowPointer(POINT logical, POINT deviceDistance) {
    if (scale_.factor() == 1 || minimised_) {
        return;
    }
    const int width = rect_.right - rect_.left;
    const int height = rect_.bottom - rect_.top;
    rect_ = RECT{logical.x, logical.y, logical.x + width, logical.y + height};
    const POINT device{pointerMoveStart_.x + deviceDistance.x,
                       pointerMoveStart_.y + deviceDistance.y};
    if (device.x != devicePosition_.x || device.y != devicePosition_.y) {
        devicePosition_ = device;
        SDL_SetWindowPosition(window_.get(), device.x, device.y);
    }
}

POINT TopLevelWindow::ToScreen(int x, int y) const {
    return POINT{rect_.left + scale_.ToLogical(x), rect_.top + scale_.ToLogical(y)};
}

POINT TopLevelWindow::ScreenFromDevice(POINT device) const {
    return ToScreen(device.x - devicePosition_.x, device.y - devicePosition_.y);
}

SDL_HitTestResult TopLevelWindow::HitTest(SDL_Window* /*window*/, const SDL_Point* point,
                                          void* self) {
    auto* top = static_cast<TopLevelWindow*>(self);
    if (!IsWindow(top->hwnd_) || !AcceptsMouseInput(top->hwnd_) ||
        !WindowManagerRuns(top->window_.get())) {
        // The press goes to the window layer, which drags the window itself if it must.
        return SDL_HITTEST_NORMAL;
    }
    const LRESULT hit = HitTestTopLevel(top->hwnd_, top->ToScreen(point->x, point->y));
    // SDL asks on pointer moves too, for the cursor shape only; at a press it starts the drag.
    const bool press = top->pressBeingHandled_;
    top->pressBeingHandled_ = false;
    if (hit != HTCAPTION) {
        return SDL_HITTEST_NORMAL;
    }
    top->desktopMoveAsked_ = press;
    top->alignSdlPosition();
    return SDL_HITTEST_DRAGGABLE;
}

void TopLevelWindow::NoteLeftPress() {
    pressBeingHandled_ = true;
    desktopMoveAsked_ = false;
}

void TopLevelWindow::NoteLeftRelease() {
    if (desktopMoveAsked_) {
        desktopMoveAsked_ = false;
        CancelDesktopMove(window_.get());
    }
}

void TopLevelWindow::alignSdlPosition() {
    // SDL tells the window manager where the drag starts from its own record of the window's
    // place, and that record can be wrong: SDL relates a move the server reported before the
    // window manager framed the window to the frame, counting the frame's place twice. The
    // window manager would then drop the window that far off. Make the record true first (the
    // window stays where it is).
    const POINT desktop = DesktopPosition(window_.get());
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window_.get(), &x, &y);
    if (x != desktop.x || y != desktop.y) {
        SDL_SetWindowPosition(window_.get(), desktop.x, desktop.y);
    }
}

void TopLevelWindow::applyShape(const Region& shape, int width, int height) {
    shape_ = shape;
    SetX11WindowShape(window_.get(), scale_.ToDevice(ShapeBands(shape, width, height)));
}

}  // namespace platform::sdl

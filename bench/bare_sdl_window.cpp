// The floor of start-up: a bare SDL2 program that opens an 800 x 540 window, blits one picture
// into it and waits to be ended. With VR_TRACE_PRESENTS set it prints, like the program's
// backend, an "appear" line with the steady clock in µs once the picture is on the screen.
//
//   bare_sdl_window [--wake-every MS]
//
// With --wake-every it also wakes every MS milliseconds while nothing happens, doing nothing
// then: the floor of a program's timer tick through SDL's event wait.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    int wakeEveryMs = -1;  // sleep until an event comes
    if (argc == 3 && std::strcmp(argv[1], "--wake-every") == 0) {
        wakeEveryMs = std::atoi(argv[2]);
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: bare_sdl_window [--wake-every MS]\n");
        return EXIT_FAILURE;
    }
    // A software window surface, as the program uses (no OpenGL set-up).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare_sdl_window: %s\n", SDL_GetError());
        return EXIT_FAILURE;
    }
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          800, 540, SDL_WINDOW_BORDERLESS);
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 800, 540, 32, SDL_PIXELFORMAT_RGB888);
    if (surface == nullptr || picture == nullptr) {
        std::fprintf(stderr, "bare_sdl_window: %s\n", SDL_GetError());
        return EXIT_FAILURE;
    }
    for (int y = 0; y < picture->h; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(picture->pixels) +
                                             static_cast<std::ptrdiff_t>(y) * picture->pitch);
        for (int x = 0; x < picture->w; ++x) {
            row[x] = static_cast<std::uint32_t>((x * 255 / 800) << 16 | (y * 255 / 540) << 8 | 96);
        }
    }
    SDL_BlitSurface(picture, nullptr, surface, nullptr);
    SDL_UpdateWindowSurface(window);
    if (std::getenv("VR_TRACE_PRESENTS") != nullptr) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "appear %u 432000 %lld\n", SDL_GetTicks(),
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    }
    SDL_Event event;
    while (true) {
        if (SDL_WaitEventTimeout(&event, wakeEveryMs) == 0) {
            if (wakeEveryMs < 0) {
                break;  // the wait failed
            }
            continue;  // the tick: nothing to do
        }
        if (event.type == SDL_QUIT) {
            break;
        }
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    SDL_FreeSurface(picture);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return EXIT_SUCCESS;
}

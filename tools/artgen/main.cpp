// vr-artgen: draws every bitmap of the program and writes them as 24-bit BMP files, and each of
// them at the finer scales 2, 3 and 4 as PNG files (the renditions the program shows on a screen of
// that scale).
//
//   vr-artgen <res-dir>                  writes <res-dir>/bitmaps/<ID>.bmp, bitmaps/<S>x/<ID>.png,
//                                        icons/128.bmp and the desktop icons
//                                        icons/desktop/<size>.png
//   vr-artgen <res-dir> --preview <png>  also writes a picture of the assembled windows
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/context.hpp"
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/png.hpp"
#include "tools/artgen/app_icon.hpp"
#include "tools/artgen/catalog.hpp"
#include "tools/artgen/preview.hpp"

namespace {

bool WriteCanvas(int id, const art::Canvas& canvas, const std::filesystem::path& dir) {
    const std::filesystem::path file = dir / (std::to_string(id) + ".bmp");
    if (WriteBmpFile(canvas.surface(), file.string())) return true;
    std::fprintf(stderr, "vr-artgen: cannot write %s\n", file.string().c_str());
    return false;
}

bool WriteRendition(int id, const art::Canvas& canvas, const std::filesystem::path& dir) {
    const std::filesystem::path file = dir / (std::to_string(id) + ".png");
    if (WritePngFile(canvas.surface(), file.string())) return true;
    std::fprintf(stderr, "vr-artgen: cannot write %s\n", file.string().c_str());
    return false;
}

bool Drawn(const art::Piece& piece, const art::Canvas& canvas, int scale) {
    if (canvas.width() == piece.width && canvas.height() == piece.height && canvas.scale() == scale)
        return true;
    std::fprintf(stderr, "vr-artgen: bitmap %d drawn at %dx%d (scale %d), expected %dx%d (%d)\n",
                 piece.id, canvas.width(), canvas.height(), canvas.scale(), piece.width,
                 piece.height, scale);
    return false;
}

bool WriteDesktopIcons(const std::filesystem::path& dir) {
    bool ok = true;
    for (const int size : art::kDesktopIconSizes) {
        const std::filesystem::path file = dir / (std::to_string(size) + ".png");
        if (!art::WriteIconPng(art::DrawDesktopIcon(size), file.string())) {
            std::fprintf(stderr, "vr-artgen: cannot write %s\n", file.string().c_str());
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    static constexpr const char* usage = "usage: vr-artgen <res-dir> [--preview <file.png>]\n";
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(usage, stdout);
        return 0;
    }
    const bool withPreview = argc == 4 && std::string_view(argv[2]) == "--preview";
    // An option where the folder belongs is a mistake, never a folder to fill with artwork.
    if ((argc != 2 && !withPreview) || std::string_view(argv[1]).starts_with('-')) {
        std::fputs(usage, stderr);
        return 2;
    }
    const platform::Context context;  // the drawing layer renders the artwork's texts
    const std::filesystem::path res = argv[1];
    std::error_code error;
    std::filesystem::create_directories(res / "bitmaps", error);
    std::filesystem::create_directories(res / "icons" / "desktop", error);
    bool ok = true;
    art::Library library;
    for (const art::Piece& piece : art::Bitmaps()) {
        art::Canvas canvas = piece.draw(1);
        ok = Drawn(piece, canvas, 1) && WriteCanvas(piece.id, canvas, res / "bitmaps") && ok;
        library.emplace(piece.id, std::move(canvas));
    }
    for (const int scale : art::kFinerScales) {
        const std::filesystem::path dir = res / "bitmaps" / (std::to_string(scale) + "x");
        std::filesystem::create_directories(dir, error);
        for (const art::Piece& piece : art::Bitmaps()) {
            const art::Canvas canvas = piece.draw(scale);
            ok = Drawn(piece, canvas, scale) && WriteRendition(piece.id, canvas, dir) && ok;
        }
    }
    const art::Piece icon = art::AppIconPiece();
    const art::Canvas iconCanvas = icon.draw(1);
    ok = Drawn(icon, iconCanvas, 1) && WriteCanvas(icon.id, iconCanvas, res / "icons") && ok;
    ok = WriteDesktopIcons(res / "icons" / "desktop") && ok;
    if (withPreview && ok && !WritePngFile(art::ComposePreview(library).surface(), argv[3])) {
        std::fprintf(stderr, "vr-artgen: cannot write %s\n", argv[3]);
        ok = false;
    }
    return ok ? 0 : 1;
}

// vr-artgen: draws every bitmap of the program and writes them as 24-bit BMP files.
//
//   vr-artgen <res-dir>                  writes <res-dir>/bitmaps/<ID>.bmp and icons/128.bmp
//   vr-artgen <res-dir> --preview <png>  also writes a picture of the assembled main window
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/artgen/bmp_file.hpp"
#include "tools/artgen/catalog.hpp"

namespace {

bool WritePiece(const art::Piece& piece, const std::filesystem::path& dir) {
    const art::Canvas canvas = piece.draw();
    if (canvas.width() != piece.width || canvas.height() != piece.height) {
        std::fprintf(stderr, "vr-artgen: bitmap %d drawn at %dx%d, expected %dx%d\n", piece.id,
                     canvas.width(), canvas.height(), piece.width, piece.height);
        return false;
    }
    const std::filesystem::path file = dir / (std::to_string(piece.id) + ".bmp");
    if (!art::WriteBmp24(file.string(), canvas)) {
        std::fprintf(stderr, "vr-artgen: cannot write %s\n", file.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vr-artgen <res-dir>\n");
        return 2;
    }
    const std::filesystem::path res = argv[1];
    std::error_code error;
    std::filesystem::create_directories(res / "bitmaps", error);
    std::filesystem::create_directories(res / "icons", error);
    bool ok = true;
    for (const art::Piece& piece : art::Bitmaps()) ok = WritePiece(piece, res / "bitmaps") && ok;
    ok = WritePiece(art::AppIconPiece(), res / "icons") && ok;
    return ok ? 0 : 1;
}

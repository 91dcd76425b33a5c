// vespane-rgb: the lighting utility. It takes no command line.
#include <filesystem>
#include <string>

#include "app/vespane_app.hpp"
#include "platform/context.hpp"

int main(int argc, char** argv) {
    if (argc > 0) {
        SetAppExecutableName(std::filesystem::path(argv[0]).filename().wstring());
    }
    const platform::Context context;
    CVespaneRezuVovAdodizozaviApp app;
    app.InitInstance();
    return 0;
}

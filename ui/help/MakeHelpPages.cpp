// tw_help_pages FOLDER: writes the help pages of the configuration dialogs,
// one per instrument model and the index, into FOLDER.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Catalogue.h"
#include "ui/ModelHelp.h"

namespace {

bool Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "tw_help_pages: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tw_help_pages FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool written = true;
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        const std::string page = ModelHelpPage(ctdID);
        if (!page.empty()) {
            written = Write(folder / HelpPageOf(ctdID).str(), page) && written;
        }
    }
    return Write(folder / "index.html", HelpIndexPage()) && written ? 0 : 1;
}

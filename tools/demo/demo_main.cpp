// mf7demo ROOT [--ini FILE]: writes the sample game under ROOT and, with --ini, a settings file
// that points the editor at it (only where none exists).
#include "demo/demo_game.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--ini")) {
        std::cerr << "usage: mf7demo ROOT [--ini FILE]\n";
        return 2;
    }
    std::string root = mf7::utf8_to_cp1252(std::filesystem::absolute(argv[1]).string());
    std::string error;
    if (!mf7::demo::write_demo_game(root, error)) {
        std::cerr << "mf7demo: " << error << "\n";
        return 1;
    }
    std::cout << "Demo game written to " << argv[1] << "\n";
    if (argc == 4) {
        std::string ini = mf7::utf8_to_cp1252(argv[3]);
        if (mf7::file_exists(ini)) {
            std::cout << "Settings file " << argv[3] << " exists; left as it is.\n";
            return 0;
        }
        mf7::Settings s = mf7::demo::demo_settings(root);
        mf7::FileError err;
        if (!mf7::write_file_atomic(ini, mf7::settings_file_text(s, "3.0.1"), err)) {
            std::cerr << "mf7demo: cannot write " << argv[3] << ": " << err.text << "\n";
            return 1;
        }
        std::cout << "Settings file written: " << argv[3] << "\n";
    }
    return 0;
}

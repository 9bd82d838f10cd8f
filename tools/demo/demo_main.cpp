// mf7demo ROOT [--ini FILE]: writes the sample game under ROOT and, with --ini, a settings file
// that points the editor at it (only where none exists).
#include "demo/demo_game.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args = mf7::program_arguments(argc, argv);
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--ini")) {
        std::cerr << "usage: mf7demo ROOT [--ini FILE]\n";
        return 2;
    }
    std::string root = mf7::from_native(std::filesystem::absolute(mf7::to_native(args[0])));
    std::string error;
    if (!mf7::demo::write_demo_game(root, error)) {
        std::cerr << "mf7demo: " << error << "\n";
        return 1;
    }
    std::cout << "Demo game written to " << args[0] << "\n";
    if (args.size() == 3) {
        const std::string& ini = args[2];
        if (mf7::file_exists(ini)) {
            std::cout << "Settings file " << ini << " exists; left as it is.\n";
            return 0;
        }
        mf7::Settings s = mf7::demo::demo_settings(root);
        mf7::FileError err;
        if (!mf7::write_file_atomic(ini, mf7::settings_file_text(s, "3.0.1"), err)) {
            std::cerr << "mf7demo: cannot write " << ini << ": " << err.text << "\n";
            return 1;
        }
        std::cout << "Settings file written: " << ini << "\n";
    }
    return 0;
}

// mf7demo ROOT [--ini FILE]: writes the sample game under ROOT and, with --ini, a settings file
// that points the editor at it (only where none exists).
#include "model/demo_game.h"
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr const char* kUsage = "usage: mf7demo ROOT [--ini FILE]\n";

int write_settings_file(const mf7::NativePath& root, const mf7::NativePath& ini) {
    const std::string& ini_arg = ini.str();
    if (mf7::file_exists(ini)) {
        std::cout << "Settings file " << ini_arg << " exists; left as it is.\n";
        return 0;
    }
    // The settings may go to a user's config folder that nothing has made yet.
    std::error_code ec;
    std::filesystem::create_directories(mf7::to_native(ini).parent_path(), ec);
    mf7::Settings s = mf7::demo::demo_settings(root);
    mf7::FileError err;
    if (!mf7::write_file_atomic(ini, mf7::settings_file_text(s, mf7::kVersionText), err)) {
        std::cerr << "mf7demo: cannot write " << ini_arg << ": " << err.text << "\n";
        return 1;
    }
    std::cout << "Settings file written: " << ini_arg << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    mf7::ignore_file_size_signal();
    std::vector<mf7::NativePath> args = mf7::program_arguments(argc, argv);
    if (auto status =
            mf7::answer_command_line(args, {{"--ini", true}}, kUsage, std::cout, std::cerr))
        return *status;
    if (args.size() != 1 && !(args.size() == 3 && args[1].str() == "--ini")) {
        std::cerr << kUsage;
        return 2;
    }
    mf7::NativePath root = mf7::from_native(std::filesystem::absolute(mf7::to_native(args[0])));
    std::string error;
    // The demo's files would replace files of the same name, so only an empty folder or one that
    // holds an earlier demo game is written into.
    if (!mf7::demo::demo_root_usable(root, error) || !mf7::demo::write_demo_game(root, error)) {
        std::cerr << "mf7demo: " << error << "\n";
        return 1;
    }
    std::cout << "Demo game written to " << args[0].str() << "\n";
    if (args.size() == 3)
        return write_settings_file(root, args[2]);
    // Without settings that name its folders the editor does not find the demo game.
    // The settings file the editor reads, where the user's config folder is known.
    mf7::NativePath config = mf7::default_user_config_folder();
    std::string ini = config.empty() ? std::string("~/.config/mf7edit/mf7edit.ini")
                                     : mf7::join_path(config, mf7::kSettingsFileName).str();
    std::cout << "To open it in the editor, choose Edit Folder settings in mf7edit and point the "
                 "folders at it, or write the settings with:\n  mf7demo "
              << root.str() << " --ini " << ini << "\n";
    return 0;
}

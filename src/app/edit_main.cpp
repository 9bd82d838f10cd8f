// mf7edit: the campaign editor.
#include "model/state.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ui/common/message_boxes.h"
#include "ui/editor_windows.h"
#include "ui/overview/overview_window.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    mf7::ignore_file_size_signal();
    // The editor takes no arguments but the display system's own, which QApplication removes;
    // --help is answered before, so that it needs no display.
    const std::string usage = "usage: mf7edit [Qt options such as -platform NAME]\n";
    std::vector<std::string> before(argv + 1, argv + argc);
    if (std::find(before.begin(), before.end(), "--help") != before.end() ||
        std::find(before.begin(), before.end(), "-h") != before.end()) {
        std::cout << usage;
        return 0;
    }
    QApplication app(argc, argv);
    if (argc > 1) {
        std::cerr << usage;
        return 2;
    }
    mf7::EditorState state;
    state.start_folder = mf7::executable_folder();
    mf7::MessageBoxes messages;
    mf7::EditorWindows windows(state, messages);
    windows.overview().show();
    // The start messages (missing settings, missing folders) appear over the window.
    QTimer::singleShot(0, &windows, [&windows] { windows.overview().start(); });
    return app.exec();
}

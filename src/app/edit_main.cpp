// mf7edit: the campaign editor.
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ui/common/message_boxes.h"
#include "ui/editor_windows.h"
#include "ui/overview/overview_window.h"

#include <QApplication>
#include <QTimer>

#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    mf7::ignore_file_size_signal();
    // Besides a campaign the editor takes only the display system's own options, which
    // QApplication removes; --help and --version are answered before, so that they need no
    // display.
    const std::string usage = "usage: mf7edit [CAMPAIGN] [Qt options such as -platform NAME]\n";
    std::vector<std::string> before(argv + 1, argv + argc);
    std::ostringstream ignored;
    if (auto status = mf7::answer_command_line(before, {}, usage, std::cout, ignored);
        status && *status == 0)
        return 0;
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(u'-'))) {
        std::cerr << usage;
        return 2;
    }
    mf7::EditorState state;
    state.start_folder = mf7::executable_folder();
    mf7::MessageBoxes messages;
    mf7::EditorWindows windows(state, messages);
    windows.overview().show();
    // The start messages (missing settings, missing folders) appear over the window.
    QString campaign = args.size() > 1 ? args[1] : QString();
    QTimer::singleShot(0, &windows, [&windows, campaign] {
        windows.overview().start();
        if (!campaign.isEmpty())
            windows.overview().open_argument(campaign);
    });
    return app.exec();
}

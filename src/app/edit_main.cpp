// mf7edit: the campaign editor.
#include "model/state.h"
#include "platform/paths.h"
#include "ui/common/message_boxes.h"
#include "ui/editor_windows.h"
#include "ui/overview/overview_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mf7::EditorState state;
    state.start_folder = mf7::executable_folder();
    mf7::MessageBoxes messages;
    mf7::EditorWindows windows(state, messages);
    windows.overview().show();
    // The start messages (missing settings, missing folders) appear over the window.
    QStringList args = QApplication::arguments();
    QString campaign = args.size() > 1 ? args[1] : QString();
    QTimer::singleShot(0, &windows, [&windows, campaign] {
        windows.overview().start();
        if (!campaign.isEmpty())
            windows.overview().open_argument(campaign);
    });
    return app.exec();
}

// mf7edit: the campaign editor.
#include "model/state.h"
#include "platform/paths.h"
#include "ui/common/message_boxes.h"
#include "ui/overview/form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mf7::EditorState state;
    state.start_folder = mf7::executable_folder();
    mf7::MessageBoxes messages;
    mf7::Form1 form1(state, messages);
    form1.show();
    // The start messages (missing settings, missing folders) appear over the window.
    QTimer::singleShot(0, &form1, [&form1] { form1.start(); });
    return app.exec();
}

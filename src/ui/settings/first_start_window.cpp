#include "ui/settings/first_start_window.h"

#include "model/demo_game.h"
#include "model/state.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "settings/game_folders.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace mf7 {

FirstStartWindow::FirstStartWindow(EditorState& state, Messages& messages, QWidget* parent)
    : ReturningWindow(parent), state_(state), messages_(messages) {
    setObjectName("FirstStart");
    setWindowTitle("MF7-editor, First start");
    where_ = new QLabel(this);
    where_->setObjectName("LabelWhere");
    where_->setWordWrap(true);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* offer = new QLabel(
        "Point the editor at the game's folder (the one that holds CAMPAIGN, SCENARIO, SOUND, "
        "SMACK and TEXT), or make a demo game to try the editor on.",
        this);
    offer->setWordWrap(true);
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    QPushButton* choose = button("ChooseFolder", "Choose the game's folder...");
    QPushButton* demo = button("MakeDemo", "Make a demo game");
    QPushButton* later = button("Later", "Later");
    choose->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(demo);
    buttons->addStretch(1);
    buttons->addWidget(later);
    auto* v = new QVBoxLayout(this);
    v->addWidget(where_);
    v->addWidget(offer);
    v->addLayout(buttons);
    setMinimumWidth(520);
    connect(choose, &QPushButton::clicked, this, &FirstStartWindow::choose_folder);
    connect(demo, &QPushButton::clicked, this, &FirstStartWindow::make_demo);
    connect(later, &QPushButton::clicked, this, &FirstStartWindow::leave);
    enter_presses_buttons(*this);
}

void FirstStartWindow::prepare() {
    NativePath ini = join_path(state_.settings.program_folder, kSettingsFileName);
    where_->setText("No settings file was found. The editor looks for it here:\n" + pathToQ(ini) +
                    "\nLater, Edit Folder settings makes it too.");
}

NativePath FirstStartWindow::demo_root() const {
    NativePath data = default_user_data_folder();
    return data.empty() ? data : join_path(data, "demo-game");
}

void FirstStartWindow::choose_folder() {
    QString start = QDir::homePath();
    QString chosen = ask_game_folder
                         ? ask_game_folder(start)
                         : QFileDialog::getExistingDirectory(this, "The game's folder", start);
    if (chosen.isEmpty())
        return;
    NativePath folder = strip_final_separator(pathFromQ(chosen));
    // A game folder may be read-only: without its own REPORTS folder, reports go to ours.
    NativePath spare_reports = join_path(default_user_data_folder(), "reports");
    GameFolders found = game_folders(folder, spare_reports);
    if (!found.missing.empty()) {
        std::string names;
        for (const std::string& n : found.missing)
            names += (names.empty() ? "" : ", ") + n;
        messages_.show(path_in_message(folder) + " does not hold the game's folder(s) " + names +
                       ".\r\nChoose the folder the game is installed in.");
        return;
    }
    if (found.settings.mf7_rep == spare_reports) {
        std::error_code ignored;
        std::filesystem::create_directories(to_native(spare_reports), ignored);
    }
    proposed_ = found.settings;
    proposed_.program_folder = state_.settings.program_folder;
    leave();
    emit gameFolderChosen();
}

void FirstStartWindow::make_demo() {
    NativePath root = demo_root();
    std::string error = "neither XDG_DATA_HOME nor HOME is set";
    // Never over anything but an earlier demo game: the demo's files replace same-named ones.
    if (root.empty() || !demo::demo_root_usable(root, error) ||
        !demo::write_demo_game(root, error)) {
        messages_.show("The demo game cannot be made in " + path_in_message(root) + ":\r\n" +
                       utf8_to_cp1252(error));
        return;
    }
    Settings s = demo::demo_settings(root);
    s.program_folder = state_.settings.program_folder;
    // write_settings says where the file went, or why it could not be written.
    if (!write_settings(s, state_.version_text, state_.start_folder, messages_))
        return;
    leave();
    emit demoMade();
}

} // namespace mf7

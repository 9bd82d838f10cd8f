#pragma once
// The first start: no settings file yet. The window says where the editor looked for one and
// offers two ways on: the game's folder, from which the folder settings are filled in for the
// user to check and save, or a demo game made in the user's data folder with settings pointing
// at it. Its object name is "FirstStart"; the buttons are "ChooseFolder", "MakeDemo" and
// "Later".
#include "settings/settings.h"

#include "ui/common/returning_window.h"

#include <functional>

class QLabel;

namespace mf7 {

struct EditorState;
class Messages;

class FirstStartWindow : public ReturningWindow {
    Q_OBJECT
  public:
    FirstStartWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Shows where the settings file is expected (the settings in force name its folder).
    void prepare();
    // The folder settings filled in from the game's folder the user chose.
    const Settings& proposed() const { return proposed_; }

    // Asks for the game's folder; empty for cancel. Tests set it; unset, a folder dialog asks.
    std::function<QString(const QString& start)> ask_game_folder;
    // Where the demo game goes; tests may leave it as it is, under the user's data folder.
    NativePath demo_root() const;

  signals:
    // A game's folder was chosen: the folder settings window opens filled with proposed().
    void gameFolderChosen();
    // The demo game and a settings file pointing at it were written.
    void demoMade();

  private:
    void choose_folder();
    void make_demo();

    EditorState& state_;
    Messages& messages_;
    Settings proposed_;
    QLabel* where_ = nullptr;
};

} // namespace mf7

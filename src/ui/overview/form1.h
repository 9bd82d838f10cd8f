#pragma once
// The overview window: campaign header, scenario list, campaign trailer and the menu bar.
#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    Form1(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Start of the window: version, program folder, settings, captions and menu states.
    void start();
    // Shows the record (`udfyld_form1`); the list is emptied first.
    void udfyld_form1();

    QAction* action(const char* name) const;

  private:
    void build_menus();
    QWidget* build_header();
    QWidget* build_list();
    QWidget* build_trailer();
    void set_campaign_menus(bool enabled);
    void set_file_menus_for_settings(bool usable);
    void set_selection_caption(int index);

    EditorState& state_;
    Messages& messages_;
    QGroupBox* frame2_ = nullptr;
    QLineEdit *text1_ = nullptr, *text2_ = nullptr, *text3_ = nullptr, *text4_ = nullptr,
              *text5_ = nullptr, *text6_ = nullptr;
    QLabel* label7_ = nullptr;
    QListWidget* list1_ = nullptr;
    QPushButton *command1_ = nullptr, *command2_ = nullptr, *command3_ = nullptr;
};

} // namespace mf7

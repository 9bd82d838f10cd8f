#pragma once
// The text window: edits one of the game's text files, or shows a report that its save button
// writes. The caption holds the file's path.
// Its object names ("Form9", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "platform/native_path.h"
#include "ui/window_handover.h"

#include <QChar>
#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

class TextWindow : public QWidget {
    Q_OBJECT
  public:
    TextWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Shows the window captioned with path, loads the file (a missing one gives
    // an empty text) and puts the caret into Text1. False when the file exists but cannot be
    // read: the message was shown, the window is open and empty, and saving is disabled so the
    // unread file cannot be overwritten by mistake.
    bool open_file(const NativePath& path, WindowId return_window);
    // Loads the file the caption names into Text1.
    bool get_text_file();
    // Shows a text made elsewhere (the missing-files check); saving writes it to caption. Both
    // are Windows-1252.
    void show_text(const NativePath& caption, const std::string& text, WindowId return_window);

    // Text1's contents as the file's bytes (Windows-1252, CR LF line ends), and back.
    std::string text_bytes() const;
    void set_text_bytes(const std::string& text);

    QPlainTextEdit* text_edit() const { return text_edit_; }

  signals:
    // After a save or a cancel: the window to return to is to be enabled and activated again.
    void returned(mf7::WindowId return_window);

  protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void present();
    void save();
    // True when the text can be stored as it is, or the user agreed to lose what it cannot.
    bool storable_or_accepted();
    // True when nothing was typed since the text was loaded, or the user agreed to lose it.
    bool may_discard();
    void cancel();

    EditorState& state_;
    Messages& messages_;
    // The window that opened this one: enabled again on return.
    WindowId return_window_ = WindowId::Overview;
    bool check_text_ = false; // showing the check, whose save needs the report folder
    QPlainTextEdit* text_edit_ = nullptr;
    // What stands for a line feed inside a line (one the font can draw), chosen on loading.
    QChar line_feed_mark_;
    QPushButton *save_button_ = nullptr, *cancel_button_ = nullptr;
};

} // namespace mf7

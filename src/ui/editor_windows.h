#pragma once
// The window controller: owns the overview, makes every other window on first use and
// afterwards only shows and hides it. A window that opens another on its behalf is disabled
// until that one returns. Windows never make each other: they signal, and this connects.
#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace mf7 {

struct EditorState;
class Messages;
struct ChooserSetup;
class Form1;
class Form2;
class Dialog;
class Form4;
class Form5;
class Form6;
class Form7;
class Form3;
class Form8;
class Form9;
class Form10;

class EditorWindows : public QObject {
    Q_OBJECT
  public:
    EditorWindows(EditorState& state, Messages& messages);
    ~EditorWindows() override;

    // Shows the overview and runs its start (settings, captions, menu states).
    void start();

    Form1& form1();
    // The other windows, made on first use.
    Form2& form2();
    Dialog& dialog();
    Form4& form4();
    Form5& form5();
    Form6& form6();
    Form7& form7();
    Form3& form3();
    Form8& form8();
    Form9& form9();
    Form10& form10();
    // Whether a window has been made yet: "form2", "dialog", "form3" ... "form10".
    bool created(const std::string& name) const;

    // The window a return_form names: "form1" is the overview, any other name is asked of
    // extra_window (the scenario editor plugs in "form3" there).
    QWidget* window_named(const std::string& name);
    std::function<QWidget*(const std::string&)> extra_window;

    // Shows child (enabled, activated) on behalf of caller, which is disabled until it returns.
    void open_window(QWidget* child, QWidget* caller);
    // The child has hidden itself: caller is enabled and activated again.
    void return_to(QWidget* caller);
    // Prepares the chooser, shows it and disables caller when the setup asks so.
    void open_chooser(const ChooserSetup& setup, QWidget* caller);

    // How the program ends once the overview allowed it; tests replace it.
    std::function<void()> quit;

  private:
    EditorState& state_;
    Messages& messages_;
    std::unique_ptr<Form1> form1_;
    Form2* form2_ = nullptr;
    Dialog* dialog_ = nullptr;
    Form4* form4_ = nullptr;
    Form5* form5_ = nullptr;
    Form6* form6_ = nullptr;
    Form7* form7_ = nullptr;
    Form3* form3_ = nullptr;
    Form8* form8_ = nullptr;
    Form9* form9_ = nullptr;
    Form10* form10_ = nullptr;

    void connect_overview();
    void open_editor_chooser();
};

} // namespace mf7

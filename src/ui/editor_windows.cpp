#include "ui/editor_windows.h"

#include "model/chooser_targets.h"
#include "model/state.h"
#include "ui/common/form2.h"
#include "ui/common/form9.h"
#include "ui/common/qt_text.h"
#include "ui/copy/form10.h"
#include "ui/editor/form3.h"
#include "ui/editor/form8.h"
#include "ui/help/form6.h"
#include "ui/help/form7.h"
#include "ui/overview/dialog.h"
#include "ui/overview/form1.h"
#include "ui/overview/reports_menu.h"
#include "ui/settings/form4.h"
#include "ui/settings/form5.h"

#include <QCoreApplication>

namespace mf7 {

EditorWindows::EditorWindows(EditorState& state, Messages& messages)
    : state_(state), messages_(messages), form1_(std::make_unique<Form1>(state, messages)) {
    quit = [] { QCoreApplication::exit(0); };
    Form1* f1 = form1_.get();
    connect(f1, &Form1::chooserRequested, this,
            [this, f1](const ChooserSetup& setup) { open_chooser(setup, f1); });
    connect(f1, &Form1::newCampaignRequested, this, [this, f1] {
        Dialog& d = dialog();
        open_window(&d, f1);
        d.prepare();
    });
    connect(f1, &Form1::folderSettingsRequested, this, [this, f1] {
        Form4& w = form4();
        w.open_settings();
        open_window(&w, f1);
    });
    connect(f1, &Form1::howtoRequested, this, [this, f1] { open_window(&form6(), f1); });
    connect(f1, &Form1::aboutRequested, this, [this, f1] { open_window(&form7(), f1); });
    connect(f1, &Form1::quitRequested, this, [this] {
        if (quit)
            quit();
    });
    extra_window = [this](const std::string& name) -> QWidget* {
        return name == "form3" ? &form3() : nullptr;
    };
    connect_overview();
}

void EditorWindows::connect_overview() {
    Form1* f1 = form1_.get();
    // The overview is disabled first: disabling a window disables the windows it owns, and the
    // editor must come out of that enabled.
    connect(f1, &Form1::scenarioEditRequested, this, [this, f1] {
        f1->setEnabled(false);
        if (!form3().open_scenario())
            f1->setEnabled(true);
    });
    connect(f1, &Form1::textFileRequested, this, [this, f1] {
        f1->setEnabled(false);
        form9().open_file(f1->text_file_path(), "form1");
    });
    connect(f1, &Form1::scenarioListChanged, this, [this, f1] { form8().rebuild(f1->rows()); });
    connect(f1, &Form1::scenarioListWindowHideRequested, this, [this] {
        if (form8_)
            form8_->close_list();
    });
    connect(f1, &Form1::reportRequested, this, [this, f1](const QString& entry) {
        run_report(entry, state_, messages_, *f1, form9());
    });
    // The copy hides the overview instead of disabling it.
    connect(f1, &Form1::copyRequested, this, [this, f1] {
        f1->hide();
        Form10& w = form10();
        w.show();
        w.raise();
        w.activateWindow();
    });
}

Form3& EditorWindows::form3() {
    if (!form3_) {
        form3_ = new Form3(state_, messages_, form1_.get());
        Form1* f1 = form1_.get();
        connect(
            form3_, &Form3::accepted, this,
            [f1](int index, const QString& row, bool main_country_changed, const QString& label7) {
                f1->replace_row(index, fromQ(row));
                if (main_country_changed)
                    f1->set_main_country(fromQ(label7));
            });
        connect(form3_, &Form3::closed, this, [this, f1] {
            form8().rebuild(f1->rows());
            f1->setEnabled(true);
            f1->show();
            f1->activateWindow();
        });
        connect(form3_, &Form3::chooserRequested, this, [this] { open_editor_chooser(); });
        connect(form3_, &Form3::textFileRequested, this,
                [this](const QString& path) { form9().open_file(fromQ(path), "form3"); });
        connect(form3_, &Form3::scenarioListRequested, this,
                [this, f1] { form8().show_list(f1->rows()); });
    }
    return *form3_;
}

void EditorWindows::open_editor_chooser() {
    auto setup = editor_chooser_setup(state_.settings, state_.chooser_target);
    if (!setup)
        return;
    ChooserSetup s;
    s.folder = setup->folder;
    s.pattern = setup->pattern;
    s.caption = setup->caption;
    s.button_caption = setup->button_caption;
    s.button_enabled = false;
    s.text1_visible = false;
    s.text1 = "";
    s.target = state_.chooser_target;
    s.return_form = "form3";
    s.disable_caller = false; // the editor disabled itself already
    Form2& chooser = form2();
    chooser.editor_dispatch = [this] { form3().apply_chooser_result(); };
    open_chooser(s, nullptr);
}

Form8& EditorWindows::form8() {
    if (!form8_)
        form8_ = new Form8(state_, messages_, form1_.get());
    return *form8_;
}

Form9& EditorWindows::form9() {
    if (!form9_) {
        form9_ = new Form9(state_, messages_, form1_.get());
        connect(form9_, &Form9::returned, this, [this](const QString& form) {
            if (form == "form1")
                return_to(form1_.get());
            else if (form == "form3")
                form3().reactivate();
        });
    }
    return *form9_;
}

Form10& EditorWindows::form10() {
    if (!form10_) {
        // Not a child of the overview: the overview is hidden while the copy window is open.
        form10_ = new Form10(state_, messages_);
        form10_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(form10_, &Form10::closed, this, [this] {
            form1_->show();
            form1_->setEnabled(true);
            form1_->activateWindow();
        });
    }
    return *form10_;
}

EditorWindows::~EditorWindows() {
    delete form10_;
}

void EditorWindows::start() {
    form1_->show();
    form1_->start();
}

Form1& EditorWindows::form1() {
    return *form1_;
}

Form2& EditorWindows::form2() {
    if (!form2_) {
        form2_ = new Form2(state_, messages_, form1_.get());
        form2_->resolve_window = [this](const std::string& name) { return window_named(name); };
        form2_->overview_dispatch = [this](const ChooserPick& pick) {
            form1_->chooser_picked(pick);
        };
    }
    return *form2_;
}

Dialog& EditorWindows::dialog() {
    if (!dialog_) {
        dialog_ = new Dialog(state_, messages_, form1_.get());
        connect(dialog_, &Dialog::created, form1_.get(), &Form1::new_campaign);
        connect(dialog_, &Dialog::finished_dialog, this, [this] { return_to(form1_.get()); });
    }
    return *dialog_;
}

Form4& EditorWindows::form4() {
    if (!form4_) {
        form4_ = new Form4(state_, messages_, form1_.get());
        connect(form4_, &Form4::settingsSaved, form1_.get(), &Form1::settings_saved);
        connect(form4_, &Form4::returned, this, [this] { return_to(form1_.get()); });
        connect(form4_, &Form4::pickerRequested, this, [this](const PickerSetup& setup) {
            Form5& picker = form5();
            picker.prepare(setup);
            open_window(&picker, form4_);
        });
    }
    return *form4_;
}

Form5& EditorWindows::form5() {
    if (!form5_) {
        form5_ = new Form5(state_, messages_, form1_.get());
        connect(form5_, &Form5::picked, this,
                [this](int field, const QString& folder) { form4().set_field(field, folder); });
        connect(form5_, &Form5::returned, this, [this] {
            form4().picker_closed();
            return_to(form4_);
        });
    }
    return *form5_;
}

Form6& EditorWindows::form6() {
    if (!form6_) {
        form6_ = new Form6(form1_.get());
        connect(form6_, &Form6::returned, this, [this] { return_to(form1_.get()); });
    }
    return *form6_;
}

Form7& EditorWindows::form7() {
    if (!form7_) {
        form7_ = new Form7(state_.version_text, form1_.get());
        connect(form7_, &Form7::returned, this, [this] { return_to(form1_.get()); });
    }
    return *form7_;
}

bool EditorWindows::created(const std::string& name) const {
    if (name == "form1")
        return true;
    if (name == "form2")
        return form2_;
    if (name == "dialog")
        return dialog_;
    if (name == "form4")
        return form4_;
    if (name == "form5")
        return form5_;
    if (name == "form6")
        return form6_;
    if (name == "form7")
        return form7_;
    if (name == "form3")
        return form3_;
    if (name == "form8")
        return form8_;
    if (name == "form9")
        return form9_;
    if (name == "form10")
        return form10_;
    return false;
}

QWidget* EditorWindows::window_named(const std::string& name) {
    if (name == "form1")
        return form1_.get();
    return extra_window ? extra_window(name) : nullptr;
}

void EditorWindows::open_window(QWidget* child, QWidget* caller) {
    if (caller)
        caller->setEnabled(false);
    child->setEnabled(true);
    child->show();
    child->raise();
    child->activateWindow();
}

void EditorWindows::return_to(QWidget* caller) {
    if (!caller)
        return;
    caller->setEnabled(true);
    caller->activateWindow();
}

void EditorWindows::open_chooser(const ChooserSetup& setup, QWidget* caller) {
    Form2& chooser = form2();
    chooser.prepare(setup);
    open_window(&chooser, setup.disable_caller ? caller : nullptr);
}

} // namespace mf7

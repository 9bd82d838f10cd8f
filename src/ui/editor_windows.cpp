#include "ui/editor_windows.h"

#include "model/state.h"
#include "ui/common/form2.h"
#include "ui/help/form6.h"
#include "ui/help/form7.h"
#include "ui/overview/dialog.h"
#include "ui/overview/form1.h"
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
}

EditorWindows::~EditorWindows() = default;

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

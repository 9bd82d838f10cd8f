#include "ui/settings/folder_settings_window.h"

#include "model/state.h"
#include "platform/drives.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/settings/folder_picker.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mf7 {

namespace {

struct FieldInfo {
    const char* label;
    Folder folder; // the folder check's flag; kFolderCount for Text8
    const char* pattern;
    const char* picker_label;
};

// Indexed by field number; Text8 is the extension, not a folder.
const FieldInfo kFields[10] = {
    {nullptr, kFolderCount, nullptr, nullptr},
    {"MF7-editor - ini-file Folder:", kProgramFolder, "*.ini", "MF7-editor - ini-file directory"},
    {"Marchfield - Campaignfiles Folder:", kCamFolder, "*.cam", "Marchfield - campaigns."},
    {"Marchfield - Scenariofiles Folder:", kScnFolder, "*.scn", "Marchfield - scenarios."},
    {"Marchfield - Voicefiles Folder:", kMusFolder, "*.mus", "Marchfield - sounds."},
    {"Marchfield - Smackfiles Folder:", kSmkFolder, "*.smk", "Marchfield - smack-files."},
    {"Marchfield - Textfiles Folder:", kTxtFolder, nullptr, "Marchfield - text-files."},
    {"Marchfield -Location of Gui97.txt (or deu / fra):", kMainFolder, nullptr,
     "Marchfield - Main directory."},
    {"Textfiles extension:", kFolderCount, nullptr, nullptr},
    {"MF7-Campaign Editor, Report Folder", kRepFolder, "*.*", "Marchfield - Report-files."},
};

NativePath& setting(Settings& s, int n) {
    switch (n) {
    case 1:
        return s.program_folder;
    case 2:
        return s.mf7_cam;
    case 3:
        return s.mf7_scn;
    case 4:
        return s.mf7_mus;
    case 5:
        return s.mf7_smk;
    case 6:
        return s.mf7_txt;
    case 7:
        return s.mf7main;
    default:
        return s.mf7_rep;
    }
}

} // namespace

FolderSettingsWindow::FolderSettingsWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form4");
    setWindowTitle("MF7-editor, Folder settings");
    auto* g = new QGridLayout(this);
    // Shown in the order of the settings file, the extension after the main folder.
    const int order[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    int row = 0;
    for (int n : order) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("Text%1").arg(n));
        auto* l = new QLabel(QString::fromLatin1(kFields[n].label), this);
        l->setObjectName(QStringLiteral("Label%1").arg(n));
        l->setBuddy(t);
        text_[static_cast<std::size_t>(n)] = t;
        g->addWidget(l, row, 0);
        if (n == 8) {
            t->setMaximumWidth(80);
            g->addWidget(t, row, 1, Qt::AlignLeft);
        } else {
            t->setMinimumWidth(380);
            t->setToolTip("Doubleclick, or press Enter, to select the folder.");
            t->installEventFilter(this);
            g->addWidget(t, row, 1);
        }
        ++row;
    }
    save_button_ = new QPushButton("Save Settings", this);
    save_button_->setObjectName("Command2");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command1");
    saves_to_ = new QLabel(this);
    saves_to_->setObjectName("LabelSavesTo");
    saves_to_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    g->addWidget(saves_to_, row++, 0, 1, 2);
    connect(text_[1], &QLineEdit::textChanged, this, &FolderSettingsWindow::show_settings_file);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_button_);
    buttons->addWidget(cancel_button_);
    g->addLayout(buttons, row, 0, 1, 2);
    g->setColumnStretch(1, 1);
    connect(text_[8], &QLineEdit::textChanged, this, &FolderSettingsWindow::text8_changed);
    connect(save_button_, &QPushButton::clicked, this, &FolderSettingsWindow::save_clicked);
    connect(cancel_button_, &QPushButton::clicked, this, &FolderSettingsWindow::cancel_clicked);
    color_texts();
    enter_presses_buttons(*this);
    return_focus_after_waiting(*this);
}

QLineEdit* FolderSettingsWindow::field(int n) const {
    return n >= 1 && n <= 9 ? text_[static_cast<std::size_t>(n)] : nullptr;
}

void FolderSettingsWindow::open_settings() {
    Settings& s = state_.settings;
    filling_ = true;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9})
        text_[static_cast<std::size_t>(n)]->setText(pathToQ(setting(s, n)));
    // The edition's pattern is held in UTF-8 like the settings file (ASCII in practice).
    text_[8]->setText(utf8ToQ(right(s.mf7text, 3)));
    filling_ = false;
    s.settings_changed = false;
}

void FolderSettingsWindow::propose(const Settings& proposed) {
    filling_ = true;
    for (int n : {2, 3, 4, 5, 6, 7, 9})
        text_[static_cast<std::size_t>(n)]->setText(pathToQ(proposed.folder(kFields[n].folder)));
    text_[8]->setText(utf8ToQ(right(proposed.mf7text, 3)));
    filling_ = false;
    // Nothing is in force yet: the colours say which of the proposed folders exist.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9}) {
        QLineEdit* t = text_[static_cast<std::size_t>(n)];
        look::set_background(t, folder_exists(pathFromQ(t->text())) ? look::kLightGreen
                                                                    : look::kLightRed);
    }
}

void FolderSettingsWindow::show_settings_file() {
    NativePath folder = pathFromQ(text_[1]->text());
    saves_to_->setText("Settings file: " + pathToQ(join_path(folder, kSettingsFileName)));
}

void FolderSettingsWindow::color_texts() {
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9}) {
        bool ok = state_.settings.folder_ok[static_cast<std::size_t>(kFields[n].folder)];
        look::set_background(text_[static_cast<std::size_t>(n)],
                             ok ? look::kLightGreen : look::kLightRed);
    }
}

void FolderSettingsWindow::text8_changed() {
    if (filling_)
        return;
    Settings& s = state_.settings;
    std::string pattern = "*." + text_[8]->text().toStdString();
    if (pattern == s.mf7text)
        return;
    // The new extension is in force at once, saved or not; Exit asks about it.
    s.set_mf7text(pattern);
    s.settings_changed = true;
}

void FolderSettingsWindow::open_picker(int n) {
    Settings& s = state_.settings;
    NativePath& folder = setting(s, n);
    if (!path_drive_exists(folder)) {
        folder = n == 1 ? state_.start_folder : main_drive();
        s.settings_changed = true;
    }
    PickerSetup setup;
    setup.field = n;
    setup.folder = folder;
    setup.label = kFields[n].picker_label;
    if (n == 6)
        setup.pattern = s.mf7text;
    else if (n == 7)
        setup.pattern = "GUI97" + s.text_ext;
    else
        setup.pattern = kFields[n].pattern;
    emit pickerRequested(setup);
}

void FolderSettingsWindow::set_field(int n, const QString& folder) {
    if (QLineEdit* t = field(n))
        t->setText(folder);
}

void FolderSettingsWindow::picker_closed() {
    // The colours follow the settings in force, not the fields: a folder chosen but not yet
    // saved stays as it was.
    check_paths(state_.settings);
    color_texts();
}

bool FolderSettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    int n = 0;
    for (int k : {1, 2, 3, 4, 5, 6, 7, 9})
        if (watched == text_[static_cast<std::size_t>(k)])
            n = k;
    if (n == 0)
        return false;
    bool enter = event->type() == QEvent::KeyPress &&
                 (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                  static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (event->type() == QEvent::MouseButtonDblClick || enter) {
        open_picker(n);
        return true;
    }
    return false;
}

void FolderSettingsWindow::save_clicked() {
    Settings& s = state_.settings;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9})
        setting(s, n) = trim_path(pathFromQ(text_[static_cast<std::size_t>(n)]->text()));
    s.set_mf7text("*." + trim(text_[8]->text().toStdString()));
    check_paths(s);
    color_texts();
    if (!all_folders_ok(s)) {
        messages_.show(
            "You have to set the directory settings correctly, before you can continue.");
        emit settingsSaved(false);
        return;
    }
    // A settings file that cannot be written keeps the window open with its message.
    if (!write_settings(s, state_.version_text, state_.start_folder, messages_))
        return;
    s.settings_changed = false;
    cancel_button_->setEnabled(true);
    emit settingsSaved(true);
    leave();
}

void FolderSettingsWindow::cancel_clicked() {
    for (int n = 1; n <= 6; ++n)
        text_[static_cast<std::size_t>(n)]->clear();
    leave();
}

void FolderSettingsWindow::leave() {
    setEnabled(false);
    hide();
    emit returned();
}

void FolderSettingsWindow::closeEvent(QCloseEvent* event) {
    // The folder picker returns to this window: it stays while the picker is open.
    if (refuse_close_while_waiting(*this, event))
        return;
    event->accept();
    if (isVisible())
        cancel_clicked();
}

} // namespace mf7

#include "ui/common/file_chooser.h"

#include "model/file_commands.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace mf7 {

namespace {

const char* const kCaption = "MF7-editor, filenames";
const char* const kButton = "Open file";
const char* const kPattern = "*.cam";

} // namespace

FileChooser::FileChooser(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form2");
    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(32, 32));
    folder_label_ = new QLabel(this);
    folder_label_->setObjectName("FolderLabel");
    folder_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    file1_ = new QListWidget(this);
    file1_->setObjectName("File1");
    file1_->setToolTip("Doubleclick to select a file.");
    file1_->setAccessibleName("Files");
    file1_->setSelectionMode(QAbstractItemView::SingleSelection);
    file1_->setMinimumSize(260, 220);
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setToolTip("Save file as this name. (Overtype to change)");
    text1_->setAccessibleName("File name");
    text1_->setMaxLength(20);
    look::set_background(text1_, look::kCyan);
    command1_ = new QPushButton(this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("Cancel", this);
    command2_->setObjectName("Command2");

    auto* g = new QGridLayout(this);
    g->addWidget(picture, 0, 0, Qt::AlignTop);
    g->addWidget(folder_label_, 0, 1, 1, 2);
    g->addWidget(file1_, 1, 0, 1, 3);
    g->addWidget(text1_, 2, 0, 1, 3);
    g->addWidget(command1_, 3, 1);
    g->addWidget(command2_, 3, 2);
    g->setColumnStretch(0, 1);

    connect(file1_, &QListWidget::itemClicked, this, &FileChooser::file_clicked_slot);
    // Arrow keys choose a file as a click does.
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] {
        auto items = file1_->selectedItems();
        if (!items.isEmpty())
            file_clicked_slot(items.first());
    });
    connect(file1_, &QListWidget::itemDoubleClicked, this, &FileChooser::file_double_clicked);
    file1_->installEventFilter(this);
    connect(command1_, &QPushButton::clicked, this, &FileChooser::command1_clicked);
    connect(command2_, &QPushButton::clicked, this, &FileChooser::command2_clicked);
    reset();
    enter_presses_buttons(*this);
}

void FileChooser::reset() {
    setWindowTitle(kCaption);
    command1_->setText(kButton);
    command1_->setEnabled(true);
    text1_->hide();
    pattern_ = kPattern;
    file_clicked_ = false;
    refresh();
}

bool FileChooser::picks_campaign_file() const {
    const ChooserTarget& t = state_.chooser_target;
    return t.kind == ChooserTarget::Kind::Open || t.kind == ChooserTarget::Kind::SaveAs;
}

void FileChooser::take_entry(const QString& text, ChooserPick& pick) const {
    if (picks_campaign_file())
        pick.file = trim_path(pathFromQ(text));
    else
        pick.name = trim(fromQ(text));
}

QString FileChooser::shown(const ChooserPick& pick) const {
    return picks_campaign_file() ? pathToQ(pick.file) : toQ(pick.name);
}

void FileChooser::prepare(const ChooserSetup& setup) {
    folder_ = setup.folder;
    pattern_ = setup.pattern;
    state_.chooser_target = setup.target;
    state_.return_window = setup.return_window;
    setWindowTitle(toQ(setup.caption));
    command1_->setText(toQ(setup.button_caption));
    if (setup.button_enabled)
        command1_->setEnabled(*setup.button_enabled);
    if (setup.text1)
        text1_->setText(*setup.text1);
    text1_->setVisible(setup.text1_visible);
    file_clicked_ = false;
    refresh();
}

void FileChooser::refresh() {
    file1_->clear();
    folder_label_->setText(pathToQ(folder_));
    for (const auto& name : list_files(folder_, pattern_))
        file1_->addItem(pathToQ(name));
}

void FileChooser::drop_save_as() {
    if (!isVisible() || state_.chooser_target.kind != ChooserTarget::Kind::SaveAs)
        return;
    state_.chooser_target = {};
    text1_->hide();
    hide();
    setEnabled(false);
}

QString FileChooser::selected_entry() const {
    QListWidgetItem* item = file1_->currentItem();
    return item ? item->text() : QString();
}

void FileChooser::file_clicked_slot(QListWidgetItem* item) {
    ChooserPick pick;
    take_entry(item ? item->text() : QString(), pick);
    if (pick.name.empty() && pick.file.empty()) {
        file_clicked_ = false;
        text1_->clear();
        return;
    }
    command1_->setEnabled(true);
    file_clicked_ = true;
    text1_->setText(shown(pick));
}

void FileChooser::run_editor_dispatch() {
    if (editor_dispatch)
        editor_dispatch();
    else
        messages_.show("F2-E01: This program has got a bug, please report the errornumber.");
}

void FileChooser::command1_clicked() {
    if (state_.return_window == WindowId::ScenarioEditor) {
        if (!file_clicked_) {
            messages_.show("F2-I02: You have to select a filename first.", Buttons::Ok, true);
            return;
        }
        // The scenario editor's fields take game text.
        state_.chooser_result = trim(fromQ(selected_entry()));
        run_editor_dispatch();
        return_to_caller();
        return;
    }
    ChooserPick pick{state_.chooser_target, {}, {}, trim_path(folder_), false};
    const ChooserTarget& target = state_.chooser_target;
    if (target.kind == ChooserTarget::Kind::SaveAs) {
        pick.file = save_as_name(pathFromQ(text1_->text()));
        text1_->hide();
    } else if (target == ChooserTarget::overview_field(3) ||
               target == ChooserTarget::overview_field(4)) {
        pick.name = check_name(fromQ(text1_->text()), ".smk");
        text1_->setText(toQ(pick.name));
    } else if (target == ChooserTarget::overview_field(5)) {
        std::string typed = trim(lcase(fromQ(text1_->text())));
        text1_->setText(toQ(typed));
        pick.name = check_name(typed, state_.settings.text_ext);
    } else if (target.kind == ChooserTarget::Kind::Open) {
        take_entry(selected_entry(), pick);
        text1_->setText(shown(pick));
    }
    if (overview_dispatch)
        overview_dispatch(pick);
    if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
        state_.chooser_target = {};
        refresh();
    }
    return_to_caller();
}

void FileChooser::file_double_clicked(QListWidgetItem* item) {
    ChooserPick pick{state_.chooser_target, {}, {}, trim_path(folder_), true};
    take_entry(item ? item->text() : QString(), pick);
    if (pick.name.empty() && pick.file.empty())
        return;
    command1_->setEnabled(true);
    if (state_.return_window == WindowId::ScenarioEditor) {
        state_.chooser_result = pick.name;
        run_editor_dispatch();
    } else {
        if (picks_campaign_file())
            text1_->setText(shown(pick));
        if (overview_dispatch)
            overview_dispatch(pick);
        if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
            refresh();
            state_.chooser_target = {};
            text1_->hide();
        }
    }
    return_to_caller();
}

void FileChooser::command2_clicked() {
    if (state_.return_window == WindowId::Overview)
        text1_->hide();
    return_to_caller();
}

void FileChooser::return_to_caller() {
    hide();
    setEnabled(false);
    QWidget* caller = resolve_window ? resolve_window(state_.return_window) : nullptr;
    if (caller) {
        caller->setEnabled(true);
        caller->activateWindow();
    }
}

bool FileChooser::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a file chooses it as a double-click does.
    if (watched == file1_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && file1_->currentItem()) {
            file_double_clicked(file1_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FileChooser::showEvent(QShowEvent* event) {
    file_clicked_ = false;
    QWidget::showEvent(event);
}

void FileChooser::changeEvent(QEvent* event) {
    // A file clicked before another window covered the chooser counts no more: the user has
    // to click it again. Only a real loss of activation clears it, never a routine repaint.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        file_clicked_ = false;
    QWidget::changeEvent(event);
}

void FileChooser::closeEvent(QCloseEvent* event) {
    // The close box unloads the chooser: the next use starts from the controls' first state.
    event->accept();
    reset();
    return_to_caller();
}

} // namespace mf7

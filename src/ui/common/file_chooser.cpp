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
    file_list_ = new QListWidget(this);
    file_list_->setObjectName("File1");
    file_list_->setToolTip("Doubleclick to select a file.");
    file_list_->setAccessibleName("Files");
    file_list_->setSelectionMode(QAbstractItemView::SingleSelection);
    file_list_->setMinimumSize(260, 220);
    name_field_ = new QLineEdit(this);
    name_field_->setObjectName("Text1");
    name_field_->setToolTip("Save file as this name. (Overtype to change)");
    name_field_->setAccessibleName("File name");
    name_field_->setMaxLength(20);
    look::set_background(name_field_, look::kCyan);
    choose_button_ = new QPushButton(this);
    choose_button_->setObjectName("Command1");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command2");

    auto* g = new QGridLayout(this);
    g->addWidget(picture, 0, 0, Qt::AlignTop);
    g->addWidget(folder_label_, 0, 1, 1, 2);
    g->addWidget(file_list_, 1, 0, 1, 3);
    g->addWidget(name_field_, 2, 0, 1, 3);
    g->addWidget(choose_button_, 3, 1);
    g->addWidget(cancel_button_, 3, 2);
    g->setColumnStretch(0, 1);

    connect(file_list_, &QListWidget::itemClicked, this, &FileChooser::file_chosen);
    // Arrow keys choose a file as a click does.
    connect(file_list_, &QListWidget::itemSelectionChanged, this, [this] {
        auto items = file_list_->selectedItems();
        if (!items.isEmpty())
            file_chosen(items.first());
    });
    connect(file_list_, &QListWidget::itemDoubleClicked, this, &FileChooser::file_double_clicked);
    file_list_->installEventFilter(this);
    connect(choose_button_, &QPushButton::clicked, this, &FileChooser::choose_clicked);
    connect(cancel_button_, &QPushButton::clicked, this, &FileChooser::cancel_clicked);
    reset();
    enter_presses_buttons(*this);
}

void FileChooser::reset() {
    setWindowTitle(kCaption);
    choose_button_->setText(kButton);
    choose_button_->setEnabled(true);
    name_field_->hide();
    pattern_ = kPattern;
    file_clicked_ = false;
    refresh();
}

bool FileChooser::picks_campaign_file() const {
    const ChooserTarget& t = target_;
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
    target_ = setup.target;
    return_window_ = setup.return_window;
    setWindowTitle(toQ(setup.caption));
    choose_button_->setText(toQ(setup.button_caption));
    if (setup.button_enabled)
        choose_button_->setEnabled(*setup.button_enabled);
    if (setup.name)
        name_field_->setText(*setup.name);
    name_field_->setVisible(setup.name_visible);
    file_clicked_ = false;
    refresh();
}

void FileChooser::refresh() {
    file_list_->clear();
    folder_label_->setText(pathToQ(folder_));
    for (const auto& name : list_files(folder_, pattern_))
        file_list_->addItem(pathToQ(name));
}

void FileChooser::drop_save_as() {
    if (!isVisible() || target_.kind != ChooserTarget::Kind::SaveAs)
        return;
    target_ = {};
    name_field_->hide();
    hide();
    setEnabled(false);
}

QString FileChooser::selected_entry() const {
    QListWidgetItem* item = file_list_->currentItem();
    return item ? item->text() : QString();
}

void FileChooser::file_chosen(QListWidgetItem* item) {
    ChooserPick pick;
    take_entry(item ? item->text() : QString(), pick);
    if (pick.name.empty() && pick.file.empty()) {
        file_clicked_ = false;
        name_field_->clear();
        return;
    }
    choose_button_->setEnabled(true);
    file_clicked_ = true;
    name_field_->setText(shown(pick));
}

void FileChooser::run_editor_dispatch(const std::string& name) {
    if (editor_dispatch)
        editor_dispatch(target_, name);
    else
        messages_.show("F2-E01: This program has got a bug, please report the errornumber.");
}

void FileChooser::choose_clicked() {
    if (return_window_ == WindowId::ScenarioEditor) {
        if (!file_clicked_) {
            messages_.show("F2-I02: You have to select a filename first.", Buttons::Ok, true);
            return;
        }
        // The scenario editor's fields take game text.
        run_editor_dispatch(trim(fromQ(selected_entry())));
        return_to_caller();
        return;
    }
    ChooserPick pick{target_, {}, {}, trim_path(folder_), false};
    const ChooserTarget& target = target_;
    if (target.kind == ChooserTarget::Kind::SaveAs) {
        pick.file = save_as_name(pathFromQ(name_field_->text()));
        name_field_->hide();
    } else if (target == ChooserTarget::overview_field(HeaderField::WinSmk) ||
               target == ChooserTarget::overview_field(HeaderField::LoseSmk)) {
        pick.name = check_name(fromQ(name_field_->text()), ".smk");
        name_field_->setText(toQ(pick.name));
    } else if (target == ChooserTarget::overview_field(HeaderField::Description)) {
        std::string typed = trim(lcase(fromQ(name_field_->text())));
        name_field_->setText(toQ(typed));
        pick.name = check_name(typed, state_.settings.text_ext);
    } else if (target.kind == ChooserTarget::Kind::Open) {
        take_entry(selected_entry(), pick);
        name_field_->setText(shown(pick));
    }
    if (overview_dispatch)
        overview_dispatch(pick);
    if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
        target_ = {};
        refresh();
    }
    return_to_caller();
}

void FileChooser::file_double_clicked(QListWidgetItem* item) {
    ChooserPick pick{target_, {}, {}, trim_path(folder_), true};
    take_entry(item ? item->text() : QString(), pick);
    if (pick.name.empty() && pick.file.empty())
        return;
    choose_button_->setEnabled(true);
    if (return_window_ == WindowId::ScenarioEditor) {
        run_editor_dispatch(pick.name);
    } else {
        if (picks_campaign_file())
            name_field_->setText(shown(pick));
        if (overview_dispatch)
            overview_dispatch(pick);
        if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
            refresh();
            target_ = {};
            name_field_->hide();
        }
    }
    return_to_caller();
}

void FileChooser::cancel_clicked() {
    if (return_window_ == WindowId::Overview)
        name_field_->hide();
    return_to_caller();
}

void FileChooser::return_to_caller() {
    hide();
    setEnabled(false);
    QWidget* caller = resolve_window ? resolve_window(return_window_) : nullptr;
    if (caller) {
        caller->setEnabled(true);
        caller->activateWindow();
    }
}

bool FileChooser::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a file chooses it as a double-click does.
    if (watched == file_list_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && file_list_->currentItem()) {
            file_double_clicked(file_list_->currentItem());
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

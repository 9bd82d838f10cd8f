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
    const ChooserTarget& t = target_;
    return t.kind == ChooserTarget::Kind::Open || t.kind == ChooserTarget::Kind::SaveAs;
}

QString FileChooser::shown(const std::string& name) const {
    return picks_campaign_file() ? pathToQ(name) : toQ(name);
}

std::string FileChooser::name_of(const QString& text) const {
    return picks_campaign_file() ? pathFromQ(text) : fromQ(text);
}

void FileChooser::prepare(const ChooserSetup& setup) {
    folder_ = setup.folder;
    pattern_ = setup.pattern;
    target_ = setup.target;
    return_window_ = setup.return_window;
    setWindowTitle(toQ(setup.caption));
    command1_->setText(toQ(setup.button_caption));
    if (setup.button_enabled)
        command1_->setEnabled(*setup.button_enabled);
    if (setup.text1)
        text1_->setText(shown(*setup.text1));
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
    if (!isVisible() || target_.kind != ChooserTarget::Kind::SaveAs)
        return;
    target_ = {};
    text1_->hide();
    hide();
    setEnabled(false);
}

std::string FileChooser::selected_name() const {
    QListWidgetItem* item = file1_->currentItem();
    return item ? trim(name_of(item->text())) : std::string();
}

void FileChooser::file_clicked_slot(QListWidgetItem* item) {
    std::string name = item ? trim(name_of(item->text())) : std::string();
    if (name.empty()) {
        file_clicked_ = false;
        text1_->clear();
        return;
    }
    command1_->setEnabled(true);
    file_clicked_ = true;
    text1_->setText(shown(name));
}

void FileChooser::run_editor_dispatch(const std::string& name) {
    if (editor_dispatch)
        editor_dispatch(target_, name);
    else
        messages_.show("F2-E01: This program has got a bug, please report the errornumber.");
}

void FileChooser::command1_clicked() {
    if (return_window_ == WindowId::ScenarioEditor) {
        if (!file_clicked_) {
            messages_.show("F2-I02: You have to select a filename first.", Buttons::Ok, true);
            return;
        }
        run_editor_dispatch(selected_name());
        return_to_caller();
        return;
    }
    ChooserPick pick{target_, {}, trim(folder_), false};
    const ChooserTarget& target = target_;
    if (target.kind == ChooserTarget::Kind::SaveAs) {
        pick.name = save_as_name(name_of(text1_->text()));
        text1_->hide();
    } else if (target == ChooserTarget::overview_field(HeaderField::WinSmk) ||
               target == ChooserTarget::overview_field(HeaderField::LoseSmk)) {
        pick.name = check_name(name_of(text1_->text()), ".smk");
        text1_->setText(shown(pick.name));
    } else if (target == ChooserTarget::overview_field(HeaderField::Description)) {
        std::string typed = trim(lcase(name_of(text1_->text())));
        text1_->setText(shown(typed));
        pick.name = check_name(typed, state_.settings.text_ext);
    } else if (target.kind == ChooserTarget::Kind::Open) {
        pick.name = selected_name();
        text1_->setText(shown(pick.name));
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
    std::string name = item ? trim(name_of(item->text())) : std::string();
    if (name.empty())
        return;
    command1_->setEnabled(true);
    if (return_window_ == WindowId::ScenarioEditor) {
        run_editor_dispatch(name);
    } else {
        ChooserPick pick{target_, name, trim(folder_), true};
        if (pick.target.kind == ChooserTarget::Kind::Open ||
            pick.target.kind == ChooserTarget::Kind::SaveAs)
            text1_->setText(shown(name));
        if (overview_dispatch)
            overview_dispatch(pick);
        if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
            refresh();
            target_ = {};
            text1_->hide();
        }
    }
    return_to_caller();
}

void FileChooser::command2_clicked() {
    if (return_window_ == WindowId::Overview)
        text1_->hide();
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

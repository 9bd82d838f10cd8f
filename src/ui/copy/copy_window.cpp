#include "ui/copy/copy_window.h"

#include "copy/international_copy.h"
#include "model/state.h"
#include "platform/drives.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/busy_cursor.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/copy/copy_report_window.h"
#include "ui/copy/new_folder_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace mf7 {

namespace {

// The folder and every folder above it, the top first, as a folder list shows them open.
std::vector<NativePath> open_folders(const NativePath& folder) {
    fs::path p = to_native(folder).lexically_normal();
    if (!p.has_filename() && p != p.root_path())
        p = p.parent_path();
    std::vector<NativePath> chain;
    for (fs::path q = p;; q = q.parent_path()) {
        chain.push_back(from_native(q));
        if (q.parent_path() == q || q.parent_path().empty())
            break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

NativePath shown_name(const NativePath& path) {
    NativePath name = from_native(to_native(path).filename());
    return name.empty() ? path : name;
}

QListWidgetItem* folder_item(const NativePath& path, const NativePath& name, int depth) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + pathToQ(name));
    item->setData(Qt::UserRole, pathToQ(path));
    return item;
}

} // namespace

CopyWindow::CopyWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form10");
    setWindowTitle("MF7-editor, Make international Copy");

    auto* frame_ext = new QGroupBox("Textfile extension", this);
    frame_ext->setObjectName("Frame1");
    option1_ = new QRadioButton("txt", frame_ext);
    option2_ = new QRadioButton("deu", frame_ext);
    option3_ = new QRadioButton("fra", frame_ext);
    auto* ext_layout = new QHBoxLayout(frame_ext);
    int n = 1;
    for (QRadioButton* o : {option1_, option2_, option3_}) {
        o->setObjectName(QString("Option%1").arg(n++));
        ext_layout->addWidget(o);
    }
    option1_->setChecked(true);

    check1_ = new QCheckBox("Copy Scenario Files", this);
    check2_ = new QCheckBox("Copy Campaign File", this);
    check3_ = new QCheckBox("Make scenarios grey. (OKD-made)", this);
    check4_ = new QCheckBox("Don't show scenario in the scenario list in game.", this);
    n = 1;
    for (QCheckBox* c : {check1_, check2_, check3_, check4_}) {
        c->setObjectName(QString("Check%1").arg(n++));
        c->setChecked(true);
    }

    drive1_ = new QComboBox(this);
    drive1_->setObjectName("Drive1");
    drive1_->setAccessibleName("Drive");
    dir1_ = new QListWidget(this);
    dir1_->setObjectName("Dir1");
    dir1_->setAccessibleName("Folders");
    dir1_->setToolTip("Double-click a folder to open it.");
    file1_ = new QListWidget(this);
    file1_->setObjectName("File1");
    file1_->setAccessibleName("Files in the folder");
    file1_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* frame_path = new QGroupBox("Current Path", this);
    frame_path->setObjectName("Frame2");
    text1_ = new QLineEdit(frame_path);
    text1_->setObjectName("Text1");
    text1_->setAccessibleName("Folder to copy into");
    auto* path_layout = new QVBoxLayout(frame_path);
    path_layout->addWidget(text1_);

    command1_ = new QPushButton("Make Copy", this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("Make New Folder", this);
    command2_->setObjectName("Command2");
    command3_ = new QPushButton("Cancel", this);
    command3_->setObjectName("Command3");

    auto* guide = new QLabel(
        "Copies the open campaign's text files under the chosen extension and, as checked, its "
        "scenario files and the campaign file into the folder below. Double-click a folder to "
        "open it.",
        this);
    guide->setObjectName("Label1");
    guide->setWordWrap(true);

    auto* options = new QVBoxLayout;
    options->addWidget(frame_ext);
    for (QCheckBox* c : {check1_, check2_, check3_, check4_})
        options->addWidget(c);
    options->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(drive1_, 0, 0);
    lists->addWidget(dir1_, 1, 0);
    lists->addWidget(file1_, 0, 1, 2, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    auto* top = new QHBoxLayout;
    top->addLayout(options);
    top->addLayout(lists, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addStretch(1);
    buttons->addWidget(command3_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guide);
    layout->addLayout(top, 1);
    layout->addWidget(frame_path);
    layout->addLayout(buttons);
    resize(760, 460);

    drives_ = drive_list();
    for (const NativePath& d : drives_)
        drive1_->addItem(pathToQ(d));
    connect(drive1_, &QComboBox::activated, this, &CopyWindow::drive_chosen);
    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { set_folder(item->data(Qt::UserRole).toString()); });
    connect(command1_, &QPushButton::clicked, this, &CopyWindow::make_copy);
    connect(command2_, &QPushButton::clicked, this, &CopyWindow::make_new_folder);
    connect(command3_, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });

    // The lists open where the program was started, as the game's own tools did.
    NativePath start = state_.start_folder;
    if (start.empty() || !folder_exists(start)) {
        std::error_code ec;
        start = from_native(fs::current_path(ec));
    }
    set_folder(pathToQ(start));
    enter_presses_buttons(*this);
    return_focus_after_waiting(*this);
}

CopyWindow::~CopyWindow() = default;

QString CopyWindow::folder() const {
    return pathToQ(folder_);
}

void CopyWindow::set_folder(const QString& folder) {
    folder_ = resolve_path(pathFromQ(folder));
    fill_lists();
    text1_->setText(pathToQ(trim_path(folder_)));
}

void CopyWindow::fill_lists() {
    int drive = static_cast<int>(
        std::find(drives_.begin(), drives_.end(), drive_of(folder_, drives_)) - drives_.begin());
    if (drive < drive1_->count())
        drive1_->setCurrentIndex(drive);
    dir1_->clear();
    std::vector<NativePath> open = open_folders(folder_);
    for (std::size_t i = 0; i < open.size(); ++i)
        dir1_->addItem(folder_item(open[i], shown_name(open[i]), static_cast<int>(i)));
    dir1_->setCurrentRow(static_cast<int>(open.size()) - 1);
    for (const NativePath& sub : list_folders(folder_))
        dir1_->addItem(folder_item(from_native(to_native(folder_) / to_native(sub)), sub,
                                   static_cast<int>(open.size())));
    file1_->clear();
    for (const NativePath& f : list_files(folder_, "*.*"))
        file1_->addItem(pathToQ(f));
}

void CopyWindow::drive_chosen(int index) {
    if (index < 0 || index >= static_cast<int>(drives_.size()))
        return;
    NativePath root = drive_root(drives_[static_cast<std::size_t>(index)]);
    if (!folder_exists(root)) {
        messages_.show(drive_not_responding(drives_[static_cast<std::size_t>(index)]));
        // The first drive stands for the game's platform's "C:".
        root = drive_root(drives_.front());
    }
    set_folder(pathToQ(root));
}

QString CopyWindow::new_ext() const {
    if (option2_->isChecked())
        return "deu";
    if (option3_->isChecked())
        return "fra";
    return "txt";
}

void CopyWindow::make_copy() {
    CopyOptions options;
    options.target = pathFromQ(text1_->text());
    options.new_ext = fromQ(new_ext());
    options.copy_scenarios = check1_->isChecked();
    options.copy_campaign = check2_->isChecked();
    options.grey = check3_->isChecked();
    options.hidden = check4_->isChecked();
    // The wait starts once the question before the copy has been answered.
    BusyCursor busy(false);
    std::unique_ptr<QProgressDialog> progress;
    options.progress = [this, &busy, &progress](int done, int total) {
        busy.start();
        if (total > kProgressAbove && !progress) {
            progress =
                std::make_unique<QProgressDialog>("Copying files ...", QString(), 0, total, this);
            progress->setObjectName("CopyProgress");
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        if (progress)
            progress->setValue(done);
    };
    CopyResult result = make_international_copy(state_, options, messages_);
    progress.reset();
    if (!result.done)
        return;
    fill_lists();
    if (!copy_report_window_) {
        copy_report_window_ = std::make_unique<CopyReportWindow>();
        connect(copy_report_window_.get(), &CopyReportWindow::done, this, &CopyWindow::closed);
    }
    copy_report_window_->show_report(utf8ToQ(result.label), utf8ToQ(result.report_paths));
    hide();
}

void CopyWindow::make_new_folder() {
    if (!new_folder_window_) {
        new_folder_window_ = std::make_unique<NewFolderWindow>(messages_);
        auto back = [this] {
            setEnabled(true);
            activateWindow();
        };
        connect(new_folder_window_.get(), &NewFolderWindow::folder_made, this,
                [this, back](const QString& folder) {
                    back();
                    set_folder(folder);
                });
        connect(new_folder_window_.get(), &NewFolderWindow::cancelled, this, back);
    }
    setEnabled(false);
    new_folder_window_->start(pathToQ(trim_path(folder_)));
}

void CopyWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    command3_->click();
}

} // namespace mf7

#include "ui/copy/copy_window.h"

#include "copy/international_copy.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/busy_cursor.h"
#include "ui/common/folder_browser.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/copy/copy_report_window.h"
#include "ui/copy/new_folder_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

namespace fs = std::filesystem;

namespace mf7 {

CopyWindow::CopyWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form10");
    setWindowTitle("MF7-editor, Make international Copy");

    auto* frame_ext = new QGroupBox("Textfile extension", this);
    frame_ext->setObjectName("Frame1");
    ext_txt_ = new QRadioButton("txt", frame_ext);
    ext_deu_ = new QRadioButton("deu", frame_ext);
    ext_fra_ = new QRadioButton("fra", frame_ext);
    auto* ext_layout = new QHBoxLayout(frame_ext);
    int n = 1;
    for (QRadioButton* o : {ext_txt_, ext_deu_, ext_fra_}) {
        o->setObjectName(QString("Option%1").arg(n++));
        ext_layout->addWidget(o);
    }
    ext_txt_->setChecked(true);

    copy_scenarios_ = new QCheckBox("Copy Scenario Files", this);
    copy_campaign_ = new QCheckBox("Copy Campaign File", this);
    make_grey_ = new QCheckBox("Make scenarios grey. (OKD-made)", this);
    hide_in_game_ = new QCheckBox("Don't show scenario in the scenario list in game.", this);
    n = 1;
    for (QCheckBox* c : {copy_scenarios_, copy_campaign_, make_grey_, hide_in_game_}) {
        c->setObjectName(QString("Check%1").arg(n++));
        c->setChecked(true);
    }

    browser_ = new FolderBrowser(messages_, {}, this);
    browser_->folder_list()->setToolTip("Double-click a folder to open it.");
    auto* frame_path = new QGroupBox("Current Path", this);
    frame_path->setObjectName("Frame2");
    target_folder_ = new QLineEdit(frame_path);
    target_folder_->setObjectName("Text1");
    target_folder_->setAccessibleName("Folder to copy into");
    auto* path_layout = new QVBoxLayout(frame_path);
    path_layout->addWidget(target_folder_);

    copy_button_ = new QPushButton("Make Copy", this);
    copy_button_->setObjectName("Command1");
    new_folder_button_ = new QPushButton("Make New Folder", this);
    new_folder_button_->setObjectName("Command2");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command3");

    auto* guide = new QLabel(
        "Copies the open campaign's text files under the chosen extension and, as checked, its "
        "scenario files and the campaign file into the folder below. Double-click a folder to "
        "open it.",
        this);
    guide->setObjectName("Label1");
    guide->setWordWrap(true);

    auto* options = new QVBoxLayout;
    options->addWidget(frame_ext);
    for (QCheckBox* c : {copy_scenarios_, copy_campaign_, make_grey_, hide_in_game_})
        options->addWidget(c);
    options->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(options);
    top->addWidget(browser_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_button_);
    buttons->addWidget(new_folder_button_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_button_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guide);
    layout->addLayout(top, 1);
    layout->addWidget(frame_path);
    layout->addLayout(buttons);
    resize(760, 460);

    // A folder shown in the lists becomes the folder to copy into.
    connect(browser_, &FolderBrowser::folder_shown, this, [this](const QString& folder) {
        target_folder_->setText(pathToQ(trim_path(pathFromQ(folder))));
    });
    connect(copy_button_, &QPushButton::clicked, this, &CopyWindow::make_copy);
    connect(new_folder_button_, &QPushButton::clicked, this, &CopyWindow::make_new_folder);
    connect(cancel_button_, &QPushButton::clicked, this, [this] {
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
    return pathToQ(browser_->folder());
}

void CopyWindow::set_folder(const QString& folder) {
    browser_->go_to(pathFromQ(folder));
}

QString CopyWindow::new_ext() const {
    if (ext_deu_->isChecked())
        return "deu";
    if (ext_fra_->isChecked())
        return "fra";
    return "txt";
}

void CopyWindow::make_copy() {
    CopyOptions options;
    options.target = pathFromQ(target_folder_->text());
    options.new_ext = fromQ(new_ext());
    options.copy_scenarios = copy_scenarios_->isChecked();
    options.copy_campaign = copy_campaign_->isChecked();
    options.grey = make_grey_->isChecked();
    options.hidden = hide_in_game_->isChecked();
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
    browser_->refresh();
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
    new_folder_window_->start(pathToQ(trim_path(browser_->folder())));
}

void CopyWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    cancel_button_->click();
}

} // namespace mf7

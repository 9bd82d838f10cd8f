// mf7shots: renders every window on the demo campaign into PNG files, headless.
//   QT_QPA_PLATFORM=offscreen mf7shots OUT_DIR [--suffix SUFFIX]
// Run it again with QT_SCALE_FACTOR=1.5 and a suffix for the pictures at 150 %.
#include "model/campaign_file.h"
#include "model/demo_game.h"
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "settings/settings.h"
#include "ui/common/file_chooser.h"
#include "ui/common/text_window.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_list_window.h"
#include "ui/editor_windows.h"
#include "ui/help/about_window.h"
#include "ui/help/how_to_window.h"
#include "ui/map/campaign_map_window.h"
#include "ui/overview/new_campaign_dialog.h"
#include "ui/overview/overview_window.h"
#include "ui/settings/folder_picker.h"
#include "ui/settings/folder_settings_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace {

// Messages would wait for a person; here they only go to standard error.
class PrintedMessages : public mf7::Messages {
  public:
    mf7::Answer show(const std::string& text, mf7::Buttons buttons, bool) override {
        std::cerr << "message: " << text << "\n";
        return buttons == mf7::Buttons::Ok ? mf7::Answer::Ok : mf7::Answer::No;
    }
};

bool save(QWidget* w, const QString& folder, const QString& name, const QString& suffix,
          QSize at = {}) {
    // adjustSize() would keep the window within the small virtual screen of the offscreen
    // platform; a real screen at 150 % has room for the whole window.
    QSize size = at.isValid() ? at : w->sizeHint();
    if (QLayout* l = w->layout(); l && l->hasHeightForWidth())
        size.setHeight(std::max(size.height(), l->totalHeightForWidth(size.width())));
    w->resize(size.expandedTo(w->minimumSizeHint()));
    QApplication::processEvents();
    if (auto* map = qobject_cast<mf7::CampaignMapWindow*>(w))
        map->fit();
    QString path = folder + "/" + name + suffix + ".png";
    if (!w->grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    std::cout << path.toStdString() << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    mf7::ignore_file_size_signal();
    const char* usage = "usage: mf7shots OUT_DIR [--suffix SUFFIX]\n";
    // The suffix is an option of its own, since the usual one ("-150") starts like an option.
    const std::vector<mf7::KnownOption> known = {{"--suffix", true}};
    // --help needs no display, so it is answered before the application starts.
    std::vector<std::string> before(argv + 1, argv + argc);
    std::ostringstream ignored;
    if (auto status = mf7::answer_command_line(before, known, usage, std::cout, ignored);
        status && *status == 0)
        return 0;
    QApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto status = mf7::answer_command_line(args, known, usage, std::cout, std::cerr))
        return *status;
    std::vector<std::string> folders;
    QString suffix;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--suffix")
            suffix = QString::fromLocal8Bit(args[++i]);
        else
            folders.push_back(args[i]);
    }
    if (folders.size() != 1) {
        std::cerr << usage;
        return 2;
    }
    QString out = QString::fromLocal8Bit(folders[0]);
    QDir().mkpath(out);

    namespace fs = std::filesystem;
    // A fixed folder, so that the paths in the pictures do not change from run to run.
    fs::path tmp = fs::temp_directory_path() / "mf7shots";
    std::error_code gone;
    fs::remove_all(tmp, gone);
    mf7::NativePath root = mf7::from_native(tmp / "Marchfield");
    std::string error;
    if (!mf7::demo::write_demo_game(root, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    PrintedMessages messages;
    mf7::EditorState state;
    state.settings = mf7::demo::demo_settings(root);
    state.settings.program_folder = root;
    state.start_folder = root;
    mf7::write_settings(state.settings, state.version_text, root, messages);

    bool ok = true;
    {
        mf7::EditorWindows windows(state, messages);
        windows.quit = [] {};
        windows.start();
        mf7::OverviewWindow& f1 = windows.overview();
        f1.resize(f1.sizeHint());
        // Open the demo campaign as a user does, through the chooser.
        f1.menu_entries().open->trigger();
        mf7::FileChooser& chooser = windows.chooser();
        auto* files = chooser.findChild<QListWidget*>("File1");
        if (auto items = files->findItems("DEMO.CAM", Qt::MatchExactly); !items.isEmpty())
            files->setCurrentItem(items.first());
        files->itemClicked(files->currentItem());
        ok &= save(&chooser, out, "chooser", suffix);
        chooser.findChild<QPushButton*>("Command1")->click();
        f1.select_row(2);
        ok &= save(&f1, out, "overview", suffix);

        f1.menu_entries().campaign_map->trigger();
        // The map is laid out on a worker: the picture is the finished one.
        while (windows.campaign_map().updating()) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        ok &= save(&windows.campaign_map(), out, "campaign_map", suffix, QSize(1100, 1000));
        windows.campaign_map().close();

        // The scenario editor on demo scenario 2, its list of scenarios and a text file.
        state.selected_scn = 2;
        f1.scenarioEditRequested();
        mf7::ScenarioEditor& editor = windows.editor();
        ok &= save(&editor, out, "scenario_editor", suffix);
        editor.findChild<QPushButton*>("Command3")->click();
        ok &= save(&windows.scenario_list(), out, "scenarios_in_campaign", suffix);
        windows.scenario_list().close_list();
        windows.text_window().open_file(mf7::join_path(state.settings.mf7_txt, "sedan.txt"),
                                        mf7::WindowId::ScenarioEditor);
        ok &= save(&windows.text_window(), out, "text_window", suffix);
        windows.text_window().findChild<QPushButton*>("Command2")->click();
        editor.findChild<QPushButton*>("Command2")->click();

        f1.menu_entries().missing_files->trigger();
        ok &= save(&windows.text_window(), out, "missing_files_check", suffix);
        windows.text_window().findChild<QPushButton*>("Command2")->click();

        f1.menu_entries().copy->trigger();
        ok &= save(&windows.copy_window(), out, "international_copy", suffix);
        windows.copy_window().findChild<QPushButton*>("Command3")->click();

        f1.menu_entries().new_campaign->trigger();
        auto* name = windows.new_campaign_dialog().findChild<QLineEdit*>("Text1");
        name->setText("mycampaign");
        ok &= save(&windows.new_campaign_dialog(), out, "new_campaign", suffix);
        windows.new_campaign_dialog().findChild<QPushButton*>("CancelButton")->click();

        f1.menu_entries().folder_settings->trigger();
        ok &= save(&windows.folder_settings(), out, "folder_settings", suffix);
        windows.folder_settings().field(2)->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(windows.folder_settings().field(2), &enter);
        ok &= save(&windows.folder_picker(), out, "folder_picker", suffix);
        windows.folder_picker().findChild<QPushButton*>("Command2")->click();
        windows.folder_settings().findChild<QPushButton*>("Command1")->click();

        f1.menu_entries().how_to->trigger();
        ok &= save(&windows.how_to(), out, "howto", suffix);
        windows.how_to().findChild<QPushButton*>("Command1")->click();
        f1.menu_entries().about->trigger();
        ok &= save(&windows.about(), out, "about", suffix);
        windows.about().findChild<QPushButton*>("Command1")->click();
    }
    std::error_code ec;
    fs::remove_all(tmp, ec);
    return ok ? 0 : 1;
}

// mf7shots: renders every window on the demo campaign into PNG files, headless.
//   mf7shots OUT_DIR [--suffix SUFFIX]
// Run it again with QT_SCALE_FACTOR=1.5 and a suffix for the pictures at 150 %.
// The pictures are meant to come out the same on every Linux machine: the program always draws
// on the offscreen platform (whose screen has a fixed size and dots per inch) with the Fusion
// style and only the DejaVu fonts of fonts-dejavu-core at fixed sizes, whatever the user's
// fontconfig, Qt theme or temporary folder.
#include "model/campaign_file.h"
#include "model/demo_game.h"
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "settings/settings.h"
#include "ui/common/file_chooser.h"
#include "ui/common/qt_text.h"
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
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QThread>

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

// A folder of our own, made anew (never one that is already there, which may be someone
// else's), under the same name on every machine while no other run holds it, so that the paths
// in the pictures stay the same. TMPDIR is not followed on purpose: it would change the paths and
// with them the size of windows that show one.
QString make_own_folder() {
    QString base = QDir("/tmp").exists() ? QStringLiteral("/tmp") : QDir::tempPath();
    for (int n = 1; n < 1000; ++n) {
        QString path = base + "/mf7shots-" + QString::number(n);
        if (QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return path;
    }
    return {};
}

// Fontconfig reads only this file: the four DejaVu faces Debian's fonts-dejavu-core installs,
// with the same rendering everywhere. Qt then finds nothing else, so "Courier New" and
// "Terminal" become DejaVu Sans Mono on every machine, as on one without them. Each folder
// holding one of the faces is read with every other entry in it refused by name: a pattern
// refusing all but the faces would refuse the folders on the way down too.
bool write_font_config(const QString& folder) {
    const QStringList faces = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                               "DejaVuSansMono-Bold.ttf"};
    QStringList font_folders;
    QDirIterator found("/usr/share/fonts", faces, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        QString font_folder = QFileInfo(found.next()).path();
        if (!font_folders.contains(font_folder))
            font_folders << font_folder;
    }
    QString text = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                   "<fontconfig>\n  <cachedir>" +
                   folder + "/fontconfig</cachedir>\n";
    QString refused;
    font_folders.sort();
    for (const QString& font_folder : font_folders) {
        text += "  <dir>" + font_folder + "</dir>\n";
        for (const QFileInfo& entry :
             QDir(font_folder)
                 .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
            if (!faces.contains(entry.fileName()) || entry.isDir())
                refused += "<glob>" + entry.filePath() + "</glob>";
    }
    if (!refused.isEmpty())
        text += "  <selectfont><rejectfont>" + refused + "</rejectfont></selectfont>\n";
    text += "  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer>"
            "</alias>\n  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono"
            "</family></prefer></alias>\n"
            "  <match target=\"font\">\n"
            "    <edit name=\"antialias\" mode=\"assign\"><bool>true</bool></edit>\n"
            "    <edit name=\"hinting\" mode=\"assign\"><bool>true</bool></edit>\n"
            "    <edit name=\"hintstyle\" mode=\"assign\"><const>hintslight</const></edit>\n"
            "    <edit name=\"rgba\" mode=\"assign\"><const>none</const></edit>\n"
            "    <edit name=\"embeddedbitmap\" mode=\"assign\"><bool>false</bool></edit>\n"
            "  </match>\n</fontconfig>\n";
    QFile file(folder + "/fonts.conf");
    QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Settings of the user's desktop that would change the pictures. QT_FONT_DPI only matters to a
// platform that reads it; it is set for one that might.
void fix_environment(const QString& folder) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(folder + "/fonts.conf"));
    for (const char* name : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCREEN_SCALE_FACTORS",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI", "FONTCONFIG_PATH",
                             "FONTCONFIG_SYSROOT"})
        qunsetenv(name);
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
    QString own = make_own_folder();
    if (own.isEmpty() || !write_font_config(own)) {
        std::cerr << "cannot make a temporary folder under /tmp\n";
        return 1;
    }
    // Removed however the program ends from here on.
    struct Removed {
        QString folder;
        ~Removed() { QDir(folder).removeRecursively(); }
    } removed{own};
    fix_environment(own);
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
    if (!QFontDatabase::families().contains("DejaVu Sans") ||
        !QFontDatabase::families().contains("DejaVu Sans Mono")) {
        std::cerr << "DejaVu Sans and DejaVu Sans Mono are needed under /usr/share/fonts "
                     "(Debian: fonts-dejavu-core)\n";
        return 1;
    }
    QApplication::setStyle("Fusion");
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont("DejaVu Sans", 9));
    // The windows ask for the Windows families by name.
    for (const char* family : {"Courier New", "Terminal"})
        QFont::insertSubstitution(family, "DejaVu Sans Mono");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QString out = QString::fromLocal8Bit(folders[0]);
    QDir().mkpath(out);

    mf7::NativePath root = mf7::pathFromQ(own + "/Marchfield");
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
    return ok ? 0 : 1;
}

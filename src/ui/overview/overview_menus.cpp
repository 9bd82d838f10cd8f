// The overview's menu bar: its entries, what they ask for, and when they are enabled.
#include "ui/overview/overview_window.h"

#include "ui/overview/campaign_history.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace mf7 {

namespace {

// Some platforms have no standard key for Save as or Quit (Windows, desktops without a key
// theme); users still expect the common ones.
QKeySequence standard_or(QKeySequence::StandardKey key, const char* fallback) {
    QKeySequence k(key);
    return k.isEmpty() ? QKeySequence(QString::fromLatin1(fallback)) : k;
}

} // namespace

void OverviewWindow::build_menus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* s = menu->addSeparator();
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };
    auto top = [this](const char* name, const char* caption) {
        QAction* a = menuBar()->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File");
    menu_.new_campaign = add(file, "Mnew", "&New");
    menu_.new_campaign->setShortcut(QKeySequence::New);
    menu_.open = add(file, "Mopen", "&Open");
    menu_.open->setShortcut(QKeySequence::Open);
    separator(file, "skil01");
    menu_.save = add(file, "Msave", "&Save");
    menu_.save_as = add(file, "Msave_as", "Save &as");
    menu_.save_as->setShortcut(standard_or(QKeySequence::SaveAs, "Ctrl+Shift+S"));
    menu_.export_text = add(file, "Mexport", "&Export as text...");
    menu_.clear = add(file, "Mclose", "&Clear");
    QAction* before_exit = separator(file, "skil03");
    menu_.exit = add(file, "exit", "E&xit program");
    menu_.exit->setShortcut(standard_or(QKeySequence::Quit, "Ctrl+Q"));
    build_recent_menu(file, before_exit);
    QMenu* edit = menuBar()->addMenu("Edi&t");
    edit->setObjectName("Medit");
    menu_.undo = history_->make_undo_action(edit);
    menu_.undo->setObjectName("Mundo");
    menu_.undo->setShortcut(QKeySequence::Undo);
    menu_.redo = history_->make_redo_action(edit);
    menu_.redo->setObjectName("Mredo");
    menu_.redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    edit->addAction(menu_.undo);
    edit->addAction(menu_.redo);
    menu_.copy = top("language_conversion", "&Make Copy As..");
    build_reports_menu();
    menu_.folder_settings = top("Set_edit", "&Edit Folder settings");
    QMenu* help = menuBar()->addMenu("&Information");
    help->setObjectName("help");
    menu_.how_to = add(help, "howto", "&How do I...");
    menu_.about = add(help, "about", "&About");
}

void OverviewWindow::build_reports_menu() {
    reports_menu_ = menuBar()->addMenu("&Reports");
    reports_menu_->setObjectName("Mreport");
    reports_menu_->menuAction()->setObjectName("Mreport");
    struct Entry {
        QAction* OverviewMenuEntries::*member;
        Report report;
        const char* name;
        const char* caption;
    } const entries[] = {
        {&OverviewMenuEntries::missing_files, Report::MissingFiles, "mnu_missing",
         "&Check for missing files"},
        {&OverviewMenuEntries::campaign_list, Report::CampaignList, "mnu_camlst",
         "Make Campaign &List"},
        {nullptr, {}, "mn_skil20", nullptr},
        {&OverviewMenuEntries::full_report, Report::FullReport, "skriv",
         "Make full Campaign &Report"},
        {&OverviewMenuEntries::file_list, Report::FileList, "Filelist",
         "Make Full Campaign &Filelist"},
        {&OverviewMenuEntries::campaign_map, Report::Map, "mnu_map", "Campaign &map"},
    };
    for (const Entry& e : entries) {
        if (!e.member) {
            reports_menu_->addSeparator()->setObjectName(QString::fromLatin1(e.name));
            continue;
        }
        QAction* a = reports_menu_->addAction(QString::fromLatin1(e.caption));
        a->setObjectName(QString::fromLatin1(e.name));
        menu_.*e.member = a;
        connect(a, &QAction::triggered, this,
                [this, report = e.report] { emit reportRequested(report); });
    }
}

void OverviewWindow::connect_menus() {
    connect(menu_.new_campaign, &QAction::triggered, this, &OverviewWindow::new_clicked);
    connect(menu_.open, &QAction::triggered, this, &OverviewWindow::open_clicked);
    connect(menu_.save, &QAction::triggered, this, &OverviewWindow::save_clicked);
    connect(menu_.save_as, &QAction::triggered, this, &OverviewWindow::save_as_clicked);
    connect(menu_.export_text, &QAction::triggered, this, &OverviewWindow::export_text_clicked);
    connect(menu_.clear, &QAction::triggered, this, &OverviewWindow::clear_clicked);
    connect(menu_.exit, &QAction::triggered, this, &OverviewWindow::exit_clicked);
    connect(menu_.copy, &QAction::triggered, this, &OverviewWindow::copyRequested);
    connect(menu_.folder_settings, &QAction::triggered, this,
            [this] { emit folderSettingsRequested(); });
    connect(menu_.how_to, &QAction::triggered, this, &OverviewWindow::howtoRequested);
    connect(menu_.about, &QAction::triggered, this, &OverviewWindow::aboutRequested);
}

void OverviewWindow::apply_menu_states() {
    MenuStates states = menu_states(menu_facts_);
    for (QAction* a : {menu_.new_campaign, menu_.open})
        a->setEnabled(states.file_entries);
    for (QAction* a : {menu_.copy, menu_.save_as, menu_.export_text, menu_.clear})
        a->setEnabled(states.campaign_entries);
    // Ctrl+S saves to the campaign's own file, or asks for one when it has none yet.
    menu_.save->setEnabled(states.save);
    QKeySequence save_key(QKeySequence::Save),
        save_as_key = standard_or(QKeySequence::SaveAs, "Ctrl+Shift+S");
    menu_.save->setShortcut(states.save ? save_key : QKeySequence());
    menu_.save_as->setShortcuts(states.save ? QList<QKeySequence>{save_as_key}
                                            : QList<QKeySequence>{save_as_key, save_key});
    // The menu itself, not only its entry in the bar: a re-enabled window enables every menu it
    // holds that was not disabled on its own, and the menu's entry in the bar follows the menu.
    reports_menu_->setEnabled(states.campaign_entries);
    fill_recent_menu();
}

void OverviewWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled())
        apply_menu_states();
    // Other windows change the changed flag while this one waits disabled.
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ActivationChange)
        sync_modified();
}

} // namespace mf7

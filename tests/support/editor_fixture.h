#pragma once
// A running editor on the demo game for the window tests: the window controller, the recording
// message double, and helpers that click as a user does.
#include "support/fixtures.h"
#include "support/recording_messages.h"
#include "ui/common/file_chooser.h"
#include "ui/common/qt_text.h"
#include "ui/editor_windows.h"
#include "ui/overview/overview_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace mf7::test {

inline bool show_active(QWidget& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

template <class T> T* child(QWidget& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
}

inline void click(QWidget& w, const char* button) {
    child<QPushButton>(w, button)->click();
}

inline QPoint row_point(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

inline void click_row(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row_point(list, row));
}

// A double-click reaches itemDoubleClicked only after a click at the same point.
inline void double_click_row(QListWidget* list, int row) {
    click_row(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row_point(list, row));
}

inline int row_named(QListWidget* list, const char* text) {
    auto items = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
    return items.isEmpty() ? -1 : list->row(items.first());
}

// The picker's folder list indents its entries; find one by its name.
inline int folder_row(QListWidget* dirs, const char* name) {
    for (int i = 0; i < dirs->count(); ++i)
        if (dirs->item(i)->text().trimmed() == QLatin1String(name))
            return i;
    return -1;
}

inline QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

using Texts = std::vector<std::string>;

// A QtTest row per case, named by its `what`; the test then takes its case with fetched(cases).
template <class Case, std::size_t N> void case_rows(const Case (&cases)[N]) {
    QTest::addColumn<int>("case");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].what) << static_cast<int>(i);
}
template <class Case, std::size_t N> const Case& fetched(const Case (&cases)[N]) {
    return cases[*static_cast<int*>(QTest::qData("case", qMetaTypeId<int>()))];
}

// A menu entry by its object name ("Mnew", "skriv" ...).
inline QAction* menu_action(const QWidget& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

// The overview's menu entries that are enabled, in menu order.
inline QStringList enabled_actions(const OverviewWindow& w) {
    QStringList out;
    for (const char* n : {"Mnew", "Mopen", "Msave_as", "Mexport", "Mclose", "language_conversion",
                          "Mreport", "exit", "Set_edit", "howto", "about"})
        if (menu_action(w, n)->isEnabled())
            out << n;
    return out;
}
inline const QStringList kAlways = {"exit", "Set_edit", "howto", "about"};
inline const QStringList kNoCampaign = QStringList{"Mnew", "Mopen"} + kAlways;
inline const QStringList kCampaign = QStringList{"Mnew", "Mopen", "Msave_as", "Mexport", "Mclose"} +
                                     QStringList{"language_conversion", "Mreport"} + kAlways;

// How far the editor gets: started, DEMO.CAM opened by File > Open, or opened and shown active.
enum class Start { Started, Opened, Shown };
inline constexpr Start kOpened = Start::Opened, kShown = Start::Shown;

// The editor started on the demo game with its settings file beside the "program".
struct Editor {
    DemoGame game;
    EditorState& state = game.state;
    RecordingMessages msgs;
    EditorWindows windows{game.state, msgs};
    int quits = 0;

    explicit Editor(Start start = Start::Started) {
        write_settings(state.settings, "3.0.1", game.dir.path(), msgs);
        windows.quit = [this] { ++quits; };
        windows.start();
        msgs.clear();
        if (start != Start::Started) {
            open();
            msgs.clear();
        }
        if (start == kShown)
            QVERIFY(show_active(overview()));
    }
    OverviewWindow& overview() { return windows.overview(); }
    QListWidget* list1() { return child<QListWidget>(overview(), "List1"); }
    QListWidget* file1() { return child<QListWidget>(windows.chooser(), "File1"); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(overview(), name); }
    QLineEdit* chooser_name() { return child<QLineEdit>(windows.chooser(), "Text1"); }
    QAction* action(const char* name) { return menu_action(overview(), name); }
    QString frame2() { return child<QGroupBox>(overview(), "Frame2")->title(); }
    void trigger(const char* action) { menu_action(overview(), action)->trigger(); }
    // A double-click on the overview's row: the scenario editor it opens.
    ScenarioEditor& edit(int row) {
        double_click_row(list1(), row);
        return windows.editor();
    }
    // Types over a header field's whole text from the keyboard.
    void type(const char* name, const QString& text) {
        field(name)->setFocus();
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }

    // File > Open, a click on the file, then the chooser's button.
    void open(const char* name = "DEMO.CAM") {
        trigger("Mopen");
        click_row(file1(), row_named(file1(), name));
        click(windows.chooser(), "Command1");
    }
    // Forgets the messages shown so far; the next question gets `a`.
    void answer(Answer a) {
        msgs.clear();
        msgs.answers = {a};
    }
    // File > Save as, `name` typed into the chooser, then its button; the question gets `a`.
    void save_as(const QString& name, Answer a = Answer::No) {
        answer(a);
        trigger("Msave_as");
        chooser_name()->setText(name);
        click(windows.chooser(), "Command1");
    }
};

} // namespace mf7::test

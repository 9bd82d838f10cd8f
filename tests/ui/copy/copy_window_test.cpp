// The international copy windows: first showing, choosing the folder, the question, the report
// and the new-folder window.
#include "support/editor_fixture.h"
#include "ui/copy/copy_report_window.h"
#include "ui/copy/copy_window.h"
#include "ui/copy/new_folder_window.h"

#include <QtWidgets>

#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

// The demo game opened, with the copy window starting in an empty target folder.
struct Setup : Editor {
    TempDir target;

    Setup() : Editor(kOpened) { state.start_folder = target.path(); }
};

} // namespace

class CopyWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The lists open in the start folder and follow a double-click; a new folder is made in the
    // folder shown, and a refused name keeps its window open (the messages are the core's).
    void foldersAndANewOne() {
        Setup s;
        QVERIFY(demo::write_bytes(s.target.file("old.txt"), "x"));
        QVERIFY(demo::write_bytes(s.target.file("deu/a.deu"), "x"));
        CopyWindow w(s.state, s.msgs);
        w.show();
        QCOMPARE(rows(child<QListWidget>(w, "File1")), QStringList{"old.txt"});

        auto* dir1 = child<QListWidget>(w, "Dir1");
        double_click_row(dir1, folder_row(dir1, "deu"));
        QCOMPARE(rows(child<QListWidget>(w, "File1")), QStringList{"a.deu"});

        QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
        NewFolderWindow* f = w.new_folder_window();
        QVERIFY(f && f->isVisible() && !w.isEnabled());
        QCOMPARE(child<QLineEdit>(*f, "Text1")->text(), pathToQ(s.target.file("deu")));
        auto* name = child<QLineEdit>(*f, "Text2");
        name->setText("a.deu");
        click(*f, "Command1");
        QCOMPARE(s.msgs.shown.size(), size_t(1));
        QVERIFY(f->isVisible() && !w.isEnabled());
        name->setText("fra ");
        click(*f, "Command1");
        QCOMPARE(s.msgs.shown.size(), size_t(1));
        QVERIFY(folder_exists(s.target.file("deu/fra")));
        QVERIFY(!f->isVisible() && w.isEnabled());
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), pathToQ(s.target.file("deu/fra")));
    }

    // A cancelled question copies nothing; the copy shows its report, whose button brings the
    // overview back.
    void copyAfterTheQuestionShowsTheReport() {
        Setup s;
        CopyWindow w(s.state, s.msgs);
        QSignalSpy closed(&w, &CopyWindow::closed);
        w.show();
        child<QRadioButton>(w, "Option2")->click();
        s.msgs.answers = {Answer::Cancel};
        click(w, "Command1");
        QVERIFY(w.report_window() == nullptr && w.isVisible());
        QVERIFY(std::filesystem::is_empty(to_native(s.target.path())));

        click(w, "Command1");
        QCOMPARE(s.msgs.shown.size(), size_t(2));
        CopyReportWindow* report = w.report_window();
        QVERIFY(report && report->isVisible() && !w.isVisible());
        QCOMPARE(child<QLabel>(*report, "Label1")->text(),
                 "This Report has been saved as: " + pathToQ(s.target.file("REPORT.deu")));
        QString saved = QString::fromStdString(read_all(s.target.file("report.deu")));
        saved.replace("\r\n", "\n");
        QCOMPARE(child<QPlainTextEdit>(*report, "Text1")->toPlainText() + "\n", saved);
        QVERIFY(rows(child<QListWidget>(w, "File1")).contains("report.deu"));
        click(*report, "Command1");
        QVERIFY(!report->isVisible() && closed.count() == 1);
    }
};

QTEST_MAIN(CopyWindowTest)
#include "copy_window_test.moc"

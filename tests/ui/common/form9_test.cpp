// The text window: the game's line rule on loading, one line end more on saving, every
// Windows-1252 byte kept, and failures that keep the user's text.
#include "model/state.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"
#include "ui/common/form9.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>
#include <filesystem>

using namespace mf7;
using namespace mf7::test;

class Form9Test : public QObject {
    Q_OBJECT

    static void save(Form9& w) {
        QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    static QStringList blocks(const Form9& w) {
        QStringList out;
        for (QTextBlock b = w.text1()->document()->begin(); b.isValid(); b = b.next())
            out << b.text();
        return out;
    }

  private slots:
    void unchangedFileGainsOneEmptyLine() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("brief.txt");
        QVERIFY(demo::write_bytes(path, "a\r\nb\r\n"));
        Form9 w(state, msgs);
        QSignalSpy returned(&w, &Form9::returned);
        QVERIFY(w.open_file(path, "form3"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QString::fromStdString(path));
        QCOMPARE(blocks(w), (QStringList{"a", "b", ""}));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QCOMPARE(w.findChild<QPushButton*>("Command1")->toolTip(),
                 QString("Click to save the file. (Path and filename can be seen in the blue box "
                         "on top of this form.)"));
        save(w);
        QCOMPARE(read_all(path), std::string("a\r\nb\r\n\r\n"));
        QVERIFY(!w.isVisible());
        QCOMPARE(returned.count(), 1);
        QCOMPARE(returned[0][0].toString(), QString("form3"));
        QVERIFY(msgs.shown.empty());
    }

    void lineFeedsAloneStayInsideOneLine() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("unix.txt");
        QVERIFY(demo::write_bytes(path, "a\nb\n"));
        Form9 w(state, msgs);
        w.open_file(path, "form1");
        QCOMPARE(blocks(w), (QStringList{QString("a") + QChar(0x240A) + "b" + QChar(0x240A), ""}));
        save(w);
        QCOMPARE(read_all(path), std::string("a\nb\n\r\n\r\n"));
    }

    void everyByteOfTheCodePageSurvives() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("ansi.txt");
        std::string original;
        for (int b = 0x80; b <= 0xFF; ++b) {
            original += static_cast<char>(b);
            if (b % 32 == 31)
                original += "\r\n";
        }
        original += "tab\there\r\n";
        QVERIFY(demo::write_bytes(path, original));
        Form9 w(state, msgs);
        w.open_file(path, "form3");
        QCOMPARE(blocks(w)[1].at(0), QChar(0xA0)); // byte 0xA0, a no-break space
        save(w);
        QCOMPARE(read_all(path), original + "\r\n");
    }

    void missingFileOpensEmptyAndTheSaveCreatesIt() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("new.txt");
        Form9 w(state, msgs);
        w.text1()->setPlainText("left from before");
        QVERIFY(w.open_file(path, "form1"));
        QVERIFY(!file_exists(path));
        QCOMPARE(w.text1()->toPlainText(), QString());
        QTest::keyClicks(w.text1(), "Hello");
        QTest::keyClick(w.text1(), Qt::Key_Return);
        QTest::keyClicks(w.text1(), "World");
        save(w);
        QCOMPARE(read_all(path), std::string("Hello\r\nWorld\r\n"));
        QCOMPARE(state.return_form, std::string("form1"));
    }

    void failedSaveKeepsTheWindowAndItsText() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::filesystem::create_directories(to_native(dir.file("taken.txt")));
        for (std::string path : {dir.file(join_path("TEXT", "x.txt")), dir.file("taken.txt")}) {
            msgs.clear();
            Form9 w(state, msgs);
            QSignalSpy returned(&w, &Form9::returned);
            QVERIFY(w.open_file(path, "form3"));
            QTest::keyClicks(w.text1(), "my words");
            save(w);
            QCOMPARE(msgs.shown.size(), size_t(1));
            QVERIFY(msgs.shown[0].text.find("While trying to write the file: " + path) !=
                    std::string::npos);
            QVERIFY(w.isVisible());
            QCOMPARE(w.text1()->toPlainText(), QString("my words"));
            QCOMPARE(returned.count(), 0);
            QVERIFY(!file_exists(path));
        }
    }

    void unreadableFileIsReportedAndCannotBeOverwritten() {
        if (!file_exists("/proc/self/mem"))
            QSKIP("no such file on this system");
        EditorState state;
        RecordingMessages msgs;
        Form9 w(state, msgs);
        QVERIFY(!w.open_file("/proc/self/mem", "form3"));
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(msgs.shown[0].text.find("While trying to read the file: /proc/self/mem") !=
                std::string::npos);
        QVERIFY(w.isVisible());
        QVERIFY(!w.findChild<QPushButton*>("Command1")->isEnabled());
    }

    void cancelLeavesTheFileAndReturns() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("keep.txt");
        QVERIFY(demo::write_bytes(path, "keep\r\n"));
        Form9 w(state, msgs);
        QSignalSpy returned(&w, &Form9::returned);
        w.open_file(path, "Form3");
        QTest::keyClicks(w.text1(), "changed");
        QTest::mouseClick(w.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(read_all(path), std::string("keep\r\n"));
        QVERIFY(!w.isVisible());
        // The return form is handed on as it stands; only "form1" and "form3" name a window.
        QCOMPARE(returned[0][0].toString(), QString("Form3"));
    }

    void shownTextIsSavedToTheCaption() {
        TempDir dir;
        EditorState state;
        RecordingMessages msgs;
        std::string path = dir.file("Missing-Files-List-1.txt");
        Form9 w(state, msgs);
        w.show_text(path, "Line one\r\nLine \xE9two");
        QCOMPARE(blocks(w), (QStringList{"Line one", QString::fromUtf8("Line \xC3\xA9two")}));
        save(w);
        QCOMPARE(read_all(path), std::string("Line one\r\nLine \xE9two\r\n"));
    }
};

QTEST_MAIN(Form9Test)
#include "form9_test.moc"

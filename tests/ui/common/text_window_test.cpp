// The text window: the game's line rule on loading, one line end more on saving, every
// Windows-1252 byte kept, and failures that keep the user's text.
#include "support/editor_fixture.h"
#include "ui/common/text_window.h"

#include <QtWidgets>
#include <memory>

using namespace mf7;
using namespace mf7::test;

class TextWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir;
    EditorState state;
    RecordingMessages msgs;
    std::unique_ptr<TextWindow> w;

    // The windows the text window handed control back to, in order.
    std::vector<WindowId> returned;
    // Writes bytes as the file name (unless they are null) and opens it in the window.
    NativePath open(const char* name, const char* bytes,
                    WindowId return_window = WindowId::ScenarioEditor) {
        NativePath path = dir->file(name);
        if (bytes && !demo::write_bytes(path, bytes))
            qFatal("cannot write %s", name);
        w->open_file(path, return_window);
        return path;
    }

  private slots:
    void init() {
        dir = std::make_unique<TempDir>();
        state = EditorState();
        msgs = RecordingMessages();
        w = std::make_unique<TextWindow>(state, msgs);
        returned.clear();
        connect(w.get(), &TextWindow::returned, this,
                [this](WindowId id) { returned.push_back(id); });
    }

    // A line feed alone stays inside its line, shown as a mark; every Windows-1252 byte and a
    // tab come back as they were.
    void unchangedFileGainsOneEmptyLine() {
        std::string original = "a\r\nb\nc\r\n";
        for (int b = 0x80; b <= 0xFF; ++b)
            original += static_cast<char>(b) + std::string(b % 32 == 31 ? "\r\n" : "");
        original += "tab\there\r\n";
        NativePath path = open("brief.txt", original.c_str());
        const QStringList blocks =
            w->text_edit()->document()->toRawText().split(QChar::ParagraphSeparator);
        const QChar mark = blocks.value(1).size() == 3 ? blocks[1][1] : QChar();
        QCOMPARE(blocks.mid(0, 2), (QStringList{"a", QString("b") + mark + "c"}));
        click(*w, "Command1");
        QCOMPARE(read_all(path), original + "\r\n");
        QVERIFY(!w->isVisible() && msgs.shown.empty());
        QVERIFY(returned == std::vector<WindowId>{WindowId::ScenarioEditor});
    }

    // Cancel leaves the file as it was, asking first (Cancel and the close box alike) once text
    // was typed; a missing file opens empty and the save creates it; an unreadable one is
    // reported and cannot be overwritten.
    void cancelThenAMissingFileIsCreatedAndAnUnreadableOneRefused() {
        NativePath keep = open("keep.txt", "keep\r\n", WindowId::Overview);
        click(*w, "Command2");
        QVERIFY(msgs.shown.empty() && !w->isVisible());
        open("keep.txt", nullptr, WindowId::Overview);
        QTest::keyClicks(w->text_edit(), "changed");
        click(*w, "Command2");
        QVERIFY(w->close() == false);
        QCOMPARE(msgs.texts(), Texts(2, "Close without saving your changes to the text?"));
        QVERIFY(msgs.shown[1].buttons == Buttons::YesNo && w->isVisible() && returned.size() == 1);
        QVERIFY(w->text_edit()->toPlainText().startsWith("changed"));
        msgs.answers = {Answer::Yes};
        click(*w, "Command2");
        QVERIFY(read_all(keep) == "keep\r\n" && !w->isVisible() && returned.size() == 2);
        NativePath path = open("new.txt", nullptr, WindowId::Overview);
        QTest::keyClicks(w->text_edit(), "Hello");
        click(*w, "Command1");
        QCOMPARE(read_all(path), std::string("Hello\r\n"));
        QVERIFY(returned == std::vector<WindowId>(3, WindowId::Overview));
        if (!file_exists("/proc/self/mem"_path))
            QSKIP("no unreadable file on this system");
        msgs.clear();
        QVERIFY(!w->open_file("/proc/self/mem"_path, WindowId::ScenarioEditor));
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(w->isVisible() && !w->findChild<QPushButton*>("Command1")->isEnabled());
    }

    // Characters beyond Windows-1252 are named, and saved as "?" only when the user agrees (the
    // ones it holds, the euro sign among them, pass without a question: the unchanged file's test).
    void unstorableCharactersAskFirst() {
        // "Łódź Ł": Ł and ź are beyond Windows-1252, ó is in it.
        const QString polish = QString::fromUtf8("\xC5\x81\xC3\xB3\x64\xC5\xBA \xC5\x81");
        for (auto [answer, file] :
             {std::pair{Answer::Yes, "?\xF3\x64? ?\r\n"}, {Answer::No, "old\r\n"}}) {
            init();
            NativePath path = open("brief.txt", "old\r\n");
            w->text_edit()->setPlainText(polish);
            msgs.answers = {answer};
            click(*w, "Command1");
            QCOMPARE(msgs.texts().size(), size_t(1));
            QVERIFY(msgs.texts()[0].find("U+0141 U+017A.\n") != std::string::npos);
            QCOMPARE(read_all(path), std::string(file));
            QCOMPARE(w->isVisible(), answer == Answer::No);
            QCOMPARE(w->text_edit()->toPlainText(), polish);
        }
    }

    // The check's text is saved to its caption only when the report folder exists; a failed save
    // keeps the window and its text.
    void shownTextIsSavedToTheCaption() {
        for (bool folder : {true, false}) {
            init();
            state.settings.mf7_rep = folder ? dir->path() : NativePath();
            NativePath path = dir->file("Missing-Files-List-1.txt");
            w->show_text(path, "Line one\r\nLine \xE9two", WindowId::ScenarioEditor);
            click(*w, "Command1");
            QCOMPARE(read_all(path), std::string(folder ? "Line one\r\nLine \xE9two\r\n" : ""));
            QCOMPARE(msgs.shown.size(), size_t(folder ? 0 : 1));
            QVERIFY(w->isVisible() != folder && returned.size() == size_t(folder));
            QVERIFY(!folder || returned[0] == WindowId::ScenarioEditor);
            QCOMPARE(w->text_edit()->toPlainText(), QString("Line one\nLine \u00E9two"));
        }
    }
};

QTEST_MAIN(TextWindowTest)
#include "text_window_test.moc"

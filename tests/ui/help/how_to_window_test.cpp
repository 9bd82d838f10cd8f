// The how-to window: its colour legend and the return to the overview.
#include "support/editor_fixture.h"
#include "ui/common/look.h"
#include "ui/help/how_to_window.h"

#include <QPlainTextEdit>

using namespace mf7;
using namespace mf7::test;

class HowToWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The legend is painted in the colours it explains; Return gives the overview the focus.
    void theLegendThenReturn() {
        Editor e;
        QVERIFY(show_active(e.overview()));
        e.trigger("howto");
        HowToWindow& w = e.windows.how_to();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QString("MF7-editor, How to"));
        struct Row {
            const char* name;
            QColor colour;
            const char* text;
        } legend[] = {
            {"Text1", Qt::white, "Type in the data for fields with white background.\r\n"},
            {"Text2", QColor(192, 255, 192),
             "Doubleclick to select filenames, in all fields with green background.\r\n"},
            {"Text3", QColor(192, 255, 255),
             "Doubleclick to select or type in the data, in fields with a blue background. The "
             "fileextension will be added by the program.\r\n"},
            {"Text4", QColor(224, 224, 224),
             "Fields with grey background is for information only. Typically they contain "
             "HEX-expansion of unused fields, or numbers calculated by the program.\r\n"},
            {"Text5", QColor(255, 192, 192),
             "The red background color is displayed in the Edit Folder Settings, when a "
             "Folder-path does not exist.\r\nThis should only happen the first time you run the "
             "program. Select the right Path(s) and click OK.\r\n"},
            {"Text6", QColor(255, 255, 192),
             "Type in the filename, or doubleclick to select, or SHIFT + LEFTCLICK to edit file "
             "contents. (if the file does \r\nnot exists, it will be created). The fileextension "
             "will be added by the program.\r\n"},
        };
        for (const auto& row : legend) {
            auto* t = child<QPlainTextEdit>(w, row.name);
            QVERIFY(t->isReadOnly());
            // The box keeps the text as written; the display turns CR LF into a line break.
            QCOMPARE(t->toPlainText().remove('\r'), QString(row.text).remove('\r'));
            QCOMPARE(look::background(t), row.colour);
        }
        QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(e.overview().isEnabled());
        QTRY_VERIFY(e.overview().isActiveWindow());
    }
};

QTEST_MAIN(HowToWindowTest)
#include "how_to_window_test.moc"

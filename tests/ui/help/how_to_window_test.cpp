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
        // Each box names the colour it is painted in.
        struct Row {
            const char* name;
            QColor colour;
            const char* word;
        } legend[] = {{"Text1", Qt::white, "white"},
                      {"Text2", QColor(192, 255, 192), "green"},
                      {"Text3", QColor(192, 255, 255), "blue"},
                      {"Text4", QColor(224, 224, 224), "grey"},
                      {"Text5", QColor(255, 192, 192), "red"},
                      {"Text6", QColor(255, 255, 192), "SHIFT + LEFTCLICK"}};
        for (const auto& row : legend) {
            auto* t = child<QPlainTextEdit>(w, row.name);
            QVERIFY(t->isReadOnly());
            QVERIFY(t->toPlainText().contains(row.word));
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

// The about window.
#include "support/editor_fixture.h"
#include "ui/help/form7.h"

#include <QLabel>

using namespace mf7;
using namespace mf7::test;

class Form7Test : public QObject {
    Q_OBJECT
  private slots:
    void showsTheSameVersionEachTime() {
        Editor e;
        for (int i = 0; i < 2; ++i) {
            e.trigger("about");
            Form7& w = e.windows.form7();
            QVERIFY(w.isVisible());
            QVERIFY(!e.form1().isEnabled());
            QCOMPARE(w.windowTitle(), QString("About MF7-editor"));
            QCOMPARE(child<QLabel>(w, "Label4")->text(), QString("Marchfield Campaign editor."));
            QCOMPARE(child<QLabel>(w, "Label5")->text(), QString("Version: 3.0.1"));
            child<QPushButton>(w, "Command1")->click();
            QVERIFY(!w.isVisible());
            QVERIFY(e.form1().isEnabled());
        }
    }
};

QTEST_MAIN(Form7Test)
#include "form7_test.moc"

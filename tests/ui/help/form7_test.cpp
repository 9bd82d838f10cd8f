// The about window.
#include "support/editor_fixture.h"
#include "ui/help/form7.h"

#include <QLabel>

using namespace mf7;
using namespace mf7::test;

class Form7Test : public QObject {
    Q_OBJECT
  private slots:
    // Shown a second time, the window still names the version once.
    void showsTheSameVersionEachTime() {
        Editor e;
        for (int i = 0; i < 2; ++i) {
            e.trigger("about");
            Form7& w = e.windows.form7();
            QCOMPARE(w.windowTitle(), QString("About MF7-editor"));
            QCOMPARE(child<QLabel>(w, "Label4")->text(), QString("Marchfield Campaign editor."));
            QCOMPARE(child<QLabel>(w, "Label5")->text(), QString("Version: 3.0.1"));
            click(w, "Command1");
        }
    }
};

QTEST_MAIN(Form7Test)
#include "form7_test.moc"

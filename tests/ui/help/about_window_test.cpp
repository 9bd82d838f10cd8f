// The about window.
#include "support/editor_fixture.h"
#include "ui/help/about_window.h"

#include <QLabel>

using namespace mf7;
using namespace mf7::test;

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Shown a second time, the window still names the version once.
    void showsTheSameVersionEachTime() {
        Editor e;
        for (int i = 0; i < 2; ++i) {
            e.trigger("about");
            AboutWindow& w = e.windows.about();
            QCOMPARE(w.windowTitle(), QString("About MF7-editor"));
            QCOMPARE(child<QLabel>(w, "Label4")->text(), QString("Marchfield Campaign editor."));
            QCOMPARE(child<QLabel>(w, "Label5")->text(), QString("Version: 3.0.1"));
            click(w, "Command1");
        }
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

// The window controller: windows made on first use and kept, the opener disabled meanwhile.
#include "support/editor_fixture.h"
#include "ui/common/form2.h"
#include "ui/help/form6.h"
#include "ui/help/form7.h"
#include "ui/overview/dialog.h"
#include "ui/settings/form4.h"

using namespace mf7;
using namespace mf7::test;

class EditorWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsAreMadeOnFirstUseAndKept() {
        Editor e;
        for (const char* name : {"form2", "dialog", "form4", "form5", "form6", "form7"})
            QVERIFY2(!e.windows.created(name), name);
        e.trigger("about");
        QVERIFY(e.windows.created("form7"));
        QWidget* first = &e.windows.form7();
        child<QPushButton>(*first, "Command1")->click();
        e.trigger("about");
        QCOMPARE(static_cast<QWidget*>(&e.windows.form7()), first);
        QVERIFY(!e.windows.created("form6"));
    }

    // Each secondary window's close box returns to the overview as its own button does.
    void theCloseBoxReturnsToTheOverview_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("new") << "Mnew";
        QTest::newRow("open") << "Mopen";
        QTest::newRow("folder settings") << "Set_edit";
        QTest::newRow("how to") << "howto";
        QTest::newRow("about") << "about";
    }
    void theCloseBoxReturnsToTheOverview() {
        QFETCH(QString, entry);
        Editor e;
        e.trigger(entry.toLatin1().constData());
        QWidget* w = nullptr;
        if (entry == "Mnew")
            w = &e.windows.dialog();
        else if (entry == "Mopen")
            w = &e.windows.form2();
        else if (entry == "Set_edit")
            w = &e.windows.form4();
        else if (entry == "howto")
            w = &e.windows.form6();
        else
            w = &e.windows.form7();
        QVERIFY(w->isVisible());
        QVERIFY(!e.form1().isEnabled());
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QVERIFY(e.form1().isEnabled());
    }

    void theChooserReturnsToTheWindowItsCallerNames() {
        Editor e;
        QWidget editor;
        e.windows.extra_window = [&editor](const std::string& name) {
            return name == "form3" ? &editor : nullptr;
        };
        QCOMPARE(e.windows.window_named("form1"), static_cast<QWidget*>(&e.form1()));
        QCOMPARE(e.windows.window_named("form3"), &editor);
        QCOMPARE(e.windows.window_named("form9"), static_cast<QWidget*>(nullptr));
        ChooserSetup setup;
        setup.folder = e.state.settings.mf7_mus;
        setup.pattern = "*.mus";
        setup.target = "text8";
        setup.return_form = "form3";
        e.windows.open_chooser(setup, &editor);
        QVERIFY(!editor.isEnabled());
        QVERIFY(e.form1().isEnabled());
        child<QPushButton>(e.windows.form2(), "Command2")->click();
        QVERIFY(editor.isEnabled());
        QCOMPARE(e.state.chooser_target, std::string("text8"));
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"

// The new-campaign dialog reached through File > New.
#include "support/editor_fixture.h"
#include "ui/overview/dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

QLineEdit* name_field(Editor& e) {
    return child<QLineEdit>(e.windows.dialog(), "Text1");
}
QPushButton* ok(Editor& e) {
    return child<QPushButton>(e.windows.dialog(), "OKButton");
}

// What Save as proposes: folder and name.
std::pair<std::string, QString> save_as_proposal(Editor& e) {
    e.trigger("Msave_as");
    auto out = std::make_pair(e.windows.form2().folder(),
                              child<QLineEdit>(e.windows.form2(), "Text1")->text());
    child<QPushButton>(e.windows.form2(), "Command2")->click();
    return out;
}

} // namespace

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    void newOpensTheDialogWithoutAQuestion() {
        Editor e;
        e.open();
        click_row(e.list1(), 1);
        e.state.campaign_changed = true;
        QSignalSpy hide(&e.form1(), &Form1::scenarioListWindowHideRequested);
        e.trigger("Mnew");
        Dialog& d = e.windows.dialog();
        QVERIFY(d.isVisible());
        QCOMPARE(d.windowTitle(), QString("New Campaign."));
        QVERIFY(!ok(e)->isEnabled());
        QVERIFY(!e.form1().isEnabled());
        QCOMPARE(child<QGroupBox>(e.form1(), "Frame2")->title(), QString());
        QCOMPARE(hide.count(), 1);
        QVERIFY(e.msgs.shown.empty());
    }

    void okMakesAnEmptyCampaignUnderTheTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("without extension") << " abc "
                                           << "abc.cam";
        QTest::newRow("with extension") << "ABC.CAM"
                                        << "ABC.CAM";
    }
    void okMakesAnEmptyCampaignUnderTheTypedName() {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        Editor e;
        e.open();
        e.state.campaign_changed = true;
        e.trigger("Mnew");
        QVERIFY(show_active(e.windows.dialog()));
        QTest::keyClicks(name_field(e), typed);
        QVERIFY(ok(e)->isEnabled());
        QCOMPARE(e.state.cam_path + e.state.cam_folder, std::string());
        QTest::mouseClick(ok(e), Qt::LeftButton);
        QVERIFY(!e.windows.dialog().isVisible());
        QVERIFY(e.form1().isEnabled());
        QCOMPARE(QString::fromStdString(e.state.cam_name), name);
        QCOMPARE(rows(e.list1()),
                 QStringList{" 0   " + QString(20, ' ') + QString("        0 ").repeated(4) +
                             QString(20, ' ')});
        QCOMPARE(e.state.camfil.scenario_count, int16_t(1));
        QVERIFY(!e.state.campaign_changed);
        QVERIFY(e.form1().action("Msave_as")->isEnabled());
        // The new campaign is saved under the typed name in the campaign folder.
        auto [folder, proposed] = save_as_proposal(e);
        QCOMPARE(folder, e.state.settings.mf7_cam);
        QCOMPARE(proposed, name);
        // The dialog keeps the last name for the next New, with OK disabled.
        e.trigger("Mnew");
        QCOMPARE(name_field(e)->text(), name);
        QVERIFY(!ok(e)->isEnabled());
    }

    void cancelKeepsTheOldCampaignWithoutAFileName() {
        Editor e;
        e.open();
        QTest::mouseClick(child<QLineEdit>(e.form1(), "Text3"), Qt::LeftButton);
        QVERIFY(e.state.campaign_changed);
        QStringList before = rows(e.list1());
        e.trigger("Mnew");
        name_field(e)->setText("abc");
        child<QPushButton>(e.windows.dialog(), "CancelButton")->click();
        QVERIFY(!e.windows.dialog().isVisible());
        QVERIFY(e.form1().isEnabled());
        QCOMPARE(rows(e.list1()), before);
        QCOMPARE(name_field(e)->text(), QString());
        QCOMPARE(e.state.cam_path + e.state.cam_folder + e.state.cam_name, std::string());
        // The campaign on screen keeps its unsaved changes.
        QVERIFY(e.state.campaign_changed);
        auto [folder, proposed] = save_as_proposal(e);
        QCOMPARE(folder, e.state.settings.mf7_cam);
        QCOMPARE(proposed, QString("newcamp.cam"));
    }
};

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"

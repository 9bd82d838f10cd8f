// The new-campaign dialog reached through File > New.
#include "support/editor_fixture.h"
#include "ui/overview/new_campaign_dialog.h"

#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

// What Save as proposes: folder and name.
std::pair<std::string, QString> save_as_proposal(Editor& e) {
    e.trigger("Msave_as");
    auto out = std::make_pair(e.windows.chooser().folder(),
                              child<QLineEdit>(e.windows.chooser(), "Text1")->text());
    click(e.windows.chooser(), "Command2");
    return out;
}

const struct Name {
    const char* what;
    QString typed, name;
} kNames[] = {{"without extension", " abc ", "abc.cam"}, {"with extension", "ABC.CAM", "ABC.CAM"}};

} // namespace

class NewCampaignDialogTest : public QObject {
    Q_OBJECT
  private slots:
    // New asks nothing, even with unsaved changes: OK makes an empty campaign to be saved
    // under the typed name.
    void okMakesAnEmptyCampaignUnderTheTypedName_data() { case_rows(kNames); }
    void okMakesAnEmptyCampaignUnderTheTypedName() {
        const auto& [what, typed, name] = fetched(kNames);
        Editor e(kOpened);
        click_row(e.list1(), 1);
        e.state.campaign_changed = true;
        QSignalSpy hide(&e.overview(), &OverviewWindow::scenarioListWindowHideRequested);
        e.trigger("Mnew");
        NewCampaignDialog& d = e.windows.new_campaign_dialog();
        QLineEdit* text1 = child<QLineEdit>(d, "Text1");
        QPushButton* ok = child<QPushButton>(d, "OKButton");
        QVERIFY(show_active(d) && !ok->isEnabled());
        QCOMPARE(e.frame2(), QString());
        QVERIFY(hide.count() == 1 && e.msgs.shown.empty());
        QTest::keyClicks(text1, typed);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!d.isVisible() && e.overview().isEnabled());
        QCOMPARE(e.list1()->count(), 1); // one empty scenario
        QVERIFY(!e.state.campaign_changed);
        QCOMPARE(save_as_proposal(e), std::make_pair(e.state.settings.mf7_cam, name));
        // The dialog keeps the last name for the next New, with OK disabled. Cancel keeps the
        // campaign on screen with its unsaved changes, but without a file name.
        e.state.campaign_changed = true;
        e.trigger("Mnew");
        QCOMPARE(text1->text(), name);
        QVERIFY(!ok->isEnabled());
        text1->setText("abc");
        click(d, "CancelButton");
        QCOMPARE(text1->text(), QString());
        QCOMPARE(e.state.cam_path + e.state.cam_folder + e.state.cam_name, std::string());
        QVERIFY(e.state.campaign_changed);
        QCOMPARE(save_as_proposal(e),
                 std::make_pair(e.state.settings.mf7_cam, QString("newcamp.cam")));
    }
};

QTEST_MAIN(NewCampaignDialogTest)
#include "new_campaign_dialog_test.moc"

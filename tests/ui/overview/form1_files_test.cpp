// The overview's file commands: Open through the chooser, Save as, Clear, Exit and the close
// box, with the questions that guard unsaved work and the menu states they leave.
#include "support/editor_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

QStringList enabled_actions(Form1& w) {
    QStringList out;
    for (const char* n : {"Mnew", "Mopen", "Msave_as", "Mclose", "language_conversion", "Mreport",
                          "exit", "Set_edit", "howto", "about"})
        if (w.action(n)->isEnabled())
            out << n;
    return out;
}

const QStringList kAlways = {"exit", "Set_edit", "howto", "about"};
const QStringList kNoCampaign = QStringList{"Mnew", "Mopen"} + kAlways;
const QStringList kCampaign =
    QStringList{"Mnew", "Mopen", "Msave_as", "Mclose", "language_conversion", "Mreport"} + kAlways;

QLineEdit* field(Editor& e, const char* name) {
    return child<QLineEdit>(e.form1(), name);
}

QString frame2(Editor& e) {
    return child<QGroupBox>(e.form1(), "Frame2")->title();
}

// Save as, with `name` typed into the chooser, then its button.
void save_as(Editor& e, const QString& name) {
    e.trigger("Msave_as");
    child<QLineEdit>(e.windows.form2(), "Text1")->setText(name);
    child<QPushButton>(e.windows.form2(), "Command1")->click();
}

} // namespace

class Form1FilesTest : public QObject {
    Q_OBJECT
  private slots:
    void openThroughTheChooserShowsTheCampaign() {
        Editor e;
        QCOMPARE(enabled_actions(e.form1()), kNoCampaign);
        e.trigger("Mopen");
        Form2& chooser = e.windows.form2();
        QVERIFY(chooser.isVisible());
        QVERIFY(!e.form1().isEnabled());
        QCOMPARE(chooser.windowTitle(), QString("Open existing Campaign file"));
        QCOMPARE(rows(e.file1()), QStringList{"DEMO.CAM"});
        QPushButton* use = child<QPushButton>(chooser, "Command1");
        QCOMPARE(use->text(), QString("Open Campaign"));
        QVERIFY(!use->isEnabled());
        click_row(e.file1(), 0);
        QVERIFY(use->isEnabled());
        use->click();

        QVERIFY(!chooser.isVisible());
        QVERIFY(e.form1().isEnabled());
        QCOMPARE(e.state.cam_name, std::string("DEMO.CAM"));
        QCOMPARE(e.state.cam_path, e.game.campaign_path());
        QCOMPARE(e.list1()->count(), 8);
        QCOMPARE(e.list1()->item(0)->text(), QString(" 0   POLAND.SCN") + QString(10, ' ') +
                                                 "        1         1         1       255 " +
                                                 QString(8, ' ') + " 1 SEP  1939");
        QCOMPARE(e.list1()->item(2)->text(), QString(" 2   SEDAN.SCN") + QString(11, ' ') +
                                                 "        4         4*        3       255 " +
                                                 QString(8, ' ') + "13 MAY  1940");
        QCOMPARE(field(e, "Text1")->text(), QString("8"));
        QCOMPARE(field(e, "Text2")->text(), QString("1200"));
        QCOMPARE(field(e, "Text3")->text(), QString("victory.smk"));
        QCOMPARE(field(e, "Text4")->text(), QString("defeat.smk"));
        QCOMPARE(field(e, "Text5")->text(), QString("demo.txt"));
        QCOMPARE(child<QLabel>(e.form1(), "Label7")->text(), QString("Main Country : Germany"));
        QCOMPARE(frame2(e), QString());
        QCOMPARE(enabled_actions(e.form1()), kCampaign);
        QVERIFY(!e.state.campaign_changed);
        QVERIFY(e.msgs.shown.empty());
    }

    void openByDoubleClick() {
        Editor e;
        e.trigger("Mopen");
        double_click_row(e.file1(), 0);
        QCOMPARE(e.list1()->count(), 8);
        QVERIFY(!e.windows.form2().isVisible());
        QVERIFY(e.form1().isEnabled());
    }

    void openWithUnsavedChanges_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << Answer::Yes;
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
    }
    void openWithUnsavedChanges() {
        QFETCH(Answer, answer);
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QTest::mouseClick(field(e, "Text3"), Qt::LeftButton);
        QVERIFY(e.state.campaign_changed);
        QSignalSpy hide(&e.form1(), &Form1::scenarioListWindowHideRequested);
        e.msgs.answers = {answer};
        e.trigger("Mopen");
        QCOMPARE(e.msgs.texts(), std::vector<std::string>{"Current Campaign has changed, do you "
                                                          "wish to save it, before you read the "
                                                          "next?"});
        QCOMPARE(e.msgs.shown[0].buttons, Buttons::YesNoCancel);
        QCOMPARE(hide.count(), 1);
        bool chooser = answer == Answer::No;
        QCOMPARE(e.windows.form2().isVisible(), chooser);
        QCOMPARE(e.form1().isEnabled(), !chooser);
        QCOMPARE(e.list1()->count(), 8);
        if (chooser) {
            QCOMPARE(e.windows.form2().folder(), e.state.settings.mf7_cam);
            // Cancelling the chooser keeps the campaign on screen counted as unsaved.
            child<QPushButton>(e.windows.form2(), "Command2")->click();
            QVERIFY(e.form1().isEnabled());
        }
        QVERIFY(e.state.campaign_changed);
    }

    void saveAsWritesTheRecordByteForByte() {
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        e.trigger("Msave_as");
        Form2& chooser = e.windows.form2();
        // A campaign opened from disk is offered under its own name, in its own folder.
        QCOMPARE(child<QLineEdit>(chooser, "Text1")->text(), QString("DEMO.CAM"));
        QVERIFY(child<QLineEdit>(chooser, "Text1")->isVisible());
        QCOMPARE(chooser.folder(), e.state.settings.mf7_cam);
        QCOMPARE(chooser.windowTitle(), QString("Gem campaign fil"));
        QVERIFY(e.form1().isEnabled());
        child<QPushButton>(chooser, "Command2")->click();

        field(e, "Text2")->setFocus();
        field(e, "Text2")->selectAll();
        QTest::keyClicks(field(e, "Text2"), "70000");
        e.state.campaign_changed = true;
        e.msgs.answers = {Answer::Yes};
        save_as(e, "MyCamp");
        std::string path = join_path(e.state.settings.mf7_cam, "mycamp.cam");
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"F1-I02: Do you want to save this file: " + path});
        std::string expected = read_all(e.game.campaign_path());
        expected[2] = char(4465 & 0xFF);
        expected[3] = char(4465 >> 8);
        QVERIFY(read_all(path) == expected);
        QCOMPARE(e.state.cam_path, path);
        QCOMPARE(e.state.cam_name, std::string("mycamp.cam"));
        QVERIFY(!e.state.campaign_changed);
        QVERIFY(!chooser.isVisible());
        QCOMPARE(e.state.chooser_target, std::string());
    }

    void saveAsClearsTheChangeOnlyOnceWritten_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("chooser cancelled") << "cancel";
        QTest::newRow("question answered No") << "no";
        QTest::newRow("write failed") << "fail";
    }
    void saveAsClearsTheChangeOnlyOnceWritten() {
        QFETCH(QString, how);
        Editor e;
        e.open();
        e.state.campaign_changed = true;
        if (how == "cancel") {
            e.trigger("Msave_as");
            child<QPushButton>(e.windows.form2(), "Command2")->click();
            QVERIFY(e.msgs.shown.empty());
        } else if (how == "no") {
            e.msgs.answers = {Answer::No};
            save_as(e, "other");
            QVERIFY(!file_exists(join_path(e.state.settings.mf7_cam, "other.cam")));
        } else {
            e.msgs.answers = {Answer::Yes};
            save_as(e, "nowhere/x"); // a folder that does not exist
            std::string path = join_path(e.state.settings.mf7_cam, "nowhere/x.cam");
            QCOMPARE(e.msgs.shown.size(), size_t(2));
            const std::string& error = e.msgs.shown[1].text;
            QVERIFY(error.rfind("The error: >", 0) == 0);
            std::string tail = "< was encountered, While trying to write the file: " + path;
            QVERIFY(error.size() > tail.size() &&
                    error.compare(error.size() - tail.size(), tail.size(), tail) == 0);
        }
        QVERIFY(e.state.campaign_changed);
        // So Exit still asks.
        e.msgs.clear();
        e.msgs.answers = {Answer::Yes};
        e.trigger("exit");
        QCOMPARE(e.msgs.shown.size(), size_t(1));
        QCOMPARE(e.quits, 0);
    }

    void exitAndTheCloseBox_data() {
        QTest::addColumn<bool>("close_box");
        QTest::addColumn<bool>("campaign");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("ends");
        const QString camp =
            "Campaign has changed. Do you wish to save the changes to the campaign.";
        const QString ini = "MF7-editor ini-file has changed. Do you wish to save the changes?";
        const QString both =
            "Both Campaign and ini-file for MF7-editor has changed. Do you wish to "
            "save the changes?";
        for (bool box : {false, true}) {
            const char* how = box ? "close box" : "Exit";
            QTest::addRow("%s, nothing changed", how)
                << box << false << false << Answer::Yes << QString() << true;
            QTest::addRow("%s, campaign, Yes", how)
                << box << true << false << Answer::Yes << camp << false;
            QTest::addRow("%s, campaign, No", how)
                << box << true << false << Answer::No << camp << true;
            QTest::addRow("%s, settings, Yes", how)
                << box << false << true << Answer::Yes << ini << false;
            QTest::addRow("%s, both, No", how) << box << true << true << Answer::No << both << true;
        }
    }
    void exitAndTheCloseBox() {
        QFETCH(bool, close_box);
        QFETCH(bool, campaign);
        QFETCH(bool, settings);
        QFETCH(Answer, answer);
        QFETCH(QString, question);
        QFETCH(bool, ends);
        Editor e;
        e.open();
        e.state.campaign_changed = campaign;
        e.state.settings.settings_changed = settings;
        e.msgs.answers = {answer};
        std::string before = read_all(e.game.campaign_path());
        if (close_box)
            QCOMPARE(e.form1().close(), ends);
        else
            e.trigger("exit");
        if (question.isEmpty())
            QVERIFY(e.msgs.shown.empty());
        else
            QCOMPARE(e.msgs.texts(), std::vector<std::string>{question.toStdString()});
        QCOMPARE(e.quits, ends ? 1 : 0);
        QCOMPARE(e.form1().isVisible(), !(close_box && ends));
        // Exit never saves anything itself.
        QVERIFY(read_all(e.game.campaign_path()) == before);
    }

    void clearAnsweredNoKeepsTheCampaign() {
        Editor e;
        e.open();
        click_row(e.list1(), 2);
        e.state.campaign_changed = true;
        QSignalSpy hide(&e.form1(), &Form1::scenarioListWindowHideRequested);
        e.msgs.answers = {Answer::No};
        e.trigger("Mclose");
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"Do you want to clear the content of this Campaign? "});
        QCOMPARE(e.msgs.shown[0].buttons, Buttons::YesNo);
        QCOMPARE(hide.count(), 1);
        QCOMPARE(frame2(e), QString());
        QCOMPARE(e.list1()->count(), 8);
        QCOMPARE(e.state.cam_name, std::string("DEMO.CAM"));
        QCOMPARE(enabled_actions(e.form1()), kCampaign);
        QVERIFY(e.state.campaign_changed);
    }

    void clearAnsweredYesEmptiesEverything() {
        Editor e;
        e.open();
        click_row(e.list1(), 2);
        e.state.campaign_changed = true;
        e.msgs.answers = {Answer::Yes};
        e.trigger("Mclose");
        QCOMPARE(e.list1()->count(), 0);
        QCOMPARE(field(e, "Text1")->text(), QString("0"));
        QCOMPARE(field(e, "Text2")->text(), QString("0"));
        for (const char* name : {"Text3", "Text4", "Text5", "Text6"})
            QCOMPARE(field(e, name)->text(), QString());
        QCOMPARE(child<QLabel>(e.form1(), "Label7")->text(), QString());
        QCOMPARE(e.state.cam_path + e.state.cam_folder + e.state.cam_name, std::string());
        Camfil empty;
        init_cam(empty);
        QVERIFY(e.state.camfil == empty);
        QVERIFY(!e.state.campaign_changed);
        QCOMPARE(enabled_actions(e.form1()), kNoCampaign);
        // The list buttons stay enabled once a row was clicked.
        QVERIFY(child<QPushButton>(e.form1(), "Command1")->isEnabled());
    }
};

QTEST_MAIN(Form1FilesTest)
#include "form1_files_test.moc"

// The overview's header and trailer fields: prestige folding, extensions, trimming, the clicks
// that count as changes, the chooser they open and the SHIFT + left click of Text5.
#include "support/editor_fixture.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(Qt::MouseButton)

class Form1FieldsTest : public QObject {
    Q_OBJECT
  private:
    static QLineEdit* field(Editor& e, const char* name) {
        return child<QLineEdit>(e.form1(), name);
    }

    // Focus into the field and out again to Text1, as Tab does.
    static void enter_and_leave(Editor& e, QLineEdit* f) {
        f->setFocus();
        QVERIFY(f->hasFocus());
        field(e, "Text1")->setFocus();
    }

  private slots:
    void prestigeFoldsWhenLeavingTheField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("above 65535 loses 65535") << "70000"
                                                 << "4465" << 4465;
        QTest::newRow("negative loses its sign") << "-5"
                                                 << "5" << 5;
        QTest::newRow("not a number") << "abc"
                                      << "0" << 0;
        QTest::newRow("a fraction stays in the field") << "12.5"
                                                       << "12.5" << 12;
        QTest::newRow("half to even") << "13.5"
                                      << "13.5" << 14;
    }
    void prestigeFoldsWhenLeavingTheField() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QLineEdit* t2 = field(e, "Text2");
        t2->setFocus();
        t2->selectAll();
        QTest::keyClicks(t2, typed);
        field(e, "Text3")->setFocus();
        QCOMPARE(t2->text(), shown);
        QCOMPARE(int(e.state.camfil.player_start_prestige), stored);
    }

    void leavingPrestigeUnchangedStillStoresItWithoutCountingAChange() {
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        field(e, "Text2")->setText("70000");
        enter_and_leave(e, field(e, "Text2"));
        QCOMPARE(field(e, "Text2")->text(), QString("4465"));
        QCOMPARE(int(e.state.camfil.player_start_prestige), 4465);
        QVERIFY(!e.state.campaign_changed);
    }

    void extensionIsAppendedWhenLeaving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("changed");
        QTest::newRow("film") << "Text3"
                              << "Intro"
                              << "Intro.smk" << true;
        QTest::newRow("film with its extension") << "Text3"
                                                 << "INTRO.SMK"
                                                 << "INTRO.SMK" << false;
        QTest::newRow("blanks only") << "Text3"
                                     << "   "
                                     << "" << false;
        QTest::newRow("losing film") << "Text4"
                                     << "end"
                                     << "end.smk" << true;
        QTest::newRow("description") << "Text5"
                                     << "about"
                                     << "about.txt" << true;
        QTest::newRow("description with extension") << "Text5"
                                                    << "About.TXT"
                                                    << "About.TXT" << false;
        QTest::newRow("description, other extension") << "Text5"
                                                      << "a.deu"
                                                      << "a.deu.txt" << true;
    }
    void extensionIsAppendedWhenLeaving() {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, changed);
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QLineEdit* f = field(e, name.toLatin1().constData());
        f->setText(before);
        enter_and_leave(e, f);
        QCOMPARE(f->text(), after);
        QCOMPARE(e.state.campaign_changed, changed);
        // Typed names reach the record only on Save as.
        QCOMPARE(field_text(e.state.camfil.win_smk), std::string("victory.smk"));
    }

    void namesAreTrimmedAtEveryChange() {
        Editor e;
        e.open();
        for (const char* name : {"Text2", "Text3", "Text4", "Text5"}) {
            field(e, name)->setText("  x1  ");
            QCOMPARE(field(e, name)->text(), QString("x1"));
        }
        field(e, "Text5")->setText(QString("ab") + QChar(0) + "c ");
        QCOMPARE(field(e, "Text5")->text(), QString("abc"));
    }

    void typingCountsAsAChangeButBlanksDoNot() {
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QLineEdit* t3 = field(e, "Text3");
        t3->setFocus();
        t3->end(false);
        QTest::keyClicks(t3, "   ");
        QCOMPARE(t3->text(), QString("victory.smk"));
        QVERIFY(!e.state.campaign_changed);
        QTest::keyClick(t3, Qt::Key_Backspace);
        QVERIFY(e.state.campaign_changed);
    }

    void aClickInPrestigeOrAFilmFieldCountsAsAChange() {
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QTest::mouseClick(field(e, "Text5"), Qt::LeftButton);
        QVERIFY(!e.state.campaign_changed);
        for (const char* name : {"Text2", "Text3", "Text4"}) {
            e.state.campaign_changed = false;
            QTest::mouseClick(field(e, name), Qt::LeftButton);
            QVERIFY2(e.state.campaign_changed, name);
        }
    }

    void doubleClickOrEnterOpensTheChooserForTheField_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Text3 double-click") << "Text3" << false << "text3"
                                            << "Use smk-filename"
                                            << "SMACK";
        QTest::newRow("Text4 Enter") << "Text4" << true << "text4"
                                     << "Use smk-filename"
                                     << "SMACK";
        QTest::newRow("Text5 double-click") << "Text5" << false << "text5"
                                            << "Use txt-filename"
                                            << "TEXT";
        QTest::newRow("Text5 Enter") << "Text5" << true << "text5"
                                     << "Use txt-filename"
                                     << "TEXT";
    }
    void doubleClickOrEnterOpensTheChooserForTheField() {
        QFETCH(QString, name);
        QFETCH(bool, enter);
        QFETCH(QString, target);
        QFETCH(QString, button);
        QFETCH(QString, folder);
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        e.state.campaign_changed = false;
        e.state.chooser_result = "old";
        QLineEdit* f = field(e, name.toLatin1().constData());
        if (enter) {
            f->setFocus();
            QTest::keyClick(f, Qt::Key_Return);
        } else {
            QTest::mouseDClick(f, Qt::LeftButton);
        }
        Form2& chooser = e.windows.form2();
        QVERIFY(chooser.isVisible());
        QVERIFY(!e.form1().isEnabled());
        QCOMPARE(chooser.windowTitle(), QString("Select filename."));
        QCOMPARE(child<QPushButton>(chooser, "Command1")->text(), button);
        QVERIFY(!child<QPushButton>(chooser, "Command1")->isEnabled());
        QVERIFY(!child<QLineEdit>(chooser, "Text1")->isVisible());
        QCOMPARE(QString::fromStdString(chooser.folder()),
                 QString::fromStdString(join_path(e.game.dir.str(), folder.toStdString())));
        QCOMPARE(QString::fromStdString(e.state.chooser_target), target);
        QCOMPARE(e.state.return_form, std::string("form1"));
        QCOMPARE(e.state.chooser_result, std::string());
        QVERIFY(e.state.campaign_changed);
    }

    void shiftClickOnTheDescription_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("after");
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("name") << "brief" << Qt::LeftButton << shift << false << true << "brief.txt";
        QTest::newRow("name with extension")
            << "Brief.TXT" << Qt::LeftButton << shift << false << true << "Brief.TXT";
        QTest::newRow("empty") << "" << Qt::LeftButton << shift << true << false << "";
        QTest::newRow("extension only")
            << ".TXT" << Qt::LeftButton << shift << true << false << ".TXT";
        QTest::newRow("starts with a dot")
            << ".brief" << Qt::LeftButton << shift << true << false << ".brief";
        QTest::newRow("Shift and Ctrl")
            << "brief" << Qt::LeftButton
            << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << false << false
            << "brief";
        QTest::newRow("no Shift") << "brief" << Qt::LeftButton << Qt::KeyboardModifiers() << false
                                  << false << "brief";
        QTest::newRow("right button")
            << "brief" << Qt::RightButton << shift << false << false << "brief";
    }
    void shiftClickOnTheDescription() {
        QFETCH(QString, text);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, refused);
        QFETCH(bool, opens);
        QFETCH(QString, after);
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        e.state.campaign_changed = false;
        e.state.return_form = "form3";
        QLineEdit* t5 = field(e, "Text5");
        t5->setText(text);
        QSignalSpy spy(&e.form1(), &Form1::textFileRequested);
        QTest::mouseClick(t5, button, modifiers, QPoint(5, 5));
        if (refused)
            QCOMPARE(e.msgs.texts(),
                     std::vector<std::string>{
                         "You have to give me a filename before editing. Doubleclick the yellow "
                         "box to select, or type in a name yourself. I will give it the "
                         "filenameextension you have chosen in the 'Edit Directory "
                         "Settings'-form."});
        else
            QVERIFY(e.msgs.shown.empty());
        QCOMPARE(spy.count(), opens ? 1 : 0);
        QCOMPARE(e.state.campaign_changed, opens);
        QCOMPARE(t5->text(), after);
        if (opens) {
            QCOMPARE(e.state.return_form, std::string("form1"));
            QCOMPARE(e.form1().text_file_path(),
                     join_path(e.state.settings.mf7_txt, after.toStdString()));
        }
    }
};

QTEST_MAIN(Form1FieldsTest)
#include "form1_fields_test.moc"

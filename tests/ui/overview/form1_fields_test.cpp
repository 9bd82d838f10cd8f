// The overview's header and trailer fields: prestige folding, extensions, trimming, the clicks
// that count as changes and the SHIFT + left click of Text5 (the chooser they open is the
// chooser's test).
#include "support/editor_fixture.h"

#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(Qt::MouseButton)

class Form1FieldsTest : public QObject {
    Q_OBJECT
  private slots:
    // Typed in, or put there without a key (as a paste does): leaving the field folds the
    // prestige either way, but only typing counts as a change.
    void prestigeFoldsWhenLeavingTheField_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("above 65535 loses 65535") << "70000" << true << "4465" << 4465;
        QTest::newRow("negative loses its sign") << "-5" << true << "5" << 5;
        QTest::newRow("not a number") << "abc" << true << "0" << 0;
        QTest::newRow("a fraction stays in the field") << "12.5" << true << "12.5" << 12;
        QTest::newRow("not typed, with a blank") << " -99" << false << "99" << 99;
    }
    void prestigeFoldsWhenLeavingTheField() {
        QFETCH(QString, entered);
        QFETCH(bool, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        Editor e(kOpened);
        QVERIFY(show_active(e.form1()));
        QLineEdit* t2 = e.field("Text2");
        t2->setFocus();
        if (typed) {
            t2->selectAll();
            QTest::keyClicks(t2, entered);
        } else {
            t2->setText(entered);
        }
        QCOMPARE(t2->text(), entered.trimmed());
        e.field("Text3")->setFocus();
        QCOMPARE(t2->text(), shown);
        QCOMPARE(int(e.state.camfil.player_start_prestige), stored);
        QCOMPARE(e.state.campaign_changed, typed);
    }

    // Names are trimmed at every change (Text5 drops NULs too); leaving adds the extension.
    void extensionIsAppendedWhenLeaving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("changed");
        QTest::newRow("film") << "Text3"
                              << " Intro  "
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
        QTest::newRow("description") << "Text5" << QString("ab") + QChar(0) + "c "
                                     << "abc.txt" << true;
        QTest::newRow("description with extension") << "Text5"
                                                    << "About.TXT"
                                                    << "About.TXT" << false;
        QTest::newRow("description, other extension") << "Text5"
                                                      << "a.deu"
                                                      << "a.deu.txt" << true;
    }
    void extensionIsAppendedWhenLeaving() {
        QFETCH(QString, name);
        QFETCH(QString, entered);
        QFETCH(QString, left);
        QFETCH(bool, changed);
        Editor e(kOpened);
        QVERIFY(show_active(e.form1()));
        QLineEdit* f = e.field(name.toLatin1().constData());
        f->setText(entered);
        QCOMPARE(f->text(), QString(entered).remove(QChar(0)).trimmed());
        f->setFocus();
        e.field("Text1")->setFocus();
        QCOMPARE(f->text(), left);
        QCOMPARE(e.state.campaign_changed, changed);
        // Typed names reach the record only on Save as.
        QCOMPARE(field_text(e.state.camfil.win_smk), std::string("victory.smk"));
    }

    void typingOrAClickInPrestigeOrAFilmCountsAsAChange() {
        Editor e(kOpened);
        QVERIFY(show_active(e.form1()));
        QTest::mouseClick(e.field("Text5"), Qt::LeftButton);
        QVERIFY(!e.state.campaign_changed);
        for (const char* name : {"Text2", "Text3", "Text4"}) {
            e.state.campaign_changed = false;
            QTest::mouseClick(e.field(name), Qt::LeftButton);
            QVERIFY2(e.state.campaign_changed, name);
        }
        QLineEdit* t3 = e.field("Text3");
        t3->end(false);
        e.state.campaign_changed = false;
        QTest::keyClicks(t3, "   "); // blanks the field drops at once change nothing
        QCOMPARE(t3->text(), QString("victory.smk"));
        QVERIFY(!e.state.campaign_changed);
        QTest::keyClick(t3, Qt::Key_Backspace);
        QVERIFY(e.state.campaign_changed);
    }

    void shiftClickOnTheDescription_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("after");
        const Qt::KeyboardModifiers shift(Qt::ShiftModifier);
        const auto left = Qt::LeftButton;
        QTest::newRow("name") << "brief" << left << shift << "opens"
                              << "brief.txt";
        QTest::newRow("with extension") << "Brief.TXT" << left << shift << "opens"
                                        << "Brief.TXT";
        QTest::newRow("empty") << "" << left << shift << "refused"
                               << "";
        QTest::newRow("extension only") << ".TXT" << left << shift << "refused"
                                        << ".TXT";
        QTest::newRow("starts with a dot") << ".brief" << left << shift << "refused"
                                           << ".brief";
        QTest::newRow("Shift and Ctrl")
            << "brief" << left << (shift | Qt::ControlModifier) << "ignored"
            << "brief";
        QTest::newRow("no Shift") << "brief" << left << Qt::KeyboardModifiers() << "ignored"
                                  << "brief";
        QTest::newRow("right button") << "brief" << Qt::RightButton << shift << "ignored"
                                      << "brief";
    }
    void shiftClickOnTheDescription() {
        QFETCH(QString, text);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, result);
        QFETCH(QString, after);
        Editor e(kOpened);
        QVERIFY(show_active(e.form1()));
        e.state.return_form = "form3";
        QLineEdit* t5 = e.field("Text5");
        t5->setText(text);
        QSignalSpy spy(&e.form1(), &Form1::textFileRequested);
        QTest::mouseClick(t5, button, modifiers, QPoint(5, 5));
        const bool opens = result == "opens";
        QCOMPARE(e.msgs.texts(),
                 result == "refused"
                     ? Texts{"You have to give me a filename before editing. Doubleclick the "
                             "yellow box to select, or type in a name yourself. I will give it "
                             "the filenameextension you have chosen in the 'Edit Directory "
                             "Settings'-form."}
                     : Texts{});
        QCOMPARE(spy.count(), opens ? 1 : 0);
        QCOMPARE(e.state.campaign_changed, opens);
        QCOMPARE(t5->text(), after);
        QCOMPARE(e.state.return_form, std::string(opens ? "form1" : "form3"));
        if (opens)
            QCOMPARE(e.form1().text_file_path(),
                     join_path(e.state.settings.mf7_txt, after.toStdString()));
    }
};

QTEST_MAIN(Form1FieldsTest)
#include "form1_fields_test.moc"

// The time-table's dialogs: the time dialog (TForm10), the lesson dialog (TForm11), the
// new-user dialog (Tnewtime) and the class-name dialog (TForm12), and QtTimetableDialogs passing
// texts and answers between them and the commands.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/state/messages.h"
#include "core/language/texts.h"
#include "gui/timetable/class_name_dialog.h"
#include "gui/timetable/lesson_dialog.h"
#include "gui/timetable/new_user_dialog.h"
#include "gui/timetable/qt_timetable_dialogs.h"
#include "gui/timetable/time_dialog.h"
#include "support/named_child.h"

using namespace skemora;

namespace {

// Shows the dialog, puts the focus on `first` and answers the widgets Tab moves the focus to.
QList<QWidget*> TabChain(QDialog& dialog, QWidget* first, int steps) {
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog)) return {};
    first->setFocus();
    QList<QWidget*> chain{QApplication::focusWidget()};
    for (int k = 0; k < steps; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget();
    }
    dialog.hide();
    return chain;
}

// Runs `action` on the modal dialog once it shows.
void WhenModal(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            qWarning("no dialog shown");
            return;
        }
        action(*modal);
    });
}

}  // namespace

class EditingDialogsQtTest : public QObject {
    Q_OBJECT
private slots:
    void timeDialogIsASmallToolWindowWithAMaskedField() {
        TForm10 dialog;
        dialog.prepare("Wednesday", "08:00");
        QCOMPARE(dialog.size(), QSize(191, 111));
        QCOMPARE(dialog.windowTitle(), QString("Wednesday"));
        QCOMPARE((dialog.windowFlags() & Qt::WindowType_Mask), Qt::Tool);
        auto* field = Child<QLineEdit>(dialog, "timeField");
        QCOMPARE(field->displayText(), QString("08:00"));
        QCOMPARE(Child<QPushButton>(dialog, "okButton")->text(), QString("OK"));
        dialog.setCancelText("Fortryd");
        QCOMPARE(Child<QPushButton>(dialog, "cancelButton")->text(), QString("Fortryd"));
        QVERIFY(dialog.rect().contains(Child<QPushButton>(dialog, "cancelButton")->geometry()));
        const auto chain = TabChain(dialog, field, 2);
        QCOMPARE(chain, (QList<QWidget*>{field, Child<QPushButton>(dialog, "okButton"),
                                         Child<QPushButton>(dialog, "cancelButton")}));
    }

    void aTypedTimeOutsideTheDayFallsBackToTheOpeningText() {
        TForm10 dialog;
        dialog.prepare("Monday", "08:00");
        auto* field = Child<QLineEdit>(dialog, "timeField");
        field->setCursorPosition(0);
        QTest::keyClicks(field, "0705");
        QCOMPARE(dialog.time(), QString("07:05"));
        field->setCursorPosition(0);
        QTest::keyClicks(field, "3");  // 37:05
        QCOMPARE(dialog.time(), QString("08:00"));
        field->setCursorPosition(3);
        QTest::keyClicks(field, "7");  // 08:70
        QCOMPARE(dialog.time(), QString("08:00"));
        QTest::keyClicks(field, "0");  // the only typing left: 08:00 again
        QCOMPARE(dialog.time(), QString("08:00"));
    }

    void lessonDialogHasThreeLabelledFieldsSideBySide() {
        TForm11 dialog;
        QCOMPARE(dialog.size(), QSize(401, 124));
        QCOMPARE((dialog.windowFlags() & Qt::WindowType_Mask), Qt::Tool);
        auto* subject = Child<QComboBox>(dialog, "subjectField");
        auto* room = Child<QLineEdit>(dialog, "roomField");
        auto* teacher = Child<QLineEdit>(dialog, "teacherField");
        QVERIFY(subject->isEditable());
        QCOMPARE(subject->width(), 129);
        QCOMPARE(room->width(), 121);
        QCOMPARE(teacher->width(), 121);
        QVERIFY(subject->geometry().right() < room->x());
        QVERIFY(room->geometry().right() < teacher->x());
        QVERIFY(teacher->geometry().right() < dialog.width());
        const char* labels[] = {"lessonLabel", "roomLabel", "teacherLabel"};
        QWidget* fields[] = {subject, room, teacher};
        const char* english[] = {"Lesson", "Room", "Teacher"};
        for (int k = 0; k < 3; ++k) {
            auto* label = Child<QLabel>(dialog, labels[k]);
            QCOMPARE(label->text(), QString(english[k]));
            QCOMPARE(label->x(), fields[k]->x());
            QVERIFY(label->geometry().bottom() < fields[k]->y());
        }
        auto* ok = Child<QPushButton>(dialog, "okButton");
        auto* cancel = Child<QPushButton>(dialog, "cancelButton");
        QVERIFY(ok->y() > subject->geometry().bottom());
        QVERIFY(ok->x() > dialog.width() / 2 && ok->geometry().right() < cancel->x());
        QVERIFY(dialog.rect().contains(cancel->geometry()));
        dialog.setTexts(QString::fromUtf8("Fag"), QString::fromUtf8("Værelse"),
                        QString::fromUtf8("Lærer"), "Fortryd");
        QCOMPARE(Child<QLabel>(dialog, "roomLabel")->text(), QString::fromUtf8("Værelse"));
        QCOMPARE(cancel->text(), QString("Fortryd"));
        const auto chain = TabChain(dialog, subject, 4);
        QCOMPARE(chain, (QList<QWidget*>{subject, room, teacher, ok, cancel}));
    }

    void aKnownSubjectFillsRoomAndTeacher() {
        TForm11 dialog;
        const std::vector<std::string> list = {"Math", "12",   "Hansen", "Art",   "3",
                                               "Berg", "Math", "14",     "Jensen"};
        dialog.prepare("Add a new lesson to Monday", {"Math", "Art", "Math"}, list,
                       {"", "old room", "old teacher"});
        auto* subject = Child<QComboBox>(dialog, "subjectField");
        QCOMPARE(subject->count(), 3);
        QCOMPARE(dialog.lesson(), (LessonFields{"", "old room", "old teacher"}));
        QTest::keyClicks(subject->lineEdit(), "Bio");  // not in the list
        QCOMPARE(dialog.lesson(), (LessonFields{"Bio", "old room", "old teacher"}));
        subject->lineEdit()->clear();
        QTest::keyClicks(subject->lineEdit(), "Math");  // typed: the last Math entry
        QCOMPARE(dialog.lesson(), (LessonFields{"Math", "14", "Jensen"}));
        emit subject->textActivated("Art");  // chosen
        QCOMPARE(dialog.lesson().Room, "3");
        QCOMPARE(dialog.lesson().Teacher, "Berg");
        // Opening again shows the caller's fields, not the list's.
        dialog.prepare("Change lesson Math, Monday", {}, list, {"Math", "12", "Hansen"});
        QCOMPARE(dialog.lesson(), (LessonFields{"Math", "12", "Hansen"}));
        QCOMPARE(dialog.windowTitle(), QString("Change lesson Math, Monday"));
    }

    void refusedCharactersLeaveTheSubjectOneReportEach() {
        TForm11 dialog;
        dialog.prepare("t", {}, {}, {});
        auto* field = Child<QComboBox>(dialog, "subjectField")->lineEdit();
        QSignalSpy refused(&dialog, &TForm11::refusedCharacter);
        QTest::keyClicks(field, "Math/2");
        QCOMPARE(dialog.lesson().Subject, "Math2");
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), QString("/"));
        // A paste: every refused character goes, wherever it stands.
        field->clear();
        field->insert("a/b:c");
        emit field->textEdited(field->text());
        QCOMPARE(dialog.lesson().Subject, "abc");
        QCOMPARE(refused.count(), 3);
        QCOMPARE(refused.at(2).at(0).toString(), QString(":"));
    }

    void newUserDialogHasItsClientSizeLabelsAndHints() {
        Tnewtime dialog;
        QCOMPARE(dialog.size(), QSize(427, 148));
        QCOMPARE(dialog.windowTitle(), QString("Create new user"));
        auto* name = Child<QLineEdit>(dialog, "nameField");
        auto* klass = Child<QLineEdit>(dialog, "classField");
        QCOMPARE(name->width(), 265);
        QCOMPARE(klass->width(), 265);
        QCOMPARE(name->toolTip(), QString("The name of the new user"));
        QCOMPARE(klass->toolTip(), QString("The name of users class"));
        auto* nameLabel = Child<QLabel>(dialog, "nameLabel");
        auto* classLabel = Child<QLabel>(dialog, "classLabel");
        QCOMPARE(nameLabel->text(), QString("Your name:"));
        QCOMPARE(classLabel->text(), QString("Class name"));
        QVERIFY(nameLabel->geometry().right() < name->x());
        QVERIFY(classLabel->y() > nameLabel->y());
        auto* ok = Child<QPushButton>(dialog, "okButton");
        auto* cancel = Child<QPushButton>(dialog, "cancelButton");
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(cancel->text(), QString("Cancel"));
        QVERIFY(ok->y() > klass->geometry().bottom());
        QVERIFY(dialog.rect().contains(cancel->geometry()));
        const auto chain = TabChain(dialog, name, 3);
        QCOMPARE(chain, (QList<QWidget*>{name, klass, ok, cancel}));
    }

    void newUserNameRefusesCharactersAndOpensEmpty() {
        Tnewtime dialog;
        QSignalSpy refused(&dialog, &Tnewtime::refusedCharacter);
        auto* name = Child<QLineEdit>(dialog, "nameField");
        QTest::keyClicks(name, "Pe:ter");
        QCOMPARE(dialog.userName(), QString("Peter"));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), QString(":"));
        QTest::keyClicks(Child<QLineEdit>(dialog, "classField"), "6:U");  // the class may
        QCOMPARE(dialog.className(), QString("6:U"));
        dialog.prepare();
        QCOMPARE(dialog.userName(), QString());
        QCOMPARE(dialog.className(), QString());
    }

    void qtDialogsPassAnswersOnlyOnOk() {
        DialogTexts texts = DialogTextsFor(kDanish);
        QWidget owner;  // owns the dialogs made on first use, as the main window does
        QtTimetableDialogs dialogs;
        dialogs.Attach(&owner, nullptr, &texts);

        QString cancelText;
        WhenModal([&](QWidget& d) {
            cancelText = Child<QPushButton>(d, "cancelButton")->text();
            auto* field = Child<QLineEdit>(d, "timeField");
            field->setCursorPosition(0);
            QTest::keyClicks(field, "0930");
            Child<QPushButton>(d, "okButton")->click();
        });
        std::string time = "08:00";
        QVERIFY(dialogs.EditTime("Onsdag", time, {}));
        QCOMPARE(time, std::string("09:30"));
        QCOMPARE(cancelText, QString("&Fortryd"));
        WhenModal([](QWidget& d) { Child<QPushButton>(d, "cancelButton")->click(); });
        time = "08:00";
        QVERIFY(!dialogs.EditTime("Onsdag", time, {}));
        QCOMPARE(time, std::string("08:00"));

        LessonFields lesson{"Math", "12", "Hansen"};
        QString roomLabel;
        WhenModal([&](QWidget& d) {
            roomLabel = Child<QLabel>(d, "roomLabel")->text();
            Child<QLineEdit>(d, "roomField")->setText("14");
            Child<QPushButton>(d, "cancelButton")->click();
        });
        QVERIFY(!dialogs.EditLesson("Ret timen Math, Mandag", {}, {}, lesson, {}));
        QCOMPARE(lesson, (LessonFields{"Math", "12", "Hansen"}));
        QCOMPARE(roomLabel, QString::fromUtf8("Lokale"));
        WhenModal([&](QWidget& d) {
            Child<QLineEdit>(d, "roomField")->setText("14");
            Child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(dialogs.EditLesson("Ret timen Math, Mandag", {}, {}, lesson, {}));
        QCOMPARE(lesson, (LessonFields{"Math", "14", "Hansen"}));

        QString title;
        WhenModal([&](QWidget& d) {
            title = d.windowTitle();
            QTest::keyClicks(Child<QLineEdit>(d, "nameField"), "Peter");
            QTest::keyClicks(Child<QLineEdit>(d, "classField"), "6U");
            Child<QPushButton>(d, "okButton")->click();
        });
        const auto answer =
            dialogs.AskNewUser([](const TimetableDialogs::NewUserAnswer&) { return true; });
        QVERIFY(answer.has_value());
        QCOMPARE(answer->Name, "Peter");
        QCOMPARE(answer->ClassName, "6U");
        QCOMPARE(title, QString("Opret ny bruger"));
        // The same dialog opens again, emptied.
        QString nameAtOpen = "x";
        WhenModal([&](QWidget& d) {
            nameAtOpen = Child<QLineEdit>(d, "nameField")->text();
            Child<QPushButton>(d, "cancelButton")->click();
        });
        QVERIFY(!dialogs.AskNewUser([](const TimetableDialogs::NewUserAnswer&) { return true; })
                     .has_value());
        QCOMPARE(nameAtOpen, QString());
    }

    void aTimeThatIsNoTimeOfDayIsSaidAndOkWaitsForAWholeOne() {
        // Typing out of the day puts the field back and says so; OK on a blank or half-typed
        // field says so and keeps the dialog open; a whole time closes it.
        TForm10 dialog;
        QSignalSpy invalid(&dialog, &TForm10::invalidTime);
        dialog.prepare("Monday", "08:00");
        dialog.show();
        auto* field = Child<QLineEdit>(dialog, "timeField");
        auto* ok = Child<QPushButton>(dialog, "okButton");
        field->setCursorPosition(0);
        QTest::keyClicks(field, "25");
        QCOMPARE(dialog.time(), QString("08:00"));
        QCOMPARE(invalid.count(), 1);
        struct Case {
            const char* field;
            bool closes;
        };
        const Case cases[] = {{"", false}, {"08:3", false}, {"1", false}, {"08:30", true}};
        for (const Case& c : cases) {
            dialog.show();
            field->setText(c.field);
            const int before = invalid.count();
            ok->click();
            QCOMPARE(dialog.isVisible(), !c.closes);
            QCOMPARE(invalid.count(), before + (c.closes ? 0 : 1));
        }
        QCOMPARE(dialog.result(), kAnswerYes);
        QCOMPARE(dialog.time(), QString("08:30"));
    }

    void qtDialogsSayWhyATimeIsRefused() {
        DialogTexts texts = DialogTextsFor(kDanish);
        QWidget owner;
        QtTimetableDialogs dialogs;
        dialogs.Attach(&owner, nullptr, &texts);
        QString message;
        WhenModal([&](QWidget& d) {
            auto* field = Child<QLineEdit>(d, "timeField");
            field->clear();
            Child<QPushButton>(d, "okButton")->click();  // blank: said, stays open
            QTimer::singleShot(0, [&, field] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box) {
                    message = box->text();
                    box->accept();
                }
                field->setText("07:45");
                Child<QPushButton>(*field->window(), "okButton")->click();
            });
        });
        std::string time = "08:00";
        QVERIFY(dialogs.EditTime("Mandag", time, {}));
        QCOMPARE(time, std::string("07:45"));
        QCOMPARE(message, QString::fromStdString(texts.TimeInvalid));
    }

    void newUserOkWaitsForTheCheckAndKeepsWhatWasTyped() {
        DialogTexts texts = DialogTextsFor(kEnglish);
        QWidget owner;
        QtTimetableDialogs dialogs;
        dialogs.Attach(&owner, nullptr, &texts);
        std::vector<std::string> checked;
        bool stillOpen = false;
        QString nameKept, classKept;
        WhenModal([&](QWidget& d) {
            QTest::keyClicks(Child<QLineEdit>(d, "classField"), "6U");
            Child<QPushButton>(d, "okButton")->click();  // refused: the dialog stays
            stillOpen = d.isVisible();
            QTest::keyClicks(Child<QLineEdit>(d, "nameField"), "Peter");
            nameKept = Child<QLineEdit>(d, "nameField")->text();
            classKept = Child<QLineEdit>(d, "classField")->text();
            Child<QPushButton>(d, "okButton")->click();
        });
        const auto answer = dialogs.AskNewUser([&](const TimetableDialogs::NewUserAnswer& typed) {
            checked.push_back(typed.Name + "|" + typed.ClassName);
            return !typed.Name.empty();
        });
        QVERIFY(stillOpen);
        QCOMPARE(classKept, QString("6U"));
        QCOMPARE(nameKept, QString("Peter"));
        QCOMPARE(checked, (std::vector<std::string>{"|6U", "Peter|6U"}));
        QVERIFY(answer.has_value());
        QCOMPARE(answer->Name, "Peter");
        QCOMPARE(answer->ClassName, "6U");
    }

    void aRefusedCharacterIsReportedOverTheLessonDialog() {
        DialogTexts texts = DialogTextsFor(kEnglish);
        QWidget owner;  // owns the dialogs made on first use, as the main window does
        QtTimetableDialogs dialogs;
        dialogs.Attach(&owner, nullptr, &texts);
        QString message;
        WhenModal([&](QWidget& d) {
            // The report is a message box of its own, answered when it shows.
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box) {
                    message = box->text();
                    box->accept();
                }
            });
            QTest::keyClicks(Child<QComboBox>(d, "subjectField")->lineEdit(), "?");
            Child<QPushButton>(d, "okButton")->click();
        });
        LessonFields lesson;
        QVERIFY(dialogs.EditLesson("Add a new lesson to Monday", {}, {}, lesson, {}));
        QCOMPARE(message, QString("Illigal character: ?"));
        QCOMPARE(lesson.Subject, "");
    }

    void classDialogIsASmallToolWindow() {
        TForm12 dialog;
        QCOMPARE(dialog.size(), QSize(246, 123));
        QCOMPARE(dialog.windowTitle(), QString("Name"));
        QCOMPARE((dialog.windowFlags() & Qt::WindowType_Mask), Qt::Tool);
        QCOMPARE(Child<QPushButton>(dialog, "okButton")->text(), QString("OK"));
        QCOMPARE(Child<QLabel>(dialog, "prompt")->text(), QString("Write the name of your class"));
    }

    void classNameChangesOnlyOnOk() {
        TForm12 className;
        DialogTexts texts;
        texts.ClassTitle = "Klassenavn";
        texts.ClassPrompt = "Skriv navnet på klassen f.eks 6U";
        QtTimetableDialogs dialogs;
        dialogs.Attach(nullptr, &className, &texts);

        std::string name = "6U";
        QString shownName;
        WhenModal([&](QWidget& d) {
            auto* field = Child<QLineEdit>(d, "className");
            shownName = field->text();
            field->setText("7B");
            Child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(dialogs.EditClassName(name, {}));
        QCOMPARE(shownName, QString("6U"));
        QCOMPARE(name, std::string("7B"));
        QCOMPARE(className.windowTitle(), QString("Klassenavn"));

        WhenModal([](QWidget& d) {
            Child<QLineEdit>(d, "className")->setText("9Z");
            d.close();
        });
        QVERIFY(!dialogs.EditClassName(name, {}));
        QCOMPARE(name, std::string("7B"));
    }

    void enterInTheClassFieldIsOk() {
        TForm12 dialog;
        dialog.setClassName("5A");
        WhenModal([](QWidget& d) {
            auto* field = Child<QLineEdit>(d, "className");
            QTest::keyClicks(field, "x");
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), kAnswerYes);
        QCOMPARE(dialog.className(), QString("x"));  // the preset name was selected
    }
};

QTEST_MAIN(EditingDialogsQtTest)
#include "editing_dialogs_qttest.moc"

// Every single-line field of the dialogs: a text with line breaks pasted with Ctrl+V shows, and
// is answered, with blanks in their place; the subject and user-name fields also drop what a
// file name cannot hold, but only from what the user puts in. A file whose name holds a line
// break is no shortcut.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "gui/timetable/class_name_dialog.h"
#include "gui/holidays/holiday_dialog.h"
#include "gui/notes/contact_card_dialog.h"
#include "gui/notes/homework_dialog.h"
#include "gui/notes/links_dialog.h"
#include "gui/timetable/lesson_dialog.h"
#include "gui/timetable/new_user_dialog.h"

using namespace skemora;

namespace {

QLineEdit* Field(QWidget& dialog, const QString& name) {
    if (auto* combo = dialog.findChild<QComboBox*>(name)) return combo->lineEdit();
    auto* field = dialog.findChild<QLineEdit*>(name);
    if (!field) qFatal("no field %s", qPrintable(name));
    return field;
}

// Replaces the field's text by the clipboard's, as a user selecting all and pressing Ctrl+V.
void Paste(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

class SingleLineFieldsQtTest : public QObject {
    Q_OBJECT
private slots:
    void aPastedLineBreakBecomesABlankInEveryField() {
        struct Case {
            const char* dialog;
            std::function<std::unique_ptr<QDialog>()> make;
            QStringList fields;
        };
        const QList<Case> cases = {
            {"lesson",
             [] { return std::make_unique<TForm11>(); },
             {"subjectField", "roomField", "teacherField"}},
            {"new user", [] { return std::make_unique<Tnewtime>(); }, {"nameField", "classField"}},
            {"class", [] { return std::make_unique<TForm12>(); }, {"className"}},
            {"contact card",
             [] { return std::make_unique<TForm7>(); },
             {"field_1", "field_2", "field_3", "field_4", "field_5", "field_6", "field_7"}},
            {"links", [] { return std::make_unique<TForm6>(); }, {"addressField"}},
            {"holiday", [] { return std::make_unique<TFerieForm>(); }, {"Edit1"}},
        };
        for (const Case& c : cases) {
            const auto dialog = c.make();
            for (const QString& name : c.fields) {
                QLineEdit* field = Field(*dialog, name);
                Paste(field, "12\nB\r\nC\rD");
                QVERIFY2(field->text() == "12 B  C D",
                         qPrintable(QString("%1 %2: %3").arg(c.dialog, name, field->text())));
                QCOMPARE(field->cursorPosition(), static_cast<int>(field->text().size()));
            }
        }
    }

    void theSubjectKeepsWhatItOpenedWithAndRefusesWhatIsPutIn() {
        TForm11 dialog;
        QSignalSpy refused(&dialog, &TForm11::refusedCharacter);
        dialog.prepare("Change lesson Physics/Chemistry, Wednesday", {}, {},
                       {"Physics/Chemistry", "Lab 2", "Nielsen"});
        QLineEdit* subject = Field(dialog, "subjectField");
        QTest::keyClicks(Field(dialog, "roomField"), " b");
        QCOMPARE(dialog.lesson(), (LessonFields{"Physics/Chemistry", "Lab 2 b", "Nielsen"}));
        subject->end(false);
        QTest::keyClicks(subject, " 2");
        QCOMPARE(dialog.lesson().Subject, "Physics/Chemistry 2");
        QCOMPARE(refused.count(), 0);
        subject->setCursorPosition(3);
        QTest::keyClicks(subject, ":");
        QCOMPARE(dialog.lesson().Subject, "Physics/Chemistry 2");
        QCOMPARE(subject->cursorPosition(), 3);
        QTest::keyClicks(subject, "x");  // the cursor stayed where the refused one was typed
        QCOMPARE(dialog.lesson().Subject, "Phyxsics/Chemistry 2");
        Paste(subject, "A/B\nC");  // over everything: nothing of the opening text is left
        QCOMPARE(dialog.lesson().Subject, "AB C");
        QCOMPARE(refused.count(), 2);
        QCOMPARE(refused.at(1).at(0).toString(), QString("/"));
    }

    void aSubjectOrUserNameMayNotBeginWithADot() {
        TForm11 lesson;
        lesson.prepare("Add a new lesson to Monday", {}, {}, {});
        QSignalSpy lessonRefused(&lesson, &TForm11::refusedCharacter);
        QTest::keyClicks(Field(lesson, "subjectField"), ".NET");
        QCOMPARE(lesson.lesson().Subject, "NET");
        QCOMPARE(lessonRefused.count(), 1);
        QCOMPARE(lessonRefused.at(0).at(0).toString(), QString("."));
        QTest::keyClicks(Field(lesson, "subjectField"), ".4");  // a dot inside stays
        QCOMPARE(lesson.lesson().Subject, "NET.4");

        Tnewtime user;
        QSignalSpy userRefused(&user, &Tnewtime::refusedCharacter);
        Paste(Field(user, "nameField"), "..Peter");
        QCOMPARE(user.userName(), QString("Peter"));
        QCOMPARE(userRefused.count(), 2);
    }

    void aFileNameWithALineBreakIsNoShortcut() {
        TForm5 dialog;
        std::deque<std::string> chosen = {"/h/a\nb.doc", "/h/c\r.doc", "/h/d.doc"};
        std::vector<QString> messages;
        HomeworkDialogServices services;
        services.OpenFileName = [&]() -> std::optional<std::string> {
            const std::string path = chosen.front();
            chosen.pop_front();
            return path;
        };
        services.Message = [&](const QString& text) { messages.push_back(text); };
        dialog.setServices(services);
        dialog.setHomework({});
        auto* add = dialog.findChild<QPushButton*>("addButton");
        for (int k = 0; k < 3; ++k) add->click();
        QCOMPARE(dialog.homework().Shortcuts, std::vector<std::string>{"/h/d.doc"});
        QCOMPARE(messages.size(), 2u);
        QVERIFY(messages[0].contains("line break"));
    }
};

QTEST_MAIN(SingleLineFieldsQtTest)
#include "single_line_fields_qttest.moc"

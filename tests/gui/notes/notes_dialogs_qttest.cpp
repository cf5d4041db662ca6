// The lesson notes' windows: homework (TForm5), links (TForm6), the contact card (TForm7) and
// the school mates (TForm8): places, texts, tab order, keys, and QtNoteDialogs wiring them up.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <functional>

#include "gui/dialogs/qt_messages.h"
#include "gui/dialogs/question_dialog.h"
#include "gui/notes/qt_note_dialogs.h"
#include "core/language/texts.h"
#include "gui/notes/contact_card_dialog.h"
#include "gui/notes/homework_dialog.h"
#include "gui/notes/links_dialog.h"
#include "gui/notes/mates_dialog.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"
#include "support/named_child.h"

using namespace skemora;

namespace {

// Runs `action` on the modal dialog once its loop runs, looking for it for up to two seconds.
void WhenModal(std::function<void(QWidget&)> action, int triesLeft = 100) {
    QTimer::singleShot(20, [action, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            action(*modal);
        } else if (triesLeft > 0) {
            WhenModal(action, triesLeft - 1);
        } else {
            qWarning("no modal dialog");
        }
    });
}

void ShowActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
}

}  // namespace

class NotesDialogsQtTest : public QObject {
    Q_OBJECT

private slots:
    void contactCardHasItsDesignedLayoutAndTabOrder() {
        TForm7 card;
        QCOMPARE(card.size(), QSize(387, 197));
        const QRect places[] = {{8, 24, 121, 21},  {8, 48, 121, 21},   {8, 72, 121, 21},
                                {8, 96, 121, 21},  {192, 24, 153, 21}, {192, 48, 153, 21},
                                {192, 96, 153, 21}};
        for (int k = 0; k < 7; ++k) {
            const QByteArray name = "field_" + QByteArray::number(k + 1);
            QCOMPARE(Child<QLineEdit>(card, name.constData())->geometry(), places[k]);
        }
        QCOMPARE(Child<QToolButton>(card, "mailButton")->geometry(), QRect(346, 98, 17, 17));
        QCOMPARE(Child<QPushButton>(card, "okButton")->geometry(), QRect(216, 136, 75, 25));
        QCOMPARE(Child<QLabel>(card, "nameAddressLabel")->pos(), QPoint(16, 8));
        QCOMPARE(Child<QLabel>(card, "phoneLabel")->pos(), QPoint(192, 8));
        QCOMPARE(Child<QLabel>(card, "emailLabel")->pos(), QPoint(192, 80));
        QVERIFY(Child<QLabel>(card, "phoneLabel")->font().bold());

        const DialogTexts danish = DialogTextsFor(kDanish);
        card.setTexts(QString::fromStdString(danish.NameAddressLabel),
                      QString::fromStdString(danish.PhoneLabel),
                      QString::fromStdString(danish.EmailLabel));
        QCOMPARE(Child<QLabel>(card, "phoneLabel")->text(), QString("TLF:"));
        QCOMPARE(Child<QLabel>(card, "emailLabel")->text(), QString("Email adr."));
    }

    void tabReachesEveryFieldInTheOrderTheyStand() {
        // Pressing Tab from the first widget of each dialog visits these, in this order.
        TForm7 card;
        TForm6 links;
        TForm8 mates;
        TForm5 homework;
        homework.setHomework({{"read"}, {"/h/a.doc"}});
        struct Case {
            QDialog* dialog;
            std::vector<const char*> order;
        };
        const Case cases[] = {
            {&card,
             {"field_1", "field_2", "field_3", "field_4", "field_5", "field_6", "field_7",
              "mailButton", "okButton"}},
            {&links, {"addressList", "addressField", "addButton", "okButton"}},
            {&mates, {"nameList", "addButton", "okButton"}},
            {&homework, {"description", "shortcutList", "addButton", "createButton", "okButton"}},
        };
        for (const Case& c : cases) {
            ShowActive(*c.dialog);
            QVERIFY(QTest::qWaitForWindowActive(c.dialog));
            if (auto* field = c.dialog->findChild<QLineEdit*>("addressField"))
                field->setText("http://x");  // enables Add
            auto* first = c.dialog->findChild<QWidget*>(c.order.front());
            first->setFocus();
            QTRY_VERIFY(first->hasFocus());
            QStringList visited{QApplication::focusWidget()->objectName()};
            for (std::size_t k = 1; k < c.order.size(); ++k) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            QStringList expected;
            for (const char* name : c.order) expected << name;
            QCOMPARE(visited, expected);
            c.dialog->hide();
        }
    }

    void contactCardClosedAfterTypingAsksFirst() {
        // As the homework dialog does: Escape after a change asks; Cancel keeps the card open,
        // Yes keeps what was typed, No drops it. Untouched, it closes without a question.
        struct Case {
            bool typed;
            int answer;
            bool open;
            int result;
        };
        const Case cases[] = {{false, kAnswerYes, false, kAnswerCancel},
                              {true, kAnswerCancel, true, -1},
                              {true, kAnswerYes, false, kAnswerYes},
                              {true, kAnswerNo, false, kAnswerCancel}};
        for (const Case& c : cases) {
            TForm7 card;
            std::vector<std::string> asked;
            card.setCloseQuestion({"Save changes?", [&](const std::string& t, const std::string& m) {
                                       asked.push_back(t + "|" + m);
                                       return c.answer;
                                   }});
            card.setCard({});
            int result = -1;
            connect(&card, &QDialog::finished, &card, [&result](int r) { result = r; });
            ShowActive(card);
            auto* name = Child<QLineEdit>(card, "field_1");
            name->setFocus();
            QTRY_VERIFY(name->hasFocus());
            if (c.typed) QTest::keyClicks(name, "Skovskolen");
            QTest::keyClick(name, Qt::Key_Escape);
            QCOMPARE(asked.size(), c.typed ? 1u : 0u);
            if (c.typed) QCOMPARE(asked[0], std::string("Save changes?|Save changes?"));
            QCOMPARE(card.isVisible(), c.open);
            QCOMPARE(result, c.result);
            if (c.result == kAnswerYes) QCOMPARE(card.card().Fields[0], "Skovskolen");
        }
    }

    void linksAndMatesClosedAfterAChangeAskFirst() {
        // A change is an address typed or added or deleted, a mate added; Yes keeps it as OK
        // does (a typed address included), No drops it, Cancel stays in the window.
        struct Case {
            const char* change;
            int answer;
            bool open;
            int result;
        };
        const Case cases[] = {{"", kAnswerYes, false, kAnswerCancel},
                              {"typed", kAnswerYes, false, kAnswerYes},
                              {"typed", kAnswerNo, false, kAnswerCancel},
                              {"typed", kAnswerCancel, true, -1},
                              {"deleted", kAnswerYes, false, kAnswerYes},
                              {"mate", kAnswerCancel, true, -1},
                              {"mate", kAnswerYes, false, kAnswerYes}};
        for (const Case& c : cases) {
            const std::string change = c.change;
            int asked = 0;
            const CloseQuestion question{"Save changes?", [&](const std::string&, const std::string&) {
                                             ++asked;
                                             return c.answer;
                                         }};
            TForm6 links;
            TForm8 mates;
            QDialog* dialog = &links;
            links.setAddresses({"a"});
            links.setCloseQuestion(question);
            if (change == "typed") {
                Child<QLineEdit>(links, "addressField")->setText("http://dr.dk");
            } else if (change == "deleted") {
                auto* list = Child<QListWidget>(links, "addressList");
                list->setCurrentRow(0);
                emit list->itemClicked(list->item(0));
                Child<QPushButton>(links, "deleteButton")->click();
            } else if (change == "mate") {
                dialog = &mates;
                mates.setMates({});
                mates.setCloseQuestion(question);
                mates.setCardEditor([](ContactCardFields& card) {
                    card.Fields[0] = "Ida";
                    return true;
                });
                Child<QPushButton>(mates, "addButton")->click();
            }
            int result = -1;
            connect(dialog, &QDialog::finished, dialog, [&result](int r) { result = r; });
            dialog->show();
            dialog->reject();
            QCOMPARE(asked, change.empty() ? 0 : 1);
            QCOMPARE(dialog->isVisible(), c.open);
            QCOMPARE(result, c.result);
            if (change == "typed" && c.result == kAnswerYes)
                QCOMPARE(links.addresses(), (std::vector<std::string>{"a", "http://dr.dk"}));
            dialog->hide();
        }
    }

    void linksOkAddsAnAddressTypedButNotAdded() {
        struct Case {
            const char* typed;
            std::vector<std::string> stored;
        };
        const Case cases[] = {
            {"http://dr.dk", {"a", "http://dr.dk"}}, {"http://", {"a"}}, {"", {"a"}}};
        for (const Case& c : cases) {
            TForm6 dialog;
            dialog.setAddresses({"a"});
            ShowActive(dialog);
            Child<QLineEdit>(dialog, "addressField")->setText(c.typed);
            Child<QPushButton>(dialog, "okButton")->click();
            QCOMPARE(dialog.result(), kAnswerYes);
            QCOMPARE(dialog.addresses(), c.stored);
        }
    }

    void contactCardKeysMoveTheFocusAndEnterOnOkCloses() {
        TForm7 card;
        ContactCardFields fields;
        fields.Fields = {"Anna", "", "", "", "", "", "anna@x"};
        card.setCard(fields);
        int result = -1;
        connect(&card, &QDialog::finished, &card, [&result](int r) { result = r; });
        ShowActive(card);
        auto* first = Child<QLineEdit>(card, "field_1");
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_VERIFY(Child<QLineEdit>(card, "field_2")->hasFocus());
        QTest::keyClick(Child<QLineEdit>(card, "field_2"), Qt::Key_Up);
        QTRY_VERIFY(first->hasFocus());

        auto* email = Child<QLineEdit>(card, "field_7");
        email->setFocus();
        QTRY_VERIFY(email->hasFocus());
        QTest::keyClick(email, Qt::Key_Return);
        QTRY_VERIFY(Child<QPushButton>(card, "okButton")->hasFocus());
        QVERIFY(card.isVisible());
        QCOMPARE(result, -1);
        QTest::keyClick(Child<QPushButton>(card, "okButton"), Qt::Key_Return);
        QTRY_COMPARE(result, 6);
        QCOMPARE(card.card(), fields);
    }

    void mailButtonOpensOnlyAnAddressWithAnAt() {
        TForm7 card;
        std::vector<std::string> opened;
        card.setMailOpener([&opened](const std::string& url) { opened.push_back(url); });
        ContactCardFields fields;
        fields.Fields[6] = "nobody";
        card.setCard(fields);
        Child<QToolButton>(card, "mailButton")->click();
        fields.Fields[6] = "anna@";
        card.setCard(fields);
        Child<QToolButton>(card, "mailButton")->click();
        QCOMPARE(opened, std::vector<std::string>{"mailto:anna@"});
    }

    void homeworkDialogHasItsDesignedLayout() {
        TForm5 dialog;
        QCOMPARE(dialog.size(), QSize(421, 300));
        QCOMPARE(Child<QLabel>(dialog, "homeworkStrip")->geometry(), QRect(0, 0, 421, 17));
        QCOMPARE(Child<QPlainTextEdit>(dialog, "description")->geometry(), QRect(0, 17, 421, 120));
        QCOMPARE(Child<QLabel>(dialog, "shortcutStrip")->geometry(), QRect(0, 137, 421, 16));
        QCOMPARE(Child<QListWidget>(dialog, "shortcutList")->geometry(), QRect(0, 153, 421, 65));
        QCOMPARE(Child<QPushButton>(dialog, "addButton")->geometry(), QRect(16, 224, 75, 25));
        QCOMPARE(Child<QPushButton>(dialog, "createButton")->geometry(), QRect(104, 224, 75, 25));
        QCOMPARE(Child<QPushButton>(dialog, "deleteButton")->geometry(), QRect(192, 224, 75, 25));
        QCOMPARE(Child<QPushButton>(dialog, "okButton")->geometry(), QRect(336, 232, 75, 25));
        QVERIFY(!Child<QPushButton>(dialog, "deleteButton")->isEnabled());
        QCOMPARE(Child<QPushButton>(dialog, "addButton")->text(), QString("Add Shortcut"));
    }

    void homeworkCloseQuestionGuardsChanges() {
        TForm5 dialog;
        std::vector<std::string> asked;
        int answer = kAnswerCancel;
        HomeworkDialogServices services;
        services.Ask = [&](const std::string& title, const std::string& message) {
            asked.push_back(title + "|" + message);
            return answer;
        };
        dialog.setServices(services);
        dialog.setHomework({{"page 1"}, {"/h/a.doc"}});
        QVERIFY(!dialog.changed());
        ShowActive(dialog);
        dialog.reject();  // nothing typed: closes without asking
        QCOMPARE(dialog.result(), kAnswerCancel);
        QVERIFY(asked.empty());

        dialog.setHomework({{"page 1"}, {}});
        ShowActive(dialog);
        Child<QPlainTextEdit>(dialog, "description")->appendPlainText("page 2");
        QVERIFY(dialog.changed());
        dialog.reject();  // Cancel keeps it open
        QVERIFY(dialog.isVisible());
        QCOMPARE(asked, std::vector<std::string>{"Save changes?|Save changes?"});
        answer = kAnswerYes;
        dialog.reject();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), kAnswerYes);
        QCOMPARE(dialog.homework().HomeworkText, (std::vector<std::string>{"page 1", "page 2"}));
    }

    void homeworkCreateFileAddsAndOpensOnlyANewDocument() {
        test::TempFolder folder;
        test::WriteBytes(folder / "old.txt", "x");
        TForm5 dialog;
        std::deque<std::optional<std::string>> names = {
            folder / "old.txt", folder / "new", folder / "two\nlines.txt", folder / "new.txt",
            folder / "old.txt/no.txt"};
        std::vector<std::string> titles, opened;
        std::vector<QString> messages;
        HomeworkDialogServices services;
        services.SaveFileName = [&](const std::string& title) -> std::optional<std::string> {
            titles.push_back(title);
            auto name = names.front();
            names.pop_front();
            return name;
        };
        services.Open = [&](const std::string& path) { opened.push_back(path); };
        services.Message = [&](const QString& text) { messages.push_back(text); };
        dialog.setServices(services);
        dialog.setHomework({});
        auto* create = Child<QPushButton>(dialog, "createButton");
        // Exists: told so and asked again; no type; a line break: told so, nothing created and
        // asked again; then new.txt.
        create->click();
        QCOMPARE(messages.size(), 2u);
        QCOMPARE(messages[0], QString("File exist! Use Add shortcut instead."));
        QCOMPARE(messages[1], QString::fromStdString(DesignDialogTexts().ShortcutLineBreak));
        QVERIFY(!std::filesystem::exists(folder / "two\nlines.txt"));
        QCOMPARE(titles.size(), 4u);
        QCOMPARE(titles[2],
                 std::string("Filetype missing! ie. wordfile.doc instead of just wordfile"));
        QCOMPARE(opened, std::vector<std::string>{folder / "new.txt"});
        QCOMPARE(dialog.homework().Shortcuts, std::vector<std::string>{folder / "new.txt"});
        QVERIFY(dialog.changed());
        create->click();  // cannot be created: reported with the system's reason, not added
        QCOMPARE(messages.size(), 3u);
        QCOMPARE(messages[2], QString::fromStdString("Cannot create file " + folder / "old.txt/no.txt" +
                                                     "\nNot a directory"));
        QCOMPARE(dialog.homework().Shortcuts.size(), 1u);

        // Double-click opens the clicked shortcut; on an empty list it does nothing.
        auto* list = Child<QListWidget>(dialog, "shortcutList");
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(opened.size(), 2u);
    }

    void linksDialogEnablesAddOnlyBeyondTheBareStart() {
        TForm6 dialog;
        QCOMPARE(dialog.size(), QSize(409, 285));
        QCOMPARE(Child<QListWidget>(dialog, "addressList")->geometry(), QRect(0, 0, 409, 169));
        QCOMPARE(Child<QLineEdit>(dialog, "addressField")->geometry(), QRect(0, 185, 409, 21));
        QCOMPARE(Child<QPushButton>(dialog, "addButton")->geometry(), QRect(16, 217, 75, 25));
        QCOMPARE(Child<QPushButton>(dialog, "deleteButton")->geometry(), QRect(120, 217, 75, 25));
        QCOMPARE(Child<QPushButton>(dialog, "okButton")->geometry(), QRect(304, 217, 75, 25));
        auto* field = Child<QLineEdit>(dialog, "addressField");
        auto* add = Child<QPushButton>(dialog, "addButton");
        QCOMPARE(field->text(), QString("http://"));
        QVERIFY(!add->isEnabled());
        field->setText("http://");
        QVERIFY(!add->isEnabled());
        field->setText("http://dr.dk");
        QVERIFY(add->isEnabled());
        add->click();
        QCOMPARE(dialog.addresses(), std::vector<std::string>{"http://dr.dk"});
        QCOMPARE(field->text(), QString("http://"));
        QVERIFY(!add->isEnabled());
    }

    void qtDialogsWireTheNotesDialogsToThePlatform() {
        FakePlatform platform;
        const DialogTexts texts = DialogTextsFor(kDanish);
        QtMessages messages;
        messages.Attach(nullptr, nullptr, &texts);
        QtNoteDialogs dialogs(messages);
        dialogs.Attach(nullptr, &texts, &platform);

        std::vector<std::string> addresses = {"http://a.dk"};
        WhenModal([](QWidget& shown) {
            QCOMPARE(shown.objectName(), QString("TForm6"));
            QCOMPARE(Child<QPushButton>(shown, "addButton")->text(), QString("&Tilføj link"));
            auto* list = Child<QListWidget>(shown, "addressList");
            list->setCurrentRow(0);
            emit list->itemDoubleClicked(list->item(0));
            Child<QLineEdit>(shown, "addressField")->setText("http://b.dk");
            Child<QPushButton>(shown, "addButton")->click();
            Child<QPushButton>(shown, "okButton")->click();
        });
        QVERIFY(dialogs.EditLinks(" Links - Peter-Art", addresses, {}));
        QCOMPARE(addresses, (std::vector<std::string>{"http://a.dk", "http://b.dk"}));
        QCOMPARE(platform.Opened, std::vector<std::string>{"http://a.dk"});

        // A mate added through the card: the card is shown over the mates dialog.
        std::vector<std::string> mates = {"Anna", "", "", "", "", "", ""};
        WhenModal([](QWidget& shown) {
            QCOMPARE(shown.objectName(), QString("TForm8"));
            QCOMPARE(Child<QListWidget>(shown, "nameList")->count(), 1);
            WhenModal([](QWidget& card) {
                QCOMPARE(card.objectName(), QString("TForm7"));
                QCOMPARE(card.windowTitle(), QString(" Elever  - Peter-"));
                Child<QLineEdit>(card, "field_1")->setText("Bo");
                Child<QPushButton>(card, "okButton")->click();
            });
            Child<QPushButton>(shown, "addButton")->click();
            QCOMPARE(Child<QListWidget>(shown, "nameList")->count(), 2);
            Child<QPushButton>(shown, "okButton")->click();
        });
        QVERIFY(dialogs.EditMates(" Students - Peter-", " Elever  - Peter-", mates, {}));
        QCOMPARE(mates.size(), 14u);
        QCOMPARE(mates[7], std::string("Bo"));

        // The homework dialog closed by its close box without changes stores nothing.
        LessonHomework homework{{"read"}, {}};
        WhenModal([](QWidget& shown) {
            QCOMPARE(shown.size(), QSize(421, 300));
            QCOMPARE(Child<QLabel>(shown, "homeworkStrip")->text(), QString("Lektiebeskrivelse"));
            shown.close();
        });
        QVERIFY(!dialogs.EditHomework("  Homework Monday  Art", homework, {}));
    }

    void theNotesPortAsksThroughTheMessagesPort() {
        // The close question of a notes dialog is the messages port's question window, with
        // its texts, as the program attaches them.
        const DialogTexts texts = DialogTextsFor(kDanish);
        QWidget mainWindow;
        TForm4 question(&mainWindow);
        QtMessages messages;
        messages.Attach(&mainWindow, &question, &texts);
        QtNoteDialogs dialogs(messages);
        dialogs.Attach(&mainWindow, &texts, nullptr);

        std::vector<std::string> addresses = {"http://a.dk"};
        QWidget* asked = nullptr;
        QString noText;
        WhenModal([&](QWidget& shown) {
            QCOMPARE(shown.parentWidget(), &mainWindow);
            Child<QLineEdit>(shown, "addressField")->setText("http://b.dk");
            WhenModal([&](QWidget& box) {
                asked = &box;
                noText = Child<QPushButton>(box, "noButton")->text();
                Child<QPushButton>(box, "noButton")->click();
            });
            shown.close();
        });
        QVERIFY(!dialogs.EditLinks(" Links - Peter-Art", addresses, {}));
        QCOMPARE(asked, static_cast<QWidget*>(&question));
        QCOMPARE(noText, QString("&Nej"));
        QCOMPARE(addresses, std::vector<std::string>{"http://a.dk"});
    }
};

QTEST_MAIN(NotesDialogsQtTest)
#include "notes_dialogs_qttest.moc"

// The real dialogs behind QtNoteDialogs: one whose save fails stays open with what was typed and
// the error box over it; a document, address or mail address that nothing opens is told.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gui/dialogs/qt_messages.h"
#include "gui/notes/qt_note_dialogs.h"
#include "core/language/texts.h"
#include "support/fake_platform.h"
#include "support/named_child.h"

using namespace skemora;

namespace {

// Runs `action` on the modal window once it is shown, when it is not `under`; two seconds at most.
void WhenModal(std::function<void(QWidget&)> action, QWidget* under = nullptr,
               int triesLeft = 100) {
    QTimer::singleShot(20, [action, under, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != under && modal->isVisible()) {
            action(*modal);
        } else if (triesLeft > 0) {
            WhenModal(action, under, triesLeft - 1);
        } else {
            qWarning("no modal window");
        }
    });
}

// The text of the message box shown next over `under`, which is then closed.
void ReadBox(QString* text, QWidget* under) {
    WhenModal(
        [text](QWidget& box) {
            *text = static_cast<QMessageBox&>(box).text();
            box.close();
        },
        under);
}

}  // namespace

class FailedSaveDialogsQtTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedSaveKeepsTheHomeworkDialogOpenWithTheText() {
        const DialogTexts texts = DialogTextsFor(kEnglish);
        QWidget mainWindow;  // the dialogs' parent, which removes them afterwards
        QtMessages messages;
        messages.Attach(&mainWindow, nullptr, &texts);
        QtNoteDialogs dialogs(messages);
        dialogs.Attach(&mainWindow, &texts, nullptr);

        int tries = 0;
        std::vector<std::string> seen;
        LessonHomework homework;
        const AcceptStep save = [&]() -> std::optional<std::string> {
            seen.push_back(homework.HomeworkText.empty() ? "" : homework.HomeworkText[0]);
            if (++tries == 1) return "Cannot create file /d/a202511.dff\nNo space left on device";
            return std::nullopt;
        };
        QString box;
        bool openAfterError = false;
        QString textAfterError;
        WhenModal([&](QWidget& shown) {
            Child<QPlainTextEdit>(shown, "description")->setPlainText("read p. 12");
            ReadBox(&box, &shown);
            Child<QPushButton>(shown, "okButton")->click();
            openAfterError = shown.isVisible();
            textAfterError = Child<QPlainTextEdit>(shown, "description")->toPlainText();
            Child<QPushButton>(shown, "okButton")->click();
        });
        QVERIFY(dialogs.EditHomework("  Homework Monday  Art", homework, save));
        QCOMPARE(box, QString("Cannot create file /d/a202511.dff\nNo space left on device"));
        QVERIFY(openAfterError);
        QCOMPARE(textAfterError, QString("read p. 12"));
        QCOMPARE(seen, (std::vector<std::string>{"read p. 12", "read p. 12"}));
        QCOMPARE(homework.HomeworkText, std::vector<std::string>{"read p. 12"});
    }

    void whatNothingOpensIsNamedInAMessage() {
        FakePlatform platform;
        platform.OpenWorks = false;
        const DialogTexts texts = DialogTextsFor(kDanish);
        QWidget mainWindow;  // the dialogs' parent, which removes them afterwards
        QtMessages messages;
        messages.Attach(&mainWindow, nullptr, &texts);
        QtNoteDialogs dialogs(messages);
        dialogs.Attach(&mainWindow, &texts, &platform);

        QString addressBox;
        std::vector<std::string> addresses = {"http://a.dk"};
        WhenModal([&](QWidget& shown) {
            auto* list = Child<QListWidget>(shown, "addressList");
            list->setCurrentRow(0);
            ReadBox(&addressBox, &shown);
            emit list->itemDoubleClicked(list->item(0));
            shown.close();
        });
        dialogs.EditLinks(" Links - Peter-Art", addresses, {});
        QCOMPARE(addressBox, QString("Intet program på denne computer kunne åbne http://a.dk."));

        QString mailBox;
        ContactCardFields card = {"Hansen", "", "", "", "", "", "h@s.dk"};
        WhenModal([&](QWidget& shown) {
            ReadBox(&mailBox, &shown);
            Child<QToolButton>(shown, "mailButton")->click();
            shown.close();
        });
        dialogs.EditContactCard(" Teacher - Peter-Art - Hansen", card, {});
        QCOMPARE(mailBox, QString("Intet program på denne computer kunne åbne mailto:h@s.dk."));

        QString documentBox;
        LessonHomework homework{{}, {"/h/essay.odt"}};
        WhenModal([&](QWidget& shown) {
            auto* list = Child<QListWidget>(shown, "shortcutList");
            list->setCurrentRow(0);
            ReadBox(&documentBox, &shown);
            emit list->itemDoubleClicked(list->item(0));
            shown.close();
        });
        dialogs.EditHomework("  Homework Monday  Art", homework, {});
        QCOMPARE(documentBox, QString("Intet program på denne computer kunne åbne /h/essay.odt."));
        QCOMPARE(platform.Opened,
                 (std::vector<std::string>{"http://a.dk", "mailto:h@s.dk", "/h/essay.odt"}));
    }
};

QTEST_MAIN(FailedSaveDialogsQtTest)
#include "failed_save_dialogs_qttest.moc"

// The Qt dialogs: the Yes/No/Cancel question (TForm4), and QtMessages passing texts and answers
// between it, the message boxes and the commands.
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/dialogs/qt_messages.h"
#include "gui/dialogs/question_dialog.h"
#include "core/language/texts.h"

using namespace skemora;

namespace {

// What a dialog's exec returns when a test had to end it: none of the answers.
constexpr int kNotAnAnswer = -1;
constexpr int kDialogWaitMs = 5000;

void Click(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    if (!button) {
        QTest::qFail(qPrintable(QStringLiteral("no button %1").arg(name)), __FILE__, __LINE__);
        return;
    }
    button->click();
}

}  // namespace

class QtDialogsQtTest : public QObject {
    Q_OBJECT

    int pendingActions_ = 0;

    // Runs `action` on the dialog once its modal loop shows it. Every wait is bounded, so a
    // dialog that never shows, or that a failed check inside `action` leaves open, fails the
    // test instead of hanging it: the dialog is ended with kNotAnAnswer. An action that never
    // ran fails the test in cleanup().
    void WhenShown(QDialog& dialog, std::function<void(QDialog&)> action) {
        ++pendingActions_;
        QTimer::singleShot(0, &dialog, [this, &dialog, action] {
            --pendingActions_;
            if (!QTest::qWaitFor([&dialog] { return dialog.isVisible(); }, kDialogWaitMs)) {
                QTest::qFail("the dialog was not shown", __FILE__, __LINE__);
                return;
            }
            auto* watchdog = new QTimer(&dialog);
            watchdog->setSingleShot(true);
            connect(watchdog, &QTimer::timeout, &dialog, [&dialog] {
                QTest::qFail("the dialog was still open after its action", __FILE__, __LINE__);
                dialog.done(kNotAnAnswer);
            });
            connect(&dialog, &QDialog::finished, watchdog, &QObject::deleteLater);
            watchdog->start(kDialogWaitMs);
            action(dialog);
        });
    }

private slots:
    void cleanup() {
        const int pending = pendingActions_;
        pendingActions_ = 0;
        QVERIFY2(pending == 0, "a dialog the test acts on was never shown");
    }

    void questionHasItsDesignedLayout() {
        TForm4 dialog;
        QCOMPARE(dialog.size(), QSize(305, 75));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        struct Expected {
            const char* Name;
            const char* Text;
            int Left;
        };
        for (const Expected& button :
             {Expected{"yesButton", "Yes", 16}, Expected{"noButton", "No", 112},
              Expected{"cancelButton", "Cancel", 208}}) {
            auto* widget = dialog.findChild<QPushButton*>(button.Name);
            QVERIFY(widget);
            QCOMPARE(widget->geometry(), QRect(button.Left, 40, 75, 25));
            QCOMPARE(widget->text(), QString(button.Text));
        }
        auto* message = dialog.findChild<QLabel*>("message");
        QVERIFY(message);
        QCOMPARE(message->pos(), QPoint(24, 16));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    }

    void questionButtonsAnswerSixSevenAndTwo() {
        TForm4 dialog;
        WhenShown(dialog, [](QDialog& d) { Click(d, "yesButton"); });
        QCOMPARE(dialog.exec(), kAnswerYes);
        WhenShown(dialog, [](QDialog& d) { Click(d, "noButton"); });
        QCOMPARE(dialog.exec(), kAnswerNo);
        WhenShown(dialog, [](QDialog& d) { Click(d, "cancelButton"); });
        QCOMPARE(dialog.exec(), kAnswerCancel);
    }

    void closingTheQuestionCountsAsCancel() {
        TForm4 dialog;
        WhenShown(dialog, [](QDialog& d) { d.close(); });
        QCOMPARE(dialog.exec(), kAnswerCancel);
        WhenShown(dialog, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), kAnswerCancel);
    }

    void askShowsTitleMessageAndLanguageTexts() {
        TForm4 question;
        DialogTexts texts;
        texts.AskYes = "Ja";
        texts.AskNo = "Nej";
        texts.AskCancel = "Fortryd";
        QtMessages dialogs;
        dialogs.Attach(nullptr, &question, &texts);
        QString seenTitle, seenMessage, seenCancel;
        WhenShown(question, [&](QDialog& d) {
            seenTitle = d.windowTitle();
            auto* message = d.findChild<QLabel*>("message");
            auto* cancel = d.findChild<QPushButton*>("cancelButton");
            QVERIFY(message && cancel);
            seenMessage = message->text();
            seenCancel = cancel->text();
            Click(d, "noButton");
        });
        QCOMPARE(dialogs.Ask("Gem Skema", "Peter.dfd er blevet ændret, skal den gemmes?"),
                 kAnswerNo);
        QCOMPARE(seenTitle, QString("Gem Skema"));
        QCOMPARE(seenMessage, QString::fromUtf8("Peter.dfd er blevet ændret, skal den gemmes?"));
        QCOMPARE(seenCancel, QString("Fortryd"));
    }

    void aLongQuestionWidensTheWindowInsteadOfCuttingItOff() {
        TForm4 dialog;
        dialog.setMessage(QString(120, 'x'));
        auto* message = dialog.findChild<QLabel*>("message");
        QVERIFY(message);
        QVERIFY(message->geometry().right() < dialog.width());
        QCOMPARE(dialog.height(), 75);
    }

    void messageBoxesLeaveRoomForTheirWholeTitle() {
        // A title bar as desktops draw it holds the window icon and three buttons of about 28
        // pixels each beside the title, in the bold title font; a short message must not make the
        // box narrower than that.
        QApplication::setFont(QFont("Sans Serif", 8));
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const int titleBar = QFontMetrics(titleFont).horizontalAdvance("Skemora") + 4 * 28;
        QWidget owner;
        QtMessages dialogs;
        dialogs.Attach(&owner, nullptr, nullptr);
        const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
            {"message", [&](const std::string& text) { dialogs.ShowMessage(text); }},
            {"error", [&](const std::string& text) { dialogs.ShowError(text); }},
        };
        for (const auto& [kind, show] : cases) {
            for (const char* text : {"!", "Illigal character: /", "You can't delete this."}) {
                QString title;
                int width = 0;
                QTimer::singleShot(0, [&] {
                    QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    title = box->windowTitle();
                    width = box->width();
                    box->accept();
                });
                show(text);
                QCOMPARE(title, QString("Skemora"));
                QVERIFY2(width >= titleBar, qPrintable(QStringLiteral("%1 \"%2\": %3 < %4")
                                                           .arg(kind, text)
                                                           .arg(width)
                                                           .arg(titleBar)));
            }
        }
    }

    void progressAppearsForLongWorkAndItsCancelStopsTheWork() {
        QWidget window;
        TForm4 question;
        DialogTexts texts;
        texts.AskCancel = "Fortryd";
        QtMessages dialogs;
        dialogs.Attach(&window, &question, &texts);
        auto progress = dialogs.StartProgress("Opretter ferieperioden …", 100);
        auto* shown = window.findChild<QProgressDialog*>();
        QVERIFY(shown);
        QVERIFY(progress->Step(1));
        QVERIFY(!shown->isVisible());  // quick work shows nothing
        QTest::qWait(600);
        QVERIFY(progress->Step(2));
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->labelText(), QString::fromUtf8("Opretter ferieperioden …"));
        auto* cancel = shown->findChild<QPushButton*>();
        QVERIFY(cancel);
        QCOMPARE(cancel->text(), QString("Fortryd"));
        cancel->click();
        QVERIFY(!progress->Step(3));
        progress.reset();
        QVERIFY(!window.findChild<QProgressDialog*>());
    }

    // The choice of one option, from the keyboard: Enter takes the first, an option's letter
    // and Enter at once after it that option, Escape nothing; the buttons speak the language.
    void aChoiceIsMadeWithTheKeyboard() {
        DialogTexts texts = DialogTextsFor(6);
        QtMessages dialogs;
        dialogs.Attach(nullptr, nullptr, &texts);
        const std::vector<std::string> options = {"&Den viste uge", "Til &slutningen",
                                                  "&Resten af skoleåret"};
        struct Case {
            std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
            std::optional<int> answer;
        };
        const Case cases[] = {
            {{{Qt::Key_Return, Qt::NoModifier}}, 0},
            {{{Qt::Key_S, Qt::AltModifier}, {Qt::Key_Return, Qt::NoModifier}}, 1},
            {{{Qt::Key_R, Qt::AltModifier}, {Qt::Key_Return, Qt::NoModifier}}, 2},
            {{{Qt::Key_Down, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}}, std::nullopt},
        };
        for (const Case& c : cases) {
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = nullptr;
                QVERIFY(QTest::qWaitFor(
                    [&] { return (dialog = QApplication::activeModalWidget()) != nullptr; },
                    kDialogWaitMs));
                dialog->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                shown << dialog->windowTitle();
                for (auto* button : dialog->findChildren<QAbstractButton*>()) shown << button->text();
                for (const auto& [key, modifiers] : c.keys)
                    QTest::keyClick(dialog->focusWidget(), key, modifiers);
            });
            const auto answer = dialogs.ChooseOne("Eksport til kalender", "Hvilke dage?", options);
            QCOMPARE(answer.value_or(-1), c.answer.value_or(-1));
            QCOMPARE(shown, QStringList({"Eksport til kalender", "OK", "&Fortryd", "&Den viste uge",
                                         "Til &slutningen", QString::fromUtf8("&Resten af skoleåret")}));
        }
    }

    void fileFiltersBecomeQtNameFilters() {
        QCOMPARE(QtNameFilters("*.dfd|*.dfd"), QString("*.dfd (*.dfd)"));
        QCOMPARE(QtNameFilters("*.dfd|*.dfd|*.txt|*.txt|*.*|*.*"),
                 QString("*.dfd (*.dfd);;*.txt (*.txt);;*.* (*.*)"));
        QCOMPARE(QtNameFilters("Documents|*.doc;*.odt"), QString("Documents (*.doc *.odt)"));
    }
};

QTEST_MAIN(QtDialogsQtTest)
#include "qt_dialogs_qttest.moc"

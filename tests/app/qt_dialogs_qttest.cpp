// The Qt dialogs: the Yes/No/Cancel question (TForm4), the class-name dialog (TForm12), and
// QtDialogs passing texts and answers between them and the commands.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/class_name_dialog.h"
#include "app/qt_dialogs.h"
#include "app/question_dialog.h"
#include "language/texts.h"

using namespace skemora;

namespace {

// Runs `action` on the dialog once its modal loop is running.
void WhenShown(QDialog& dialog, std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        if (!dialog.isVisible()) {
            qWarning("dialog not shown");
            return;
        }
        action(dialog);
    });
}

void Click(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    if (!button) qFatal("no button %s", name);
    button->click();
}

}  // namespace

class QtDialogsQtTest : public QObject {
    Q_OBJECT

private slots:
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
        TForm12 className;
        DialogTexts texts;
        texts.AskYes = "Ja";
        texts.AskNo = "Nej";
        texts.AskCancel = "Fortryd";
        QtDialogs dialogs;
        dialogs.Attach(nullptr, &question, &className, &texts, nullptr);
        QString seenTitle, seenMessage, seenCancel;
        WhenShown(question, [&](QDialog& d) {
            seenTitle = d.windowTitle();
            seenMessage = d.findChild<QLabel*>("message")->text();
            seenCancel = d.findChild<QPushButton*>("cancelButton")->text();
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
        QVERIFY(message->geometry().right() < dialog.width());
        QCOMPARE(dialog.height(), 75);
    }

    void classDialogIsASmallToolWindow() {
        TForm12 dialog;
        QCOMPARE(dialog.size(), QSize(246, 123));
        QCOMPARE(dialog.windowTitle(), QString("Name"));
        QCOMPARE((dialog.windowFlags() & Qt::WindowType_Mask), Qt::Tool);
        QCOMPARE(dialog.findChild<QPushButton*>("okButton")->text(), QString("OK"));
        QCOMPARE(dialog.findChild<QLabel*>("prompt")->text(),
                 QString("Write the name of your class"));
    }

    void classNameChangesOnlyOnOk() {
        TForm4 question;
        TForm12 className;
        DialogTexts texts;
        texts.ClassTitle = "Klassenavn";
        texts.ClassPrompt = "Skriv navnet på klassen f.eks 6U";
        QtDialogs dialogs;
        dialogs.Attach(nullptr, &question, &className, &texts, nullptr);

        std::string name = "6U";
        QString shownName;
        WhenShown(className, [&](QDialog& d) {
            auto* field = d.findChild<QLineEdit*>("className");
            shownName = field->text();
            field->setText("7B");
            Click(d, "okButton");
        });
        QVERIFY(dialogs.EditClassName(name));
        QCOMPARE(shownName, QString("6U"));
        QCOMPARE(name, std::string("7B"));
        QCOMPARE(className.windowTitle(), QString("Klassenavn"));

        WhenShown(className, [](QDialog& d) {
            d.findChild<QLineEdit*>("className")->setText("9Z");
            d.close();
        });
        QVERIFY(!dialogs.EditClassName(name));
        QCOMPARE(name, std::string("7B"));
    }

    void enterInTheClassFieldIsOk() {
        TForm12 dialog;
        dialog.setClassName("5A");
        WhenShown(dialog, [](QDialog& d) {
            auto* field = d.findChild<QLineEdit*>("className");
            QTest::keyClicks(field, "x");
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), kAnswerYes);
        QCOMPARE(dialog.className(), QString("x"));  // the preset name was selected
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

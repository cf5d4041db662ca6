#include "gui/timetable/qt_timetable_dialogs.h"

#include <QMessageBox>

#include "gui/dialogs/accepting_dialog.h"
#include "gui/dialogs/qt_messages.h"
#include "gui/timetable/class_name_dialog.h"
#include "gui/timetable/lesson_dialog.h"
#include "gui/timetable/lesson_times_dialog.h"
#include "gui/timetable/new_user_dialog.h"
#include "gui/timetable/time_dialog.h"

namespace skemora {

QtTimetableDialogs::~QtTimetableDialogs() {
    // The class-name dialog is its owner's, given in Attach.
    for (QObject* dialog : std::initializer_list<QObject*>{time_, lesson_, newUser_, lessonTimes_})
        DeleteIfUnowned(dialog);
}

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void QtTimetableDialogs::Attach(QWidget* mainWindow, TForm12* className, const DialogTexts* texts) {
    mainWindow_ = mainWindow;
    className_ = className;
    texts_ = texts;
}

void QtTimetableDialogs::ShowRefusedCharacter(QWidget* dialog, const QString& character) {
    const QString text = Utf8(texts_ ? texts_->IllegalCharacter : "Illigal character: ");
    ShowMessageBox(dialog, QMessageBox::Information, text + character);
}

bool QtTimetableDialogs::EditTime(const std::string& title, std::string& time,
                                  const AcceptStep& save) {
    if (!time_) {
        time_ = new AcceptingDialog<TForm10>(mainWindow_);
        TForm10* dialog = time_;
        // Queued: the field finishes its change before the box shows.
        QObject::connect(
            dialog, &TForm10::invalidTime, dialog,
            [this, dialog] {
                const std::string text =
                    texts_ ? texts_->TimeInvalid : DesignDialogTexts().TimeInvalid;
                ShowMessageBox(dialog, QMessageBox::Information, Utf8(text));
            },
            Qt::QueuedConnection);
    }
    if (texts_) time_->setCancelText(Utf8(texts_->TimeCancel));
    time_->prepare(Utf8(title), Utf8(time));
    return ExecSaving(
        time_, [&] { time = time_->time().toStdString(); }, save);
}

bool QtTimetableDialogs::EditLesson(const std::string& title,
                                    const std::vector<std::string>& choices,
                                    const std::vector<std::string>& subjectList,
                                    LessonFields& lesson, const AcceptStep& save) {
    if (!lesson_) {
        lesson_ = new AcceptingDialog<TForm11>(mainWindow_);
        TForm11* dialog = lesson_;
        QObject::connect(dialog, &TForm11::refusedCharacter, dialog,
                         [this, dialog](const QString& c) { ShowRefusedCharacter(dialog, c); });
    }
    if (texts_) {
        lesson_->setTexts(Utf8(texts_->LessonLabel), Utf8(texts_->RoomLabel),
                          Utf8(texts_->TeacherLabel), Utf8(texts_->LessonCancel));
    }
    lesson_->prepare(Utf8(title), choices, subjectList, lesson);
    return ExecSaving(
        lesson_, [&] { lesson = lesson_->lesson(); }, save);
}

std::optional<TimetableDialogs::NewUserAnswer> QtTimetableDialogs::AskNewUser(
    const std::function<bool(const NewUserAnswer&)>& acceptable) {
    if (!newUser_) {
        newUser_ = new Tnewtime(mainWindow_);
        Tnewtime* dialog = newUser_;
        QObject::connect(dialog, &Tnewtime::refusedCharacter, dialog,
                         [this, dialog](const QString& c) { ShowRefusedCharacter(dialog, c); });
    }
    if (texts_) {
        newUser_->setTexts({Utf8(texts_->NewUserTitle), Utf8(texts_->NewUserNameLabel),
                            Utf8(texts_->NewUserNameHint), Utf8(texts_->NewUserClassLabel),
                            Utf8(texts_->NewUserClassHint), Utf8(texts_->NewUserCancel)});
    }
    newUser_->setCheck([&acceptable](const QString& name, const QString& className) {
        return acceptable({name.toStdString(), className.toStdString()});
    });
    newUser_->prepare();
    const int answer = newUser_->exec();
    newUser_->setCheck({});
    if (answer != kAnswerYes) return std::nullopt;
    return NewUserAnswer{newUser_->userName().toStdString(), newUser_->className().toStdString()};
}

bool QtTimetableDialogs::EditClassName(std::string& name, const AcceptStep& save) {
    AcceptingDialog<TForm12> fallback(mainWindow_);
    TForm12* dialog = className_ ? className_.data() : &fallback;
    if (texts_) dialog->setTexts(Utf8(texts_->ClassTitle), Utf8(texts_->ClassPrompt));
    dialog->setClassName(Utf8(name));
    return ExecSaving(
        dialog, [&] { name = dialog->className().toStdString(); }, save);
}

bool QtTimetableDialogs::EditLessonTimes(int startTime, LessonTimes& times,
                                         const AcceptStep& save) {
    if (!lessonTimes_) lessonTimes_ = new AcceptingDialog<LessonTimesDialog>(mainWindow_);
    if (texts_) {
        lessonTimes_->setTexts({Utf8(texts_->LessonTimesTitle), Utf8(texts_->LessonTimesPosition),
                                Utf8(texts_->LessonTimesLength), Utf8(texts_->LessonTimesBreak),
                                Utf8(texts_->LessonTimesStart), Utf8(texts_->LessonTimesOk),
                                Utf8(texts_->LessonTimesCancel)});
    }
    lessonTimes_->prepare(startTime, times);
    return ExecSaving(
        lessonTimes_, [&] { times = lessonTimes_->times(); }, save);
}

}  // namespace skemora

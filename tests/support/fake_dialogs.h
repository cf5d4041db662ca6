// Scripted dialogs for tests: answers are queued in advance, everything shown is recorded. One
// object is every port at once, so a context is made from it alone.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/state/holiday_dialogs.h"
#include "app/state/messages.h"
#include "app/state/note_dialogs.h"
#include "app/state/timetable_dialogs.h"

namespace skemora {

class FakeDialogs : public Messages,
                    public TimetableDialogs,
                    public NoteDialogs,
                    public HolidayDialogs {
public:
    struct Question {
        std::string Title, Message;
    };

    std::deque<int> AskAnswers;  // empty queue answers Cancel
    std::deque<std::optional<std::string>> OpenAnswers;
    std::deque<std::optional<std::string>> SaveAnswers;
    std::deque<std::optional<std::string>> ClassNameAnswers;  // nullopt = closed without OK
    // nullopt = closed without OK
    std::deque<std::optional<ContactCardFields>> ContactCardAnswers;
    // Lesson editing answers: nullopt = closed without OK.
    std::deque<std::optional<std::string>> TimeAnswers;
    std::deque<std::optional<LessonFields>> LessonAnswers;
    std::deque<std::optional<NewUserAnswer>> NewUserAnswers;
    struct LessonDialog {
        std::string Title;
        std::vector<std::string> Choices;
        LessonFields Fields;
    };
    std::vector<std::pair<std::string, std::string>> TimesShown;  // title, time
    std::vector<LessonDialog> LessonsShown;
    int NewUserDialogs = 0;
    std::vector<NewUserAnswer> RefusedNewUsers;  // OK pressed, kept open by the check

    // Lesson notes answers: nullopt = closed without OK.
    std::deque<std::optional<LessonHomework>> HomeworkAnswers;
    std::deque<std::optional<std::vector<std::string>>> LinksAnswers;
    std::deque<std::optional<std::vector<std::string>>> MatesAnswers;
    struct HomeworkShown {
        std::string Title;
        LessonHomework Homework;
    };
    struct ListShown {
        std::string Title, CardTitle;
        std::vector<std::string> Lines;
    };
    std::vector<HomeworkShown> HomeworkDialogs;
    std::vector<ListShown> LinksDialogs, MatesDialogs;

    // Holidays answers.
    struct HolidayAnswer {
        Date From, To;
        std::string Name;
        int ColourIndex = kFirstHolidayColourIndex;
    };
    std::deque<std::optional<HolidayAnswer>> HolidayAnswers;  // nullopt = closed without OK
    std::vector<std::pair<std::string, HolidayEditorRecord>> HolidayEditorsShown;  // title, record

    // Progress windows: each one's label and total, and every step reported to them.
    struct ProgressShown {
        std::string Label;
        int Total = 0;
        std::vector<int> Steps;
    };
    std::vector<ProgressShown> ProgressWindows;
    int CancelProgressAt = -1;  // the step at which the user cancels; -1: never

    // Choices of one option: what was offered, and the answers (nullopt = cancelled; an empty
    // queue cancels).
    struct ChoiceShown {
        std::string Title, Prompt;
        std::vector<std::string> Options;
    };
    std::vector<ChoiceShown> ChoicesShown;
    std::deque<std::optional<int>> ChoiceAnswers;

    std::vector<Question> Questions;
    std::vector<std::string> Messages;
    std::vector<std::string> Errors;
    int OpenDialogs = 0, SaveDialogs = 0, ClassDialogs = 0;
    std::vector<std::pair<std::string, ContactCardFields>> ContactCardsShown;  // title, fields
    std::string LastFolder, LastFilter, LastFileName, LastDefaultExtension;

    int Ask(const std::string& title, const std::string& message) override {
        Questions.push_back({title, message});
        if (AskAnswers.empty()) return kAnswerCancel;
        int answer = AskAnswers.front();
        AskAnswers.pop_front();
        return answer;
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    std::optional<std::string> OpenFileName(const std::string& folder,
                                            const std::string& filter) override {
        ++OpenDialogs;
        LastFolder = folder;
        LastFilter = filter;
        return Next(OpenAnswers);
    }
    std::optional<std::string> SaveFileName(const std::string& folder, const std::string& fileName,
                                            const std::string& filter,
                                            const std::string& defaultExtension) override {
        ++SaveDialogs;
        LastFolder = folder;
        LastFileName = fileName;
        LastFilter = filter;
        LastDefaultExtension = defaultExtension;
        return Next(SaveAnswers);
    }
    std::optional<int> ChooseOne(const std::string& title, const std::string& prompt,
                                 const std::vector<std::string>& options) override {
        ChoicesShown.push_back({title, prompt, options});
        return Next(ChoiceAnswers);
    }
    bool EditClassName(std::string& name, const AcceptStep& save) override {
        ++ClassDialogs;
        return Answer(ClassNameAnswers, name, save);
    }
    // Lesson times: the times shown, and the answers (nullopt = closed without OK).
    std::vector<LessonTimes> LessonTimesShown;
    std::deque<std::optional<LessonTimes>> LessonTimesAnswers;
    bool EditLessonTimes(int, LessonTimes& times, const AcceptStep& save) override {
        LessonTimesShown.push_back(times);
        return Answer(LessonTimesAnswers, times, save);
    }

    bool EditContactCard(const std::string& title, ContactCardFields& card,
                         const AcceptStep& save) override {
        ContactCardsShown.emplace_back(title, card);
        return Answer(ContactCardAnswers, card, save);
    }

    // Lesson editing.
    bool EditTime(const std::string& title, std::string& time, const AcceptStep& save) override {
        TimesShown.emplace_back(title, time);
        return Answer(TimeAnswers, time, save);
    }
    bool EditLesson(const std::string& title, const std::vector<std::string>& choices,
                    const std::vector<std::string>&, LessonFields& lesson,
                    const AcceptStep& save) override {
        LessonsShown.push_back({title, choices, lesson});
        return Answer(LessonAnswers, lesson, save);
    }
    // Each answer refused by `acceptable` stands for the user changing the entry and pressing OK
    // again; the next queued answer is the next try.
    std::optional<NewUserAnswer> AskNewUser(
        const std::function<bool(const NewUserAnswer&)>& acceptable) override {
        ++NewUserDialogs;
        while (auto answer = Next(NewUserAnswers)) {
            if (acceptable(*answer)) return answer;
            RefusedNewUsers.push_back(*answer);
        }
        return std::nullopt;
    }

    // Lesson notes.
    bool EditHomework(const std::string& title, LessonHomework& homework,
                      const AcceptStep& save) override {
        HomeworkDialogs.push_back({title, homework});
        return Answer(HomeworkAnswers, homework, save);
    }
    bool EditLinks(const std::string& title, std::vector<std::string>& addresses,
                   const AcceptStep& save) override {
        LinksDialogs.push_back({title, {}, addresses});
        return Answer(LinksAnswers, addresses, save);
    }
    bool EditMates(const std::string& title, const std::string& cardTitle,
                   std::vector<std::string>& mates, const AcceptStep& save) override {
        MatesDialogs.push_back({title, cardTitle, mates});
        return Answer(MatesAnswers, mates, save);
    }

    // Holidays.
    bool EditHoliday(const std::string& title, HolidayEditorRecord& record,
                     const AcceptStep& save) override {
        HolidayEditorsShown.emplace_back(title, record);
        for (;;) {
            auto answer = Next(HolidayAnswers);
            if (!answer) return false;
            record.From = answer->From;
            record.To = answer->To;
            record.Name = answer->Name;
            record.ColourIndex = answer->ColourIndex;
            if (Stored(save)) return true;
        }
    }

    std::unique_ptr<Progress> StartProgress(const std::string& label, int total) override {
        ProgressWindows.push_back({label, total, {}});
        return std::make_unique<FakeProgress>(*this, ProgressWindows.size() - 1);
    }

private:
    class FakeProgress : public Progress {
    public:
        FakeProgress(FakeDialogs& owner, std::size_t index) : owner_(owner), index_(index) {}
        bool Step(int done) override {
            owner_.ProgressWindows[index_].Steps.push_back(done);
            return done != owner_.CancelProgressAt;
        }

    private:
        FakeDialogs& owner_;
        std::size_t index_;
    };

    // Runs the accept step of an OK; false when storing failed: the error box is recorded in
    // Errors and the dialog stays open for the next scripted answer of its queue.
    bool Stored(const AcceptStep& save) {
        if (!save) return true;
        auto failure = save();
        if (!failure) return true;
        Errors.push_back(*failure);
        return false;
    }

    // The scripted answers into `value` until one is stored; false when one is "closed without
    // OK".
    template <typename T>
    bool Answer(std::deque<std::optional<T>>& queue, T& value, const AcceptStep& save) {
        for (;;) {
            auto answer = Next(queue);
            if (!answer) return false;
            value = *answer;
            if (Stored(save)) return true;
        }
    }

    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace skemora

// A time-table session that a test can create as many times as it likes: the fixture's folder,
// fakes and helpers outside of a single test body.
#pragma once

#include "support/lesson_files.h"
#include "support/timetable_fixture.h"

namespace skemora::test {

class Session : public TimetableTest {
public:
    void TestBody() override {}
    using TimetableTest::ctx;
    using TimetableTest::dialogs;
    using TimetableTest::EditMonday;
    using TimetableTest::folder;
    using TimetableTest::List;
    using TimetableTest::OpenPeter;
    using TimetableTest::Period;
    using TimetableTest::platform;
    using TimetableTest::Select;
    using TimetableTest::SubjectIn;
    using TimetableTest::User;

    // Runs a command as the event boundary does: a SkemoraError is shown.
    template <typename Command>
    void Boundary(Command command) {
        try {
            command();
        } catch (const SkemoraError& error) {
            dialogs.ShowError(error.what());
        }
    }

    // Peter's period list holds `starts`; lesson files exist for the first `subjects.size()`
    // periods (period k's Monday holds subjects[k]), written plainly without waiting for the disk.
    // Opened and shown on Wednesday 10 September 2003.
    void Open(const std::vector<int>& starts, const Lines& subjects) {
        Start();
        std::filesystem::create_directories(User());
        WriteBytes(folder / "Peter.dfd", EncodeLines(LessonFile(subjects.at(0))));
        Lines list;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            list.push_back(std::to_string(starts[k]));
            if (k > 0 && k < subjects.size()) {
                WriteBytes(Period(static_cast<int>(k)), EncodeLines(LessonFile(subjects[k])));
            }
        }
        WriteBytes(User() + "fratil.dfd", EncodeLines(list));
        OpenPeter();
        Select(2003, 9, 10);
    }
};

}  // namespace skemora::test

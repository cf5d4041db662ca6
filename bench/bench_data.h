// The data folder every benchmark runs on: one pupil after ten school years of use, written
// through the program's own file writers.
//
// The pupil "Peter" has 80 validity periods, one every six weeks from 15 August 2016 (the main
// file and S1..S79.dfd), a homework and a notes file for every school week from August 2016 to
// July 2026, a holiday in ten months of every year, 100 subjects with a link file and a teacher
// file each (200 files), 40 school mates, the school's card and a subject list.
#pragma once

#include <string>
#include <vector>

#include "core/calendar/calendar.h"
#include "core/timetable/lessons.h"

namespace skemora::bench {

inline constexpr int kPeriods = 80;
inline constexpr const char* kPupil = "Peter";
inline constexpr int kMates = 40;
inline constexpr int kNoteSubjects = 100;  // each with a .lin and a .lae file
inline constexpr int kPeriodWeeks = 6;

// The day number of period k's Monday (0 <= k <= 80).
int PeriodStart(int k);
// Period k's lessons: eight a day from subjects of the pupil's grade in that year.
DayRecords PeriodDays(int k);

class BenchData {
public:
    // Writes a fresh folder under TMPDIR (else /tmp), removed again by the destructor.
    BenchData();
    // Takes the folder another process made (it stays when this object goes).
    explicit BenchData(std::string existingFolder);
    ~BenchData();
    BenchData(const BenchData&) = delete;
    BenchData& operator=(const BenchData&) = delete;

    // The data folder, ending with "/".
    const std::string& Path() const { return path_; }
    std::string UserFolder() const;
    std::string MainFile() const;
    // The period list and lesson files of `periods` periods (at most 81), as first written, with
    // no lesson file beyond them.
    void RestorePeriods(int periods) const;
    // Dates every file and both folders a day back, as a folder in use for years stands between
    // two sessions: nothing in it has just changed.
    void Settle() const;
    // The number of files written.
    int Files() const { return files_; }

private:
    void Write(const std::string& path, const std::vector<std::string>& lines);
    void WriteWeeks();
    void WriteHolidays();
    void WriteNotes();

    std::string path_;
    bool owned_ = true;
    int files_ = 0;
};

}  // namespace skemora::bench

#include "app/holidays/holiday_commands.h"

#include "app/refresh/refresh.h"
#include "app/storage/holiday_files.h"
#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/holidays/holiday_editor_rules.h"
#include "core/holidays/holiday_periods.h"
#include "core/holidays/holiday_tables.h"

namespace skemora {

namespace {

HolidayEditorRecord EditorRecord(const AppContext& ctx) {
    const MainState& state = ctx.state;
    HolidayEditorRecord record;
    record.From = {state.SelYear, state.SelMonth, state.SelDay};
    record.To = record.From;
    record.LanguageCode = state.LanguageCode;
    record.SundayFirst = state.SundayFirst;
    record.WeekdayStrip = ctx.view.WeekdayStrip.Caption;
    record.ShortMonthNames = state.Names.ShortMonthNames;
    record.LongMonthNames = state.Names.LongMonthNames;
    return record;
}

TakenAnswer TakenAnswerOf(int answer) {
    if (answer == kAnswerYes) return TakenAnswer::Overwrite;
    if (answer == kAnswerNo) return TakenAnswer::Keep;
    return TakenAnswer::Cancel;
}

// Marks the editor's period in the month files and shows the result.
void ApplyHoliday(AppContext& ctx, const HolidayEditorRecord& record) {
    HolidayPeriod period;
    period.From = record.From;
    period.To = record.To;
    period.Name = record.Name;
    const bool knownColour = record.ColourIndex >= 0 &&
                             record.ColourIndex < static_cast<int>(kHolidayColourNames.size());
    period.Colour = kHolidayColourNames[static_cast<std::size_t>(
        knownColour ? record.ColourIndex : kFirstHolidayColourIndex)];

    // A mistyped year can make a period of thousands of months, each a file to write.
    const int months = static_cast<int>(HolidayPeriodMonths(period.From, period.To).size());
    if (!HolidayStartRefused(period.From) && HolidayLongerThanAYear(period.From, period.To) &&
        ctx.messages.Ask(ctx.texts.HolidaysTitle,
                         FillTemplate(ctx.texts.LongHolidayQuestion, {std::to_string(months)})) !=
            kAnswerYes)
        return;

    MainState& state = ctx.state;
    const auto readMonth = [&state](int year, int month) {
        return ReadHolidayMonthFile(state, year, month);
    };
    const auto askTaken = [&ctx, &period](const Date&, const std::string& markName) {
        return TakenAnswerOf(
            ctx.messages.Ask(HolidayTakenTitle(ctx.texts.HolidayTakenTitle, period.Name),
                             DeleteHolidayMessage(ctx.texts.DeleteWord, markName)));
    };
    const auto writeMonth = [&state](int year, int month, const std::vector<std::string>& lines) {
        WriteStored(state, HolidayMonthPath(state, year, month), lines);
    };

    ApplyOutcome outcome = ApplyOutcome::Finished;
    try {
        auto progress = ctx.messages.StartProgress(ctx.texts.HolidayProgressLabel, months);
        const auto monthDone = [&progress](int done) { return progress->Step(done); };
        outcome = ApplyHolidayPeriod(period, readMonth, askTaken, writeMonth, monthDone);
    } catch (...) {
        // Months written before a failing one show at once, as after a Cancel.
        RefreshAll(ctx);
        throw;
    }
    if (outcome == ApplyOutcome::RefusedBefore1970) {
        ctx.messages.ShowMessage(ctx.texts.DateBefore1970);
        return;
    }
    RefreshAll(ctx);
}

}  // namespace

void nyhelligdagClick(AppContext& ctx) {
    HolidayEditorRecord record = EditorRecord(ctx);
    // The months are written while the editor is open, so that a failed write keeps it there.
    ctx.holidayDialogs.EditHoliday(
        ctx.texts.HolidaysTitle, record,
        SavingStep(ctx.state.LanguageCode, [&] { ApplyHoliday(ctx, record); }));
}

void slethelligdagClick(AppContext& ctx) {
    MainState& state = ctx.state;
    const int day = state.SelDay;
    const feriedage& shown = state.HolidayTables[1];
    if (!IsHoliday(shown, day)) return;
    const std::string& name = shown.Names[static_cast<std::size_t>(day - 1)];
    if (ctx.messages.Ask(ctx.texts.DeleteHolidayQuestion,
                         DeleteHolidayMessage(ctx.texts.DeleteWord, name)) != kAnswerYes)
        return;

    const std::string path = HolidayMonthPath(state, state.SelYear, state.SelMonth);
    const MonthFileChange change =
        DeleteHolidayMark(ReadHolidayMonthFile(state, state.SelYear, state.SelMonth), day);
    if (change.Action == MonthFileAction::Remove) RemoveStored(state, path);
    if (change.Action == MonthFileAction::Write) WriteStored(state, path, change.Lines);
    RefreshAll(ctx);
}

}  // namespace skemora

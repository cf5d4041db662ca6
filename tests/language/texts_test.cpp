#include "language/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/view_model.h"

namespace skemora {
namespace {

using MenuField = MenuItem MenuView::*;

// The menu captions of table C with their design and Danish texts.
const std::vector<std::pair<MenuField, std::pair<std::string, std::string>>> kMenus = {
    {&MenuView::File, {"&File", "Filer"}},
    {&MenuView::NewTimetable, {"&New Time-table", "Nyt Skema"}},
    {&MenuView::Open, {"&Open", "Åbn.."}},
    {&MenuView::Save, {"Save", "Gem"}},
    {&MenuView::SaveAs, {"Save As", "Gem som"}},
    {&MenuView::Convert, {"&Convert to HTML", "Oversæt til HTML."}},
    {&MenuView::ConvertTimetable, {"&Time-Table", "Skema"}},
    {&MenuView::ConvertCalendar, {"&Calendar", "Kalender"}},
    {&MenuView::Edit, {"&Edit", "Rediger"}},
    {&MenuView::EditTime, {"&Time - First lesson", "Mødetid.."}},
    {&MenuView::EditLesson, {"&Lesson", "Fag.."}},
    {&MenuView::EditDelete, {"&Delete", "Slet.."}},
    {&MenuView::EditAdd, {"&Add", "Tilføj.."}},
    {&MenuView::EditInsert, {"&Insert", "Indsæt.."}},
    {&MenuView::Timetable, {"&Time-table", "Skema"}},
    {&MenuView::Holidays, {"&Holidays", "Ferie"}},
    {&MenuView::HolidaysNew, {"New", "Opret"}},
    {&MenuView::HolidaysDelete, {"Delete", "Slet"}},
    {&MenuView::School, {"&School", "Skole"}},
    {&MenuView::Class, {"&Class", "Klasse"}},
    {&MenuView::Help, {"&Help", "Hjælp"}},
    {&MenuView::HelpItem, {"Help", "Hjælp"}},
    {&MenuView::PopupTime, {"Time first lesson", "Mødetid.."}},
    {&MenuView::PopupChange, {"Change lesson", "Fag.."}},
    {&MenuView::PopupDelete, {"Delete", "Slet.."}},
    {&MenuView::PopupAdd, {"Add", "Tilføj.."}},
    {&MenuView::PopupInsert, {"Insert", "Indsæt.."}},
};

const std::vector<std::string MessageTexts::*> kSlots = {
    &MessageTexts::NoDocumentTitle,
    &MessageTexts::SaveQuestionTitle,
    &MessageTexts::SaveQuestionText,
    &MessageTexts::StartTimeLabel,
    &MessageTexts::ReplaceQuestion,
    &MessageTexts::MustSaveMessage,
    &MessageTexts::HolidaysTitle,
    &MessageTexts::DateBefore1970,
    &MessageTexts::ChangeLessonTitle,
    &MessageTexts::DeleteLessonTitle,
    &MessageTexts::AddLessonTitle,
    &MessageTexts::InsertLessonTitle,
    &MessageTexts::SchoolInformationTitle,
    &MessageTexts::ClassNameText,
    &MessageTexts::WeekWord,
    &MessageTexts::CopyError,
    &MessageTexts::HolidayTakenTitle,
    &MessageTexts::DeleteWord,
    &MessageTexts::DeleteHolidayQuestion,
    &MessageTexts::OneLessonADay,
    &MessageTexts::HomeworkHint,
    &MessageTexts::LinksHint,
    &MessageTexts::TeacherHint,
    &MessageTexts::SchoolMatesHint,
    &MessageTexts::WeekNotesHint,
};

const std::vector<std::string DialogTexts::*> kDialogFields = {
    &DialogTexts::AskYes,
    &DialogTexts::AskNo,
    &DialogTexts::AskCancel,
    &DialogTexts::HomeworkStrip,
    &DialogTexts::ShortcutStrip,
    &DialogTexts::AddShortcut,
    &DialogTexts::DeleteShortcut,
    &DialogTexts::CreateFile,
    &DialogTexts::HomeworkCloseQuestion,
    &DialogTexts::HomeworkMissingType,
    &DialogTexts::HomeworkFileNamePrompt,
    &DialogTexts::HomeworkFileExists,
    &DialogTexts::AddLink,
    &DialogTexts::DeleteLink,
    &DialogTexts::PhoneLabel,
    &DialogTexts::NameAddressLabel,
    &DialogTexts::EmailLabel,
    &DialogTexts::AddMate,
    &DialogTexts::DeleteMate,
    &DialogTexts::DateFrame,
    &DialogTexts::DatePickerCancel,
    &DialogTexts::TimeCancel,
    &DialogTexts::LessonLabel,
    &DialogTexts::RoomLabel,
    &DialogTexts::TeacherLabel,
    &DialogTexts::LessonCancel,
    &DialogTexts::ClassTitle,
    &DialogTexts::ClassPrompt,
    &DialogTexts::HolidayNameText,
    &DialogTexts::HolidayNameHint,
    &DialogTexts::FromDateHint,
    &DialogTexts::ToDateHint,
    &DialogTexts::HolidayNameLabel,
    &DialogTexts::FromLabel,
    &DialogTexts::ToLabel,
    &DialogTexts::ColorLabel,
    &DialogTexts::ColorListHint,
    &DialogTexts::HolidayCancel,
};

// A view as the window design builds it: English menu captions and the Options menu.
ViewModel DesignView() {
    ViewModel view;
    for (const auto& [item, texts] : kMenus) (view.Menus.*item).Caption = texts.first;
    view.Menus.Options.Caption = "&Options";
    view.Menus.MondayFirst.Caption = "&Monday first";
    view.Menus.StartTray.Caption = "&Start in system tray";
    view.Menus.RemoveLesson.Caption = "&Remove lesson from list";
    view.TodayButton.Hint = "Set date today";
    return view;
}

struct Applied {
    ViewModel View = DesignView();
    MessageTexts Texts;
    DialogTexts Dialogs = DesignDialogTexts();
};

Applied Apply(int languageCode) {
    Applied applied;
    ApplyLanguage(languageCode, applied.View, applied.Texts, applied.Dialogs);
    return applied;
}

void ExpectOptionsMenuStaysEnglish(const ViewModel& view) {
    EXPECT_EQ(view.Menus.Options.Caption, "&Options");
    EXPECT_EQ(view.Menus.MondayFirst.Caption, "&Monday first");
    EXPECT_EQ(view.Menus.StartTray.Caption, "&Start in system tray");
    EXPECT_EQ(view.Menus.RemoveLesson.Caption, "&Remove lesson from list");
    EXPECT_EQ(view.TodayButton.Hint, "Set date today");
}

class EnglishCodes : public testing::TestWithParam<int> {};

TEST_P(EnglishCodes, MenusKeepTheirDesignTexts) {
    const Applied applied = Apply(GetParam());
    for (const auto& [item, texts] : kMenus) {
        EXPECT_EQ((applied.View.Menus.*item).Caption, texts.first);
    }
    ExpectOptionsMenuStaysEnglish(applied.View);
}

TEST_P(EnglishCodes, SlotsAndWindowTextsAreEnglish) {
    const Applied applied = Apply(GetParam());
    const MessageTexts& texts = applied.Texts;
    EXPECT_EQ(texts.NoDocumentTitle, "Time-table");
    EXPECT_EQ(texts.SaveQuestionTitle, "Save ");
    EXPECT_EQ(texts.SaveQuestionText, " changed, save it?");
    EXPECT_EQ(texts.DeleteLessonTitle, "Delete class ");
    EXPECT_EQ(texts.DateBefore1970, "You can not sellect a date older than 1970.");
    EXPECT_EQ(texts.ClassNameText, "Class");

    const ViewModel& view = applied.View;
    EXPECT_EQ(view.MonthPanel.Hint, "pick a date");
    EXPECT_TRUE(view.MonthPanel.ShowHint);
    EXPECT_EQ(view.WeekPanel.Hint, "Week numbers");
    EXPECT_TRUE(view.WeekPanel.ShowHint);
    for (const DayColumnView& day : view.Days) {
        EXPECT_EQ(day.Body.Hint, "Pick an hour");
        EXPECT_TRUE(day.Body.ShowHint);
    }
    EXPECT_FALSE(view.NewButton.ShowHint);
    EXPECT_EQ(view.NewButton.Hint, "Create new Time-Table");
    EXPECT_EQ(view.DetailLabels[1].Caption, "Teacher:");
    EXPECT_EQ(view.DetailLabels[3].Caption, "Room:");
    EXPECT_EQ(view.LessonButtons[kHomeworkButton].Caption, "Hom&ework");
    EXPECT_EQ(view.LessonButtons[kStudentsButton].Caption, "&Students");
}

TEST_P(EnglishCodes, DialogRowsNotSetKeepWhatTheDialogHolds) {
    Applied applied;
    applied.Dialogs.DateFrame = "as designed";
    applied.Dialogs.HolidayCancel = "as designed";
    applied.Dialogs.AskCancel = "overwritten";
    ApplyLanguage(GetParam(), applied.View, applied.Texts, applied.Dialogs);
    EXPECT_EQ(applied.Dialogs.DateFrame, "as designed");
    EXPECT_EQ(applied.Dialogs.HolidayCancel, "as designed");
    EXPECT_EQ(applied.Dialogs.AskCancel, "Cancel");
}

TEST_P(EnglishCodes, DatePickerKeepsItsDesignTexts) {
    const Applied applied = Apply(GetParam());
    EXPECT_EQ(applied.Dialogs.DateFrame, " Date ");
    EXPECT_EQ(applied.Dialogs.DatePickerCancel, "Cancel");
}

INSTANTIATE_TEST_SUITE_P(AnyCodeButSix, EnglishCodes, testing::Values(5, 0, 7, -1));

TEST(DanishTexts, AllMenusAreDanish) {
    const Applied applied = Apply(6);
    for (const auto& [item, texts] : kMenus) {
        EXPECT_EQ((applied.View.Menus.*item).Caption, texts.second) << texts.first;
    }
    ExpectOptionsMenuStaysEnglish(applied.View);
}

TEST(DanishTexts, CancelButtonsSayFortryd) {
    const DialogTexts dialogs = Apply(6).Dialogs;
    for (const std::string& cancel :
         {dialogs.AskCancel, dialogs.DatePickerCancel, dialogs.TimeCancel, dialogs.LessonCancel,
          dialogs.HolidayCancel}) {
        EXPECT_EQ(cancel, "Fortryd");
    }
    EXPECT_EQ(dialogs.DateFrame, " Dato ");
}

TEST(DanishTexts, LessonButtonsHaveNoAcceleratorAndStudentsKeepsItsBlank) {
    const ViewModel view = Apply(6).View;
    EXPECT_EQ(view.LessonButtons[kHomeworkButton].Caption, "Lektier");
    EXPECT_EQ(view.LessonButtons[kLinksButton].Caption, "Links");
    EXPECT_EQ(view.LessonButtons[kTeacherButton].Caption, "Lærer");
    EXPECT_EQ(view.LessonButtons[kStudentsButton].Caption, "Elever ");
    for (const DayColumnView& day : view.Days) EXPECT_EQ(day.Body.Hint, "Vælg time");
}

TEST(DanishTexts, LettersAreUtf8) {
    const MessageTexts texts = Apply(6).Texts;
    EXPECT_EQ(texts.SaveQuestionText, " er blevet \xC3\xA6ndret, skal den gemmes?");
    EXPECT_EQ(texts.DateBefore1970, "Du kan ikke v\xC3\xA6lge datoer fra f\xC3\xB8r 1970.");
    EXPECT_EQ(Apply(6).View.OpenButton.Hint,
              "\xC3\x85"
              "ben skema");
}

TEST(LanguageTexts, ComposedTitlesKeepTheirBlanks) {
    const MessageTexts english = Apply(5).Texts;
    EXPECT_EQ(english.DeleteLessonTitle + "Math" + ", " + "Monday", "Delete class Math, Monday");
    EXPECT_EQ(english.SaveQuestionTitle + english.NoDocumentTitle, "Save Time-table");
    EXPECT_EQ(english.HomeworkHint, "Homework for ");
    EXPECT_EQ(english.WeekNotesHint, "Notes week ");
    const MessageTexts danish = Apply(6).Texts;
    EXPECT_EQ(danish.DeleteLessonTitle, "Slet timen ");
    EXPECT_EQ(danish.SaveQuestionTitle + danish.NoDocumentTitle, "Gem Skema");
    EXPECT_EQ(danish.SchoolMatesHint, "Oplysninger om elever ");
}

// Catches a slot or dialog text left unassigned or assigned twice from the same row.
TEST(LanguageTexts, EverySlotAndDialogTextHasItsOwnDanishText) {
    const Applied english = Apply(5);
    const Applied danish = Apply(6);
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        EXPECT_FALSE((english.Texts.*kSlots[i]).empty()) << "slot " << i;
        EXPECT_NE(english.Texts.*kSlots[i], danish.Texts.*kSlots[i]) << "slot " << i;
    }
    const DialogTexts design = DesignDialogTexts();
    for (std::size_t i = 0; i < kDialogFields.size(); ++i) {
        EXPECT_FALSE((design.*kDialogFields[i]).empty()) << "dialog text " << i;
        EXPECT_NE(design.*kDialogFields[i], danish.Dialogs.*kDialogFields[i])
            << "dialog text " << i;
    }
}

TEST(LanguageTexts, EachRunResetsTheClassNameSlot) {
    Applied applied;
    ApplyLanguage(5, applied.View, applied.Texts, applied.Dialogs);
    applied.Texts.ClassNameText = "6U";
    ApplyLanguage(5, applied.View, applied.Texts, applied.Dialogs);
    EXPECT_EQ(applied.Texts.ClassNameText, "Class");
    applied.Texts.ClassNameText = "6U";
    ApplyLanguage(6, applied.View, applied.Texts, applied.Dialogs);
    EXPECT_EQ(applied.Texts.ClassNameText, "klasse");
}

}  // namespace
}  // namespace skemora

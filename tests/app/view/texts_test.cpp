#include "core/language/texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/state/view_model.h"
#include "app/view/week_grid.h"
#include "app/view/apply_language.h"
#include "core/language/mnemonics.h"

namespace skemora {
namespace {

// Words that Danish writes as English does.
const std::set<std::string> kSameInBoth = {"%1", "OK", "Links", "Version %1"};

template <typename Record>
void ExpectEveryFieldFilledAndTranslated(const std::vector<std::string Record::*>& fields,
                                         const Record& english, const Record& danish) {
    // Every string member of the record is in the table, each once: a slot added to the record
    // but not to the table would stay empty in one language.
    EXPECT_EQ(fields.size() * sizeof(std::string), sizeof(Record));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        for (std::size_t j = i + 1; j < fields.size(); ++j) EXPECT_NE(fields[i], fields[j]) << i;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& en = english.*fields[i];
        const std::string& da = danish.*fields[i];
        EXPECT_FALSE(en.empty()) << "row " << i;
        EXPECT_FALSE(da.empty()) << "row " << i;
        if (!kSameInBoth.contains(en)) {
            EXPECT_NE(en, da) << "row " << i << ": " << en;
        }
    }
}

TEST(TextTables, EveryMessageSlotIsFilledInBothLanguages) {
    ExpectEveryFieldFilledAndTranslated(MessageSlots(), MessageTextsFor(kEnglish),
                                        MessageTextsFor(kDanish));
}

TEST(TextTables, EveryDialogTextIsFilledInBothLanguages) {
    ExpectEveryFieldFilledAndTranslated(DialogTextFields(), DialogTextsFor(kEnglish),
                                        DialogTextsFor(kDanish));
}

TEST(TextTables, AnyCodeButSixIsEnglish) {
    for (int code : {5, 0, 7, -1}) {
        EXPECT_EQ(MessageTextsFor(code).NoDocumentTitle, "Time-table") << code;
        EXPECT_EQ(DialogTextsFor(code).AskCancel, "Cancel") << code;
    }
    EXPECT_EQ(MessageTextsFor(kDanish).NoDocumentTitle, "Skema");
}

TEST(TextTables, DialogTextsTellTheirLanguage) {
    for (int code : {kEnglish, kDanish}) EXPECT_EQ(LanguageOf(DialogTextsFor(code)), code);
    EXPECT_EQ(LanguageOf(DesignDialogTexts()), kEnglish);
}

TEST(ErrorTexts, EveryErrorHasADanishMessageWithItsArguments) {
    const std::vector<SkemoraError> errors = {
        InvalidInteger("x1"),
        CannotCreateFile("/data/Peter.dfd"),
        SkemoraError(ErrorKind::CannotOpenFile, {"/data/a.dfd"}),
        SkemoraError(ErrorKind::DamagedLessonFile, {"/data/S1.dfd", "12", "186"}),
        SkemoraError(ErrorKind::SaveRefused, {"/data/Peter/fratil.dfd"}),
        SkemoraError(ErrorKind::UnreadableNotReplaced, {"/data/a.dff"}, InvalidInteger("q")),
    };
    for (const auto& error : errors) {
        const std::string english = ErrorText(error, kEnglish);
        const std::string danish = ErrorText(error, kDanish);
        EXPECT_EQ(english, error.what());
        EXPECT_NE(english, danish);
        for (const auto& argument : error.Arguments()) {
            EXPECT_NE(danish.find(argument), std::string::npos) << danish;
        }
        EXPECT_EQ(danish.find('%'), std::string::npos) << danish;
    }
    EXPECT_EQ(ErrorText(InvalidInteger("x1"), kEnglish), "'x1' is not a valid integer value");
    EXPECT_EQ(ErrorText(CannotCreateFile("/f"), kEnglish), "Cannot create file /f");
    // A cause is shown in the same language as the error it caused.
    const SkemoraError nested(ErrorKind::UnreadableNotReplaced, {"/a"}, InvalidInteger("q"));
    EXPECT_NE(ErrorText(nested, kDanish).find("'q' er ikke et gyldigt heltal"), std::string::npos);
    // A composed message is shown as it is, in either language.
    EXPECT_EQ(ErrorText(SkemoraError("Filen kan ikke kopieres!"), kEnglish),
              "Filen kan ikke kopieres!");
}

ViewModel BuiltView() {
    ViewModel view;
    BuildWeekView(view, 610, 450, 1);
    return view;
}

std::vector<const MenuItem*> AllMenus(const MenuView& m) {
    return {&m.File,
            &m.NewTimetable,
            &m.Open,
            &m.Save,
            &m.SaveAs,
            &m.Convert,
            &m.ConvertTimetable,
            &m.ConvertCalendar,
            &m.Edit,
            &m.EditTime,
            &m.EditLesson,
            &m.EditDelete,
            &m.EditAdd,
            &m.EditInsert,
            &m.Timetable,
            &m.Holidays,
            &m.HolidaysNew,
            &m.HolidaysDelete,
            &m.School,
            &m.Class,
            &m.Options,
            &m.MondayFirst,
            &m.StartTray,
            &m.RemoveLesson,
            &m.Help,
            &m.HelpItem,
            &m.PopupTime,
            &m.PopupChange,
            &m.PopupDelete,
            &m.PopupAdd,
            &m.PopupInsert,
            &m.Quit,
            &m.LessonTimes};
}

TEST(ApplyLanguage, EnglishKeepsTheDesignedMenusAndDanishTranslatesThemAll) {
    const ViewModel design = BuiltView();
    ViewModel english = design;
    MessageTexts texts;
    DialogTexts dialogs;
    ApplyLanguage(kEnglish, english, texts, dialogs);
    ViewModel danish = design;
    ApplyLanguage(kDanish, danish, texts, dialogs);

    const auto designMenus = AllMenus(design.Menus);
    const auto englishMenus = AllMenus(english.Menus);
    const auto danishMenus = AllMenus(danish.Menus);
    for (std::size_t i = 0; i < designMenus.size(); ++i) {
        EXPECT_FALSE(designMenus[i]->Caption.empty()) << i;
        EXPECT_EQ(englishMenus[i]->Caption, designMenus[i]->Caption) << i;
        EXPECT_NE(danishMenus[i]->Caption, designMenus[i]->Caption) << i;
        // Every Danish menu entry opens by its letter.
        EXPECT_FALSE(MnemonicOf(danishMenus[i]->Caption).empty()) << danishMenus[i]->Caption;
    }
}

TEST(ApplyLanguage, EveryHintAndButtonOfTheWindowIsSetAndTranslated) {
    MessageTexts texts;
    DialogTexts dialogs;
    ViewModel english = BuiltView();
    ApplyLanguage(kEnglish, english, texts, dialogs);
    ViewModel danish = BuiltView();
    ApplyLanguage(kDanish, danish, texts, dialogs);
    const auto elements = [](ViewModel& v) {
        std::vector<Element*> all = {&v.NewButton,       &v.OpenButton,      &v.SaveButton,
                                     &v.ClassField,      &v.PrevYearButton,  &v.NextYearButton,
                                     &v.PrevMonthButton, &v.NextMonthButton, &v.WeekPanel,
                                     &v.MonthPanel};
        for (auto& day : v.Days) all.push_back(&day.Body);
        return all;
    };
    const auto englishElements = elements(english);
    const auto danishElements = elements(danish);
    for (std::size_t i = 0; i < englishElements.size(); ++i) {
        EXPECT_FALSE(englishElements[i]->Hint.empty()) << i;
        EXPECT_NE(englishElements[i]->Hint, danishElements[i]->Hint) << i;
    }
    // The four lesson buttons and the menu bar open by letters of their own.
    std::set<std::string> letters;
    for (const char* letter = kNavigationLetters; *letter; ++letter)
        letters.insert(MnemonicOf(std::string("&") + *letter));
    for (const MenuItem* menu : {&danish.Menus.File, &danish.Menus.Edit, &danish.Menus.Timetable,
                                 &danish.Menus.Options, &danish.Menus.Help})
        EXPECT_TRUE(letters.insert(MnemonicOf(menu->Caption)).second) << menu->Caption;
    for (int k = 0; k < 4; ++k) {
        const std::string shown = LessonButtonCaption(danish, k);
        EXPECT_FALSE(MnemonicOf(shown).empty()) << shown;
        EXPECT_TRUE(letters.insert(MnemonicOf(shown)).second) << shown;
    }
    EXPECT_NE(english.DetailLabels[1].Caption, danish.DetailLabels[1].Caption);
    EXPECT_NE(english.DetailLabels[3].Caption, danish.DetailLabels[3].Caption);
}

TEST(ApplyLanguage, EachRunResetsTheClassNameSlot) {
    ViewModel view = BuiltView();
    MessageTexts texts;
    DialogTexts dialogs;
    ApplyLanguage(kEnglish, view, texts, dialogs);
    texts.ClassNameText = "6U";
    ApplyLanguage(kEnglish, view, texts, dialogs);
    EXPECT_EQ(texts.ClassNameText, "Class");
    texts.ClassNameText = "6U";
    ApplyLanguage(kDanish, view, texts, dialogs);
    EXPECT_EQ(texts.ClassNameText, "klasse");
}

}  // namespace
}  // namespace skemora

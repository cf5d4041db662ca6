#include "app/export/export_commands.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <regex>

#include "support/main_window_fixture.h"
#include "app/window/navigation.h"
#include "core/export/calendar_page.h"
#include "core/export/timetable_page.h"
#include "core/files/text_file.h"
#include "core/holidays/holiday_tables.h"
#include "app/timetable/open_commands.h"

namespace skemora::test {
namespace {

class ExportCommandTest : public MainWindowTest {
protected:
    void OpenPeter(const std::string& className = "6U") {
        platform.TodayDate = {2003, 10, 2};
        Start();
        WriteTimetable("Peter", LessonFile({800, 930, 800, 800, 1305}, 3, className));
        OpenTimetable(ctx, folder / "Peter.dfd");
    }
    std::string Page() const { return folder / "Peter/Peter.html"; }
};

TEST_F(ExportCommandTest, WithoutATimetableBothOfferSaveAsAndWriteNothing) {
    Start();
    ConverttoClick(ctx);
    Calendar1Click(ctx);
    EXPECT_EQ(dialogs.SaveDialogs, 2);
    EXPECT_TRUE(platform.Opened.empty());
}

TEST_F(ExportCommandTest, TheTimetablePageShowsTheGridAsDrawnAndIsOpened) {
    OpenPeter("6<U>");
    WriteLines(folder / "Peter/skol.dfd", {"Byskolen", "Vej 1", "", "", "11 22", "33 44", "x@y"});
    ConverttoClick(ctx);
    ASSERT_EQ(platform.Opened, std::vector<std::string>{Page()});
    const auto lines = ReadLines(Page());
    EXPECT_EQ(lines[3], "<title>Peter</title>");
    EXPECT_EQ(lines[7], "<p>Peter 6&lt;U&gt; Byskolen 11 22 33 44<BR></p>");
    // Tuesday starts later, so its first lesson is drawn one row lower, as in the window.
    EXPECT_NE(lines[10].find("08:00"), std::string::npos);
    EXPECT_NE(lines[11].find("09:30"), std::string::npos);
    EXPECT_NE(lines[14].find("13:05"), std::string::npos);
    EXPECT_EQ(lines[17], "<td align=\"center\" width=\"20%\">S00</td>");
    EXPECT_EQ(lines[18], "<td align=\"center\" width=\"20%\">&nbsp;</td>");
    EXPECT_EQ(ReadBytes(Page()).substr(0, 8), "<html>\r\n");
}

TEST_F(ExportCommandTest, WithoutASchoolFileThePageShowsAQuestionMark) {
    OpenPeter();
    ConverttoClick(ctx);
    EXPECT_EQ(ReadLines(Page())[7], "<p>Peter 6U ?</p>");
}

TEST_F(ExportCommandTest, TheCalendarPageCarriesTheHolidayOfTheShownWeek) {
    OpenPeter();
    WriteLines(folder / HolidayFileName(2003, 10), {"0", "clRed", "Efterår"});
    SelectDate(ctx, 2003, 10, 2);
    Calendar1Click(ctx);
    ASSERT_EQ(platform.Opened.size(), 1u);
    const auto lines = ReadLines(Page());
    bool holiday = false;
    for (const auto& line : lines) holiday |= line.find("Efterår") != std::string::npos;
    EXPECT_TRUE(holiday);
    EXPECT_EQ(lines.back(), "</html>");
}

// The page's bytes read in the encoding its head names (by the C library, not by the program), or
// nothing when they are not valid in it.
std::optional<std::string> ReadAsDeclared(const std::string& bytes) {
    std::smatch match;
    if (!std::regex_search(bytes, match, std::regex("<head>\r\n<meta charset=\"([^\"]+)\">\r\n")))
        return std::nullopt;
    iconv_t converter = iconv_open("UTF-8", match[1].str().c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in = bytes;
    std::string out(in.size() * 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TEST_F(ExportCommandTest, BothPagesNameTheEncodingTheirBytesAreWrittenIn) {
    struct Case {
        const char* ClassName;
        const char* Charset;
    };
    // Danish letters fit Windows-1252; a Polish "Ł" does not, so that page is UTF-8; and "Ã©"
    // fits Windows-1252 only as bytes that would read as UTF-8, so it is written as UTF-8 too.
    // Each text stands in the week's first lesson, which both pages show.
    OpenPeter();
    for (const Case& c : {Case{"6U", "windows-1252"}, Case{"Søren", "windows-1252"},
                          Case{"Łucja", "utf-8"}, Case{"Ã©", "utf-8"}}) {
        for (void (*command)(AppContext&) : {&ConverttoClick, &Calendar1Click}) {
            SCOPED_TRACE(c.ClassName);
            ctx.view.Days[0].Cells[0].Caption = c.ClassName;
            command(ctx);
            const std::string bytes = ReadBytes(Page());
            EXPECT_EQ(ReadLines(Page())[2], std::string("<meta charset=\"") + c.Charset + "\">");
            const auto text = ReadAsDeclared(bytes);
            ASSERT_TRUE(text.has_value());
            EXPECT_NE(text->find(std::string(">") + c.ClassName + "<"), std::string::npos);
        }
    }
}

TEST_F(ExportCommandTest, APageNothingOpensIsToldWithWhereItWasWritten) {
    for (const auto& [language, said] :
         {std::pair{kEnglish, "no program on this computer could open it"},
          std::pair{kDanish, "intet program på denne computer kunne åbne den"}}) {
        for (auto command : {&ConverttoClick, &Calendar1Click}) {
            OpenPeter();
            ctx.state.LanguageCode = language;
            ctx.texts = MessageTextsFor(language);
            platform.OpenWorks = false;
            dialogs.Messages.clear();
            command(ctx);
            ASSERT_EQ(dialogs.Messages.size(), 1u);
            EXPECT_NE(dialogs.Messages[0].find(Page()), std::string::npos) << dialogs.Messages[0];
            EXPECT_NE(dialogs.Messages[0].find(said), std::string::npos) << dialogs.Messages[0];
            EXPECT_TRUE(std::filesystem::exists(Page()));
        }
    }
}

TEST_F(ExportCommandTest, APageThatCannotBeWrittenIsReportedAndNotOpened) {
    OpenPeter();
    // A folder where the page should be: the page cannot replace it, whoever runs the test.
    std::filesystem::create_directory(Page());
    WriteLines(Page() + "/kept.txt", {"kept"});
    EXPECT_THROW(ConverttoClick(ctx), SkemoraError);
    EXPECT_TRUE(platform.Opened.empty());
    EXPECT_EQ(ReadLines(Page() + "/kept.txt"), std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace skemora::test

// The help topics of the window's parts and dialogs. Each is an anchor of the user guide, so F1
// opens the guide where the user is.
#pragma once

#include <string>

namespace skemora {

constexpr int kTopicMainWindow = 100;
constexpr int kTopicFileMenu = 101;
constexpr int kTopicEditMenu = 102;  // also the lesson menu and the lesson and time dialogs
constexpr int kTopicTimetableMenu = 103;  // also the class, holiday and date dialogs
constexpr int kTopicOptionsMenu = 216;
constexpr int kTopicHelpMenu = 100;
constexpr int kTopicHomework = 200;
constexpr int kTopicWeekNotes = 201;
constexpr int kTopicSettings = 300;
constexpr int kTopicMates = 400;
constexpr int kTopicLinks = 700;
constexpr int kTopicContactCard = 100;
constexpr int kTopicQuestion = 100;

// The guide's anchor of a topic: "topic-100".
inline std::string HelpAnchor(int topic) {
    return "topic-" + std::to_string(topic);
}

}  // namespace skemora

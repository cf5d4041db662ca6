// skemora-demo FOLDER: makes the demo time-table in FOLDER relative to today's date, unless it
// is already there, and prints the name to open it with.
#include <ctime>
#include <exception>
#include <iostream>
#include <string>

#include "core/demo/demo_timetable.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skemora-demo DATA-FOLDER\n";
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const skemora::Date today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    try {
        skemora::MakeDemoTimetable(folder, today);
    } catch (const std::exception& error) {
        std::cerr << "skemora-demo: " << error.what() << '\n';
        return 1;
    }
    std::cout << skemora::kDemoUserName << '\n';
    return 0;
}

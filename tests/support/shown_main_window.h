// The real main window built over a test data folder and shown, for the Qt window tests.
#pragma once

#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "gui/window/main_window.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"

namespace skemora::test {

// Shows the window and waits until it is exposed (or active, when asked); fails the running
// test when it does not get there.
inline std::unique_ptr<TForm1> ShowMainWindow(FakeDialogs& dialogs, FakePlatform& platform,
                                              const std::string& folder,
                                              const std::vector<std::string>& arguments,
                                              bool waitActive = false) {
    auto window = std::make_unique<TForm1>(dialogs, dialogs, dialogs, dialogs, platform, folder,
                                           arguments);
    window->show();
    window->activateWindow();
    const bool shown = waitActive ? QTest::qWaitForWindowActive(window.get())
                                  : QTest::qWaitForWindowExposed(window.get());
    if (!shown) {
        QTest::qFail(waitActive ? "the window was not active" : "the window was not exposed",
                     __FILE__, __LINE__);
    }
    return window;
}

}  // namespace skemora::test

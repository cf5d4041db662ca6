// The program's own window for the user guide, used when the desktop has no browser to open it.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

namespace skemora {

class HelpWindow {
public:
    // Shows `page` (an HTML file) scrolled to `anchor`, in front; the one window is reused. While
    // a modal dialog is up, the window belongs to it, so that it takes input. Its title is the
    // page's own.
    void Show(const QString& page, const QString& anchor);
    QTextBrowser* Browser() const { return browser_; }

private:
    QPointer<QTextBrowser> browser_;
};

}  // namespace skemora

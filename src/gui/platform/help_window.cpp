#include "gui/platform/help_window.h"

#include <QApplication>
#include <QUrl>

namespace skemora {

void HelpWindow::Show(const QString& page, const QString& anchor) {
    QWidget* owner = QApplication::activeModalWidget();
    if (browser_ && browser_->parentWidget() != owner) delete browser_;
    if (!browser_) {
        browser_ = new QTextBrowser(owner);
        browser_->setWindowFlag(Qt::Window);
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setObjectName("helpWindow");
        browser_->setOpenLinks(true);
        // Addresses outside the guide go to the desktop, as far as it can.
        browser_->setOpenExternalLinks(true);
        browser_->resize(720, 560);
    }
    QUrl url = QUrl::fromLocalFile(page);
    url.setFragment(anchor);
    browser_->setSource(url);
    browser_->setWindowTitle(browser_->documentTitle());
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

}  // namespace skemora

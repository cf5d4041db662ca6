#include "gui/window/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "app/state/help_topics.h"
#include "core/files/skemora_error.h"
#include "gui/dialogs/help_topic.h"

namespace skemora {

QString ProgramVersion() {
    return QStringLiteral(SKEMORA_VERSION);
}

AboutDialog::AboutDialog(const MessageTexts& texts, const std::string& dataFolder,
                         std::function<void()> openFolder, QWidget* parent)
    : QDialog(parent) {
    setObjectName("aboutDialog");
    SetHelpTopic(this, kTopicHelpMenu);
    setWindowTitle(QString::fromStdString(texts.AboutTitle));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto label = [this](const QString& text, const QString& name) {
        auto* widget = new QLabel(text, this);
        widget->setObjectName(name);
        widget->setWordWrap(true);
        return widget;
    };
    auto* name = label(QStringLiteral("Skemora"), "aboutName");
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    const QString version =
        QString::fromStdString(FillTemplate(texts.AboutVersion, {ProgramVersion().toStdString()}));
    auto* folderLink = label(
        QStringLiteral("<a href=\"folder\">%1</a>").arg(QString::fromStdString(dataFolder).toHtmlEscaped()),
        "aboutDataFolder");
    folderLink->setTextFormat(Qt::RichText);
    folderLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                        Qt::LinksAccessibleByKeyboard);
    connect(folderLink, &QLabel::linkActivated, this,
            [openFolder = std::move(openFolder)](const QString&) { openFolder(); });

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(label(version, "aboutVersion"));
    text->addWidget(label(QString::fromStdString(texts.AboutDescription), "aboutDescription"));
    text->addWidget(label(QString::fromStdString(texts.AboutLicence), "aboutLicence"));
    text->addSpacing(8);
    text->addWidget(label(QString::fromStdString(texts.AboutDataFolder), "aboutDataFolderLabel"));
    text->addWidget(folderLink);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace skemora

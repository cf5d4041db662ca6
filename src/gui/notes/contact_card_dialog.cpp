#include "gui/notes/contact_card_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/state/help_topics.h"
#include "app/state/messages.h"
#include "gui/dialogs/help_topic.h"
#include "gui/dialogs/qt_refused_characters.h"

namespace skemora {

namespace {

struct FieldPlace {
    int Left, Top, Width;
};
constexpr std::array<FieldPlace, kContactFields> kFieldPlaces = {{{8, 24, 121},
                                                                  {8, 48, 121},
                                                                  {8, 72, 121},
                                                                  {8, 96, 121},
                                                                  {192, 24, 153},
                                                                  {192, 48, 153},
                                                                  {192, 96, 153}}};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(10);
        label->setFont(font);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

std::optional<CardKey> CardKeyOf(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CardKey::Enter;
        case Qt::Key_Down:
            return CardKey::Down;
        case Qt::Key_Up:
            return CardKey::Up;
        default:
            return std::nullopt;
    }
}

}  // namespace

TForm7::TForm7(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm7");
    SetHelpTopic(this, kTopicContactCard);
    setModal(true);
    nameAddressLabel_ = MakeLabel(this, "nameAddressLabel", "Name & addrs.", 16, 8, false);
    phoneLabel_ = MakeLabel(this, "phoneLabel", "Phone:", 192, 8, true);
    emailLabel_ = MakeLabel(this, "emailLabel", "Email addrs.", 192, 80, true);
    for (int k = 0; k < kContactFields; ++k) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("field_%1").arg(k + 1));
        const FieldPlace& place = kFieldPlaces[static_cast<std::size_t>(k)];
        field->setGeometry(place.Left, place.Top, place.Width, 21);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this] { changed_ = true; });
        KeepOneLine(field);
        fields_[static_cast<std::size_t>(k)] = field;
    }
    mail_ = new QToolButton(this);
    mail_->setObjectName("mailButton");
    mail_->setGeometry(346, 98, 17, 17);
    mail_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    mail_->setIconSize(QSize(11, 11));
    connect(mail_, &QToolButton::clicked, this, &TForm7::Mail);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("okButton");
    ok_->setGeometry(216, 136, 75, 25);
    ok_->setAutoDefault(true);
    ok_->installEventFilter(this);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kAnswerYes); });

    // As they stand: the name and address column, the phone and e-mail column with the mail
    // button, then OK below.
    QWidget* previous = fields_[0];
    for (QWidget* next : {static_cast<QWidget*>(fields_[1]), static_cast<QWidget*>(fields_[2]),
                          static_cast<QWidget*>(fields_[3]), static_cast<QWidget*>(fields_[4]),
                          static_cast<QWidget*>(fields_[5]), static_cast<QWidget*>(fields_[6]),
                          static_cast<QWidget*>(mail_), static_cast<QWidget*>(ok_)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    setFixedSize(387, 197);
    NameFields();
}

void TForm7::NameFields() {
    // Not label buddies: a buddy would take the "&" of "Name & addrs." for a mnemonic.
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        const QLabel* label = k < 4 ? nameAddressLabel_ : k < 6 ? phoneLabel_ : emailLabel_;
        fields_[k]->setAccessibleName(label->text());
    }
}

void TForm7::setCard(const ContactCardFields& card) {
    for (std::size_t k = 0; k < fields_.size(); ++k)
        fields_[k]->setText(QString::fromStdString(card.Fields[k]));
    fields_[0]->setFocus();
    changed_ = false;
}

ContactCardFields TForm7::card() const {
    ContactCardFields card;
    for (std::size_t k = 0; k < fields_.size(); ++k)
        card.Fields[k] = fields_[k]->text().toStdString();
    return card;
}

void TForm7::setTexts(const QString& nameAddress, const QString& phone, const QString& email) {
    for (auto [label, text] : {std::pair{nameAddressLabel_, nameAddress},
                               std::pair{phoneLabel_, phone}, std::pair{emailLabel_, email}}) {
        if (text.isEmpty()) continue;
        label->setText(text);
        label->adjustSize();
    }
    NameFields();
}

void TForm7::setMailOpener(std::function<void(const std::string&)> opener) {
    mailOpener_ = std::move(opener);
}

void TForm7::setCloseQuestion(CloseQuestion question) {
    closeQuestion_ = std::move(question);
}

void TForm7::reject() {
    CloseAsking(*this, changed_, closeQuestion_);
}

void TForm7::Mail() {
    const auto url = MailUrl(fields_[6]->text().toStdString());
    if (url && mailOpener_) mailOpener_(*url);
}

int TForm7::PositionOf(QObject* widget) const {
    if (widget == ok_) return kCardOkPosition;
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        if (fields_[k] == widget) return static_cast<int>(k);
    }
    return -1;
}

QWidget* TForm7::WidgetAt(int position) const {
    if (position == kCardOkPosition) return ok_;
    return fields_[static_cast<std::size_t>(position)];
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    const int position = PositionOf(watched);
    if (position < 0 || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QDialog::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const auto key = CardKeyOf(keyEvent->key());
    if (!key) return QDialog::eventFilter(watched, event);
    // Enter on OK presses it; in a field Enter moves on, so it must not reach the dialog.
    if (position == kCardOkPosition) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease && !keyEvent->isAutoRepeat()) {
        if (const auto next = CardFocusAfter(position, *key)) WidgetAt(*next)->setFocus();
    }
    return true;
}

}  // namespace skemora

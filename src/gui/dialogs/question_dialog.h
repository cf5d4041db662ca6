// TForm4: the shared Yes/No/Cancel question. exec() answers 6 (Yes), 7 (No) or 2 (Cancel,
// also when the window is closed).
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace skemora {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;
    // Empty texts keep the current caption.
    void setButtonTexts(const QString& yes, const QString& no, const QString& cancel);

    void reject() override;

private:
    QLabel* message_;
    QPushButton* yes_;
    QPushButton* no_;
    QPushButton* cancel_;
};

}  // namespace skemora

// TForm12: the class-name dialog, a small tool window with one text field and "OK".
// exec() answers 6 on OK; closing the window any other way answers 2 and changes nothing.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace skemora {

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    void setClassName(const QString& name);
    QString className() const;
    // Empty texts keep the current ones.
    void setTexts(const QString& title, const QString& prompt);

    void reject() override;

private:
    QLabel* prompt_;
    QLineEdit* name_;
    QPushButton* ok_;
};

}  // namespace skemora

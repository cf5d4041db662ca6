// Tnewtime: the new-user dialog, with the user's name and class and "OK" and "Cancel". Both
// fields are emptied each time it opens; the name refuses the characters a file name cannot
// hold. exec() answers 6 on OK and 2 otherwise; a check set for OK may keep it open.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace skemora {

class Tnewtime : public QDialog {
    Q_OBJECT
public:
    explicit Tnewtime(QWidget* parent = nullptr);

    // Empties both fields and puts the cursor into the name.
    void prepare();
    QString userName() const;
    QString className() const;
    struct Texts {
        QString Title, NameLabel, NameHint, ClassLabel, ClassHint, Cancel;
    };
    // Empty texts keep the current ones.
    void setTexts(const Texts& texts);
    // Asked on OK with the name and class typed; false keeps the dialog open as it is.
    void setCheck(std::function<bool(const QString& name, const QString& className)> check);

    void reject() override;

signals:
    // A refused character was typed or pasted into the name, and removed.
    void refusedCharacter(const QString& character);

private:
    QLabel* nameLabel_;
    QLabel* classLabel_;
    QLineEdit* name_;
    QLineEdit* class_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::function<bool(const QString&, const QString&)> check_;
};

}  // namespace skemora

// The choice of one of a few options: a prompt, one radio button per option (the first checked)
// and OK and Cancel. exec() accepts on OK; chosen() is the checked option's index.
#pragma once

#include <QDialog>
#include <QList>

class QButtonGroup;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace skemora {

class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget* parent = nullptr);

    void setPrompt(const QString& prompt);
    // The options, each with "&" before its letter; the first is checked.
    void setOptions(const QStringList& options);
    void setButtonTexts(const QString& ok, const QString& cancel);
    int chosen() const;

private:
    QLabel* prompt_;
    QVBoxLayout* optionsLayout_;
    QButtonGroup* group_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace skemora

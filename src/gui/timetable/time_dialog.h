// TForm10: the start-time dialog, a small tool window with a masked HH:MM field and "OK" and
// "Cancel". A change that makes no time (hours over 23, minutes over 59) puts back the text the
// dialog opened with; OK on a field that holds no whole time keeps the dialog open. Both report
// invalidTime(). exec() answers 6 on OK and 2 otherwise.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace skemora {

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    // Sets the title and the field; the field's text is the one a bad change falls back to.
    void prepare(const QString& title, const QString& time);
    QString time() const;
    // Empty texts keep the current ones.
    void setCancelText(const QString& cancel);

    void reject() override;

signals:
    // A time outside the day was typed and put back, or OK was pressed without a whole time.
    void invalidTime();

private:
    QLineEdit* time_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QString opening_;
};

}  // namespace skemora

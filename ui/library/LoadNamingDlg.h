#pragma once
// The small box the Library window asks a load's rifle and name with (Save Current Shot...),
// its name alone (Rename...) or its rifle alone (Move to Rifle...). The rifle is typed or
// picked from the rifles the library has.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;

namespace vorlan {

struct LoadNaming {
    enum class Ask { RifleAndName, Name, Rifle };
    Ask ask = Ask::RifleAndName;
    QString title;
    QString rifle;
    QString name;
    QStringList rifles;  // offered in the rifle's list
};

class LoadNamingDlg : public QDialog {
    Q_OBJECT
public:
    LoadNamingDlg(const LoadNaming& offered, QWidget* parent = nullptr);
    LoadNaming answer() const;

private:
    LoadNaming offered_;
    QComboBox* rifle_ = nullptr;
    QLineEdit* name_ = nullptr;
};

// Shows the box; the answer, or none when it was cancelled.
std::optional<LoadNaming> askLoadNaming(QWidget* owner, const LoadNaming& offered);

}  // namespace vorlan

#pragma once
// "From Chronograph": the shots of a chronograph session with a check box each, to leave a
// fouler or a flyer out, their statistics (count, mean, SD, extreme spread) and a small plot of
// velocity by shot. It returns the statistics of the shots kept.
//
// chooseFromChronograph() is the one way in for every window that offers it (the Hit
// Probability window, the Library window): it asks for the file, reads it through the safe
// reader, tells what it cannot read, and shows the dialog.

#include <QDialog>
#include <optional>

#include "shot/chronograph/ChronoStats.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vorlan {

class AppContext;
class ChronoPlot;

struct ChronographChoice {
    ChronoStats stats;         // to 0.1 ft/s, as shown
    bool setVelocity = false;  // the user asked for the shot's muzzle velocity to take the mean
};

class ChronographDialog : public QDialog {
    Q_OBJECT
public:
    // With `offerVelocity` a check box asks whether the shot's muzzle velocity takes the mean;
    // `velocityChecked`: it starts checked.
    ChronographDialog(ChronoSession session, bool offerVelocity, QWidget* parent = nullptr,
                      bool velocityChecked = false);

    // The statistics of the shots kept; none with fewer than two.
    std::optional<ChronoStats> stats() const;
    // The statistics as shown, to 0.1 ft/s, and the check box's answer.
    ChronographChoice choice() const;
    // Keeps or leaves out the shot of a row.
    void setShotKept(int row, bool kept);
    QTableWidget* shotTable() const { return table_; }
    QString statisticsText() const;

private:
    void buildControls(bool offerVelocity, bool velocityChecked);
    void fillTable();
    void onShotsChanged();

    ChronoSession session_;
    QTableWidget* table_;
    QLabel *statistics_, *notes_;
    ChronoPlot* plot_;
    QCheckBox* setVelocity_ = nullptr;
    QPushButton* ok_;
};

// Asks for a session file, shows its shots and returns the statistics of those the user kept;
// none when the user cancels, or when the file cannot give a mean and SD (told in a box).
std::optional<ChronographChoice> chooseFromChronograph(AppContext& context, QWidget* parent, bool offerVelocity,
                                                       bool velocityChecked = false);

}  // namespace vorlan

#pragma once
// "Compute Ballistic Coefficient": a coefficient from two chronograph readings and the
// distance between them, in the main dialog's current air and drag function. Set New BC
// puts a shown coefficient into the main dialog; the readings go back into the shot when the
// window closes.

#include <string>

#include "ui/common/SideWindow.h"

class QLabel;

namespace vorlan {

class CComputeBC : public SideWindow {
    Q_OBJECT
public:
    explicit CComputeBC(SideWindowOwner& owner);

    // The window's number edits with their captions and help, in the order its exchange takes them.
    static std::span<const SideNumberField> fields();
    std::span<const SideNumberField> numberFields() const override { return fields(); }

    void onCompute();
    void onSetNewBC();
    // Why the last Compute gave no coefficient; empty after a usable one.
    QString reason() const;

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;
    void writeBack(SideWindowOwner& owner) override;
    bool enterCloses() const override { return false; }

private:
    void buildControls();

    double nearVelocity_ = 800.0;  // ft/s
    double farVelocity_ = 700.0;   // ft/s
    double distance_ = 100.0;      // ft
    std::string newBc_;            // the shown coefficient, empty without a usable one
    QString newBcLabel_;
    QLabel* reason_;  // why the readings gave no coefficient; empty otherwise
};

}  // namespace vorlan

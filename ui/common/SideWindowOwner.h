#pragma once
// What a side window needs from the dialog that opened it: the shot it reads and writes back,
// and the dialog's fields taken into that shot or shown from it.

class QWidget;

namespace vorlan {

class AppContext;
struct ShotParameters;

class SideWindowOwner {
public:
    // The window the side window belongs to; once it has gone, nothing is written back.
    virtual QWidget* ownerWindow() = 0;
    virtual AppContext& ownerContext() = 0;
    virtual ShotParameters& shot() = 0;
    // Checks the owner's fields and copies them into the shot; false when one fails its check.
    virtual bool takeFields() = 0;
    // Shows the shot in the owner's fields.
    virtual void showFields() = 0;
    // Opens a Truing window of the shot (from the Advanced window).
    virtual void openTruing() {}
    // Side window `window` changed the shot: the table it was opened from, if any, follows.
    virtual void shotChanged(QWidget* /*window*/) {}

protected:
    ~SideWindowOwner() = default;
};

}  // namespace vorlan

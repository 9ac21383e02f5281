#pragma once
// What the Library window needs from the dialog that opened it: the shot on screen to save,
// a load opened into it, and where the window's folder is remembered.

#include <QString>
#include <optional>

#include "shot/ShotParameters.h"

namespace vorlan {

class LibraryWindowOwner {
public:
    // The shot on screen with its fields taken and checked; none when one fails (told there).
    virtual std::optional<ShotParameters> libraryShot() = 0;
    // Opens the shot file as Load does, asking first when the shot on screen has changes that
    // are not saved; false when it is not opened.
    virtual bool openLibraryLoad(const QString& path) = 0;
    // The shot on screen was saved as `path` under the rifle and name of `saved`.
    virtual void savedToLibrary(const QString& path, const ShotParameters& saved) = 0;
    // The preferences file that keeps the folder chosen in the window; empty: none.
    virtual QString preferencesPath() = 0;

protected:
    ~LibraryWindowOwner() = default;
};

}  // namespace vorlan

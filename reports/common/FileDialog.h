#pragma once
// The file dialog every window shows (Open, Save As, Export Chart). Each window keeps its own
// seam in front of it so that tests can answer without a modal loop.

#include <QString>
#include <QStringList>

class QWidget;

namespace vorlan {

// A question for a file dialog.
struct FileRequest {
    enum class Kind { Open, Save, Folder };  // Folder: an existing folder is chosen
    Kind kind = Kind::Open;
    QString title;        // empty: "Open" or "Save As"
    QString initialPath;  // directory and file name offered first
    // A bare name gets the extension of the chosen filter's first pattern ("*.vxf": "vxf").
    QStringList filters{QStringLiteral("VXF Files (*.vxf)")};
    // The shot and table dialogs replace a file without asking.
    bool confirmOverwrite = false;
};

// Shows the dialog; the chosen path, or an empty text when the user cancelled. Any name is
// accepted: an opened file need not exist.
QString runFileDialog(QWidget* owner, const FileRequest& request);

}  // namespace vorlan

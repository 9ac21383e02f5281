#pragma once
// The document of a range table window: the report's lines, the shot's name and the window
// title. It is filled once when the window opens and never modified, so closing a window
// never asks to save.

#include <QString>
#include <string>
#include <vector>

namespace vorlan {

class TrajectoryTable {
public:
    // `screenLines`: the same lines in the chosen language (TableWords), for the screen only;
    // none when they would be the same.
    TrajectoryTable(std::vector<std::string> lines, std::string shotName, QString title,
                    std::vector<std::string> screenLines = {});

    // The report lines in order, as printed and saved; the name line carries its own "\r\n".
    const std::vector<std::string>& lines() const { return lines_; }
    // The lines as the screen shows them: in the chosen language where there is one.
    const std::vector<std::string>& screenLines() const { return screenLines_.empty() ? lines_ : screenLines_; }
    // The default file name when saving.
    const std::string& shotName() const { return shotName_; }
    const QString& title() const { return title_; }

    // Writes the table as a text file (tabs expanded, CR LF line ends) to `path`, creating or
    // replacing it; an existing file is only replaced once the new text is complete. On
    // failure returns false and puts the reason in `error`.
    bool save(const QString& path, QString& error) const;

private:
    const std::vector<std::string> lines_;
    const std::vector<std::string> screenLines_;
    const std::string shotName_;
    const QString title_;
};

// Saves `lines` as save() saves the document's: the table as a window shows it.
bool saveTableLines(const std::vector<std::string>& lines, const QString& path, QString& error);

}  // namespace vorlan

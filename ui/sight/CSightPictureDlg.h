#pragma once
// "Sight Picture": where to hold, drawn on the reticle at the magnification in use. The user
// picks a reticle (a built-in one or a reticle file), the magnification (and, to make the
// reticle second focal plane, the one it is true at), how the holds combine with the turret,
// and a ladder of ranges and a few winds; the picture and the words follow every change.
// Print takes one square page; Export writes PDF, SVG or PNG through the safe writer.
//
//   shot (snapshot) + inputs -> SightRequest -> sightPicture() -> preview, words, printer, file

#include <QString>
#include <memory>
#include <optional>

#include "reports/sight/SightPicture.h"
#include "shot/Units.h"
#include "ui/common/ControlIds.h"
#include "ui/common/ThemedDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlan {

class PagePrinter;
class TypingPause;
class SightPreview;

class CSightPictureDlg : public ThemedDialog {
    Q_OBJECT
public:
    CSightPictureDlg(AppContext& context, ShotParameters shot, UnitSystem units, QWidget* parent = nullptr);
    ~CSightPictureDlg() override;

    // Opens a new window of the shot, deleted when closed.
    static CSightPictureDlg* open(AppContext& context, const ShotParameters& shot, UnitSystem units, QWidget* parent);

    // The picture as the inputs now make it; none when they cannot be read (see message()).
    const std::optional<SightPicture>& picture();
    QString message() const;
    // Adds a reticle file to the choices and picks it; false (with the reason in message())
    // when it cannot be read.
    bool addReticleFile(const QString& path);

    void onPrint();
    void onPrintPreview();
    void onExport();

private:
    void buildControls();
    QLayout* buildButtons();
    void rebuild();
    void scheduleRebuild();
    std::optional<SightRequest> request(std::string& problem);
    Unit chosenWindUnit() const;
    void showWindUnit();
    void onUnitsChanged();

    const ShotParameters shot_;
    const UnitSystem units_;
    Unit windUnit_;                  // the unit the winds are typed in
    std::vector<Reticle> reticles_;  // in the order of the reticle choice
    QComboBox* reticle_;
    QLineEdit* magnification_;
    QLineEdit* trueAt_;
    QComboBox* holdMode_;
    QLineEdit* zeroRange_;
    QLineEdit* ranges_;
    QLineEdit* winds_;
    QLabel* windsLabel_;
    QLabel* message_;
    QPlainTextEdit* words_;
    SightPreview* preview_;
    QList<QPushButton*> pictureCommands_;
    TypingPause* typing_;
    std::optional<SightPicture> picture_;
    std::unique_ptr<PagePrinter> printing_;
};

}  // namespace vorlan

#pragma once
// "Field Card": the card a shooter carries, made from a snapshot of the shot. The user picks
// the rows (a regular list and named targets), the units of the holds, the winds, up to three
// temperatures, extra columns, the card's size and whether several go on one sheet; the
// preview follows every change, and a card that cannot hold its rows and columns says so in
// place of the preview. Print, Print Preview and Print Setup take the print path of the table
// windows; Export writes PDF, SVG or PNG through the safe writer.
//
//   shot (snapshot) + inputs -> FieldCardRequest -> fieldCard() -> fitFieldCard()
//                            -> preview, printer, file

#include <QList>
#include <memory>
#include <optional>
#include <string>

#include "reports/card/FieldCardLayout.h"
#include "reports/card/FieldCardPainter.h"
#include "ui/common/ThemedDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlan {

class FieldCardPreview;
class PagePrinter;
class TypingPause;

class CFieldCardDlg : public ThemedDialog {
    Q_OBJECT
public:
    // `fileName`: the shot file's name for the card's footer; empty for an unsaved shot.
    CFieldCardDlg(AppContext& context, ShotParameters shot, UnitSystem units, std::string fileName,
                  QWidget* parent = nullptr);
    ~CFieldCardDlg() override;

    // The card as the inputs now make it (made at once, without waiting for the pause after
    // typing); none when the inputs cannot be read, with the reason in message().
    const std::optional<FittedCard>& card();
    QString message() const;
    // The sheet of several cards when one is chosen.
    std::optional<SheetPlan> sheet() const;
    // The sight picture's ladder beside the table, when one is chosen; else nullptr.
    const CardPicture* picture() const { return picture_ ? &*picture_ : nullptr; }

    void onPrint();
    void onPrintPreview();
    void onPrintSetup();
    void onExport();

private:
    void buildControls();
    void onUnitsChanged(int index);
    // The shot's kept card ranges as the Targets box shows them, in `units`.
    QString keptRangesText(UnitSystem units) const;
    void rebuild();
    void scheduleRebuild();

    const ShotParameters shot_;
    const std::string fileName_;
    QLineEdit* ranges_;
    QPlainTextEdit* targets_;
    QLineEdit* winds_;
    QLineEdit* temperatures_;
    QComboBox* angle_;
    QComboBox* layout_;
    QComboBox* units_;
    Unit windUnit_;  // the unit the winds are typed in
    QCheckBox* velocity_;
    QCheckBox* time_;
    QCheckBox* energy_;
    QComboBox* sheet_;
    QComboBox* ladder_;
    QLabel* message_;
    FieldCardPreview* preview_;
    QList<QPushButton*> cardCommands_;  // print, preview and export: only with a card
    TypingPause* typing_;
    std::optional<FittedCard> card_;
    std::optional<CardPicture> picture_;
    std::unique_ptr<PagePrinter> printing_;
};

}  // namespace vorlan

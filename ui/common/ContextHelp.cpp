#include "ui/common/ContextHelp.h"

#include <QApplication>
#include <QWidget>

#include "ui/common/ControlIds.h"
#include "ui/common/ThemedDialog.h"

namespace vorlan {

namespace {
constexpr quint32 kDialogHelpBase = 131072;
constexpr quint32 kControlHelpBase = 2147483648u;
}  // namespace

quint32 dialogHelpId(int templateId) { return kDialogHelpBase + static_cast<quint32>(templateId); }

quint32 controlHelpId(int templateId, int controlId) {
    // The comparison window's target-range edit shows the main dialog's target-range help.
    if (templateId == ComparisonIds::kTemplate && controlId == ComparisonIds::kTargetRangeEdit)
        templateId = MainDialogIds::kTemplate;
    return kControlHelpBase + 65536u * static_cast<quint32>(templateId) + static_cast<quint32>(controlId);
}

bool isDialogWithPopupHelp(quint32 helpId) {
    for (const int templateId :
         {MainDialogIds::kTemplate, ComputeBcIds::kTemplate, MaximumRangeIds::kTemplate, OpbzIds::kTemplate,
          ComparisonIds::kTemplate, EvwIds::kTemplate, AdvancedIds::kTemplate, FieldCardIds::kTemplate,
          TruingIds::kTemplate, HitProbabilityIds::kTemplate, SightPictureIds::kTemplate})
        if (helpId == dialogHelpId(templateId)) return true;
    return false;
}

quint32 controlHelpIdAt(QWidget* window, QPoint globalPos, quint32 fallback) {
    const QVariant templateId = window->property("templateId");
    QWidget* child = window->childAt(window->mapFromGlobal(globalPos));
    // Labels and frames carry no number: walk up to the control that holds the point.
    for (; child && child != window; child = child->parentWidget()) {
        const int id = ThemedDialog::controlIdOf(child);
        if (id >= 0 && templateId.isValid()) return controlHelpId(templateId.toInt(), id);
    }
    return fallback;
}

std::optional<quint32> helpIdInWindow(QWidget* window, QPoint globalPos, quint32 contextId) {
    if (!window || !isDialogWithPopupHelp(contextId)) return std::nullopt;
    return controlHelpIdAt(window, globalPos, contextId);
}

std::optional<quint32> helpIdAt(QPoint globalPos, quint32 contextId) {
    QWidget* under = QApplication::widgetAt(globalPos);
    if (!under) return std::nullopt;
    return helpIdInWindow(under->window(), globalPos, contextId);
}

}  // namespace vorlan

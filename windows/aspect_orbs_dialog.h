// View > Aspect Orbs…: how far from exact each kind of aspect still counts, kept in the
// program's per-user settings.
#pragma once

#include "engine/aspects.h"
#include "engine/status.h"

#include <QDialog>

#include <array>

class QDoubleSpinBox;
class QSettings;

namespace starloom {

// The orbs in the settings' "Aspects" group; a value that is missing, not a number or
// outside its range (0 to 15 degrees, 0 to 5 for the luminaries' extra) gives its default.
AspectOrbs LoadAspectOrbs(QSettings &settings);
// Written at once (WriteSettings); WriteFailed when the settings file could not be written.
Status StoreAspectOrbs(QSettings &settings, const AspectOrbs &orbs);

constexpr double kLargestOrb = 15.0;          // degrees
constexpr double kLargestLuminaryExtra = 5.0; // degrees

// A small modal dialog (object name "dlgAspectOrbs") with one box per kind
// ("spnConjunction" .. "spnSextile") and one for the luminaries ("spnLuminaries"),
// in half degrees; "Restore Defaults" puts the common set back.
class AspectOrbsDialog final : public QDialog {
    Q_OBJECT
public:
    AspectOrbsDialog(const AspectOrbs &orbs, QWidget *parent = nullptr);

    AspectOrbs orbs() const;
    void setOrbs(const AspectOrbs &orbs);

private:
    std::array<QDoubleSpinBox *, kAspectKindCount> m_kinds{};
    QDoubleSpinBox *m_luminaries = nullptr;
};

} // namespace starloom

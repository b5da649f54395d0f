#include "windows/aspect_orbs_dialog.h"

#include "shell/core/settings_write.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <cmath>

namespace starloom {

namespace {

const QString kGroup = QStringLiteral("Aspects");
const QString kLuminariesKey = QStringLiteral("Luminaries");
// Settings keys and the dialog's captions, in AspectKind order.
const std::array<QString, kAspectKindCount> kKeys = {
    QStringLiteral("Conjunction"), QStringLiteral("Opposition"), QStringLiteral("Trine"),
    QStringLiteral("Square"), QStringLiteral("Sextile")};
const char *const kCaptions[kAspectKindCount] = {
    QT_TRANSLATE_NOOP("starloom::AspectOrbsDialog", "&Conjunction (0\u00b0):"),
    QT_TRANSLATE_NOOP("starloom::AspectOrbsDialog", "&Opposition (180\u00b0):"),
    QT_TRANSLATE_NOOP("starloom::AspectOrbsDialog", "&Trine (120\u00b0):"),
    QT_TRANSLATE_NOOP("starloom::AspectOrbsDialog", "S&quare (90\u00b0):"),
    QT_TRANSLATE_NOOP("starloom::AspectOrbsDialog", "Se&xtile (60\u00b0):")};

double ReadOrb(QSettings &settings, const QString &key, double fallback, double largest) {
    bool ok = false;
    const double value = settings.value(key).toString().toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0.0 && value <= largest ? value : fallback;
}

QDoubleSpinBox *OrbBox(const QString &name, double largest, QWidget *parent) {
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0.0, largest);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral("\u00b0"));
    return box;
}

} // namespace

AspectOrbs LoadAspectOrbs(QSettings &settings) {
    const AspectOrbs defaults;
    AspectOrbs orbs;
    settings.beginGroup(kGroup);
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        orbs.Orb[kind] = ReadOrb(settings, kKeys[kind], defaults.Orb[kind], kLargestOrb);
    orbs.LuminaryExtra =
        ReadOrb(settings, kLuminariesKey, defaults.LuminaryExtra, kLargestLuminaryExtra);
    settings.endGroup();
    return orbs;
}

Status StoreAspectOrbs(QSettings &settings, const AspectOrbs &orbs) {
    return WriteSettings(settings, [&orbs](QSettings &store) {
        store.beginGroup(kGroup);
        for (int kind = 0; kind < kAspectKindCount; ++kind)
            store.setValue(kKeys[kind], QString::number(orbs.Orb[kind]));
        store.setValue(kLuminariesKey, QString::number(orbs.LuminaryExtra));
        store.endGroup();
    });
}

AspectOrbsDialog::AspectOrbsDialog(const AspectOrbs &orbs, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAspectOrbs"));
    setWindowTitle(tr("Aspect Orbs"));
    auto *column = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("How many degrees from exact an aspect still counts:"), this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    auto *form = new QFormLayout;
    for (int kind = 0; kind < kAspectKindCount; ++kind) {
        m_kinds[kind] = OrbBox(QStringLiteral("spn") + kKeys[kind], kLargestOrb, this);
        form->addRow(tr(kCaptions[kind]), m_kinds[kind]);
    }
    m_luminaries = OrbBox(QStringLiteral("spnLuminaries"), kLargestLuminaryExtra, this);
    m_luminaries->setPrefix(QStringLiteral("+"));
    form->addRow(tr("With the &Sun or the Moon:"), m_luminaries);
    column->addLayout(form);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { setOrbs(AspectOrbs{}); });
    column->addWidget(buttons);
    setOrbs(orbs);
}

AspectOrbs AspectOrbsDialog::orbs() const {
    AspectOrbs orbs;
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        orbs.Orb[kind] = m_kinds[kind]->value();
    orbs.LuminaryExtra = m_luminaries->value();
    return orbs;
}

void AspectOrbsDialog::setOrbs(const AspectOrbs &orbs) {
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        m_kinds[kind]->setValue(orbs.Orb[kind]);
    m_luminaries->setValue(orbs.LuminaryExtra);
}

} // namespace starloom

// The View > Language submenu.
#include "shell/language_menu.h"

#include "shell/core/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace starloom {

namespace {

// Each language under its own name, so that a reader finds it whatever the program speaks.
// (The locale data's own names are regional: "American English", "español de España".)
QString NativeName(const QString &code) {
    static const struct {
        const char *code;
        const char *name;
    } names[] = {{"en", "English"},
                 {"de", "Deutsch"},
                 {"fr", "Français"},
                 {"es", "Español"},
                 {"pt_BR", "Português (Brasil)"},
                 {"it", "Italiano"}};
    for (const auto &entry : names) {
        if (code == QLatin1String(entry.code))
            return QString::fromUtf8(entry.name);
    }
    return code;
}

} // namespace

QMenu *AddLanguageMenu(QMenu *view, const ShellServices &services, QWidget *parent) {
    QMenu *menu = view->addMenu(QCoreApplication::translate("LanguageMenu", "Lan&guage"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString chosen =
        services.settings != nullptr ? ChosenLanguage(*services.settings) : QString();
    auto addChoice = [&](const QString &code, const QString &caption, const QString &name) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [services, parent, code] {
            if (services.settings == nullptr || ChosenLanguage(*services.settings) == code)
                return;
            const Status written = StoreChosenLanguage(*services.settings, code);
            if (services.dialogs == nullptr)
                return;
            if (!written.ok()) {
                ShowStatus(*services.dialogs, parent, written);
                return;
            }
            services.dialogs->showMessage(
                parent, kProgramTitle,
                QCoreApplication::translate("LanguageMenu",
                                            "QM Starloom speaks the language you chose from its "
                                            "next start. Please close it and start it again."),
                MessageIcon::Information);
        });
    };
    addChoice(QString(), QCoreApplication::translate("LanguageMenu", "System Language"),
              QStringLiteral("mnuLanguageSystem"));
    menu->addSeparator();
    for (const QString &code : ShippedLanguageCodes())
        addChoice(code, NativeName(code), QStringLiteral("mnuLanguage_") + code);
    return menu;
}

} // namespace starloom

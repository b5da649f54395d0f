// The View > Language submenu.
#include "shell/language_menu.h"

#include "shell/core/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
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

QString MenuTitle() {
    return QCoreApplication::translate("LanguageMenu", "Lan&guage");
}

QString SystemCaption() {
    return QCoreApplication::translate("LanguageMenu", "System Language");
}

// Keeps the submenu's own texts in the program's language as it changes; the languages'
// names stay as they are, each in its own language.
class LanguageMenuTexts final : public QObject {
public:
    LanguageMenuTexts(QMenu *menu, QAction *system)
        : QObject(menu), m_menu(menu), m_system(system) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_menu && event->type() == QEvent::LanguageChange) {
            m_menu->setTitle(MenuTitle());
            m_system->setText(SystemCaption());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMenu *m_menu;
    QAction *m_system;
};

} // namespace

QMenu *AddLanguageMenu(QMenu *view, const ShellServices &services, QWidget *parent) {
    QMenu *menu = view->addMenu(MenuTitle());
    menu->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString chosen =
        services.settings != nullptr ? ChosenLanguage(*services.settings) : QString();
    auto addChoice = [&](const QString &code, const QString &caption,
                         const QString &name) -> QAction * {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [services, parent, code] {
            if (services.settings == nullptr || ChosenLanguage(*services.settings) == code)
                return;
            const Status written = StoreChosenLanguage(*services.settings, code);
            // At once, whether or not the choice could be kept: the windows that follow the
            // language (the form, its menus, this submenu) change their texts when told.
            UseLanguage(code.isEmpty() ? SystemLanguage() : code);
            if (services.dialogs == nullptr)
                return;
            if (!written.ok()) {
                ShowStatus(*services.dialogs, parent, written);
                return;
            }
            services.dialogs->showMessage(
                parent, kProgramTitle,
                QCoreApplication::translate("LanguageMenu",
                                            "QM Starloom now speaks the language you chose, and "
                                            "will from its next start too. Chart windows already "
                                            "open keep their language until they are opened "
                                            "again."),
                MessageIcon::Information);
        });
        return action;
    };
    QAction *system = addChoice(QString(), SystemCaption(), QStringLiteral("mnuLanguageSystem"));
    new LanguageMenuTexts(menu, system);
    menu->addSeparator();
    for (const QString &code : ShippedLanguageCodes())
        addChoice(code, NativeName(code), QStringLiteral("mnuLanguage_") + code);
    return menu;
}

} // namespace starloom

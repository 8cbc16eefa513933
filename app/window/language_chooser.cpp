#include "app/window/language_chooser.h"

#include "assets/icons.h"
#include "editor/language_command.h"
#include "host/settings_store.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

LanguageChooser::LanguageChooser(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("languageChooser"));
    setWindowTitle(QStringLiteral("Jazyk / Language / Sprache"));
    setModal(true);
    auto* frame = new QGroupBox(QStringLiteral("Jazyk / Language / Sprache"));
    auto* buttons = new QVBoxLayout(frame);
    const struct {
        const char* name;
        const char* caption;
        const char* word;
        const char* flag;
    } languages[] = {{"czechButton", "Česky", "Czech", "mnuCzechIco"},
                     {"englishButton", "English", "English", "mnuEnglishIco"},
                     {"germanButton", "Deutsch", "Deutsch", "mnuDeutschIco"}};
    for (const auto& language : languages) {
        auto* button = new QPushButton(MenuIcon(QLatin1String(language.flag)),
                                       QString::fromUtf8(language.caption));
        button->setObjectName(QLatin1String(language.name));
        button->setMinimumWidth(160);
        const QString word = QLatin1String(language.word);
        connect(button, &QPushButton::clicked, this, [this, word] {
            StoreChosenLanguage(settings_, word);
            accept();
        });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// The translation installed last; owned by the application, so it goes when the application
// goes.
QPointer<QTranslator> installed;

} // namespace

void InstallQtTranslations(Language language) {
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    QString name;
    if (language == Language::Czech)
        name = QStringLiteral("qtbase_cs");
    else if (language == Language::German)
        name = QStringLiteral("qtbase_de");
    else
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

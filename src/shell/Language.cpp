#include "shell/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellora {

namespace {

struct Catalogue {
    QLocale::Language language;
    const char *name;
};

// One catalogue a language; Portuguese is written as in Brazil.
constexpr Catalogue kCatalogues[] = {
    {QLocale::German, "de"},
    {QLocale::French, "fr"},
    {QLocale::Spanish, "es"},
    {QLocale::Portuguese, "pt_BR"},
};

} // namespace

QString CatalogueLanguage(const QStringList &uiLanguages) {
    for (const QString &name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return {};
        for (const Catalogue &catalogue : kCatalogues) {
            if (catalogue.language == language)
                return QString::fromLatin1(catalogue.name);
        }
    }
    return {};
}

void FollowUserLanguage(QObject *owner) {
    const QString language = CatalogueLanguage(QLocale().uiLanguages());
    if (!language.isEmpty()) {
        auto *own = new QTranslator(owner);
        if (own->load(QStringLiteral(":/translations/vellora_") + language))
            QCoreApplication::installTranslator(own);
        else
            delete own;
    }
    // Qt's own catalogues: where Qt is installed, or beside the program (the Windows installer
    // puts them in its "translations" folder).
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        auto *qt = new QTranslator(owner);
        const bool loaded =
            language.isEmpty()
                ? qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)
                : qt->load(QStringLiteral("qtbase_") + language, folder);
        if (loaded) {
            QCoreApplication::installTranslator(qt);
            break;
        }
        delete qt;
    }
}

} // namespace vellora

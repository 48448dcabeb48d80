#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tuk {

void InstallTranslations(QCoreApplication& app) {
    const QLocale locale;
    const QString own =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tu_k/translations");
    for (const auto& [name, folder] :
         {std::pair(QStringLiteral("tu_k"), own),
          {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace tuk

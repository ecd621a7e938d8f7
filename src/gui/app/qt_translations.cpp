#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/text/collation.h"

namespace vorla::gui {

bool install_qt_translations(QCoreApplication& app, std::string_view language) {
    const std::string locale = text::locale_for_language(language);
    if (locale.empty()) return false;
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(locale),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vorla::gui

#include "desktop/words.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <map>
#include <memory>

namespace desktop {

namespace {
const QString kLanguageKey = QStringLiteral("view/language");

// Read before QApplication exists (--help), so named outright.
QSettings settings() { return QSettings(QStringLiteral("Orbelune"), QStringLiteral("Orbelune")); }
}  // namespace

scene::Lookup compiledCatalogue(const std::string& code) {
    static std::map<std::string, std::shared_ptr<QTranslator>> loaded;
    auto& translator = loaded[code];
    if (!translator) {
        translator = std::make_shared<QTranslator>();
        const QString file =
            QStringLiteral(":/i18n/orbelune_%1.qm").arg(QString::fromStdString(code));
        if (!QFile::exists(file) || !translator->load(file)) {
            translator.reset();
            loaded.erase(code);
            return {};
        }
    }
    return [translator](std::string_view context,
                        std::string_view source) -> std::optional<std::string> {
        const QString text =
            translator->translate(std::string(context).c_str(), std::string(source).c_str());
        if (text.isEmpty()) return std::nullopt;
        return text.toStdString();
    };
}

std::string startLanguage(const QString& asked) {
    if (!asked.isNull()) return scene::matchLanguage(asked.toStdString());
    const QString chosen = settings().value(kLanguageKey).toString();
    if (!chosen.isEmpty()) return scene::matchLanguage(chosen.toStdString());
    // As gettext reads them: LANGUAGE's list first, unless the locale is C.
    const QString all = qEnvironmentVariable("LC_ALL");
    const QString messages = qEnvironmentVariable("LC_MESSAGES");
    const QString lang = qEnvironmentVariable("LANG");
    const QString locale = !all.isEmpty() ? all : !messages.isEmpty() ? messages : lang;
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        if (auto found = scene::matchLanguage(qEnvironmentVariable("LANGUAGE").toStdString());
            !found.empty())
            return found;
    return scene::matchLanguage(locale.toStdString());
}

void useLanguage(const std::string& code) { scene::setLanguage(code, compiledCatalogue(code)); }

void useQtWords(const std::string& code) {
    static QTranslator* current = nullptr;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (current) {
        app->removeTranslator(current);
        delete current;
        current = nullptr;
    }
    if (!compiledCatalogue(code)) return;  // English and the pseudo-language keep Qt's English
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QString::fromStdString(code)), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app->installTranslator(translator.get());
        current = translator.release();
    }
}

void rememberLanguage(const std::string& code) {
    settings().setValue(kLanguageKey, QString::fromStdString(code));
}

QString languageArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if ((a == QLatin1String("--lang") || a == QLatin1String("-lang")) &&
            i + 1 < arguments.size())
            return arguments[i + 1];
        if (a.startsWith(QLatin1String("--lang="))) return a.mid(7);
    }
    return {};
}

}  // namespace desktop

#pragma once
// The catalogue on the desktop: the translations compiled into the program (Qt's .qm files,
// made from translations/*.ts), and which language a run starts in.
#include <QString>
#include <QStringList>
#include <string>

#include "scene/words.h"

namespace desktop {

// A text of the desktop front end, looked up in the catalogue (lupdate finds translate()).
inline QString translate(const char* context, const char* source) {
    return QString::fromStdString(scene::translate(context, source));
}

// The compiled translation of a language: a lookup for scene::setLanguage; an empty one where
// the program carries none (English, the pseudo-language).
scene::Lookup compiledCatalogue(const std::string& code);

// The language a run starts in: `asked` (--lang) where given, else the one the Language menu
// chose last, else the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English where none is one
// of the program's.
std::string startLanguage(const QString& asked);

// Every text from now on in this language (also before there is a program: --help).
void useLanguage(const std::string& code);

// Qt's own texts (the file dialog's buttons) in this language too, where Debian's Qt translations
// are installed; once there is an application to install them on.
void useQtWords(const std::string& code);

// Where the Language menu's choice is kept between runs.
void rememberLanguage(const std::string& code);

// "--lang CODE" or "--lang=CODE" among the arguments: what it names, or a null string.
QString languageArgument(const QStringList& arguments);

}  // namespace desktop

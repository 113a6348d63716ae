#pragma once
// The catalogue every shown text is looked up in. English is the source language: a text is
// written in the code as it is shown in English, marked so that Qt's translation tools (lupdate)
// find it, with a context per lesson or module:
//
//   tr("WAIT!")                                   inside a class that says ORBELUNE_WORDS(Lesson12)
//   scene::translate("Navigation", "Main Menu")  anywhere else
//   QT_TRANSLATE_NOOP("Lesson12", " m/s")         in a table, looked up where it is shown
//
// A front end fills the catalogue of the language chosen (the desktop from the compiled
// translations, the browser from the same ones converted to JSON); without one every text is
// its English source. No toolkit here.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
// The same marker as Qt's: the text itself, found by lupdate.
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Declares a class's tr(), whose texts lupdate files under `context` (Qt's Q_DECLARE_TR_FUNCTIONS;
// the translation tools are told that this is its other spelling).
#define ORBELUNE_WORDS(context)                                                                \
public:                                                                                        \
    static std::string tr(const char* source) { return ::scene::translate(#context, source); } \
    static std::string tr(const std::string& source) {                                         \
        return ::scene::translate(#context, source.c_str());                                   \
    }                                                                                          \
                                                                                               \
private:

namespace scene {

// A language the program speaks: its code (as the translation files are named) and its name in
// itself, as the Language menu lists it.
struct Language {
    std::string_view code, name;
};

// In the order the Language menu lists them: the translations, then English.
std::span<const Language> languages();
// The pseudo-language of the tests: every text bracketed and made 40% longer, so that a text
// that does not go through the catalogue, or a box too small for a longer translation, shows.
inline constexpr std::string_view kPseudoLanguage = "pseudo";

// The language one of the six codes, a locale name ("de_DE.UTF-8", "pt-BR", "fr") or a list
// such as LANGUAGE's ("de:fr") means; "" where none of them is one the program speaks (English
// then). The pseudo-language only by its own code.
std::string matchLanguage(std::string_view wanted);

// Looks up a translation: the text, or nothing where the catalogue lacks it (English then).
using Lookup =
    std::function<std::optional<std::string>(std::string_view context, std::string_view source)>;

// The language every text from now on is shown in ("" or "en": English). Texts already shown
// (the captions of forms already created) change with Program::setLanguage.
void setLanguage(std::string_view code, Lookup lookup = {});
const std::string& language();  // "en" for English

// The text shown for `source` (English, as written in the code) in the current language.
std::string translate(const char* context, const char* source);

// The decimal separator of the current language ("." in English): the catalogue's entry for
// "." in the context "Numbers".
const std::string& decimalSeparator();

// Where a text shown in the language before the last setLanguage came from: its context and
// source, for captions that are looked up again. Nothing for a text the catalogue did not give.
std::optional<std::pair<std::string, std::string>> sourceOf(const std::string& shown);

}  // namespace scene

#include "scene/words.h"

#include <array>
#include <map>

namespace scene {

namespace {

constexpr std::array<Language, 6> kLanguages{{
    {"id", "Bahasa Indonesia"},
    {"de", "Deutsch"},
    {"es", "Espa\u00F1ol"},
    {"fr", "Fran\u00E7ais"},
    {"pt_BR", "Portugu\u00EAs (Brasil)"},
    {"en", "English"},
}};

struct Catalogue {
    std::string code = "en";
    Lookup lookup;
    std::string separator = ".";
    // What translate() gave, back to its entry: in the current language and the one before.
    std::map<std::string, std::pair<std::string, std::string>> given, givenBefore;
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

std::size_t characters(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

std::string pseudo(std::string_view source) {
    if (source.empty()) return {};
    const std::size_t longer = (characters(source) * 4 + 9) / 10;
    return "[" + std::string(source) + std::string(longer, '~') + "]";
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

}  // namespace

std::span<const Language> languages() { return kLanguages; }

std::string matchLanguage(std::string_view wanted) {
    // LANGUAGE lists several, best first.
    while (!wanted.empty()) {
        const std::size_t colon = wanted.find(':');
        std::string one = lower(wanted.substr(0, colon));
        wanted = colon == std::string_view::npos ? std::string_view{} : wanted.substr(colon + 1);
        if (one == kPseudoLanguage) return std::string(kPseudoLanguage);
        // "de_DE.UTF-8", "pt-br@euro": the language and its region.
        one = one.substr(0, one.find_first_of(".@"));
        for (char& c : one)
            if (c == '-') c = '_';
        const std::string lang = one.substr(0, one.find('_'));
        if (lang.empty() || lang == "c" || lang == "posix") continue;
        for (const Language& l : kLanguages)
            if (lower(l.code) == one) return std::string(l.code);
        // Portuguese of any region reads the Brazilian translation best of the six.
        for (const Language& l : kLanguages) {
            const std::string code = lower(l.code);
            if (code.substr(0, code.find('_')) == lang) return std::string(l.code);
        }
    }
    return {};
}

void setLanguage(std::string_view code, Lookup lookup) {
    Catalogue& c = catalogue();
    c.code = code.empty() ? "en" : std::string(code);
    c.lookup = c.code == "en" || c.code == kPseudoLanguage ? Lookup{} : std::move(lookup);
    c.givenBefore = std::move(c.given);
    c.given.clear();
    c.separator = ".";
    //: The decimal separator of numbers the lessons compute: "," or "."
    if (c.code != kPseudoLanguage) c.separator = translate("Numbers", ".");
}

const std::string& language() { return catalogue().code; }

std::string translate(const char* context, const char* source) {
    Catalogue& c = catalogue();
    std::string out;
    if (c.code == kPseudoLanguage) {
        out = pseudo(source);
    } else if (c.lookup) {
        auto found = c.lookup(context, source);
        out = found && !found->empty() ? std::move(*found) : std::string(source);
    } else {
        out = source;
    }
    if (!out.empty()) c.given.try_emplace(out, context, source);
    return out;
}

const std::string& decimalSeparator() { return catalogue().separator; }

std::optional<std::pair<std::string, std::string>> sourceOf(const std::string& shown) {
    const Catalogue& c = catalogue();
    auto it = c.givenBefore.find(shown);
    if (it == c.givenBefore.end()) return std::nullopt;
    return it->second;
}

}  // namespace scene

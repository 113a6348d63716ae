#include "web/words.h"

#include <cstdlib>

extern "C" {
// Whether the translations of `code` are at hand (the page has fetched them, the node driver
// has read them).
int web_catalogue_load(const char* code);
// The translation of an entry, malloc'ed, or null where the catalogue lacks it.
char* web_word(const char* context, const char* source);
}

namespace web {

scene::Lookup catalogue(const std::string& code) {
    if (!web_catalogue_load(code.c_str())) return {};
    return [](std::string_view context, std::string_view source) -> std::optional<std::string> {
        char* text = web_word(std::string(context).c_str(), std::string(source).c_str());
        if (!text) return std::nullopt;
        std::string out(text);
        std::free(text);
        return out;
    };
}

}  // namespace web

// The catalogue's translations for the program (web/words.cpp): in the page, the ones it has
// fetched (Orb.words); in the node driver, site/l10n/<code>.json read beside the script.
mergeInto(LibraryManager.library, {
  web_catalogue_load: function (code) {
    code = UTF8ToString(code);
    if (typeof Orb !== "undefined") return Orb.wordsCode === code && Orb.words ? 1 : 0;
    try {
      const fs = require("fs"), path = require("path");
      const file = path.join(__dirname, "site", "l10n", code + ".json");
      globalThis.orbeluneWords = JSON.parse(fs.readFileSync(file, "utf8"));
      return 1;
    } catch (err) {
      return 0;
    }
  },
  web_word: function (context, source) {
    const words = typeof Orb !== "undefined" ? Orb.words : globalThis.orbeluneWords;
    const text = words && words[UTF8ToString(context) + "\u0004" + UTF8ToString(source)];
    if (!text) return 0;
    const n = lengthBytesUTF8(text) + 1;
    const p = _malloc(n);
    stringToUTF8(text, p, n);
    return p;
  },
  web_word__deps: ["malloc"],
});

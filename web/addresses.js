// The address names the page shown ("#Lesson9"), so that Back and Forward walk the pages seen,
// reload comes back to the same page and a copied address opens it. Put after page.js.

/* global Module, Orb */
(function () {
  "use strict";
  if (typeof location === "undefined" || typeof history === "undefined") return;
  const O = Orb;
  // The page the address names starts the program; it wins over ?start=, which an address
  // copied after walking on still carries.
  const named = () => {
    try {
      return decodeURIComponent(location.hash.slice(1)).trim();
    } catch (err) {
      return location.hash.slice(1).trim();
    }
  };
  if (named()) Module.arguments = [named()];

  let shown = "";  // the form of the page shown, as the address names it
  let coming = null;  // the page Back or Forward asked for, which the program now starts
  let page = 0;  // the view of the page shown (not a dialog over it)
  const address = (form) => location.pathname + location.search + "#" + encodeURIComponent(form);

  const activate = O.activateView;
  O.activateView = function (id, caption) {
    activate.apply(this, arguments);
    const v = O.views.get(id), form = O.names.get(id);
    if (!v || !v.maximized || !form) return;  // About and message boxes stand over a page
    page = id;
    if (form === shown) return;
    const first = !shown, asked = coming && coming.toLowerCase() === form.toLowerCase();
    shown = form;
    const state = { orbelune: form };
    // The first page and the one Back or Forward went to have their place in the history.
    if (first || asked) history.replaceState(state, "", address(form));
    else history.pushState(state, "", address(form));
    coming = null;
  };

  // Starts a page as the Lessons menu and Next do, through the shown page's own menu item.
  O.goToPage = function (form) {
    if (O.ended || !page || !form) return false;
    const v = O.views.get(page);
    if (!v) return false;
    const want = form.toLowerCase();
    let chosen = 0;
    O.menuItems.forEach((item, itemId) => {
      if (chosen || !v.items.includes(item) || !item.enabled) return;
      const name = (O.names.get(itemId) || "").toLowerCase();
      if (name === "go_" + want || (want === "utama" && name === "pertama")) chosen = itemId;
    });
    if (chosen) O.push(O.EV.menu, chosen);
    return !!chosen;
  };

  window.addEventListener("popstate", () => {
    const form = named();
    if (!form || !shown || form.toLowerCase() === shown.toLowerCase()) return;
    coming = form;
    if (!O.goToPage(form)) {
      // No such page, or none from here (the program ended): the address says what is shown.
      coming = null;
      if (!O.ended) history.replaceState({ orbelune: shown }, "", address(shown));
    }
  });
})();

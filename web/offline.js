// Offline use: the site's service worker (sw.js) keeps every file after the first visit.
// Put after page.js.

/* global Orb */
(function () {
  "use strict";
  if (typeof navigator === "undefined" || !("serviceWorker" in navigator)) return;
  // http: on 127.0.0.1 and localhost, https: elsewhere; file: has none.
  if (!/^https?:$/.test(location.protocol)) return;
  const register = () =>
    navigator.serviceWorker.register("sw.js").catch((err) => {
      // The lessons still run; only offline use is missing.
      console.warn("offline use not available: " + err.message);
    });
  // Once the first frame is there, so that the first visit's own downloads come first.
  const later = () => (Orb.firstFrame ? register() : setTimeout(later, 250));
  if (document.readyState === "complete") later();
  else window.addEventListener("load", later);
  Orb.offlineReady = () => navigator.serviceWorker.ready.then(() => true);
})();

// Injected at document start into every frame of the exam site. WebKit runs javascript: URLs without asking
// the host first, so the exam window would never hear of the site's commands written as
// javascript:void('fn=...'); links. This script reports those URLs, unchanged, to the host's message
// handler "examhostNavigation"; the URL itself still runs as the page meant it to. Other URLs reach the
// host through WebKit's navigation policy and are not reported here.
(function () {
  'use strict';
  var handler = window.webkit && window.webkit.messageHandlers &&
                window.webkit.messageHandlers.examhostNavigation;
  if (!handler) return;

  function report(url) {
    url = String(url);
    if (/^\s*javascript:/i.test(url)) handler.postMessage(url);
  }

  // Links: the click is remembered in the capture phase and reported once it was not cancelled, as the
  // link then runs. A link whose handler cancels the click runs nothing and is not reported. Pages that
  // stop the click's propagation are covered by the timer, which runs after the click was dispatched.
  var pending = null;
  function flush(click) {
    if (!pending || pending.click !== click) return;
    var url = pending.url;
    pending = null;
    if (!click.defaultPrevented) report(url);
  }
  window.addEventListener('click', function (click) {
    var target = click.target;
    if (target && target.nodeType !== 1) target = target.parentElement;
    var link = target && target.closest ? target.closest('a[href], area[href]') : null;
    if (!link || click.button !== 0) return;
    pending = { click: click, url: link.getAttribute('href').trim() };
    setTimeout(function () { flush(click); }, 0);
  }, true);
  window.addEventListener('click', flush, false);

  // Inline handlers such as onclick="location.href='javascript:...'": an inline handler looks the name
  // "location" up on its element before the document and the window, so an accessor on Element.prototype
  // sees the URL first and passes it on to the real location.
  var real = window.location;
  var watched = new Proxy(real, {
    get: function (target, name) {
      if (name === 'assign' || name === 'replace') {
        return function (url) { report(url); return target[name](url); };
      }
      var value = target[name];
      return typeof value === 'function' ? value.bind(target) : value;
    },
    set: function (target, name, value) {
      if (name === 'href') report(value);
      target[name] = value;
      return true;
    }
  });
  Object.defineProperty(Element.prototype, 'location', {
    configurable: true,
    get: function () { return watched; },
    set: function (url) { report(url); real.href = url; }
  });
})();

// Lets a converted page flow on a narrow window (flow.css), or wherever the
// reader asks for it with the page's control, which the browser remembers.
// It runs before the page division is read, so that a narrow window never
// shows the facsimile first.
(function () {
  'use strict';

  var kStored = 'lexiweb-view';  // "flow", "page", or nothing: by the window's width
  var root = document.documentElement;
  var pageWidth = parseFloat(document.currentScript.getAttribute('data-width')) || 0;

  function stored() {
    try { return localStorage.getItem(kStored); } catch (e) { return null; }
  }
  function store(view) {
    try { localStorage.setItem(kStored, view); } catch (e) { /* a private window: not kept */ }
  }
  function flowing() {
    var view = stored();
    if (view === 'flow') return true;
    if (view === 'page') return false;
    return innerWidth < pageWidth;
  }

  var control = null;
  function apply() {
    var flow = flowing();
    root.classList.toggle('lw-flowing', flow);
    // Listings and tables that scroll by themselves take the keyboard's focus.
    var scrolled = document.querySelectorAll('.lw-code, .lw-table');
    for (var i = 0; i < scrolled.length; i++) {
      if (flow) scrolled[i].setAttribute('tabindex', '0');
      else scrolled[i].removeAttribute('tabindex');
    }
    if (control) {
      control.setAttribute('aria-pressed', flow ? 'true' : 'false');
      control.setAttribute('data-label', flow ? 'Page' : 'Text');
    }
  }
  apply();

  // The blank of a line end, and the hyphen of a word broken there, which
  // the flowing text reads whole.
  function lastText(node) {
    while (node && node.nodeType !== 3) {
      if (node.lastChild) node = node.lastChild;
      else return null;
    }
    return node;
  }
  function textBefore(node) {
    for (; node && node.tagName !== 'P'; node = node.parentNode) {
      for (var s = node.previousSibling; s; s = s.previousSibling) {
        var text = lastText(s);
        if (text) return text;
      }
    }
    return null;
  }
  function firstLetterAfter(node) {
    var walker = document.createTreeWalker(node.parentNode.closest('p') || node.parentNode,
      NodeFilter.SHOW_TEXT);
    walker.currentNode = node;
    var text = walker.nextNode();
    return text ? text.nodeValue.replace(/^\s+/, '').charAt(0) : '';
  }
  function hideHyphen(text) {
    var value = text.nodeValue;
    var at = value.search(/[-\u00ad]\s*$/);
    // The hyphen stands after the word's letters, or alone after the word's span.
    if (at < 0 || (at > 0 && !/\p{L}/u.test(value.charAt(at - 1)))) return false;
    var hyphen = text.splitText(at);
    var span = document.createElement('span');
    span.className = 'lw-hy';
    hyphen.parentNode.insertBefore(span, hyphen);
    span.appendChild(hyphen);
    return true;
  }
  function mendLineEnds() {
    var page = document.querySelector('div[id$="-div"]');
    if (!page) return;
    var breaks = page.querySelectorAll('p br');
    for (var i = 0; i < breaks.length; i++) {
      var before = textBefore(breaks[i]);
      var joined = before && /\p{Ll}/u.test(firstLetterAfter(breaks[i])) && hideHyphen(before);
      if (!joined) {
        var blank = document.createElement('span');
        blank.className = 'lw-sp';
        blank.textContent = ' ';
        breaks[i].after(blank);
      }
    }
    var broken = page.querySelectorAll('p[data-f="h"]');
    for (var j = 0; j < broken.length; j++) {
      var previous = broken[j].previousElementSibling;
      var text = previous && lastText(previous);
      if (text) hideHyphen(text);
    }
  }

  // A page opened at an occurrence shows it in the text as it flows.
  function showOccurrence() {
    if (!root.classList.contains('lw-flowing') || !/^#i\d+$/.test(location.hash)) return;
    var word = document.getElementById(location.hash.slice(1));
    if (word) word.scrollIntoView({ block: 'center' });
  }

  function addControl() {
    control = document.createElement('button');
    control.type = 'button';
    control.className = 'lw-view';
    control.setAttribute('aria-label', 'Text flowing to the window');
    control.addEventListener('click', function () {
      store(root.classList.contains('lw-flowing') ? 'page' : 'flow');
      apply();
    });
    document.body.appendChild(control);
    apply();
  }

  document.addEventListener('DOMContentLoaded', function () {
    mendLineEnds();
    addControl();
    showOccurrence();
  });
  addEventListener('load', showOccurrence);
  addEventListener('resize', function () {
    var was = root.classList.contains('lw-flowing');
    apply();
    if (was !== root.classList.contains('lw-flowing')) showOccurrence();
  });
})();

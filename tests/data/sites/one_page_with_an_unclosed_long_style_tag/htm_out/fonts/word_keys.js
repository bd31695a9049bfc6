// Opens a word's entries in the word index without a mouse, as a double
// click on the word does (its span's own handler, which the page keeps):
// - Enter, with the caret in a word or a word selected (and no link, field
//   or button in focus), opens the word at the caret or the selection's start;
// - a double tap on a word, on a touch screen, opens that word; the page's
//   viewport keeps the browser from taking the double tap for a zoom.
// The page states both in the note its main part is described by.
(function () {
  'use strict';

  var DOUBLE_TAP_MS = 400;
  var DOUBLE_TAP_PX = 24;
  var OCCURRENCE = /^i\d+$/;

  // The word span at `node`, or null: a span whose id names an occurrence
  // and that opens it on a double click. The fitting script wraps pieces of
  // a word in spans of its own, so the word's span is looked for upwards.
  function wordAt(node) {
    for (var element = node && node.nodeType === 1 ? node : node && node.parentNode;
         element && element !== document.body; element = element.parentNode) {
      if (element.nodeType === 1 && element.tagName === 'SPAN' &&
          element.hasAttribute('ondblclick') && (OCCURRENCE.test(element.id) ||
          element.className.indexOf('c') === 0)) {
        return element;
      }
    }
    return null;
  }

  function open(word) {
    word.dispatchEvent(new MouseEvent('dblclick', { bubbles: false, cancelable: true, view: window }));
  }

  function busy(target) {
    return target && target !== document.body && target !== document.documentElement &&
           (target.isContentEditable || /^(A|INPUT|TEXTAREA|SELECT|BUTTON)$/.test(target.tagName));
  }

  document.addEventListener('keydown', function (event) {
    if (event.key !== 'Enter' || event.ctrlKey || event.metaKey || event.altKey ||
        event.shiftKey || busy(event.target)) {
      return;
    }
    var selection = window.getSelection();
    if (!selection || selection.rangeCount === 0) return;
    var word = wordAt(selection.anchorNode) || wordAt(selection.focusNode);
    if (!word) return;
    event.preventDefault();
    open(word);
  });

  // Two taps close together in time and place on one word.
  var lastTap = null;
  document.addEventListener('touchend', function (event) {
    if (event.touches.length > 0 || event.changedTouches.length !== 1) return;
    var touch = event.changedTouches[0];
    var word = wordAt(document.elementFromPoint(touch.clientX, touch.clientY));
    var now = Date.now();
    var tap = { word: word, x: touch.clientX, y: touch.clientY, time: now };
    if (word && lastTap && lastTap.word === word && now - lastTap.time <= DOUBLE_TAP_MS &&
        Math.abs(lastTap.x - tap.x) <= DOUBLE_TAP_PX && Math.abs(lastTap.y - tap.y) <= DOUBLE_TAP_PX) {
      lastTap = null;
      // No zoom, no click of its own, no second opening by a dblclick.
      event.preventDefault();
      open(word);
      return;
    }
    lastTap = tap;
  }, { passive: false });
})();

// Fits each text fragment to its width in the PDF once the fonts have loaded.
(function () {
  'use strict';

  function spaceCount(text) {
    var runs = text.trim().match(/\s+/g);
    return runs ? runs.length : 0;
  }

  function fitWhole(p, width) {
    var actual = p.getBoundingClientRect().width;
    if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    var spaces = spaceCount(p.textContent);
    var fontSize = parseFloat(getComputedStyle(p).fontSize) || 16;
    var perSpace = (width - actual) / spaces;
    if (spaces > 0 && perSpace > -0.2 * fontSize) {
      p.style.wordSpacing = perSpace + 'px';
      actual = p.getBoundingClientRect().width;
      if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    }
    p.style.transformOrigin = '0 0';
    p.style.transform = 'scaleX(' + width / actual + ')';
  }

  // The text nodes of each line of `p`, the lines split at br elements.
  function linesOf(p) {
    var lines = [[]];
    var walker = document.createTreeWalker(p, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
    for (var node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.nodeType === Node.ELEMENT_NODE) {
        if (node.tagName === 'BR') lines.push([]);
      } else if (node.nodeValue.length) {
        lines[lines.length - 1].push(node);
      }
    }
    return lines;
  }

  function lineWidth(nodes) {
    var range = document.createRange();
    range.setStartBefore(nodes[0]);
    range.setEndAfter(nodes[nodes.length - 1]);
    return range.getBoundingClientRect().width;
  }

  function fitLine(nodes, width) {
    if (!nodes.length) return;
    var actual = lineWidth(nodes);
    if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    var text = nodes.map(function (node) { return node.nodeValue; }).join('');
    var spaces = spaceCount(text);
    var property = spaces > 0 ? 'wordSpacing' : 'letterSpacing';
    var amount = (width - actual) / (spaces > 0 ? spaces : Math.max(text.trim().length, 1));
    nodes.forEach(function (node) {
      var wrapper = document.createElement('span');
      wrapper.style[property] = amount + 'px';
      node.parentNode.insertBefore(wrapper, node);
      wrapper.appendChild(node);
    });
  }

  function fit() {
    var fragments = document.querySelectorAll('p[data-w]');
    for (var i = 0; i < fragments.length; i++) {
      var p = fragments[i];
      var widths = p.getAttribute('data-w').split(',').map(Number);
      if (widths.length === 1) {
        fitWhole(p, widths[0]);
      } else {
        var lines = linesOf(p);
        if (lines.length !== widths.length) continue;
        for (var j = 0; j < lines.length; j++) fitLine(lines[j], widths[j]);
      }
    }
  }

  function start() { document.fonts.ready.then(fit); }
  if (document.readyState === 'complete') start();
  else addEventListener('load', start);
})();

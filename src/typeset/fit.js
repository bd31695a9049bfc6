// Fits each text fragment to its width in the PDF once the fonts have loaded.
(function () {
  'use strict';

  function spaceCount(text) {
    var runs = text.trim().match(/\s+/g);
    return runs ? runs.length : 0;
  }

  // The room a space takes in the face and size of `element`, and the least
  // word spacing that leaves it a third of that: words never touch. Kept by
  // class, which names the face and size.
  var floors = {};
  function spacingFloor(element) {
    var key = element.className;
    if (key && floors[key] !== undefined) return floors[key];
    var probe = document.createElement('span');
    probe.style.cssText = 'white-space:pre;word-spacing:0;letter-spacing:0';
    probe.textContent = 'x x';
    element.appendChild(probe);
    var spaced = probe.getBoundingClientRect().width;
    probe.textContent = 'xx';
    var space = spaced - probe.getBoundingClientRect().width;
    element.removeChild(probe);
    var floor = -2 / 3 * Math.max(space, 0);
    if (key) floors[key] = floor;
    return floor;
  }

  // The width `p` takes as set, before any transform of its own.
  function setWidth(p) {
    return getComputedStyle(p).transform === 'none' ? p.getBoundingClientRect().width
                                                     : p.offsetWidth;
  }

  // Scales `p` along its line, after the turn or other transform its class
  // gives it, which keeps its own origin.
  function scaleAlong(p, factor) {
    var own = getComputedStyle(p).transform;
    if (own === 'none') {
      p.style.transformOrigin = '0 0';
      p.style.transform = 'scaleX(' + factor + ')';
    } else {
      p.style.transform = own + ' scaleX(' + factor + ')';
    }
  }

  // Spaces take up the difference as far as the floor lets them; the
  // glyphs are scaled for the rest.
  function fitWhole(p, width) {
    var actual = setWidth(p);
    if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    var spaces = spaceCount(p.textContent);
    if (spaces > 0) {
      p.style.wordSpacing = Math.max((width - actual) / spaces, spacingFloor(p)) + 'px';
      actual = setWidth(p);
      if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    }
    scaleAlong(p, width / actual);
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

  function textOf(nodes) {
    return nodes.map(function (node) { return node.nodeValue; }).join('');
  }

  // Gives a line `scale` times as wide as set its `width`, by the spaces,
  // or between the letters where it has none.
  function fitLine(nodes, width, scale) {
    if (!nodes.length) return;
    var actual = lineWidth(nodes) / scale;
    width /= scale;
    if (!(actual > 0) || Math.abs(actual - width) <= 0.5) return;
    var text = textOf(nodes);
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

  // Lines cannot be scaled one by one: where a line's spaces would have to
  // shrink below the floor, the whole fragment is scaled as far as that
  // line needs, and the other lines' spaces take up the rest.
  function fitLines(p, lines, widths) {
    var floor = spacingFloor(p);
    var scale = 1;
    lines.forEach(function (nodes, j) {
      if (!nodes.length) return;
      var least = lineWidth(nodes) + spaceCount(textOf(nodes)) * floor;
      if (least > 0 && widths[j] < least) scale = Math.min(scale, widths[j] / least);
    });
    if (scale < 1) scaleAlong(p, scale);
    lines.forEach(function (nodes, j) { fitLine(nodes, widths[j], scale); });
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
        if (lines.length === widths.length) fitLines(p, lines, widths);
      }
    }
  }

  function start() { document.fonts.ready.then(fit); }
  if (document.readyState === 'complete') start();
  else addEventListener('load', start);
})();

// Keeps the words of text copied from the page apart, as the PDF's text reads.
(function () {
  'use strict';

  // The pieces of text placed one by one, in the page's order: the
  // converter's fragments, within the blocks of the page's structure, and
  // the words of recognised lines.
  var kPieces = 'div[id$="-div"] p:not(.lexiweb-ocr), p.lexiweb-ocr span[data-w]';

  // A gap narrower than this share of the font size is no word break (a
  // change of face within a word), as poppler's text extraction counts it;
  // the narrowest blank of a justified line is wider. A piece that starts
  // further back than the font size on its line is another word, one that
  // starts less far back overlaps the one before (a logo, an accent drawn
  // by itself).
  var kWordBreak = 0.1;
  var kOverlap = 1;

  function textNodes(element) {
    var nodes = [];
    var walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
    for (var node = walker.nextNode(); node; node = walker.nextNode()) {
      if (/\S/.test(node.nodeValue)) nodes.push(node);
    }
    return nodes;
  }

  // The box of the first or the last visible character of `node`.
  function characterBox(node, last) {
    var text = node.nodeValue;
    var at = last ? text.search(/\S\s*$/) : text.search(/\S/);
    var range = document.createRange();
    range.setStart(node, at);
    range.setEnd(node, at + 1);
    return range.getBoundingClientRect();
  }

  function middle(box) { return (box.top + box.bottom) / 2; }

  // Where the text of `piece` starts and ends: down, where its first and
  // last characters show; across, where its last line ends in the PDF when
  // it carries its lines' widths (data-w; each line starts at its left),
  // which no face or fitting changes, else where its last character shows.
  function extent(piece, nodes) {
    var first = characterBox(nodes[0], false);
    var last = characterBox(nodes[nodes.length - 1], true);
    var widths = piece.getAttribute('data-w');
    var left = widths ? piece.getBoundingClientRect().left : first.left;
    var right = widths ? left + parseFloat(widths.split(',').pop()) : last.right;
    return {
      start: { left: left, top: first.top, bottom: first.bottom, height: first.height },
      end: { right: right, top: last.top, bottom: last.bottom, height: last.height },
    };
  }

  // What stands between the end of one piece and the start of the next:
  // a line end when the next begins another line, a blank when it follows
  // on the same line after a gap or further back, else nothing.
  function separator(end, start, fontSize) {
    var height = Math.max(end.height, start.height);
    if (Math.abs(middle(end) - middle(start)) >= height / 2) return '\n';
    var gap = start.left - end.right;
    return gap > kWordBreak * fontSize || gap < -kOverlap * fontSize ? ' ' : '';
  }

  // Text of font size 0, kept as it is and placed by itself: it shows
  // nothing and moves nothing, yet a selection copies it. It stands beside
  // the piece, not in it, so the piece's own text stays what it was.
  function separatorElement(text) {
    var element = document.createElement('span');
    element.style.position = 'absolute';
    element.style.fontSize = '0';
    element.style.whiteSpace = 'pre';
    element.textContent = text;
    return element;
  }

  function separate() {
    var pieces = document.querySelectorAll(kPieces);
    var placed = [];
    for (var i = 0; i < pieces.length; i++) {
      var nodes = textNodes(pieces[i]);
      if (!nodes.length) continue;
      var place = extent(pieces[i], nodes);
      placed.push({
        element: pieces[i],
        start: place.start,
        end: place.end,
        fontSize: parseFloat(getComputedStyle(pieces[i]).fontSize) || 16,
      });
    }
    // Measured first, changed after: each change would lay the page out anew.
    var texts = [];
    for (var j = 0; j + 1 < placed.length; j++) {
      var fontSize = Math.max(placed[j].fontSize, placed[j + 1].fontSize);
      texts.push(separator(placed[j].end, placed[j + 1].start, fontSize));
    }
    for (var k = 0; k < texts.length; k++) {
      if (texts[k]) placed[k].element.after(separatorElement(texts[k]));
    }
  }

  // After the faces have loaded and the fitting and recognised words'
  // scripts, which come before this one, have placed the text.
  function start() { document.fonts.ready.then(separate); }
  if (document.readyState === 'complete') start();
  else addEventListener('load', start);
})();

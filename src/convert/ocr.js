// Lays each recognised word over its picture and marks the word the page was opened at.
(function () {
  'use strict';

  function place() {
    var words = document.querySelectorAll('p.lexiweb-ocr span[data-w]');
    for (var i = 0; i < words.length; i++) {
      var word = words[i];
      word.style.position = 'absolute';
      word.style.left = word.getAttribute('data-x') + 'px';
      word.style.top = '0';
    }
    // Each line's words stand on its baseline, whatever face the reader's
    // browser sets them in: a probe at the start of the first word shows
    // where the face puts the baseline.
    var lines = document.querySelectorAll('p.lexiweb-ocr[data-b]');
    for (var k = 0; k < lines.length; k++) {
      var first = lines[k].querySelector('span[data-w]');
      if (!first) continue;
      var probe = document.createElement('span');
      probe.style.cssText = 'display:inline-block;width:0;height:0';
      first.insertBefore(probe, first.firstChild);
      var drop = probe.getBoundingClientRect().bottom - first.getBoundingClientRect().top;
      first.removeChild(probe);
      var top = parseFloat(lines[k].getAttribute('data-b')) - drop;
      var lineWords = lines[k].querySelectorAll('span[data-w]');
      for (var m = 0; m < lineWords.length; m++) lineWords[m].style.top = top + 'px';
    }
    for (var j = 0; j < words.length; j++) {
      var actual = words[j].getBoundingClientRect().width;
      var width = parseFloat(words[j].getAttribute('data-w'));
      if (actual > 0 && width > 0) {
        words[j].style.transformOrigin = '0 0';
        words[j].style.transform = 'scaleX(' + width / actual + ')';
      }
    }
  }

  var mark = null;
  function markTarget() {
    var id = decodeURIComponent(location.hash.slice(1));
    var target = id ? document.getElementById(id) : null;
    if (mark) mark.textContent = '';
    if (!target || !target.closest || !target.closest('.lexiweb-ocr')) return;
    var word = null;
    for (var i = 0; i < target.classList.length; i++) {
      if (/^c[0-9]+$/.test(target.classList[i])) word = target.classList[i];
    }
    if (!mark) {
      mark = document.createElement('style');
      document.head.appendChild(mark);
    }
    var selector = word ? '.lexiweb-ocr .' + word : '#' + CSS.escape(id);
    mark.textContent = selector + '{background:rgba(255,0,0,0.4);}';
  }

  function start() {
    markTarget();
    addEventListener('hashchange', markTarget);
    document.fonts.ready.then(place);
  }
  if (document.readyState === 'complete') start();
  else addEventListener('load', start);
})();

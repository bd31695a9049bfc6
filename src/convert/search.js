// Finds a word of the document: a field that offers the words beginning with
// what was typed, each with its number of occurrences, and opens the word
// index at the word's first occurrence. "/" goes to the field.
(function () {
  'use strict';

  var FOLDER = 'words/';
  var OFFERED = 10;
  var QUOTE = 34;
  var LOADING = 1;
  var FAILED = 2;

  // Per part of the word list: its capitalized first key; the part itself
  // once loaded (or LOADING, FAILED). With folded keys, each word of the
  // list comes with its key: the word folded as the word list compares
  // words, without the accents of its letters; else a word is its own key.
  var firstKeys = null;
  var foldedKeys = false;
  var parts = [];
  var box, field, list;
  var offer = null;
  var selected = -1;
  var openOnArrival = false;

  // Words are bytes, held in strings of one character a byte, compared as
  // the word list sorts and groups them: ASCII letters in capitals, the end
  // of a word counting as a double quote, which no word holds.
  function capitals(bytes) {
    return bytes.replace(/[a-z]+/g, function (letters) { return letters.toUpperCase(); });
  }

  // A word holds & < > and the double quote as references, which the pages
  // show as the characters.
  var REFERENCES = { amp: '&', lt: '<', gt: '>', quot: '"' };
  function referencesRead(bytes) {
    if (bytes.indexOf('&') < 0) return bytes;
    return bytes.replace(/&(amp|lt|gt|quot|AMP|LT|GT|QUOT);?/g, function (whole, name) {
      return REFERENCES[name.toLowerCase()];
    });
  }

  function bytesOf(text) {
    var utf8 = new TextEncoder().encode(text);
    var bytes = '';
    for (var i = 0; i < utf8.length; i++) bytes += String.fromCharCode(utf8[i]);
    return bytes;
  }

  // The word as the pages show it.
  function textOf(word) {
    var bytes = referencesRead(word);
    if (!/[\x80-\xff]/.test(bytes)) return bytes;
    var utf8 = new Uint8Array(bytes.length);
    for (var i = 0; i < bytes.length; i++) utf8[i] = bytes.charCodeAt(i);
    return new TextDecoder().decode(utf8);
  }

  // The text folded as the word list folds words: compatibility forms
  // (ligatures, full-width letters) to their plain letters, then every
  // script's case, and the typographic apostrophes as "'".
  function folded(text) {
    return text.normalize('NFKC').toUpperCase().toLowerCase().replace(/[\u2019\u02bc]/g, "'");
  }

  // Without the accents of Latin, Greek and Cyrillic letters.
  function withoutAccents(text) {
    return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').normalize('NFC');
  }

  // The first word of what was typed, as the index cuts words: a Chinese
  // or Japanese phrase typed offers the words of its first word.
  var segmenter = typeof Intl === 'object' && Intl.Segmenter ?
    new Intl.Segmenter(undefined, { granularity: 'word' }) : null;
  function firstWord(text) {
    if (!segmenter) return text.split(/\s+/)[0];
    var segments = segmenter.segment(text);
    for (var segment of segments) {
      if (segment.isWordLike) return segment.segment;
    }
    return '';
  }

  function padded(number, width) {
    var text = String(number);
    while (text.length < width) text = '0' + text;
    return text;
  }

  // -1, 0 or 1 as `key` sorts before the words that begin with `prefix`, is
  // one of them, or sorts after them.
  function against(key, prefix) {
    var length = Math.min(key.length, prefix.length);
    for (var i = 0; i < length; i++) {
      var a = key.charCodeAt(i);
      var b = prefix.charCodeAt(i);
      if (a !== b) return a < b ? -1 : 1;
    }
    if (key.length >= prefix.length) return 0;
    return QUOTE < prefix.charCodeAt(length) ? -1 : 1;
  }

  // The part where the words that begin with `prefix` start: the last one
  // whose first word sorts before them, else the first; or the one after
  // it, when it holds words of another first byte only (a part holds the
  // words of one).
  function startingPart(prefix) {
    var low = 0;
    var high = firstKeys.length - 1;
    while (low < high) {
      var middle = (low + high + 1) >> 1;
      if (against(firstKeys[middle], prefix) < 0) low = middle;
      else high = middle - 1;
    }
    if (low + 1 < firstKeys.length && firstKeys[low].charAt(0) !== prefix.charAt(0)) ++low;
    return low;
  }

  // The words offered for `text`: the first OFFERED that begin with it, and
  // the one it is, if any. Incomplete while a part it needs is loading.
  function offerFor(text) {
    var result = { text: text, found: [], exact: null, complete: true, failed: false };
    if (foldedKeys) return offerByKeys(result);
    var wanted = capitals(bytesOf(text));
    // No word holds a blank or a control character.
    if (firstKeys.length === 0 || /[\x00-\x20]/.test(wanted)) return result;
    // The characters that words hold as references begin with & in the
    // list's order, so the words are looked for from there on.
    var special = wanted.search(/[&<>"]/);
    var prefix = special < 0 ? wanted : wanted.slice(0, special) + '&';
    eachWord(prefix, result, function (entry) {
      if (entry.form.lastIndexOf(wanted, 0) !== 0) return false;
      if (entry.form === wanted) result.exact = entry;
      result.found.push(entry);
      return result.found.length === OFFERED;
    });
    return result;
  }

  // Hands `take` each word whose key begins with `prefix`, in the list's
  // order, until it returns true. A part that is not loaded yet is asked
  // for and leaves the result incomplete; one that failed marks it.
  function eachWord(prefix, result, take) {
    var start = startingPart(prefix);
    for (var p = start; p < firstKeys.length; p++) {
      if (p > start && against(firstKeys[p], prefix) > 0) break;
      var part = parts[p];
      if (part === FAILED) {
        result.failed = true;
        return;
      }
      if (!part || part === LOADING) {
        load(p);
        result.complete = false;
        return;
      }
      for (var i = 0; i < part.length; i++) {
        var order = against(part[i].key, prefix);
        if (order > 0) return;
        if (order === 0 && take(part[i])) return;
      }
    }
  }

  // The words whose keys begin with the key of the typed word; typed with
  // accents, only those whose folded form begins with it too. The words of
  // one key stand with their accented forms first.
  function offerByKeys(result) {
    var typed = folded(firstWord(folded(result.text)));
    var bare = withoutAccents(typed);
    var prefix = capitals(bytesOf(bare.replace(/"/g, '\x7f')));
    if (firstKeys.length === 0 || prefix === '') return result;
    eachWord(prefix, result, function (entry) {
      var form = folded(textOf(entry.word));
      if (typed !== bare && form.lastIndexOf(typed, 0) !== 0) return false;
      if (!result.exact && (form === typed || entry.key === prefix && typed === bare)) {
        result.exact = entry;
      }
      result.found.push(entry);
      return result.found.length === OFFERED;
    });
    return result;
  }

  function addScript(source, done) {
    var script = document.createElement('script');
    script.src = source;
    script.onload = done;
    script.onerror = done;
    document.head.appendChild(script);
  }

  function load(p) {
    if (parts[p]) return;
    parts[p] = LOADING;
    addScript(FOLDER + 'p' + (p + 1) + '.js', function () {
      if (parts[p] !== LOADING) return;
      parts[p] = FAILED;
      refresh();
    });
  }

  window.lexiwebWords = {
    parts: function (keys, keyed) {
      firstKeys = keys;
      foldedKeys = keyed === 'folded';
      build();
    },
    part: function (number, data) {
      var part = [];
      var step = foldedKeys ? 5 : 4;
      for (var i = 0; i + step - 1 < data.length; i += step) {
        var at = foldedKeys ? i + 1 : i;
        part.push({
          word: data[i],
          key: capitals(data[at]),
          form: capitals(referencesRead(data[i])),
          count: data[at + 1],
          href: 'in' + padded(data[at + 2], 6) + '.htm#i' + padded(data[at + 3], 10),
        });
      }
      parts[number - 1] = part;
      refresh();
    },
  };

  function item(n) {
    var element = document.createElement('li');
    element.setAttribute('role', 'option');
    element.id = 'lexiweb-find-' + n;
    return element;
  }

  function show(result) {
    offer = result;
    while (list.firstChild) list.removeChild(list.firstChild);
    result.found.forEach(function (entry, n) {
      var element = item(n);
      var text = textOf(entry.word);
      element.setAttribute('data-word', text);
      element.setAttribute('data-count', String(entry.count));
      element.setAttribute('aria-label', text + ', ' + entry.count +
        (entry.count === 1 ? ' occurrence' : ' occurrences'));
      element.setAttribute('aria-selected', n === selected ? 'true' : 'false');
      list.appendChild(element);
    });
    var note = '';
    if (result.failed) note = 'The word list could not be loaded';
    else if (result.complete && result.found.length === 0) {
      note = 'No word of the document begins with \u201c' + result.text + '\u201d';
    }
    if (note) {
      var element = item('note');
      element.className = 'note';
      element.setAttribute('aria-disabled', 'true');
      element.setAttribute('data-note', note);
      element.setAttribute('aria-label', note);
      list.appendChild(element);
    }
    list.hidden = !list.firstChild;
    field.setAttribute('aria-expanded', list.hidden ? 'false' : 'true');
    if (selected >= 0) field.setAttribute('aria-activedescendant', 'lexiweb-find-' + selected);
    else field.removeAttribute('aria-activedescendant');
  }

  function close() {
    offer = null;
    selected = -1;
    openOnArrival = false;
    if (!list) return;
    list.hidden = true;
    field.setAttribute('aria-expanded', 'false');
    field.removeAttribute('aria-activedescendant');
  }

  function refresh() {
    if (!field) return;
    var text = field.value.trim();
    if (text === '' || document.activeElement !== field) {
      close();
      return;
    }
    if (!offer || offer.text !== text) selected = -1;
    var result = offerFor(text);
    if (selected >= result.found.length) selected = -1;
    show(result);
    if (openOnArrival && result.complete) {
      openOnArrival = false;
      if (result.exact) go(result.exact);
    }
  }

  // Where the all-words page's entry for the word leads.
  function go(entry) {
    location.href = entry.href;
  }

  function onKey(event) {
    var count = offer ? offer.found.length : 0;
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      if (count === 0) return;
      if (event.key === 'ArrowDown') selected = selected + 1 >= count ? 0 : selected + 1;
      else selected = selected <= 0 ? count - 1 : selected - 1;
      show(offer);
    } else if (event.key === 'Enter') {
      event.preventDefault();
      if (!offer) return;
      if (selected >= 0) go(offer.found[selected]);
      else if (!offer.complete) openOnArrival = true;
      else if (offer.exact) go(offer.exact);
    } else if (event.key === 'Escape') {
      event.preventDefault();
      close();
      field.blur();
    }
  }

  var STYLE =
    '#lexiweb-find{position:fixed;right:0;bottom:0;z-index:2147483647;margin:0;padding:0;' +
    'font:13px/1.4 sans-serif;color:#000;text-align:left}' +
    '#lexiweb-find input{box-sizing:border-box;width:8em;min-height:24px;margin:0;padding:1px 4px;' +
    'border:1px solid #888;border-radius:3px 0 0 0;background:#fff;color:#000;font:inherit;' +
    'opacity:.75}' +
    '#lexiweb-find input:focus{width:20em;opacity:1}' +
    '#lexiweb-find ul{position:absolute;right:0;bottom:100%;box-sizing:border-box;width:20em;' +
    'max-height:70vh;overflow:auto;margin:0;padding:0;list-style:none;background:#fff;' +
    'border:1px solid #888;box-shadow:0 -2px 6px rgba(0,0,0,.25)}' +
    '#lexiweb-find li{display:flex;justify-content:space-between;gap:1em;padding:2px 6px;' +
    'cursor:pointer;white-space:nowrap}' +
    '#lexiweb-find li::before{content:attr(data-word);overflow:hidden;text-overflow:ellipsis}' +
    '#lexiweb-find li::after{content:attr(data-count);color:#555}' +
    '#lexiweb-find li[aria-selected=true]{background:#cde}' +
    '#lexiweb-find li.note{cursor:default;font-style:italic;white-space:normal}' +
    '#lexiweb-find li.note::before{content:attr(data-note)}' +
    '#lexiweb-find li.note::after{content:none}';

  function build() {
    if (box || !document.body) return;
    var style = document.createElement('style');
    style.textContent = STYLE;
    document.head.appendChild(style);

    box = document.createElement('div');
    box.id = 'lexiweb-find';
    box.setAttribute('role', 'search');
    list = document.createElement('ul');
    list.id = 'lexiweb-find-list';
    list.hidden = true;
    list.setAttribute('role', 'listbox');
    list.setAttribute('aria-label', 'Words of the document');
    field = document.createElement('input');
    field.type = 'text';
    field.autocomplete = 'off';
    field.spellcheck = false;
    field.placeholder = 'Find a word';
    field.title = 'Find a word of the document (key /)';
    field.setAttribute('aria-label', 'Find a word of the document');
    field.setAttribute('role', 'combobox');
    field.setAttribute('aria-autocomplete', 'list');
    field.setAttribute('aria-controls', list.id);
    field.setAttribute('aria-expanded', 'false');
    box.appendChild(list);
    box.appendChild(field);
    // Right after the page's skip link, where there is one, so that the
    // field is the second stop of the Tab key from the top of the page.
    var skip = document.getElementById('lexiweb-skip');
    if (skip && skip.parentNode === document.body) {
      document.body.insertBefore(box, skip.nextSibling);
    } else {
      document.body.appendChild(box);
    }
    var spacer = document.createElement('div');
    spacer.style.height = box.offsetHeight + 'px';
    document.body.appendChild(spacer);

    field.addEventListener('input', function () {
      openOnArrival = false;
      refresh();
    });
    field.addEventListener('focus', refresh);
    field.addEventListener('blur', close);
    field.addEventListener('keydown', onKey);
    // A press on the list would take the focus from the field and close it.
    list.addEventListener('mousedown', function (event) { event.preventDefault(); });
    list.addEventListener('click', function (event) {
      var n = offer ? Number(String(event.target.id).replace('lexiweb-find-', '')) : NaN;
      if (n >= 0 && n < offer.found.length) go(offer.found[n]);
    });
    document.addEventListener('keydown', function (event) {
      if (event.key !== '/' || event.ctrlKey || event.metaKey || event.altKey) return;
      var target = event.target;
      if (target === field || target.isContentEditable ||
          /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName)) return;
      event.preventDefault();
      field.focus();
      field.select();
    });
  }

  addScript(FOLDER + 'parts.js', function () {});
})();

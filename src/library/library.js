// The search field of a library's pages. Typing offers the library's words
// that begin with what was typed, each with its occurrences and documents;
// choosing one opens its word page. The words stand in search/GROUP.js,
// GROUP being the first two characters of their search key (the word
// folded, without accents) in UTF-8 hex: a script that hands them to
// lexiwebLibrary, since browsers fetch no files of a site opened from disk.
// A group of many words is cut into pieces: GROUP.js then lists the first
// key and the name of each piece, GROUP-KEY.js. Groups hold two characters,
// so one typed character offers only the one-character words and asks for
// a second character: the words that begin with one character may be many.
(function () {
  'use strict';
  var MOST_OFFERS = 10;
  var GROUP_CHARACTERS = 2;
  var root = document.body.getAttribute('data-library') || '';
  var form = document.getElementById('library-search');
  var field = document.getElementById('library-word');
  var list = document.getElementById('library-offers');
  if (!form || !field || !list) return;
  form.hidden = false;

  // Group or piece name -> list of entries, or a list of first keys.
  var loaded = {};
  var waiting = {};
  var chosen = -1;
  var offers = [];

  function folded(text) {
    return text.normalize('NFKC').toUpperCase().toLowerCase().replace(/[\u2019\u02bc]/g, "'");
  }
  function withoutAccents(text) {
    return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').normalize('NFC');
  }
  function hex(text) {
    var bytes = unescape(encodeURIComponent(text));
    var out = '';
    for (var i = 0; i < bytes.length; i++) out += ('0' + bytes.charCodeAt(i).toString(16)).slice(-2);
    return out;
  }
  // Strings of the files carry bytes; the page shows UTF-8 with references read.
  function shown(bytes) {
    var text;
    try { text = decodeURIComponent(escape(bytes)); } catch (e) { text = bytes; }
    return text.replace(/&(amp|lt|gt|quot);/g, function (all, name) {
      return { amp: '&', lt: '<', gt: '>', quot: '"' }[name];
    });
  }

  function load(name, then) {
    if (loaded[name]) return then(loaded[name]);
    if (waiting[name]) { waiting[name].push(then); return; }
    waiting[name] = [then];
    var script = document.createElement('script');
    script.src = root + 'search/' + name + '.js';
    script.onerror = function () { loaded[name] = { words: [] }; finish(name); };
    document.head.appendChild(script);
  }
  function finish(name) {
    var calls = waiting[name] || [];
    delete waiting[name];
    calls.forEach(function (then) { then(loaded[name]); });
  }
  window.lexiwebLibrary = {
    words: function (group, name, data) {
      var words = [];
      for (var i = 0; i + 5 < data.length; i += 6) {
        words.push({ word: data[i], key: data[i + 1], occurrences: data[i + 2],
                     documents: data[i + 3], page: data[i + 4], anchor: data[i + 5], group: group });
      }
      loaded[name] = { words: words };
      finish(name);
    },
    pieces: function (group, keysAndNames) {
      var pieces = [];
      for (var i = 0; i + 1 < keysAndNames.length; i += 2) {
        pieces.push({ key: keysAndNames[i], name: keysAndNames[i + 1] });
      }
      loaded[group] = { pieces: pieces };
      finish(group);
    }
  };

  // The words of a group that begin with `key`, from its one or two pieces.
  function wordsOf(group, key, then) {
    load(group, function (data) {
      if (data.words) return then(data.words);
      var bytes = unescape(encodeURIComponent(key));
      var first = 0;
      while (first + 1 < data.pieces.length && data.pieces[first + 1].key <= bytes) first++;
      load(data.pieces[first].name, function (one) {
        if (first + 1 >= data.pieces.length) return then(one.words);
        load(data.pieces[first + 1].name, function (two) { then(one.words.concat(two.words)); });
      });
    });
  }

  function pageOf(entry) {
    return root + 'words/' + entry.group + entry.page + '.html#' + entry.anchor;
  }

  function show(typed, found, hint) {
    list.textContent = '';
    offers = found;
    chosen = -1;
    if (typed.length > 0 && found.length === 0 && !hint) {
      var none = document.createElement('li');
      none.setAttribute('data-none', 'no such word');
      list.appendChild(none);
      return;
    }
    found.forEach(function (entry, n) {
      var item = document.createElement('li');
      item.setAttribute('role', 'option');
      item.id = 'library-offer-' + n;
      var link = document.createElement('a');
      link.href = pageOf(entry);
      link.textContent = shown(entry.word);
      item.appendChild(link);
      item.appendChild(document.createTextNode(' ' + entry.occurrences + ' in ' +
          entry.documents + (entry.documents === 1 ? ' document' : ' documents')));
      list.appendChild(item);
    });
    // Last, so that the offers keep their places for the arrow keys.
    if (hint) {
      var more = document.createElement('li');
      more.className = 'hint';
      more.textContent = hint;
      list.appendChild(more);
    }
  }

  function offer() {
    var typed = withoutAccents(folded(field.value.trim()));
    if (typed === '') return show('', []);
    var chars = Array.from(typed);
    var group = hex(chars.slice(0, GROUP_CHARACTERS).join(''));
    var key = unescape(encodeURIComponent(typed));
    wordsOf(group, typed, function (words) {
      if (withoutAccents(folded(field.value.trim())) !== typed) return;
      var found = words.filter(function (entry) { return entry.key.indexOf(key) === 0; });
      show(typed, found.slice(0, MOST_OFFERS),
           chars.length < GROUP_CHARACTERS ? 'Type a second character to see more words' : '');
    });
  }

  function choose(n) {
    if (n < 0 || n >= offers.length) return;
    window.location.href = pageOf(offers[n]);
  }

  field.addEventListener('input', offer);
  field.addEventListener('keydown', function (event) {
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      if (offers.length === 0) return;
      event.preventDefault();
      chosen = (chosen + (event.key === 'ArrowDown' ? 1 : offers.length - 1)) % offers.length;
      Array.prototype.forEach.call(list.querySelectorAll('[role="option"]'), function (item, n) {
        item.setAttribute('aria-selected', n === chosen ? 'true' : 'false');
      });
      field.setAttribute('aria-activedescendant', 'library-offer-' + chosen);
    } else if (event.key === 'Escape') {
      show('', []);
    }
  });
  form.addEventListener('submit', function (event) {
    event.preventDefault();
    choose(chosen >= 0 ? chosen : 0);
  });
})();

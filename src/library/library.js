// The search field of a library's pages. Typing offers the library's words
// that begin with what was typed, each with its occurrences and documents;
// choosing one opens its word page. The words stand in search/GROUP.js,
// GROUP being the first two characters of their search key (the word
// folded, without accents) in UTF-8 hex: a script that hands them to
// lexiwebLibrary, since browsers fetch no files of a site opened from disk.
// A group of many words is cut into pieces: GROUP.js then names the first
// key of each piece GROUP-1.js, GROUP-2.js, ...
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
    words: function (group, piece, data) {
      var words = [];
      for (var i = 0; i + 5 < data.length; i += 6) {
        words.push({ word: data[i], key: data[i + 1], occurrences: data[i + 2],
                     documents: data[i + 3], page: data[i + 4], anchor: data[i + 5], group: group });
      }
      var name = piece > 0 ? group + '-' + piece : group;
      loaded[name] = { words: words };
      finish(name);
    },
    pieces: function (group, firstKeys) {
      loaded[group] = { pieces: firstKeys };
      finish(group);
    }
  };

  // The words of a group that begin with `key`, from its one or two pieces.
  function wordsOf(group, key, then) {
    load(group, function (data) {
      if (data.words) return then(data.words);
      var bytes = unescape(encodeURIComponent(key));
      var first = 0;
      while (first + 1 < data.pieces.length && data.pieces[first + 1] <= bytes) first++;
      load(group + '-' + (first + 1), function (one) {
        if (first + 1 >= data.pieces.length) return then(one.words);
        load(group + '-' + (first + 2), function (two) { then(one.words.concat(two.words)); });
      });
    });
  }

  function pageOf(entry) {
    return root + 'words/' + entry.group + (entry.page > 1 ? '-' + entry.page : '') + '.html#w' +
        entry.anchor;
  }

  function show(typed, found) {
    list.textContent = '';
    offers = found;
    chosen = -1;
    if (typed.length > 0 && found.length === 0) {
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
      show(typed, found.slice(0, MOST_OFFERS));
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
      Array.prototype.forEach.call(list.children, function (item, n) {
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

// The page around the program: its controls, menu bar, sliders, pointer,
// timers and the clipboard. The program calls the Module functions below as
// the window's code calls Win32; the page calls the program's kz_ functions.
(() => {
  const kFlashStep = 80;  // milliseconds between the knob flash's steps
  const $ = (id) => document.getElementById(id);
  const root = document.documentElement;
  const boxes = [$('b'), $('m'), $('e')];
  const knobs = [...document.querySelectorAll('.knob')];
  const bar = $('menubar');
  const status = $('status');
  const context = $('panel').getContext('2d');
  let pending = null;  // the comment and mark shown while a command runs, put up when it ends
  let flashing = false, ready = false, scale = 1, grabbed = -1;

  const say = (text, kind = '') => { status.textContent = text; status.className = kind; };
  const paint = (frame) => {
    const w = _kz_width(), h = _kz_height(), p = _kz_pixels(frame);
    context.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.slice(p, p + w * h * 4).buffer), w, h), 0, 0);
  };
  const items = (id) => document.querySelectorAll(`[data-command="${id}"]`);
  const choices = [...bar.querySelectorAll('[data-command]')];

  // What screen readers and the knobs' grab areas need to know after any
  // change: where each knob is, whether it moves, and the checked choices.
  const valueText = (v, shown) => (v > 0 ? `+ ${v}` : v < 0 ? `-  ${-v}` : '+|-  0') + (shown ? '' : ', left out');
  const sync = () => {
    knobs.forEach((knob, s) => {
      const size = Math.max(24, 8 * scale), v = _kz_knob_value(s);
      knob.style.width = knob.style.height = `${size}px`;
      knob.style.left = `${(_kz_knob_left(s) + 4) * scale - size / 2}px`;
      knob.style.top = `${_kz_knob_row(s) * scale - size / 2}px`;
      knob.setAttribute('aria-valuenow', v);
      knob.setAttribute('aria-valuetext', valueText(v, _kz_section_shown(s)));
      knob.setAttribute('aria-disabled', _kz_section_enabled(s) ? 'false' : 'true');
    });
    const current = [];
    for (const item of choices) {
      const c = _kz_choice(+item.dataset.command);
      if (c < 0) continue;
      item.setAttribute('role', 'menuitemradio');
      item.setAttribute('aria-checked', c ? 'true' : 'false');
      if (c) current.push(item.textContent);
    }
    $('panel').setAttribute('aria-label', `Control panel: ${current.join(', ')}`);
  };
  const show = () => {
    if (!pending) return;
    $('comment').value = pending[0];
    $('mark').value = pending[1];
    say(pending[0], 'quiet');
    pending = null;
  };

  Module.showComment = (comment, mark) => { pending = [comment, mark]; };
  Module.checked = (s) => (boxes[s].checked ? 1 : 0);
  Module.check = (s, on) => { boxes[s].checked = !!on; };
  Module.grey = (id, greyed) => items(id).forEach((b) => b.setAttribute('aria-disabled', greyed ? 'true' : 'false'));
  Module.copyComment = () => {
    const text = pending ? pending[0] : $('comment').value;
    navigator.clipboard.writeText(text).catch(() => say('The browser did not let the page use the clipboard.', 'quiet'));
  };
  // A page cannot close its tab: the program stops and the page says so.
  Module.exit = () => { ready = false; $('window').hidden = true; $('ended').hidden = false; $('again').focus(); };
  $('again').addEventListener('click', () => location.reload());
  Module.dialog = (id) => {
    const dialog = $('dialog-' + id), back = document.activeElement;
    dialog.addEventListener('close', () => back && back.focus(), { once: true });
    dialog.showModal();
  };
  Module.title = (text) => { document.title = $('caption').textContent = text; };

  // Runs a command; a knob flash plays its frames one step apart, and the
  // comment shows when it is over, as in the window.
  const command = (id) => {
    if (!ready || flashing) return;
    pending = null;
    const frames = _kz_command(id);
    const finish = () => { paint(-1); show(); sync(); flashing = false; };
    if (frames === 0) return finish();
    flashing = true;
    document.body.dataset.busy = '1';
    for (let k = 1; k < frames; ++k) setTimeout(() => paint(k), k * kFlashStep);
    setTimeout(() => { finish(); delete document.body.dataset.busy; }, frames * kFlashStep);
  };

  // Buttons and checkboxes (already toggled when the click arrives); nothing
  // is taken during a flash.
  document.querySelectorAll('#client [data-command]').forEach((control) => control.addEventListener('click', (e) => {
    if (!ready || flashing) return e.preventDefault();
    command(+control.dataset.command);
  }));

  // The menu bar, as the WAI-ARIA menubar pattern has it: one Tab stop, the
  // arrows between and within menus, Enter or Space to choose, Escape to
  // close; after a command or leaving the bar, focus goes back to where it was.
  const tops = [...bar.children].map((li) => li.firstElementChild);
  const menuOf = (item) => item.nextElementSibling;
  const entries = (menu) => [...menu.children].map((li) => li.firstElementChild).filter(Boolean);
  const parentOf = (item) => (item.parentElement.parentElement === bar ? null : item.parentElement.parentElement.previousElementSibling);
  const topOf = (item) => (parentOf(item) ? topOf(parentOf(item)) : item);
  const expand = (item, on) => {
    item.setAttribute('aria-expanded', on ? 'true' : 'false');
    if (!on) menuOf(item).querySelectorAll('[aria-expanded="true"]').forEach((i) => expand(i, false));
  };
  const openMenu = (item, at) => {
    const list = parentOf(item) ? entries(item.parentElement.parentElement) : tops;
    list.forEach((i) => i !== item && i.hasAttribute('aria-haspopup') && expand(i, false));
    expand(item, true);
    const inside = entries(menuOf(item));
    if (at !== undefined) inside[at < 0 ? inside.length - 1 : 0].focus();
  };
  const focusTop = (item, open) => {
    tops.forEach((t) => { t.tabIndex = t === item ? 0 : -1; if (t !== item) expand(t, false); });
    item.focus();
    if (open) openMenu(item, 0);
  };
  let origin = null, tabbing = false;
  document.addEventListener('keydown', (e) => { tabbing = e.key === 'Tab'; }, true);
  document.addEventListener('pointerdown', () => { tabbing = false; }, true);
  bar.addEventListener('focusin', (e) => {
    if (bar.contains(e.relatedTarget)) return;
    origin = !tabbing && e.relatedTarget && e.relatedTarget !== document.body ? e.relatedTarget : e.target;
  });
  bar.addEventListener('focusout', (e) => { if (!bar.contains(e.relatedTarget)) { tops.forEach((t) => expand(t, false)); } });
  const leave = () => {
    const back = origin;
    origin = null;
    tops.forEach((t) => expand(t, false));
    if (back && back.isConnected) back.focus();
    else if (bar.contains(document.activeElement)) topOf(document.activeElement).focus();
  };
  const choose = (item) => {
    if (item.hasAttribute('aria-haspopup')) return openMenu(item, 0);
    if (item.getAttribute('aria-disabled') === 'true') return;
    leave();
    command(+item.dataset.command);
  };
  bar.addEventListener('click', (e) => {
    const item = e.target.closest('button');
    if (!item) return;
    if (!parentOf(item) && item.getAttribute('aria-expanded') === 'true') return expand(item, false);
    if (!parentOf(item)) { focusTop(item, false); return openMenu(item); }
    if (item.hasAttribute('aria-haspopup')) return openMenu(item);
    choose(item);
  });
  bar.addEventListener('pointerover', (e) => {
    const item = e.target.closest('button');
    if (!item || e.pointerType !== 'mouse') return;
    if (!parentOf(item) && tops.some((t) => t !== item && t.getAttribute('aria-expanded') === 'true')) focusTop(item, false), openMenu(item);
    else if (parentOf(item) && item.hasAttribute('aria-haspopup')) openMenu(item);
  });
  bar.addEventListener('keydown', (e) => {
    const item = e.target, up = parentOf(item), list = up ? entries(item.parentElement.parentElement) : tops;
    const at = (d) => list[(list.indexOf(item) + d + list.length) % list.length];
    const nextTop = (d) => tops[(tops.indexOf(topOf(item)) + d + tops.length) % tops.length];
    const anyOpen = tops.some((t) => t.getAttribute('aria-expanded') === 'true');
    const keys = {
      ArrowRight: () => (!up ? focusTop(at(1), anyOpen) : item.hasAttribute('aria-haspopup') ? openMenu(item, 0) : focusTop(nextTop(1), true)),
      ArrowLeft: () => (!up ? focusTop(at(-1), anyOpen) : parentOf(up) ? (expand(up, false), up.focus()) : focusTop(nextTop(-1), true)),
      ArrowDown: () => (!up ? openMenu(item, 0) : at(1).focus()),
      ArrowUp: () => (!up ? openMenu(item, -1) : at(-1).focus()),
      Home: () => (!up ? focusTop(tops[0]) : list[0].focus()),
      End: () => (!up ? focusTop(tops[tops.length - 1]) : list[list.length - 1].focus()),
      Enter: () => choose(item),
      ' ': () => choose(item),
      Escape: () => (up ? (expand(up, false), up.focus()) : leave()),
    };
    if (!keys[e.key] || e.altKey || e.ctrlKey || e.metaKey) return;
    e.preventDefault();
    e.stopPropagation();
    keys[e.key]();
  });
  // Alt and a menu's underlined letter opens that menu; F10 goes to the bar.
  document.addEventListener('keydown', (e) => {
    const top = e.altKey && !e.ctrlKey && bar.querySelector(`[data-key="${e.key.toLowerCase()}"]`);
    if (top) { focusTop(top, true); e.preventDefault(); }
    if (e.key === 'F10' && !e.altKey && !e.ctrlKey) { focusTop(tops[0], false); e.preventDefault(); }
  });
  // Ctrl shortcuts (Ctrl+R: Edit > Random) work as their menu items, except
  // in the comment box, as in the window.
  document.addEventListener('keydown', (e) => {
    const item = e.ctrlKey && !e.altKey && bar.querySelector(`[data-ctrl="${e.key.toUpperCase()}"]`);
    if (!item) return;
    e.preventDefault();
    if (document.activeElement !== $('comment') && item.getAttribute('aria-disabled') !== 'true') command(+item.dataset.command);
  });

  // The knobs: keyboard sliders, and grab areas for mouse, pen and touch
  // that keep the pointer until it is released or cancelled, wherever.
  const kSteps = { ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1, PageUp: 10, PageDown: -10, Home: 1000, End: -1000 };
  const panelY = (e) => Math.floor((e.clientY - $('panel').getBoundingClientRect().top) / scale);
  const release = () => {
    if (grabbed < 0) return;
    grabbed = -1;
    _kz_pointer(2, 0, 0);
    paint(-1);
    sync();
  };
  knobs.forEach((knob, s) => {
    knob.addEventListener('keydown', (e) => {
      if (!(e.key in kSteps) || e.altKey || e.ctrlKey || e.metaKey) return;
      e.preventDefault();
      if (!ready || flashing) return;
      _kz_step_knob(s, kSteps[e.key]);
      paint(-1);
      sync();
    });
    knob.addEventListener('pointerdown', (e) => {
      if (!ready || flashing || e.button !== 0) return;
      knob.setPointerCapture(e.pointerId);
      grabbed = s;
      _kz_pointer(0, _kz_knob_left(s) + 4, _kz_knob_row(s));  // on the knob itself
      paint(-1);
    });
    knob.addEventListener('pointermove', (e) => {
      if (grabbed !== s || flashing) return;
      _kz_pointer(1, 0, panelY(e));
      paint(-1);
      sync();
    });
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach((type) => knob.addEventListener(type, release));
  });

  // The panel's size: the window's own (an integer number of device pixels
  // per panel pixel) where it fits, else the largest that fits; integer
  // pixels are kept when they cost at most a tenth of the size.
  const fit = () => {
    const dpr = window.devicePixelRatio || 1;
    const room = root.clientWidth - (getComputedStyle(root).getPropertyValue('--narrow').trim() === '1' ? 0 : 20);
    const target = Math.min(Math.max(1, Math.round(dpr)), room * dpr / _kz_width());
    const whole = Math.floor(target);
    scale = (whole >= 1 && whole / target >= 0.9 ? whole : target) / dpr;
    root.style.setProperty('--s', scale);
  };
  // Like the window's class, the page paints the whole panel when resized.
  window.addEventListener('resize', () => {
    if (!ready) return;
    fit();
    sync();
    if (!flashing) { _kz_paint(); paint(-1); }
  });

  // The program's file cannot be fetched (or, from a file, at all).
  const failed = () => {
    ready = false;
    say(location.protocol === 'file:'
      ? 'Kudomat Zub cannot start from a file: its program (kudomat_zub.wasm) must come from a web server. Serve this folder (make serve) and open the page from there.'
      : 'Kudomat Zub could not load its program (kudomat_zub.wasm). Check the connection and reload the page.', 'error');
  };
  Module.onAbort = failed;
  window.addEventListener('unhandledrejection', () => { if (!ready) failed(); });
  if (location.protocol === 'file:') failed();  // browsers fetch nothing for a page opened as a file
  Module.onRuntimeInitialized = () => {
    _kz_start();
    fit();
    paint(-1);
    show();
    sync();
    say('', 'quiet');
    ready = true;
    document.body.dataset.ready = performance.now();
    if ('serviceWorker' in navigator && location.protocol !== 'file:') navigator.serviceWorker.register('sw.js').catch(() => {});
  };
})();

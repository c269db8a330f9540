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

  menubar(bar, command);

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
  // pixels are kept when they cost at most a tenth of the size. With room to
  // spare, the largest whole number of device pixels per panel pixel that
  // fits, up to two CSS pixels.
  const fit = () => {
    const dpr = window.devicePixelRatio || 1, w = _kz_width();
    const narrow = getComputedStyle(root).getPropertyValue('--narrow').trim() === '1';
    const room = root.clientWidth - (narrow ? 0 : 20);
    const target = Math.min(Math.max(1, Math.round(dpr)), room * dpr / w);
    const whole = Math.floor(target);
    let device = whole >= 1 && whole / target >= 0.9 ? whole : target;
    const tall = (k) => (_kz_height() + 32) * k / dpr + 24;  // the window with its caption and menu bar, or a little more
    for (let k = Math.floor(2 * dpr); !narrow && k > device; --k) {
      if (k * w <= room * dpr && tall(k) <= innerHeight - 16) { device = k; break; }
    }
    scale = device / dpr;
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
  // The window is sized while the page lays out nothing else; it shows once
  // it holds the painted panel. The service worker, which keeps the page's
  // files for offline use, starts after that frame.
  Module.onRuntimeInitialized = () => {
    fit();
    _kz_start();
    paint(-1);
    show();
    sync();
    say('', 'quiet');
    ready = true;
    document.body.dataset.ready = performance.now();
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
      requestAnimationFrame(() => setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {})));
    }
  };
})();

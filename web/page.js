// The page around the program: its controls, menu bar, sliders, pointer,
// timers and the clipboard. The program calls the Module functions below as
// the window's code calls Win32; the page calls the program's kz_ functions.
(() => {
  const $ = (id) => document.getElementById(id);
  const root = document.documentElement;
  const boxes = [$('b'), $('m'), $('e')];
  const knobs = [...document.querySelectorAll('.knob')];
  const bar = $('menubar');
  const status = $('status');
  const context = $('panel').getContext('2d');
  let flashing = false, ready = false, scale = 1, grabbed = -1;

  const say = (text, kind = '') => { status.textContent = text; status.className = kind; };
  const paint = () => {
    const w = _kz_width(), h = _kz_height(), p = _kz_pixels();
    context.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.slice(p, p + w * h * 4).buffer), w, h), 0, 0);
  };
  const items = (id) => document.querySelectorAll(`[data-command="${id}"]`);

  // What screen readers and the knobs' grab areas need to know after any
  // change, as the program says it: where each knob is, its value, whether
  // it moves, and the choices in force.
  const sync = () => {
    knobs.forEach((knob, s) => {
      const size = Math.max(24, 8 * scale);
      knob.style.width = knob.style.height = `${size}px`;
      knob.style.left = `${_kz_knob_x(s) * scale - size / 2}px`;
      knob.style.top = `${_kz_knob_row(s) * scale - size / 2}px`;
      knob.setAttribute('aria-valuenow', _kz_knob_value(s));
      knob.setAttribute('aria-valuetext', UTF8ToString(_kz_knob_text(s)));
      knob.setAttribute('aria-disabled', _kz_knob_enabled(s) ? 'false' : 'true');
    });
    $('panel').setAttribute('aria-label', `Control panel: ${UTF8ToString(_kz_choices())}`);
  };

  Module.showComment = (comment, mark) => {
    $('comment').value = comment;
    $('mark').value = mark;
    say(comment, 'quiet');
  };
  Module.check = (s, on) => { boxes[s].checked = !!on; };
  // A style, spelling or role item is a radio item, checked while in force.
  Module.item = (id, greyed, inForce) => items(id).forEach((b) => {
    b.setAttribute('aria-disabled', greyed ? 'true' : 'false');
    if (inForce < 0) return;
    b.setAttribute('role', 'menuitemradio');
    b.setAttribute('aria-checked', inForce ? 'true' : 'false');
  });
  Module.copyComment = () => {
    navigator.clipboard.writeText($('comment').value).catch(() => say('The browser did not let the page use the clipboard.', 'quiet'));
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

  // Input that arrives during a flash waits, as in the window's message
  // queue, and is carried out in order once the flash is over.
  const waiting = [];
  const whenIdle = (f) => (flashing ? waiting.push(f) : f());
  const show = () => { paint(); sync(); };
  // Shows what a command or a flash step drew, then waits out the flash's
  // next step, if any.
  const run = (delay) => {
    show();
    flashing = delay >= 0;
    if (flashing) {
      document.body.dataset.busy = '1';
      return setTimeout(() => run(_kz_tick()), delay);
    }
    delete document.body.dataset.busy;
    while (!flashing && waiting.length) waiting.shift()();
  };
  const command = (id) => { if (ready) whenIdle(() => run(_kz_command(id))); };

  // Buttons and checkboxes. A checkbox the program has not yet heard of
  // stays as it is; the program then sets it.
  document.querySelectorAll('#client [data-command]').forEach((control) => control.addEventListener('click', (e) => {
    if (!ready || flashing) e.preventDefault();
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
    whenIdle(() => { _kz_pointer(2, 0, 0); show(); });
  };
  knobs.forEach((knob, s) => {
    knob.addEventListener('keydown', (e) => {
      if (!(e.key in kSteps) || e.altKey || e.ctrlKey || e.metaKey) return;
      e.preventDefault();
      if (ready) whenIdle(() => { _kz_step_knob(s, kSteps[e.key]); show(); });
    });
    knob.addEventListener('pointerdown', (e) => {
      if (!ready || e.button !== 0) return;
      knob.setPointerCapture(e.pointerId);
      grabbed = s;
      whenIdle(() => { _kz_pointer(0, _kz_knob_x(s), _kz_knob_row(s)); show(); });  // on the knob itself
    });
    knob.addEventListener('pointermove', (e) => {
      if (grabbed !== s) return;
      const y = panelY(e);
      whenIdle(() => { _kz_pointer(1, 0, y); show(); });
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
    _kz_paint();
    paint();
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
    paint();
    sync();
    say('', 'quiet');
    ready = true;
    document.body.dataset.ready = performance.now();
    if ('serviceWorker' in navigator && location.protocol !== 'file:') navigator.serviceWorker.register('sw.js').catch(() => {});
  };
})();

// The page around the core: its controls, menu, pointer, timers and the
// clipboard. The core calls the Module functions below as the window's code
// calls Win32; the page calls the core's kz_ functions.
(() => {
  const kFlashStep = 80;  // milliseconds between the knob flash's steps
  const $ = (id) => document.getElementById(id);
  const boxes = [$('b'), $('m'), $('e')];
  const context = $('panel').getContext('2d');
  let pending = {};  // texts shown while a command runs, put up when it ends
  let flashing = false;

  const show = (texts) => {
    if (texts.comment === undefined) return;
    $('comment').value = texts.comment;
    $('mark').value = texts.mark;
  };
  const paint = (frame) => {
    const w = _kz_width(), h = _kz_height(), p = _kz_pixels(frame);
    context.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.slice(p, p + w * h * 4).buffer), w, h), 0, 0);
  };
  const items = (id) => document.querySelectorAll(`[data-command="${id}"]`);

  Module.showComment = (comment, mark) => { pending = { comment, mark }; };
  Module.checked = (s) => (boxes[s].checked ? 1 : 0);
  Module.check = (s, on) => { boxes[s].checked = !!on; };
  Module.grey = (id, greyed) => items(id).forEach((b) => b.setAttribute('aria-disabled', greyed ? 'true' : 'false'));
  Module.copyCommentBox = () => {
    const text = pending.comment !== undefined ? pending.comment : $('comment').value;
    navigator.clipboard.writeText(text).catch(() => {});
  };
  Module.exit = () => { window.close(); document.body.replaceChildren(); };
  Module.dialog = (id) => $('dialog-' + id).showModal();
  Module.title = (text) => { document.title = $('caption').textContent = text; };

  // Runs a command; a knob flash plays its frames one step apart, and the
  // comment shows when it is over, as in the window.
  const command = (id) => {
    if (flashing) return;
    pending = {};
    const frames = _kz_command(id);
    const finish = () => { paint(-1); show(pending); pending = {}; flashing = false; };
    if (frames === 0) return finish();
    flashing = true;
    document.body.dataset.busy = '1';
    for (let k = 1; k < frames; ++k) setTimeout(() => paint(k), k * kFlashStep);
    setTimeout(() => { finish(); delete document.body.dataset.busy; }, frames * kFlashStep);
  };

  // Buttons, checkboxes (already toggled when the click arrives) and menu
  // items; greyed items do nothing, and nothing is taken during a flash.
  document.querySelectorAll('[data-command]').forEach((item) => item.addEventListener('click', (e) => {
    if (flashing) return e.preventDefault();
    if (item.getAttribute('aria-disabled') === 'true') return;
    if (item.closest('#menubar')) document.activeElement.blur();  // closes the menu
    command(Number(item.dataset.command));
  }));

  // Arrow keys walk the open menu; Escape closes it.
  $('menubar').addEventListener('keydown', (e) => {
    const here = e.target.closest('li');
    const list = [...here.parentElement.children].filter((li) => li.firstElementChild);
    const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
    const sub = here.querySelector(':scope > ul > li > button');
    if (step && here.parentElement.id !== 'menubar') {
      list[(list.indexOf(here) + step + list.length) % list.length].firstElementChild.focus();
    } else if ((e.key === 'ArrowDown' || e.key === 'ArrowRight') && sub) {
      sub.focus();
    } else if (e.key === 'ArrowLeft' && here.parentElement.id !== 'menubar') {
      here.parentElement.parentElement.firstElementChild.focus();
    } else if (e.key === 'Escape') {
      e.target.blur();
    } else {
      return;
    }
    e.preventDefault();
  });
  // Alt and a menu's underlined letter opens that menu.
  document.addEventListener('keydown', (e) => {
    const top = e.altKey && !e.ctrlKey && document.querySelector(`#menubar [accesskey="${e.key.toLowerCase()}"]`);
    if (top) { top.focus(); e.preventDefault(); }
  });
  // Ctrl shortcuts (Ctrl+R: Edit > Random) work as their menu items, except
  // in the comment box, as in the window.
  document.addEventListener('keydown', (e) => {
    const item = e.ctrlKey && !e.altKey && document.querySelector(`[data-ctrl="${e.key.toUpperCase()}"]`);
    if (!item) return;
    e.preventDefault();
    if (document.activeElement !== $('comment')) item.click();
  });

  // Knob drags, by mouse or touch, in raster pixels.
  const pointer = (kind) => (e) => {
    if (flashing || (kind !== 1 && e.button !== 0)) return;  // presses: the main button only
    const r = $('panel').getBoundingClientRect();
    _kz_pointer(kind, Math.floor((e.clientX - r.left) * _kz_width() / r.width),
                Math.floor((e.clientY - r.top) * _kz_height() / r.height));
    paint(-1);
  };
  ['pointerdown', 'pointermove', 'pointerup'].forEach((type, kind) => $('panel').addEventListener(type, pointer(kind)));

  // Like the window's class, the page paints the whole panel when resized.
  window.addEventListener('resize', () => { if (!flashing) { _kz_paint(); paint(-1); } });

  Module.onRuntimeInitialized = () => {
    pending = {};
    _kz_start();
    paint(-1);
    show(pending);
    document.body.dataset.ready = performance.now();
  };
})();

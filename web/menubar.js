// The menu bar, as the WAI-ARIA menubar pattern has it: one Tab stop, the
// arrows between and within menus, Enter or Space to choose, Escape to close,
// Alt and a menu's underlined letter or F10 to reach it, the mouse as in the
// window. After a command or on leaving the bar, focus goes back to where it
// was. `run(commandId)` carries out a chosen item.
function menubar(bar, run) {
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
    run(+item.dataset.command);
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
}

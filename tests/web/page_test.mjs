// The web page in headless Chromium against the native build's own answers
// (kzub's comment, kz_menustate's greying, kz_panelshot's picture) and axe-core,
// its console clean.   node page_test.mjs URL SOURCE_DIR NATIVE_BUILD_DIR
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { connect } from 'node:net';
import { after, test } from 'node:test';
import puppeteer from 'puppeteer-core';

const [url, source, native] = process.argv.slice(2);
const ID = Object.fromEntries(['resource_ids.h', 'commands.def', 'styles.def'].flatMap((f) => [...readFileSync(`${source}/resources/${f}`, 'utf8')
  .matchAll(/(?:#define |KZ_ITEM\(|KZ_STYLE\()(\w+),? (\d+)/g)].map((m) => [m[1], Number(m[2])])));
const profile = mkdtempSync('/tmp/kz-chromium-');
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
after(async () => { await browser.close(); rmSync(profile, { recursive: true, force: true, maxRetries: 20 }); });
const page = (await browser.pages())[0];
const problems = [];  // console errors and warnings, uncaught exceptions
page.on('console', (m) => ['error', 'warn'].includes(m.type()) && problems.push(m.text()));
page.on('pageerror', (e) => problems.push(e.message));
await browser.defaultBrowserContext().overridePermissions(new URL(url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);

const desk = { width: 800, height: 500, deviceScaleFactor: 1 };
const load = async (viewport = desk) => { await page.setViewport(viewport); await page.goto(url); await page.waitForSelector('body[data-ready]'); };
const js = (f, ...args) => page.evaluate(f, ...args);
const tool = (path, args) => execFileSync(`${native}/${path}`, args.map(String), { encoding: 'utf8' });
const key = async (name, times = 1) => { for (let i = 0; i < times; ++i) await page.keyboard.press(name); };
const alt = async (letter) => { await page.keyboard.down('Alt'); await key(letter); await page.keyboard.up('Alt'); };
const focused = () => js(() => { const a = document.activeElement; return a === document.body ? ['body'] : [a.dataset.command, a.id, a.getAttribute('aria-label'), a.textContent]; });
const active = async () => (await focused()).find(Boolean);
// Presses `name` until the focused element's command, id, label or caption is `want`.
const pressTo = async (name, want) => { for (let n = 0; n < 30 && !(await focused()).includes(want); ++n) await key(name); };
// Keyboard only: Alt and the menu's letter, down to the item, and Enter.
const choose = async (menu, item) => { await alt(menu[0].toLowerCase()); await pressTo('ArrowDown', item); await key('Enter'); };
const texts = () => js(() => [document.getElementById('mark').value, document.getElementById('comment').value]);
const canvas = () => js(() => Array.from(document.getElementById('panel').getContext('2d').getImageData(0, 0, 614, 227).data).join());
// A menu item by command id (its menu need not be open), or a checkbox by a real click.
const command = (id) => (id >= ID.IDC_BEGINNING_BOX && id <= ID.IDC_END_BOX
  ? page.click(`[data-command="${id}"]`) : js((i) => document.querySelector(`[data-command="${i}"]`).click(), id));
// Style, spelling, role and all knobs' position, by their menu commands.
const set = async (...names) => { for (const [i, n] of names.entries()) await command(ID[`IDM_${['', '', 'AS_', 'ALL_'][i]}${n.toUpperCase()}`]); };
const kStyles = ['classic', 'emotive', 'exhuberant', 'flat', 'chatty', 'concise'];
// Whether the canvas holds the native painting (a bottom-up BGR bitmap) of these settings.
const painted = async (style, spelling, role, rows) => {
  tool('tests/tools/panelshot/kz_panelshot', [`${profile}/p.bmp`, kStyles.indexOf(style), +(spelling === 'american'), +(role === 'seller'), ...rows]);
  const bmp = readFileSync(`${profile}/p.bmp`), w = bmp.readInt32LE(18), h = bmp.readInt32LE(22), stride = Math.ceil(w * 3 / 4) * 4;
  return await canvas() === Array.from({ length: w * h }, (_, i) => bmp.readUInt32LE(10) + (h - 1 - Math.floor(i / w)) * stride + (i % w) * 3)
    .flatMap((p) => [bmp[p + 2], bmp[p + 1], bmp[p], 255]).join();
};
// kzub's mark and comment.
const kzub = (second, style, spelling, role, knobs) => /^([^ ]*) ([^]*?)\n?$/.exec(tool('tools/kzub/kzub',
  ['--mark', '--seed', second, '--style', style, '--spelling', spelling, '--role', role, '--knobs', knobs.join()])).slice(1);
// The page's mark and comment from a Zub at `second` on the clock, once the knob flash is over.
const zub = async (second, press) => {
  await js((s) => { Date.now = () => s * 1000; }, second); await press();
  return page.waitForFunction(() => !document.body.dataset.busy).then(texts);
};
// A knob's centre, with y on panel row r, in whole page pixels as touches have them; and that pixel's row.
const knobAt = (s, r) => js((i, r) => {
  const k = document.querySelectorAll('.knob')[i].getBoundingClientRect(), p = document.getElementById('panel').getBoundingClientRect();
  const y = Math.round(p.y + (r + 0.5) * p.height / 227);
  return [k.x + k.width / 2, y, Math.floor((y - p.y) * 227 / p.height)];
}, s, r);
// Every command the open menu and its submenus hold, walked with the arrow keys from its first item.
const walk = async (seen) => {
  const here = () => js(() => { const a = document.activeElement; return [[...document.querySelectorAll('#menubar button')].indexOf(a), a.dataset.command, a.hasAttribute('aria-haspopup')]; });
  for (let n = 0, [first] = await here(), at; n < 20 && at !== first; ++n) {
    const [, id, popup] = await here();
    if (popup) { await key('ArrowRight'); await walk(seen); await key('ArrowLeft'); } else seen.push(id);
    await key('ArrowDown');
    [at] = await here();
  }
};

const checks = {
  async start() {
    return [[...await texts(), await js(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content.split(';')[0])],
      ['00', 'Revavav Evovod', "default-src 'self'"]];
  },
  // Random clicks on menu items, greyed ones included, and on the checkboxes.
  async menus(seed) {
    const ids = Object.entries(ID).filter(([n]) => /^IDM_/.test(n) && !/EXIT|HELP|ABOUT/.test(n)).map(([, v]) => v)
      .concat([ID.IDC_BEGINNING_BOX, ID.IDC_MIDDLE_BOX, ID.IDC_END_BOX]);
    let r = seed;
    const clicks = Array.from({ length: 40 }, () => ids[(r = (r * 48271) % 2147483647) % ids.length]), seen = [];
    for (const id of clicks) {
      await command(id);
      seen.push(await js(() => [...new Set([...document.querySelectorAll('[aria-disabled="true"][data-command]')].map((e) => +e.dataset.command))].sort().join(' ')));
    }
    return [seen, tool('tests/tools/menustate/kz_menustate', clicks).trim().split('\n')];
  },
  async zub(second, style, spelling, role, knobs) {
    await set(style, spelling, role, knobs);
    const got = [...await zub(second, () => page.click('#zub')), await js(() => navigator.clipboard.readText()), await js(() => document.getElementById('status').textContent)];
    const [mark, comment] = kzub(second, style, spelling, role, [knobs, knobs, knobs]);
    return [got, [mark, comment, comment, comment]];  // on the clipboard, and said to screen readers
  },
  // Drags knob `knob` from the top row to row `to` (off the track it stays); `away` lets go outside the panel,
  // which ends the drag. A resize then repaints the whole panel, as the window does when uncovered.
  async drag(style, spelling, role, knob, to, away) {
    await set(style, spelling, role, 'top');
    const [x, y] = await knobAt(knob, 47), [, there] = await knobAt(knob, to), [, back] = await knobAt(knob, 95);
    await page.mouse.move(x + 3, y); await page.mouse.down(); await page.mouse.move(x + 3, there);
    if (away) { await page.mouse.move(790, 490); await page.mouse.up(); await page.mouse.move(x + 3, back); } else await page.mouse.up();
    await Promise.all([js(() => new Promise((done) => addEventListener('resize', done, { once: true }))), page.setViewport({ ...desk, width: 801 })]);
    return [await painted(style, spelling, role, [0, 1, 2].map((s) => (s === knob && to >= 47 && to <= 118 ? to : 47))), true];
  },
  release: (knob) => checks.drag('classic', 'american', 'seller', knob, 90, true),
  // Input during the flash waits, as in the window's queue: the box keeps its tick until the comment is out.
  async queued(second) {
    await set('flat', 'american', 'seller', 'middle');
    let during;
    const got = await zub(second, async () => {
      await page.click('#zub'); await page.click('#b'); await command(ID.IDM_ALL_BOTTOM);
      during = await js(() => [document.getElementById('b').checked, !!document.body.dataset.busy]);
    });
    const after = await js(() => [document.getElementById('b').checked, ...[...document.querySelectorAll('.knob')].map((k) => k.getAttribute('aria-valuetext'))]);
    return [[during, got, after], [[true, true], kzub(second, 'flat', 'american', 'seller', ['middle', 'middle', 'middle']), [false, '+|-  0', '-  100, left out', '-  100, left out']]];
  },
  // No axe-core violation at start, with each menu and submenu open, with each dialog open.
  async axe() {
    await js(readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8'));
    const found = [], audit = async (state) => found.push(...(await js(() => axe.run(document, { rules: { 'target-size': { enabled: true } } })))
      .violations.map((v) => `${state}: ${v.id} ${v.nodes.map((n) => n.target).join(' ')}`));
    await audit('start');
    const popups = await page.$$('#menubar [aria-haspopup]');
    for (const popup of popups) {  // opened by clicks on it and the menus around it, outermost first
      await page.click('#comment');
      for (const outer of popups) if (await outer.evaluate((o, p) => o === p || o.nextElementSibling.contains(p), popup)) await outer.click();
      await audit(await popup.evaluate((p) => p.textContent));
    }
    for (const id of [ID.IDM_HELP, ID.IDM_ABOUT]) { await command(id); await audit(`dialog ${id}`); await key('Enter'); }
    return [found, []];
  },
  // Keyboard only: Tab reaches the menu bar, the arrows every menu command, Tab every control; then the menus
  // set the style, spelling and role, the sliders' keys their rows (said as value texts), and Enter on Zub composes.
  async keys(second, style, spelling, role, ...knobs) {
    await key('Tab');
    const reached = [];
    for (let n = 0; n < 6; ++n) { await key('ArrowDown'); await walk(reached); await key('Escape'); await key('ArrowRight'); }
    for (let n = 0; n < 12; ++n) { await key('Tab'); reached.push(await active()); }
    const missed = await js((r) => [...document.querySelectorAll('[data-command]')].map((e) => e.dataset.command)
      .concat(['Beginning', 'Middle', 'End', 'comment']).filter((c) => !r.includes(c)), reached.map(String));
    const choices = [style, spelling, `as ${role}`].map((c) => c.replace(/\b\w/g, (l) => l.toUpperCase()));
    for (const [i, caption] of choices.entries()) await choose(['Insert', 'View', 'View'][i], caption);
    const checked = await js(() => [...document.querySelectorAll('[aria-checked="true"]')].map((e) => e.textContent).sort());
    const rows = knobs.map(([row]) => row);
    for (const [s, row] of rows.entries()) {
      await pressTo('Tab', ['Beginning', 'Middle', 'End'][s]);
      await key('Home'); await key('PageDown', Math.floor((row - 47) / 10)); await key('ArrowDown', (row - 47) % 10);
    }
    const said = await js(() => [...document.querySelectorAll('.knob')].map((k) => k.getAttribute('aria-valuetext')));
    const same = await painted(style, spelling, role, rows);
    await pressTo('Tab', String(ID.IDC_GENERATE));
    return [[missed, checked, said, same, await zub(second, () => key('Enter'))],
      [[], [...choices].sort(), knobs.map(([, text]) => text), true, kzub(second, style, spelling, role, rows)]];
  },
  // Focus goes back where it was after a command, Escape and a dialog.
  async focus() {
    await page.click('#comment');
    const seen = [];
    await alt('e'); await key('Escape'); await key('Escape'); seen.push(await active());
    await choose('Insert', 'Chatty'); seen.push(await active());
    await choose('Help', 'About'); seen.push(await js(() => document.activeElement.closest('dialog')?.id));
    await key('Enter'); seen.push(await active());
    await zub(1, () => page.click('#zub')); await page.click('#menubar > li:nth-child(3) > button');
    await page.click(`[data-command="${ID.IDM_EUROPEAN}"]`); seen.push(await active());
    return [seen, ['comment', 'comment', `dialog-${ID.IDD_ABOUT}`, 'comment', String(ID.IDC_GENERATE)]];
  },
  // On phones: no sideways scrolling, a touch drag moves a knob, taps on a knob (centre, top edge) spare the boxes.
  async touch(width, height, scale) {
    await load({ width, height, deviceScaleFactor: scale, isMobile: true, hasTouch: true });
    const fits = await js(() => document.documentElement.scrollWidth <= innerWidth);
    await set('classic', 'american', 'seller', 'top');
    for (const [x, y] of await Promise.all([0, 1, 2].map((s) => knobAt(s, 47)))) { await page.touchscreen.tap(x, y); await page.touchscreen.tap(x, y - 11); }
    const boxes = await js(() => [...document.querySelectorAll('[type="checkbox"]')].every((b) => b.checked));
    const [x, y] = await knobAt(1, 47), [, to, row] = await knobAt(1, 100);
    await page.touchscreen.touchStart(x, y); await page.touchscreen.touchMove(x, to); await page.touchscreen.touchEnd();
    return [[fits, boxes, await painted('classic', 'american', 'seller', [47, row, 47])], [true, true, true]];
  },
  // The window centred, a panel pixel the most whole device pixels that fit, up to two CSS pixels.
  async desk(width, height, dpr, scale) {
    await load({ width, height, deviceScaleFactor: dpr });
    return [await js(() => {
      const r = document.getElementById('window').getBoundingClientRect();
      return [+getComputedStyle(document.documentElement).getPropertyValue('--s'), Math.abs(r.left + r.right - innerWidth) <= 1, Math.abs(r.top + r.bottom - innerHeight) <= 1];
    }), [scale, true, true]];
  },
  // The browser would install the page as an app: manifest, icons, service worker.
  async install() {
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    return [(await (await page.createCDPSession()).send('Page.getInstallabilityErrors')).installabilityErrors.map((e) => e.errorId), []];
  },
  // After one visit the page opens and composes with the network off.
  async offline(second) {
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    // The worker's cache alone: the browser's cache off, and the worker offline too.
    const worker = await (await browser.waitForTarget((t) => t.type() === 'service_worker')).createCDPSession();
    const offline = (on) => Promise.all([page.setOfflineMode(on), page.setCacheEnabled(!on),
      worker.send('Network.emulateNetworkConditions', { offline: on, latency: 0, downloadThroughput: -1, uploadThroughput: -1 })]);
    await worker.send('Network.enable'); await offline(true);
    await load(); await set('flat', 'american', 'buyer', 'middle');
    const got = await zub(second, () => page.click('#zub'));
    await offline(false);
    return [got, kzub(second, 'flat', 'american', 'buyer', ['middle', 'middle', 'middle'])];
  },
  // Forced colours: the canvas only in the four system colours, the focused knob Highlight, a frozen one GrayText.
  async forced() {
    const cdp = await page.createCDPSession(), emulate = (value) => cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value }] });
    await emulate('active');
    await set('classic', 'american', 'seller', 'middle'); await command(ID.IDM_FREEZE_MIDDLE);
    await page.bringToFront(); await page.focus('.knob[data-section="2"]');
    const got = await js(() => {
      const probe = document.body.appendChild(document.createElement('span'));
      probe.style.forcedColorAdjust = 'none';
      const system = ['Canvas', 'CanvasText', 'Highlight', 'GrayText'].map((c) => (probe.style.color = c, getComputedStyle(probe).color.match(/\d+/g).slice(0, 3).join()));
      const d = document.getElementById('panel').getContext('2d').getImageData(0, 0, 614, 227).data;
      const at = (i) => Array.from(d.slice(i, i + 3)).join(), seen = new Set();
      for (let i = 0; i < d.length; i += 4) seen.add(system.indexOf(at(i)));
      return [[...seen].sort(), [108, 208, 408].map((x) => system.indexOf(at((82 * 614 + x) * 4)))];
    });
    await emulate(''), await cdp.detach();
    return [got, [[0, 1, 2, 3], [1, 3, 2]]];
  },
  // A program that cannot be fetched, or a page opened as a file, is said so on the page.
  async nowasm() {
    const context = await browser.createBrowserContext(), other = await context.newPage(), said = [];
    await other.setRequestInterception(true);
    other.on('request', (r) => (r.url().endsWith('.wasm') ? r.abort() : r.continue()));
    for (const address of [url, `file://${source}/build/web/index.html`]) {
      await other.goto(address);
      said.push(await other.locator('#status.error').map((s) => s.textContent.split(':')[0]).wait(),
        await other.evaluate(() => [...document.querySelectorAll('#window > *')].filter((e) => e.getClientRects().length).map((e) => e.id)));
    }
    await context.close();
    return [said, ['Kudomat Zub could not load its program (kudomat_zub.wasm). Check the connection and reload the page.', ['status'],
      'Kudomat Zub cannot start from a file', ['status']]];  // and nothing else of the window
  },
  // File > Exit: the program stops and the page says so, with a way back.
  async exit() {
    await command(ID.IDM_EXIT);
    return [await js(() => [document.getElementById('window').hidden, document.activeElement.id]), [true, 'again']];
  },
  console: async () => [problems, []],
  // `make serve` logs a line per request; a connection dropped mid-download (of forty asked at once) is no error.
  async serve() {
    const server = spawn('python3', [`${source}/web/serve.py`, `${source}/build/web`, '0']);
    let log = '';
    server.stderr.on('data', (d) => { log += d; });
    let said = '';
    const port = await new Promise((ok) => server.stdout.on('data', (d) => { said += d; const m = /:(\d+)\/\n/.exec(said); if (m) ok(m[1]); }));
    await fetch(`http://127.0.0.1:${port}/`).then((r) => r.text());
    await new Promise((ok) => {
      const s = connect(+port, '127.0.0.1', () => s.write('GET /kudomat_zub.wasm HTTP/1.1\r\nHost: a\r\n\r\n'.repeat(40)));
      s.once('data', () => { s.resetAndDestroy(); setTimeout(ok, 300); });
    });
    await fetch(`http://127.0.0.1:${port}/sw.js`).then((r) => r.text());
    server.kill();
    await new Promise((ok) => server.once('exit', ok));
    const lines = log.trim().split('\n'), request = /^127\.0\.0\.1 - - \[[^\]]+\] "GET (\S+) HTTP\/1\.1" 200 -$/;
    return [[lines.every((l) => request.test(l)), lines.length > 2, lines[0].match(request)?.[1], lines.at(-1).match(request)?.[1]],
      [true, true, '/', '/sw.js']];
  },
};

for (const [what, ...args] of [
  ['start'], ['menus', 1], ['menus', 7], ['menus', 2026],
  ['zub', 1000000000, 'flat', 'european', 'buyer', 'middle'], ['zub', 1700000123, 'classic', 'american', 'seller', 'top'],
  ['zub', 4294967295, 'concise', 'american', 'buyer', 'bottom'],
  ['drag', 'emotive', 'european', 'seller', 0, 90], ['drag', 'chatty', 'american', 'buyer', 2, 118],
  ['drag', 'exhuberant', 'american', 'seller', 1, 200], ['drag', 'flat', 'european', 'buyer', 1, 400],  // below the track, far outside the panel
  ['release', 0], ['release', 2], ['queued', 1300000000], ['axe'],
  ['keys', 1234567890, 'emotive', 'european', 'buyer', [47, '+ 100'], [82, '+|-  0'], [118, '-  100, left out']],
  ['keys', 1600000000, 'concise', 'american', 'seller', [60, '+ 63'], [113, '-  86'], [114, '-  89, left out']],
  ['focus'], ['forced'], ['touch', 390, 844, 3], ['touch', 320, 568, 2], ['touch', 800, 500, 1],
  ['desk', 1280, 800, 1, 2], ['desk', 1280, 800, 2, 2], ['desk', 1280, 520, 1, 1], ['desk', 1000, 700, 1.5, 4 / 3], ['install'], ['offline', 1500000000], ['nowasm'], ['exit'], ['console'], ['serve'],
]) test([what, ...args].join(' '), async () => {
  if (!['touch', 'desk', 'nowasm', 'console', 'serve'].includes(what)) await load();
  assert.deepEqual(...await checks[what](...args));
});

// The web page in headless Chromium (puppeteer-core driving Debian's
// chromium), checked against the native build's own answers: kzub for the
// comment, kz_menustate for the menu greying, kz_panelshot for the panel's
// picture; axe-core for accessibility. The page's console must stay free of
// errors and warnings under its own security policy.
//   node page_test.mjs URL SOURCE_DIR NATIVE_BUILD_DIR
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import puppeteer from 'puppeteer-core';

const [url, source, native] = process.argv.slice(2);
const ID = Object.fromEntries([...readFileSync(`${source}/resources/resource_ids.h`, 'utf8')
  .matchAll(/#define (\w+) (\d+)/g)].map((m) => [m[1], Number(m[2])]));
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));
const profile = mkdtempSync('/tmp/kz-chromium-');
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
const page = (await browser.pages())[0];
const problems = [];  // console errors and warnings, uncaught exceptions
page.on('console', (m) => ['error', 'warn'].includes(m.type()) && problems.push(m.text()));
page.on('pageerror', (e) => problems.push(e.message));
await browser.defaultBrowserContext().overridePermissions(new URL(url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);

const desk = { width: 800, height: 500, deviceScaleFactor: 1 };
const load = async (viewport = desk) => {
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
};
const js = (f, ...args) => page.evaluate(f, ...args);
const key = async (name, times = 1) => { for (let i = 0; i < times; ++i) await page.keyboard.press(name); };
const alt = async (letter) => { await page.keyboard.down('Alt'); await key(letter); await page.keyboard.up('Alt'); };
const active = () => js(() => { const a = document.activeElement; return a === document.body ? 'body' : a.dataset.command || a.id || a.getAttribute('aria-label') || a.textContent; });
const texts = () => js(() => [document.getElementById('mark').value, document.getElementById('comment').value]);
const canvas = () => js(() => Array.from(document.getElementById('panel').getContext('2d').getImageData(0, 0, 614, 227).data).join());
const greyed = () => js(() => [...new Set([...document.querySelectorAll('[aria-disabled="true"][data-command]')].map((e) => +e.dataset.command))].sort().join(' '));
// A menu item by command id (its menu need not be open), or a checkbox by a real click.
const command = (id) => (id >= ID.IDC_BEGINNING_BOX && id <= ID.IDC_END_BOX
  ? page.click(`[data-command="${id}"]`) : js((i) => document.querySelector(`[data-command="${i}"]`).click(), id));
// The native painting as the canvas holds it: RGBA rows, top-down.
const painting = (settings) => {
  execFileSync(`${native}/tests/tools/panelshot/kz_panelshot`, [`${profile}/p.bmp`, ...settings.map(String)]);
  const bmp = readFileSync(`${profile}/p.bmp`);
  const [w, h, at] = [bmp.readInt32LE(18), bmp.readInt32LE(22), bmp.readUInt32LE(10)];
  const rgba = [];
  for (let y = 0; y < h; ++y) {
    for (let x = 0; x < w; ++x) {
      const p = at + (h - 1 - y) * Math.ceil(w * 3 / 4) * 4 + x * 3;
      rgba.push(bmp[p + 2], bmp[p + 1], bmp[p], 255);
    }
  }
  return rgba.join();
};
const kzub = (second, style, spelling, role, knobs) => {
  const line = execFileSync(`${native}/tools/kzub/kzub`, ['--mark', '--seed', second, '--style', style,
    '--spelling', spelling, '--role', role, '--knobs', knobs.join()], { encoding: 'utf8' }).replace(/\n$/, '');
  return [line.slice(0, line.indexOf(' ')), line.slice(line.indexOf(' ') + 1)];  // the mark, the comment
};
const zub = async (second, press) => {
  await js((s) => { Date.now = () => s * 1000; }, second);
  await press();
  await sleep(50);
  await page.waitForFunction(() => !document.body.dataset.busy);
  return texts();
};

const kStyles = ['classic', 'emotive', 'exhuberant', 'flat', 'chatty', 'concise'];
const settingIds = (style, spelling, role, knobs) => [`IDM_${style.toUpperCase()}`,
  `IDM_${spelling.toUpperCase()}`, `IDM_AS_${role.toUpperCase()}`, `IDM_ALL_${knobs.toUpperCase()}`].map((n) => ID[n]);
const shot = (style, spelling, role, rows) => painting([kStyles.indexOf(style), +(spelling === 'american'), +(role === 'seller'), ...rows]);
// A knob's centre, with y on panel row r, in whole page pixels as touches
// have them, and the row that pixel falls on.
const knobAt = (s, r) => js((i, r) => {
  const k = document.querySelectorAll('.knob')[i].getBoundingClientRect(), p = document.getElementById('panel').getBoundingClientRect();
  const y = Math.round(p.y + (r + 0.5) * p.height / 227);
  return [k.x + k.width / 2, y, Math.floor((y - p.y) * 227 / p.height)];
}, s, r);
const cap = (word) => word[0].toUpperCase() + word.slice(1);

// Keyboard only: Alt and the menu's letter, then down (and right into a
// submenu) to each caption of `path`, and Enter.
const choose = async (...path) => {
  await alt(path[0][0].toLowerCase());
  for (const [i, caption] of path.slice(1).entries()) {
    for (let n = 0; n < 20 && await js(() => document.activeElement.textContent) !== caption; ++n) await key('ArrowDown');
    if (i < path.length - 2) await key('ArrowRight');
  }
  await key('Enter');
};
const tabTo = async (name) => { for (let n = 0; n < 30 && (await active()) !== name; ++n) await key('Tab'); };
// Every command the menus hold, walked with the arrow keys from the open menu's first item.
const walk = async () => {
  const here = () => js(() => { const a = document.activeElement; return [[...document.querySelectorAll('#menubar button')].indexOf(a), a.dataset.command, a.hasAttribute('aria-haspopup')]; });
  const seen = [], [first] = await here();
  for (let n = 0; n < 20; ++n) {
    const [, id, popup] = await here();
    if (popup) { await key('ArrowRight'); seen.push(...await walk()); await key('ArrowLeft'); } else seen.push(+id);
    await key('ArrowDown');
    if ((await here())[0] === first) break;
  }
  return seen;
};

const checks = {
  async start() {
    const policy = await js(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
    return [[...await texts(), policy.split(';')[0]], ['00', 'Revavav Evovod', "default-src 'self'"]];
  },
  // Random clicks on menu items, greyed ones included, and on the checkboxes.
  async menus(seed) {
    const ids = Object.entries(ID).filter(([n]) => /^IDM_/.test(n) && !/EXIT|HELP|ABOUT/.test(n)).map(([, v]) => v)
      .concat([ID.IDC_BEGINNING_BOX, ID.IDC_MIDDLE_BOX, ID.IDC_END_BOX]);
    const clicks = [], seen = [];
    for (let i = 0, r = seed; i < 40; ++i) {
      r = (r * 48271) % 2147483647;
      clicks.push(ids[r % ids.length]);
      await command(clicks[i]);
      seen.push(await greyed());
    }
    const rules = execFileSync(`${native}/tests/tools/menustate/kz_menustate`, clicks.map(String), { encoding: 'utf8' });
    return [seen, rules.trim().split('\n')];
  },
  async zub(second, style, spelling, role, knobs) {
    for (const id of settingIds(style, spelling, role, knobs)) await command(id);
    const got = await zub(second, () => page.click('#zub'));
    got.push(await js(() => navigator.clipboard.readText()), await js(() => document.getElementById('status').textContent));
    const want = kzub(second, style, spelling, role, [knobs, knobs, knobs]);
    return [got, [...want, want[1], want[1]]];  // on the clipboard, and said to screen readers
  },
  // Drags knob `knob` from the top row to panel row `to`; off the track
  // (and off the canvas) the knob stays where it was. A resize then paints
  // the whole panel, as the window repaints when uncovered.
  async drag(style, spelling, role, knob, to) {
    for (const id of settingIds(style, spelling, role, 'top')) await command(id);
    const [x, y] = await knobAt(knob, 47);
    await page.mouse.move(x + 3, y);
    await page.mouse.down();
    await page.mouse.move(x + 3, (await knobAt(knob, to))[1]);
    await page.mouse.up();
    await page.setViewport({ ...desk, width: 801 });
    await sleep(100);
    const rows = [47, 47, 47];
    if (to >= 47 && to <= 118) rows[knob] = to;
    return [await canvas() === shot(style, spelling, role, rows), true];
  },
  // The button let go outside the panel ends the drag: moving back over it
  // with no button held leaves the knob alone.
  async release(knob) {
    for (const id of settingIds('classic', 'american', 'seller', 'top')) await command(id);
    const [x, y] = await knobAt(knob, 47);
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x, (await knobAt(knob, 90))[1]);
    await page.mouse.move(790, 490);
    await page.mouse.up();
    await page.mouse.move(x, (await knobAt(knob, 95))[1]);  // over the knob's grab area again
    const rows = [47, 47, 47];
    rows[knob] = 90;
    return [await canvas() === shot('classic', 'american', 'seller', rows), true];
  },
  // No axe-core violation at start, with each menu and submenu open, with each dialog open.
  async axe() {
    await js(axeSource);
    const audit = async (state) => (await js(() => axe.run(document, { rules: { 'target-size': { enabled: true } } })))
      .violations.map((v) => `${state}: ${v.id} ${v.nodes.map((n) => n.target).join(' ')}`);
    const found = await audit('start');
    const popups = await js(() => document.querySelectorAll('#menubar [aria-haspopup]').length);
    for (let i = 0; i < popups; ++i) {
      const path = await js((n) => {
        const chain = [];
        for (let b = document.querySelectorAll('#menubar [aria-haspopup]')[n]; b; b = b.closest('ul[role="menu"]')?.previousElementSibling) chain.unshift(b.textContent);
        return chain;
      }, i);
      await page.click('#comment');
      for (const caption of path) await page.click(`xpath/.//button[normalize-space(.)="${caption}" and @aria-haspopup and not(ancestor::ul[@role="menu"][not(preceding-sibling::button[@aria-expanded="true"])])]`);
      found.push(...await audit(path.join(' > ')));
    }
    for (const id of [ID.IDM_HELP, ID.IDM_ABOUT]) {
      await command(id);
      found.push(...await audit(`dialog ${id}`));
      await key('Enter');
    }
    return [found, []];
  },
  // Keyboard only: Tab reaches the menu bar, the arrows every menu command,
  // Tab every control; then the menus set the style, spelling and role, the
  // sliders' keys their rows (said as value texts), and Enter on Zub composes.
  async keys(second, style, spelling, role, ...knobs) {
    await key('Tab');
    const reached = [];
    for (let n = 0; n < 6; ++n) { await key('ArrowDown'); reached.push(...await walk()); await key('Escape'); await key('ArrowRight'); }
    for (let n = 0; n < 12; ++n) { await key('Tab'); reached.push(await active()); }
    const all = await js(() => [...document.querySelectorAll('[data-command]')].map((e) => e.dataset.command)
      .concat(['Beginning', 'Middle', 'End', 'comment']));
    const got = [all.filter((c) => !reached.map(String).includes(c))], want = [[]];  // none missed
    await choose('Insert', cap(style));
    await choose('View', cap(spelling));
    await choose('View', `As ${cap(role)}`);
    got.push(await js(() => [...document.querySelectorAll('[aria-checked="true"]')].map((e) => e.textContent).sort()));
    want.push([cap(style), cap(spelling), `As ${cap(role)}`].sort());
    for (const [s, [row, text]] of knobs.entries()) {
      await tabTo(['Beginning', 'Middle', 'End'][s]);
      await key('Home');
      await key('PageDown', Math.floor((row - 47) / 10));
      await key('ArrowDown', (row - 47) % 10);
      got.push(await js((i) => document.querySelectorAll('.knob')[i].getAttribute('aria-valuetext'), s));
      want.push(text);
    }
    const rows = knobs.map(([row]) => row);
    got.push(await canvas() === shot(style, spelling, role, rows));
    want.push(true);
    await tabTo(String(ID.IDC_GENERATE));
    got.push(await zub(second, () => key('Enter')));
    want.push(kzub(second, style, spelling, role, rows));
    return [got, want];
  },
  // Focus goes back where it was after a command, Escape and a dialog.
  async focus() {
    await page.click('#comment');
    const seen = [];
    await alt('e'); await key('Escape'); await key('Escape'); seen.push(await active());
    await choose('Insert', 'Chatty'); seen.push(await active());
    await choose('Help', 'About'); seen.push(await js(() => document.activeElement.closest('dialog')?.id));
    await key('Enter'); seen.push(await active());
    await zub(1, () => page.click('#zub'));
    await page.click('#menubar > li:nth-child(3) > button');
    await page.click(`[data-command="${ID.IDM_EUROPEAN}"]`);
    seen.push(await active());
    return [seen, ['comment', 'comment', `dialog-${ID.IDD_ABOUT}`, 'comment', String(ID.IDC_GENERATE)]];
  },
  // On phones: no sideways scrolling, a touch drag moves a knob, and a tap
  // on each knob at the top of its track (at its centre and at its grab
  // area's upper edge, nearest the checkbox) leaves the checkboxes alone.
  async touch(width, height, scale) {
    await load({ width, height, deviceScaleFactor: scale, isMobile: true, hasTouch: true });
    const got = [await js(() => document.documentElement.scrollWidth <= innerWidth)];
    for (const id of settingIds('classic', 'american', 'seller', 'top')) await command(id);
    for (let s = 0; s < 3; ++s) {
      const [x, y] = await knobAt(s, 47);
      await page.touchscreen.tap(x, y);
      await page.touchscreen.tap(x, y - 11);
    }
    got.push(await js(() => [...document.querySelectorAll('[type="checkbox"]')].every((b) => b.checked)));
    const [x, y] = await knobAt(1, 47), [, to, row] = await knobAt(1, 100);
    await page.touchscreen.touchStart(x, y);
    await page.touchscreen.touchMove(x, to);
    await page.touchscreen.touchEnd();
    got.push(await canvas() === shot('classic', 'american', 'seller', [47, row, 47]));
    return [got, [true, true, true]];
  },
  // The browser would install the page as an app: manifest, icons, service worker.
  async install() {
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    return [installabilityErrors.map((e) => e.errorId), []];
  },
  // After one visit the page opens and composes with the network off.
  async offline(second) {
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    await page.setOfflineMode(true);
    try {
      await load();
      for (const id of settingIds('flat', 'american', 'buyer', 'middle')) await command(id);
      return [await zub(second, () => page.click('#zub')), kzub(second, 'flat', 'american', 'buyer', ['middle', 'middle', 'middle'])];
    } finally {
      await page.setOfflineMode(false);
    }
  },
  // A program that cannot be fetched, or a page opened as a file, is said so on the page.
  async nowasm() {
    const context = await browser.createBrowserContext();
    const other = await context.newPage();
    await other.setRequestInterception(true);
    other.on('request', (r) => (r.url().endsWith('.wasm') ? r.abort() : r.continue()));
    const said = [];
    for (const address of [url, `file://${source}/build/web/index.html`]) {
      await other.goto(address);
      await other.waitForFunction(() => document.getElementById('status').className === 'error');
      said.push(await other.evaluate(() => document.getElementById('status').textContent.split(':')[0]));
    }
    await context.close();
    return [said, ['Kudomat Zub could not load its program (kudomat_zub.wasm). Check the connection and reload the page.',
      'Kudomat Zub cannot start from a file']];
  },
  // File > Exit: the program stops and the page says so, with a way back.
  async exit() {
    await command(ID.IDM_EXIT);
    return [await js(() => [document.getElementById('window').hidden, document.activeElement.id]), [true, 'again']];
  },
  async console() {
    return [problems, []];
  },
};

const table = [
  ['start'],
  ['menus', 1], ['menus', 7], ['menus', 2026],
  ['zub', 1000000000, 'flat', 'european', 'buyer', 'middle'],
  ['zub', 1700000123, 'classic', 'american', 'seller', 'top'],
  ['zub', 4294967295, 'concise', 'american', 'buyer', 'bottom'],
  ['drag', 'emotive', 'european', 'seller', 0, 90],
  ['drag', 'chatty', 'american', 'buyer', 2, 118],
  ['drag', 'exhuberant', 'american', 'seller', 1, 200],  // below the track
  ['drag', 'flat', 'european', 'buyer', 1, 400],  // far outside the panel
  ['release', 0], ['release', 2],
  ['axe'],
  ['keys', 1234567890, 'emotive', 'european', 'buyer', [47, '+ 100'], [82, '+|-  0'], [118, '-  100, left out']],
  ['keys', 1600000000, 'concise', 'american', 'seller', [60, '+ 63'], [113, '-  86'], [114, '-  89, left out']],
  ['focus'],
  ['touch', 390, 844, 3], ['touch', 320, 568, 2], ['touch', 800, 500, 1],
  ['install'],
  ['offline', 1500000000],
  ['nowasm'],
  ['exit'],
  ['console'],
];

let failures = 0;
try {
  for (const [what, ...args] of table) {
    if (!['touch', 'nowasm', 'console'].includes(what)) await load();
    const [got, want] = await checks[what](...args);
    const ok = JSON.stringify(got) === JSON.stringify(want);
    failures += !ok;
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what} ${args.join(' ')}`);
    if (!ok) console.log(`  page:   ${JSON.stringify(got)}\n  wanted: ${JSON.stringify(want)}`);
  }
} catch (e) {
  console.log(`FAIL ${e.stack}`);
  failures += 1;
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true, maxRetries: 20 });
}
process.exit(failures ? 1 : 0);

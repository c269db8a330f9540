// The web page in headless Chromium, driven over the DevTools protocol and
// checked against the native build's own answers: kzub for the comment,
// kz_menustate for the menu greying, kz_panelshot for the panel's picture.
//   node page_test.mjs URL SOURCE_DIR NATIVE_BUILD_DIR
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';

const [url, source, native] = process.argv.slice(2);
const ID = Object.fromEntries([...readFileSync(`${source}/resources/resource_ids.h`, 'utf8')
  .matchAll(/#define (\w+) (\d+)/g)].map((m) => [m[1], Number(m[2])]));
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));

// Chromium, in a process group of its own, on a pipe: NUL-ended JSON
// messages on its fds 3 (in) and 4 (out).
const profile = mkdtempSync('/tmp/kz-chromium-');
const browser = spawn('/usr/bin/chromium', ['--headless', '--no-sandbox', '--disable-gpu',
  '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
  '--remote-debugging-pipe', '--window-size=800,500'], { detached: true, stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
const waiting = new Map();
let nextId = 0, input = '';
browser.stdio[4].on('data', (chunk) => {
  input += chunk;
  for (let end; (end = input.indexOf('\0')) >= 0; input = input.slice(end + 1)) {
    const m = JSON.parse(input.slice(0, end));
    if (!waiting.has(m.id)) continue;
    const [ok, fail] = waiting.get(m.id);
    waiting.delete(m.id);
    m.error ? fail(new Error(m.error.message)) : ok(m.result);
  }
});
const send = (method, params = {}, sessionId = undefined) => new Promise((ok, fail) => {
  waiting.set(++nextId, [ok, fail]);
  browser.stdio[3].write(JSON.stringify({ id: nextId, method, params, sessionId }) + '\0');
});

let session, resizes = 0;
const page = (method, params) => send(method, params, session);
const js = async (expression) => {
  const r = await page('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true, userGesture: true });
  if (r.exceptionDetails) throw new Error(`${expression}: ${r.exceptionDetails.exception?.description}`);
  return r.result.value;
};
const until = async (expression) => {
  for (let i = 0; i < 400 && !(await js(expression)); ++i) await sleep(25);
};
const load = async () => {
  await page('Page.navigate', { url });
  await sleep(50);
  await until('document.body?.dataset.ready');
};
const mouse = (type, [x, y], buttons = 1) =>
  page('Input.dispatchMouseEvent', { type, x, y, button: 'left', buttons, clickCount: 1 });
const centre = (sel) => js(`(r => [r.x + r.width / 2, r.y + r.height / 2])(document.querySelector('${sel}').getBoundingClientRect())`);
const click = async (sel) => { const at = await centre(sel); await mouse('mousePressed', at); await mouse('mouseReleased', at, 0); };
// A menu item by command id (its menu need not be open) or a checkbox.
const command = (id) => (id >= ID.IDC_BEGINNING_BOX && id <= ID.IDC_END_BOX
  ? click(`[data-command="${id}"]`) : js(`document.querySelector('[data-command="${id}"]').click()`));
const greyed = () => js(`[...new Set([...document.querySelectorAll('[aria-disabled="true"]')].map(e => +e.dataset.command))].sort().join(' ')`);
const texts = () => js(`[document.getElementById('mark').value, document.getElementById('comment').value]`);
const canvas = () => js(`Array.from(document.getElementById('panel').getContext('2d').getImageData(0, 0, 614, 227).data).join()`);
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

const kStyles = ['classic', 'emotive', 'exhuberant', 'flat', 'chatty', 'concise'];
const settingIds = (style, spelling, role, knobs) => [`IDM_${style.toUpperCase()}`,
  `IDM_${spelling.toUpperCase()}`, `IDM_AS_${role.toUpperCase()}`, `IDM_ALL_${knobs.toUpperCase()}`].map((n) => ID[n]);

const checks = {
  async start() {
    return [await texts(), ['00', 'Revavav Evovod']];
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
    await js(`Date.now = () => ${second} * 1000`);
    await click('#zub');
    await sleep(50);
    await until('!document.body.dataset.busy');
    const [mark, comment] = await texts();
    const clipboard = await js('navigator.clipboard.readText()');
    const kzub = execFileSync(`${native}/tools/kzub/kzub`, ['--mark', '--seed', second, '--style', style,
      '--spelling', spelling, '--role', role, '--knobs', [knobs, knobs, knobs].join()], { encoding: 'utf8' });
    const line = kzub.replace(/\n$/, ''), cut = line.indexOf(' ');  // the mark, a space, the comment
    return [[mark, comment, clipboard], [line.slice(0, cut), line.slice(cut + 1), line.slice(cut + 1)]];
  },
  // Drags knob `knob` from the top row to page row `to`; off the track
  // (and off the canvas) the knob stays where it was.
  async drag(style, spelling, role, knob, to) {
    for (const id of settingIds(style, spelling, role, 'top')) await command(id);
    const [x, y] = await js(`(r => [r.x, r.y])(document.getElementById('panel').getBoundingClientRect())`);
    const from = [x + [104, 204, 404][knob] + 8, y + 47];
    await mouse('mousePressed', from);
    await mouse('mouseMoved', [from[0] + 3, y + to]);
    await mouse('mouseReleased', [from[0] + 3, y + to], 0);
    // A resize paints the whole panel, as the window repaints when uncovered.
    await page('Emulation.setDeviceMetricsOverride', { width: 700 + (resizes++ % 2), height: 500, deviceScaleFactor: 1, mobile: false });
    await sleep(100);
    const rows = [47, 47, 47];
    if (to >= 47 && to <= 118) rows[knob] = to;
    return [await canvas(), painting([kStyles.indexOf(style), +(spelling === 'american'), +(role === 'seller'), ...rows])];
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
];

let failures = 0;
try {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  session = (await send('Target.attachToTarget', { targetId, flatten: true })).sessionId;
  await send('Browser.grantPermissions', { origin: new URL(url).origin, permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
  for (const [what, ...args] of table) {
    await load();
    const [got, want] = await checks[what](...args);
    const ok = JSON.stringify(got) === JSON.stringify(want);
    failures += !ok;
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what} ${args.join(' ')}`);
    if (!ok && what !== 'drag') console.log(`  page:   ${JSON.stringify(got)}\n  native: ${JSON.stringify(want)}`);
  }
  // Measured, not asserted.
  await load();
  const paint = await js(`(performance.getEntriesByName('first-contentful-paint')[0] || {}).startTime`);
  const ready = await js('+document.body.dataset.ready');
  const press = await js(`(() => { const t = performance.now(); _kz_command(${ID.IDC_GENERATE}); return performance.now() - t; })()`);
  console.log(`first contentful paint ${paint === undefined ? '(not recorded)' : paint.toFixed(0) + ' ms'}, panel painted ${ready.toFixed(0)} ms, Zub press ${press.toFixed(1)} ms + the 480 ms flash`);
} catch (e) {
  console.log(`FAIL ${e.message}`);
  failures += 1;
} finally {
  const ended = new Promise((ok) => browser.once('exit', ok));
  await Promise.race([send('Browser.close'), sleep(2000)]).catch(() => {});
  try { process.kill(-browser.pid, 'SIGKILL'); } catch {}  // its whole process group
  await Promise.race([ended, sleep(2000)]);
  rmSync(profile, { recursive: true, force: true, maxRetries: 20 });
}
process.exit(failures ? 1 : 0);

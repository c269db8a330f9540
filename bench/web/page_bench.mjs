// Measures the web page, served at URL from FOLDER: the bytes of each file
// as stored, gzip- and brotli-compressed; how long a cold visit takes until
// the panel is painted, on a slow link and unthrottled, against a page that
// only paints a 240 x 160 canvas (served from the same server, in the same
// run); and Lighthouse's scores on desktop and mobile.
//   [KZ_TRACE=FILE] [KZ_NO_LIGHTHOUSE=1] node page_bench.mjs URL FOLDER
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';

const [url, folder] = process.argv.slice(2);
const require = createRequire(new URL('../../package.json', import.meta.url));
const puppeteer = (await import(require.resolve('puppeteer-core'))).default;
const lighthouse = (await import(require.resolve('lighthouse'))).default;
const desktopConfig = (await import(require.resolve('lighthouse/core/config/desktop-config.js'))).default;

// Bytes per file; "first view" is what the panel needs before it shows.
const kFirstView = ['index.html', 'kudomat_zub.css', 'kudomat_zub.js', 'kudomat_zub.wasm'];
const size = (f) => { try { return readFileSync(`${folder}/${f}`).length; } catch { return 0; } };
const files = readdirSync(folder).filter((f) => !/\.(gz|br)$/.test(f) && !f.startsWith('bench-')).sort();
const row = (name, r, g, b) => console.log(`${name.padEnd(22)} ${String(r).padStart(8)} ${String(g).padStart(8)} ${String(b).padStart(8)}`);
row('bytes', 'raw', 'gzip', 'brotli');
const total = [0, 0, 0];
for (const f of files) {
  const sizes = [size(f), size(`${f}.gz`), size(`${f}.br`)];
  row(f, ...sizes);
  if (kFirstView.includes(f)) sizes.forEach((s, i) => { total[i] += s; });
}
row('first view', ...total);

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--remote-debugging-port=0'],
});
try {
  // Milliseconds from navigation to the panel (or the trivial canvas) on
  // screen, in a fresh context: nothing cached, no service worker. The second
  // animation frame after the page is ready begins once the frame that shows
  // it has been laid out and painted. With a file name, the visit's
  // performance trace is written there.
  const kSlow = { latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 };
  const visit = async (address, slow, trace) => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', slow ? { offline: false, ...kSlow } : { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: slow ? 4 : 1 });
    if (trace) await page.tracing.start({ path: trace, screenshots: true });
    await page.goto(address);
    await page.waitForSelector('body[data-ready]', { timeout: 60000 });
    const ms = await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => requestAnimationFrame(() => ok(performance.now())))));
    if (trace) await page.tracing.stop();
    await context.close();
    return ms;
  };
  // Paired cold loads, the page first in every other pair; the median of the
  // pairs' ratios and their spread (lowest and highest).
  const kPairs = 9;
  const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
  const trivial = new URL('bench-trivial.html', url).href;
  for (const slow of [true, false]) {
    const page = [], canvas = [];
    if (slow && process.env.KZ_TRACE) await visit(url, slow, process.env.KZ_TRACE);
    for (let i = 0; i < kPairs; ++i) {
      if (i % 2) canvas.push(await visit(trivial, slow));
      page.push(await visit(url, slow));
      if (!(i % 2)) canvas.push(await visit(trivial, slow));
    }
    const ratios = page.map((p, i) => p / canvas[i]);
    console.log(`panel on screen, cold, ${slow ? '150 ms RTT, 1.6 Mbit/s, 4x CPU' : 'unthrottled'}: ` +
      `${median(page).toFixed(0)} ms; trivial canvas page ${median(canvas).toFixed(0)} ms; ratio ${median(ratios).toFixed(2)} ` +
      `(median of ${kPairs} pairs; ${Math.min(...ratios).toFixed(2)}-${Math.max(...ratios).toFixed(2)})`);
  }
  if (process.env.KZ_TRACE) console.log(`trace of a slow cold load: ${process.env.KZ_TRACE}`);
  if (process.env.KZ_NO_LIGHTHOUSE) process.exit(0);

  const port = new URL(browser.wsEndpoint()).port;
  for (const [name, config] of [['desktop', desktopConfig], ['mobile', undefined]]) {
    const result = await lighthouse(url, { port, output: 'json', logLevel: 'error',
      onlyCategories: ['accessibility', 'best-practices', 'performance', 'seo'] }, config);
    const scores = Object.values(result.lhr.categories).map((c) => `${c.title} ${Math.round(c.score * 100)}`);
    const failed = Object.values(result.lhr.audits).filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id);
    console.log(`Lighthouse ${name}: ${scores.join(', ')}${failed.length ? `; not passed: ${failed.join(' ')}` : ''}`);
  }
} finally {
  await browser.close();
}
